#include "companions/ExpressionEval.h"

#include "companions/ExpressionError.h"
#include "companions/ExpressionNumbers.h"

#include <cmath>

namespace {

long double logarithmOf(long double r) {
    if (r <= 0)
        throw ExpressionError(QStringLiteral("Log von X mit X <= 0"));
    return std::log(r);
}

// Sine, cosine, tangent and power are computed on double, as the values always were.
long double functionOf(const QString& code, long double r) {
    if (code == QLatin1String("s"))
        return std::sin(double(r));
    if (code == QLatin1String("c"))
        return std::cos(double(r));
    if (code == QLatin1String("t"))
        return std::tan(double(r));
    if (code == QLatin1String("n"))
        return logarithmOf(r);
    if (code == QLatin1String("g"))
        return logarithmOf(r) / std::log(10.0L);
    if (code == QLatin1String("r"))
        return std::fabs(r);
    return 0;
}

long double powerOf(long double l, long double r) {
    const double value = std::pow(double(l), double(r));
    // A negative base with a broken exponent, or 0 to a negative power.
    if (!std::isfinite(value) && std::isfinite(double(l)) && std::isfinite(double(r)))
        throw ExpressionError(QStringLiteral("Kein negativer Ausdruck unter Wurzel erlaubt."));
    return value;
}

} // namespace

long double Eval(const Tree& node, const ExpressionSettings& settings) {
    if (node.isLeaf())
        return StrToLongDouble(node.text, settings);
    const QChar op = node.text.front();
    // The operand before "#" only names the function.
    if (op == QLatin1Char('#'))
        return functionOf(node.before->text, Eval(*node.after, settings));

    const long double r = Eval(*node.after, settings);
    const long double l = Eval(*node.before, settings);
    switch (op.unicode()) {
    case '+':
        return l + r;
    case '-':
        return l - r;
    case '*':
        return (l == 0 || r == 0) ? 0 : l * r;
    case '/':
        if (r == 0)
            throw ExpressionError(QStringLiteral("Division durch 0"));
        return l / r;
    case 'm':
        return modl(l, r);
    case '^':
        return powerOf(l, r);
    default: // MakeTree builds no other operator
        return 0;
    }
}
