#include "companions/TBParser.h"

TBParser::TBParser(QObject* parent)
    : QObject(parent) {}

bool TBParser::CreateTree() {
    m_engine.setExpression(m_expression);
    const bool built = m_engine.CreateTree();
    m_expression = m_engine.workingExpression();
    return built;
}
