#include "EngineTestSupport.h"

#include "engine/ChecksumFile.h"
#include "engine/Sha256.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <sys/wait.h>

namespace {

std::string sha256Of(const std::string& bytes) {
    Sha256 hash;
    hash.update(bytes.data(), bytes.size());
    return hash.hexDigest();
}

struct CommandRun {
    int exitCode = -1;
    std::string output;
};

// Runs a shell command in `folder`, its output and error output captured.
CommandRun runIn(const std::string& folder, const std::string& command) {
    CommandRun run;
    FILE* pipe = ::popen(("cd '" + folder + "' && " + command + " 2>&1").c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        run.output.append(buffer, got);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Names that take sha256sum's escaping or that a careless parser splits.
const std::vector<std::string> AwkwardNames = {
    "plain.bin", "with blanks.001",  " leading blank", "trailing blank ", "back\\slash",
    "new\nline", "carriage\rreturn", "Größe äöü.002",  "*star",           "#hash",
};

} // namespace

TEST(Sha256, KnownDigestsAndPiecewiseUpdates) {
    EXPECT_EQ(sha256Of(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Of("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

    const std::string bytes = scrambledBytes(100000);
    Sha256 piecewise;
    for (std::size_t offset = 0; offset < bytes.size(); offset += 777)
        piecewise.update(bytes.data() + offset, std::min<std::size_t>(777, bytes.size() - offset));
    EXPECT_EQ(piecewise.hexDigest(), sha256Of(bytes));
    // A finished hash starts over.
    piecewise.update("abc", 3);
    EXPECT_EQ(piecewise.hexDigest(), sha256Of("abc"));
}

TEST(ChecksumFile, EscapesOnlyTheNamesThatNeedIt) {
    const std::string digest(64, 'a');
    EXPECT_EQ(checksumLine({digest, "movie.avi.001"}), digest + "  movie.avi.001\n");
    EXPECT_EQ(checksumLine({digest, "a\\b\nc\rd"}), "\\" + digest + "  a\\\\b\\nc\\rd\n");
}

TEST(ChecksumFile, SystemToolChecksWhatWeWrite) {
    TempDir dir;
    std::vector<ChecksumEntry> entries;
    for (const std::string& name : AwkwardNames) {
        const std::string bytes = "contents of " + name;
        writeFile(dir / name, bytes);
        entries.push_back({sha256Of(bytes), name});
    }
    ASSERT_EQ(writeChecksumFile(dir / "set.sha256", entries), 0);
    EXPECT_EQ(namesIn(dir.path()).size(), AwkwardNames.size() + 1) << "no temporary file left";

    const CommandRun good = runIn(dir.path(), "sha256sum --strict -c set.sha256");
    EXPECT_EQ(good.exitCode, 0) << good.output;

    writeFile(dir / "back\\slash", "changed");
    const CommandRun bad = runIn(dir.path(), "sha256sum --strict -c set.sha256");
    EXPECT_EQ(bad.exitCode, 1) << bad.output;
    EXPECT_NE(bad.output.find("FAILED"), std::string::npos) << bad.output;
}

TEST(ChecksumFile, ReadsWhatTheSystemToolWrites) {
    TempDir dir;
    std::map<std::string, std::string> expected; // name -> digest
    for (const std::string& name : AwkwardNames) {
        writeFile(dir / name, name + " bytes");
        expected[name] = sha256Of(name + " bytes");
    }
    for (const char* mode : {"--text", "--binary"}) {
        const CommandRun run = runIn(dir.path(), std::string("sha256sum ") + mode + " -- *");
        ASSERT_EQ(run.exitCode, 0) << mode;
        const auto entries = parseChecksumText(run.output);
        ASSERT_TRUE(entries) << mode << "\n" << run.output;
        std::map<std::string, std::string> parsed;
        for (const ChecksumEntry& entry : *entries)
            parsed[entry.fileName] = entry.hexDigest;
        EXPECT_EQ(parsed, expected) << mode;
    }
}

TEST(ChecksumFile, ParsingTakesCommentsCrLfAndUppercaseAndRefusesAnythingElse) {
    const std::string digest = sha256Of("x");
    std::string upper = digest;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const auto entries = parseChecksumText("# made by hand\r\n" + upper + "  a.001\r\n\n" + digest + " *b.002");
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[0].hexDigest, digest);
    EXPECT_EQ((*entries)[0].fileName, "a.001");
    EXPECT_EQ((*entries)[1].fileName, "b.002");

    const std::vector<std::string> notChecksumTexts = {
        "",
        "# only a comment\n",
        digest.substr(1) + "  short.001\n",
        "g" + digest.substr(1) + "  nothex.001\n",
        digest + " oneblank.001\n",
        digest + "  \n",
        "\\" + digest + "  bad\\xescape\n",
        "\\" + digest + "  trailing\\\n",
        digest + "  good.001\nsome prose in between\n",
        std::string("\x7f"
                    "ELF binary data\0\0",
                    17),
    };
    for (const std::string& text : notChecksumTexts)
        EXPECT_FALSE(parseChecksumText(text)) << text;
}

TEST(ChecksumFile, WriteReplacesAnOldFileAndReadingReportsErrors) {
    TempDir dir;
    writeFile(dir / "x.sha256", "old contents\n");
    const std::vector<ChecksumEntry> entries = {{sha256Of("1"), "x.001"}, {sha256Of("2"), "x"}};
    ASSERT_EQ(writeChecksumFile(dir / "x.sha256", entries), 0);
    const ChecksumFileReading reading = readChecksumFile(dir / "x.sha256");
    EXPECT_EQ(reading.systemError, 0);
    ASSERT_TRUE(reading.entries);
    EXPECT_EQ((*reading.entries)[1].fileName, "x");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"x.sha256"});

    EXPECT_EQ(writeChecksumFile(dir / "no such folder/x.sha256", entries), ENOENT);
    EXPECT_EQ(readChecksumFile(dir / "missing.sha256").systemError, ENOENT);
    EXPECT_EQ(readChecksumFile(dir.path().string()).systemError, EISDIR);
    writeFile(dir / "prose.txt", "not a checksum file\n");
    const ChecksumFileReading prose = readChecksumFile(dir / "prose.txt");
    EXPECT_EQ(prose.systemError, 0);
    EXPECT_FALSE(prose.entries);
}
