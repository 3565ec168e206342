#include "cli/UsageErrorText.h"
#include "cli/CliArguments.h"
#include "components/core/MainTexts.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

} // namespace

// One command line for each error the parser knows: each has a German wording that keeps the
// names it quotes.
TEST(UsageErrorText, EveryParserErrorHasAGermanWording) {
    const struct {
        const char* line;
        const char* kept; // a part of the English error that the German one repeats
    } cases[] = {
        {"", ""},
        {"shred x", "'shred'"},
        {"split a b", "'b'"},
        {"split a -d", "-d"},
        {"split a -y=1", "-y"},
        {"split a --frobnicate", "'--frobnicate'"},
        {"join a --relative", "'join'"},
        {"split a --batch --no-batch", "--no-batch"},
        {"split a -s 1K -n 2", "-p"},
        {"split a -s 0", "'0'"},
        {"split a -n x", "'x'"},
        {"split a -p 6", "'6'"},
        {"cut a --at x=y", "'x=y'"},
        {"cut a --at 5=", "'5='"},
        {"join a -o d/f", "'d/f'"},
        {"join a --order random", "'random'"},
        {"split", ""},
        {"cut", ""},
        {"cut a", "--at"},
        {"join", ""},
    };
    for (const auto& c : cases) {
        const ParsedArguments parsed = ParseArguments(Words(c.line));
        ASSERT_FALSE(parsed.arguments) << c.line;
        const QString english = UsageErrorText(parsed.usageError, LanguageEnglish);
        const QString german = UsageErrorText(parsed.usageError, LanguageGerman);
        EXPECT_EQ(english, QString::fromStdString(parsed.usageError)) << c.line;
        EXPECT_NE(german, english) << c.line;
        EXPECT_TRUE(german.contains(QString::fromUtf8(c.kept))) << c.line << ": " << german.toStdString();
    }
}

TEST(UsageErrorText, NamesTakenOverStayAsTheyAre) {
    const std::string error = "only one FILE can be given, but 'b %1 %2' follows 'a'";
    EXPECT_EQ(UsageErrorText(error, LanguageGerman),
              QStringLiteral("nur eine DATEI ist möglich, aber 'b %1 %2' folgt auf 'a'"));
    // An error without a German wording shows in English.
    EXPECT_EQ(UsageErrorText("something new", LanguageGerman), QStringLiteral("something new"));
}
