#include "companions/BParser.h"

#include "companions/ExpressionEval.h"
#include "companions/ExpressionNumbers.h"
#include "companions/ExpressionText.h"

BParser::BParser()
    : m_root(std::make_unique<Tree>()) {}

bool BParser::CreateTree() {
    const QChar decimalSymbol = InitLandDot(m_settings.overwriteDecimalSymbol);
    m_workingExpression = EntferneLeerzeichen(m_expression);
    m_workingExpression = EntferneKlammern(m_workingExpression);
    m_workingExpression = WandleSinCosTanUm(m_workingExpression, m_settings.convertAllColonsAndDots, decimalSymbol);
    m_root = std::make_unique<Tree>();
    return MakeTree(*m_root, m_workingExpression, decimalSymbol);
}

long double BParser::Evaluate() {
    const long double value = Eval(*m_root, m_settings);
    m_ergebnisString = ::LongDoubleToStr(value, m_settings);
    return value;
}

long double BParser::StrToLongDouble(const QString& text) const {
    return ::StrToLongDouble(text, m_settings);
}

QString BParser::LongDoubleToStr(long double value) const {
    return ::LongDoubleToStr(value, m_settings);
}
