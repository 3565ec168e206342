#include "companions/ExpressionTree.h"

#include "companions/ExpressionSplit.h"
#include "companions/GeneralFloatText.h"

#include <array>
#include <utility>

bool IsZahl(const QString& text, QChar decimalSymbol) {
    static const std::array<QLatin1StringView, 6> functionCodes{{QLatin1StringView("s"), QLatin1StringView("c"),
                                                                 QLatin1StringView("t"), QLatin1StringView("n"),
                                                                 QLatin1StringView("g"), QLatin1StringView("r")}};
    static const std::array<QLatin1StringView, 7> names{
        {QLatin1StringView("x"), QLatin1StringView("a"), QLatin1StringView("b"), QLatin1StringView("c"),
         QLatin1StringView("d"), QLatin1StringView("pi"), QLatin1StringView("e")}};
    for (QLatin1StringView code : functionCodes) {
        if (text == code)
            return true;
    }
    for (QLatin1StringView name : names) {
        if (text.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return IsLongDouble(text, decimalSymbol);
}

namespace {

// Larger trees are refused: building and evaluating recurse once per level, and each level scans
// its whole operand, so the work grows with the levels times the length.
constexpr int MaxTreeLevels = 1000;
constexpr qsizetype MaxTextLength = 65536;

// No number or name in its shortest form is this long; longer operands need no IsZahl.
constexpr qsizetype LongestLeaf = 64;

class TreeBuilder {
public:
    TreeBuilder(QString& text, QChar decimalSymbol)
        : m_text(text)
        , m_decimalSymbol(decimalSymbol) {}

    bool tooDeep() const { return m_tooDeep; }

    bool isLeafText(QStringView text) const {
        return text.size() <= LongestLeaf && IsZahl(text.toString(), m_decimalSymbol);
    }

    // Each operand is a view into m_text; a level rewrites its own characters in place, as the
    // text it would otherwise have been handed a copy of.
    bool build(Tree& node, QStringView text, int level) {
        if (level > MaxTreeLevels) {
            m_tooDeep = true;
            return false;
        }
        QChar* begin = m_text.data() + (text.data() - m_text.constData());
        ExpressionSplitView split = splitLowestInPlace(begin, begin + text.size());
        // "0" is a leaf, so this view never has to lie inside m_text.
        static const QString zero = QStringLiteral("0");
        if (split.before.isEmpty() && split.op == QLatin1Char('-'))
            split.before = zero;
        if (split.op.isNull()) {
            if (!isLeafText(text))
                return false;
            node.text = text.toString();
            return true;
        }
        if (split.before.isEmpty() || split.after.isEmpty())
            return false;

        node.text = QString(split.op);
        node.before = std::make_unique<Tree>();
        node.after = std::make_unique<Tree>();
        bool built = true;
        for (const auto& [child, operand] :
             {std::pair(node.before.get(), split.before), std::pair(node.after.get(), split.after)}) {
            if (isLeafText(operand))
                child->text = operand.toString();
            else
                built = build(*child, operand, level + 1) && built;
        }
        return built;
    }

private:
    QString& m_text;
    QChar m_decimalSymbol;
    bool m_tooDeep = false;
};

} // namespace

TreeResult MakeTree(Tree& node, const QString& text, QChar decimalSymbol) {
    if (text.size() > MaxTextLength)
        return TreeResult::TooLarge;
    QString working = text;
    working.detach();
    TreeBuilder builder(working, decimalSymbol);
    if (builder.build(node, working, 1))
        return TreeResult::Built;
    return builder.tooDeep() ? TreeResult::TooLarge : TreeResult::Invalid;
}
