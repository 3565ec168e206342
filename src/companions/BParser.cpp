#include "companions/BParser.h"

#include "companions/ExpressionError.h"
#include "companions/ExpressionEval.h"
#include "companions/ExpressionNumbers.h"
#include "companions/ExpressionText.h"

#include <cmath>

BParser::BParser()
    : m_root(std::make_unique<Tree>()) {}

bool BParser::CreateTree() {
    const QChar decimalSymbol = InitLandDot(m_settings.overwriteDecimalSymbol);
    m_workingExpression = EntferneLeerzeichen(m_expression);
    m_workingExpression = EntferneKlammern(m_workingExpression);
    m_workingExpression = WandleSinCosTanUm(m_workingExpression, m_settings.convertAllColonsAndDots, decimalSymbol);
    m_root = std::make_unique<Tree>();
    const TreeResult result = MakeTree(*m_root, m_workingExpression, decimalSymbol);
    m_treeError = result == TreeResult::TooLarge
                      ? QStringLiteral("Der Ausdruck ist zu lang (über 65536 Zeichen) oder zu tief verschachtelt (über "
                                       "1000 Ebenen). / The expression is too long (over 65536 characters) or nested "
                                       "too deeply (over 1000 levels).")
                      : QString();
    return result == TreeResult::Built;
}

long double BParser::Evaluate() {
    const long double value = Eval(*m_root, m_settings);
    // An overflow or an undefined operation in between gives no usable value either.
    if (!std::isfinite(value))
        throw ExpressionError(
            QStringLiteral("Das Ergebnis ist keine endliche Zahl. / The result is not a finite number."));
    m_ergebnisString = ::LongDoubleToStr(value, m_settings);
    return value;
}

long double BParser::StrToLongDouble(const QString& text) const {
    return ::StrToLongDouble(text, m_settings);
}

QString BParser::LongDoubleToStr(long double value) const {
    return ::LongDoubleToStr(value, m_settings);
}
