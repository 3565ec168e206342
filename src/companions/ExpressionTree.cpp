#include "companions/ExpressionTree.h"

#include "companions/ExpressionSplit.h"
#include "companions/GeneralFloatText.h"

#include <array>

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

bool MakeTree(Tree& node, const QString& text, QChar decimalSymbol) {
    ExpressionSplit split = SplitLowest(text);
    if (split.before.isEmpty() && split.op == QLatin1String("-"))
        split.before = QStringLiteral("0");
    if (split.op.isEmpty() && split.before.isEmpty() && split.after.isEmpty()) {
        if (!IsZahl(text, decimalSymbol))
            return false;
        node.text = text;
        return true;
    }
    if (split.op.isEmpty() || split.before.isEmpty() || split.after.isEmpty())
        return false;

    node.text = split.op;
    node.before = std::make_unique<Tree>(Tree{split.before, nullptr, nullptr});
    node.after = std::make_unique<Tree>(Tree{split.after, nullptr, nullptr});
    bool built = true;
    if (!IsZahl(split.before, decimalSymbol))
        built = MakeTree(*node.before, split.before, decimalSymbol) && built;
    if (!IsZahl(split.after, decimalSymbol))
        built = MakeTree(*node.after, split.after, decimalSymbol) && built;
    return built;
}
