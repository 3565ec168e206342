#pragma once

#include "companions/ExpressionSettings.h"
#include "companions/ExpressionTree.h"

// The value of a tree, on extended precision. The operand after an operator is evaluated first,
// and both before the operator is applied. Throws ExpressionError with the texts
// "Division durch 0", "Log von X mit X <= 0", "Kein negativer Ausdruck unter Wurzel erlaubt."
// and the conversion error of StrToLongDouble.
long double Eval(const Tree& node, const ExpressionSettings& settings);
