#include "companions/ExpressionSplit.h"

#include "companions/ExpressionText.h"

#include <optional>

namespace {

struct OperatorRank {
    int rank = 0;
    int challenge = 0;
};

// An operator takes the split point from the current one when its challenge is below the
// current rank; n is the nesting level (16 per parenthesis).
std::optional<OperatorRank> rankOf(QChar c, int n) {
    switch (c.unicode()) {
    case '-':
        return OperatorRank{n + 1, n + 1};
    case '+':
        return OperatorRank{n + 2, n + 1};
    case '*':
    case '/':
    case 'm':
        return OperatorRank{n + 3, n + 2};
    case '^':
        return OperatorRank{n + 4, n + 4};
    case '#':
        return OperatorRank{n + 8, n + 8};
    default:
        return std::nullopt;
    }
}

} // namespace

ExpressionSplitView splitLowestInPlace(QChar* begin, QChar* end) {
    flipSignsAfterFirstMinus(begin, end);
    const QStringView rewritten(begin, end);
    int level = 0;
    qsizetype splitAt = -1;
    int splitRank = 0;
    for (qsizetype i = 0; i < rewritten.size(); ++i) {
        const QChar c = rewritten[i];
        if (c == QLatin1Char('(')) {
            level += 16;
            continue;
        }
        if (c == QLatin1Char(')')) {
            level -= 16;
            continue;
        }
        const std::optional<OperatorRank> rank = rankOf(c, level);
        if (rank && (splitAt < 0 || rank->challenge < splitRank)) {
            splitAt = i;
            splitRank = rank->rank;
        }
    }
    if (splitAt < 0)
        return {};
    return {withoutEnclosingParentheses(rewritten.left(splitAt)),
            withoutEnclosingParentheses(rewritten.mid(splitAt + 1)), rewritten[splitAt]};
}

ExpressionSplit SplitLowest(const QString& text) {
    QString rewritten = text;
    const ExpressionSplitView split = splitLowestInPlace(rewritten.data(), rewritten.data() + rewritten.size());
    if (split.op.isNull())
        return {};
    return {split.before.toString(), split.after.toString(), QString(split.op)};
}
