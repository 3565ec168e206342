#include "dialogs/JoinOrderMoves.h"

#include "support/QStringPrinter.h"
#include <QStringList>

#include <gtest/gtest.h>

namespace {
// "a B c": entries a, b, c with b selected.
JoinOrderEntries parse(const QString& text) {
    JoinOrderEntries entries;
    for (const QString& word : text.split(u' '))
        entries.append({word.toLower(), word != word.toLower()});
    return entries;
}

QString format(const JoinOrderEntries& entries) {
    QStringList words;
    for (const JoinOrderEntry& entry : entries)
        words.append(entry.selected ? entry.text.toUpper() : entry.text);
    return words.join(u' ');
}

struct MoveCase {
    const char* before;
    bool up;
    const char* after;
};

void PrintTo(const MoveCase& c, std::ostream* out) {
    *out << c.before << (c.up ? " up" : " down");
}

class JoinOrderMoves : public testing::TestWithParam<MoveCase> {};
} // namespace

TEST_P(JoinOrderMoves, RunsMoveAsBlocksAndStaySelected) {
    const MoveCase& c = GetParam();
    JoinOrderEntries entries = parse(QString::fromLatin1(c.before));
    if (c.up)
        moveSelectedRunsUp(entries);
    else
        moveSelectedRunsDown(entries);
    EXPECT_EQ(format(entries), QString::fromLatin1(c.after));
}

INSTANTIATE_TEST_SUITE_P(Table, JoinOrderMoves,
                         testing::Values(MoveCase{"a B C d", true, "B C a d"}, MoveCase{"a B C d", false, "a d B C"},
                                         MoveCase{"a B c D e", true, "B a D c e"},
                                         MoveCase{"a B c D e", false, "a c B e D"},
                                         MoveCase{"a B C D e", true, "B C D a e"},
                                         // runs at the edge have nowhere to go; the others still move
                                         MoveCase{"A b C", true, "A C b"}, MoveCase{"A b C", false, "b A C"},
                                         MoveCase{"a b c", true, "a b c"}, MoveCase{"A B", false, "A B"}));
