#include "EngineTestSupport.h"

#include "engine/ChecksumFile.h"
#include "engine/JoinFiles.h"
#include "engine/JoinJournal.h"
#include "engine/JoinVerification.h"
#include "engine/Sha256.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

std::string digestOf(const std::string& bytes) {
    Sha256 hash;
    hash.update(bytes.data(), bytes.size());
    return hash.hexDigest();
}

// An original of 3,500 bytes in four parts, its checksum file, and a stale fifth part of an
// earlier, larger split beside them.
struct CheckedParts {
    TempDir dir;
    std::string original = scrambledBytes(3500);
    std::vector<std::string> paths;
    std::string checksums = dir / "v.bin.sha256";
    std::string output = dir / "v.bin";

    CheckedParts() {
        std::vector<ChecksumEntry> entries;
        for (int index = 0; index < 4; ++index) {
            const std::string name = "v.bin.00" + std::to_string(index + 1);
            const std::string bytes = original.substr(static_cast<std::size_t>(index) * 1000, 1000);
            paths.push_back(dir / name);
            writeFile(paths.back(), bytes);
            entries.push_back({digestOf(bytes), name});
        }
        entries.push_back({digestOf(original), "v.bin"});
        EXPECT_EQ(writeChecksumFile(checksums, entries), 0);
        writeFile(dir / "v.bin.005", "stale");
    }
    JoinRequest request(bool deleteParts) const {
        std::vector<std::string> listed = paths;
        listed.push_back(dir / "v.bin.005");
        JoinRequest request{listed, output, deleteParts};
        request.syncEvery = 1;
        request.checksumPath = joinChecksumPathFor(paths.front());
        return request;
    }
};

TEST(JoinVerification, AJoinWithItsChecksumFileIsVerifiedAndLeavesOutWhatTheFileDoesNotName) {
    CheckedParts parts;
    ScriptedHost host;

    const JoinResult result = joinFiles(parts.request(true), host);

    EXPECT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_TRUE(result.verified);
    EXPECT_EQ(result.checksumPath, parts.checksums);
    EXPECT_EQ(result.leftOut, std::vector<std::string>{parts.dir / "v.bin.005"});
    EXPECT_TRUE(sameBytes(readFile(parts.output), parts.original));
    EXPECT_EQ(result.deletedParts, parts.paths);
    EXPECT_EQ(namesIn(parts.dir.path()), (std::vector<std::string>{"v.bin", "v.bin.005", "v.bin.sha256"}));
}

TEST(JoinVerification, AMissingPartNamedByTheChecksumFileStopsTheJoinBeforeAnythingIsWritten) {
    CheckedParts parts;
    ASSERT_EQ(::unlink(parts.paths[1].c_str()), 0);
    ASSERT_EQ(::unlink(parts.paths[3].c_str()), 0);
    ScriptedHost host;

    const JoinResult result = joinFiles(parts.request(true), host);

    EXPECT_EQ(result.outcome, OperationOutcome::Refused);
    EXPECT_EQ(result.error.kind, OperationError::Kind::ChecksumPartsMissing);
    EXPECT_EQ(result.checksumMissing, (std::vector<std::string>{parts.paths[1], parts.paths[3]}));
    EXPECT_FALSE(exists(parts.output));
    EXPECT_TRUE(exists(parts.paths[0]));
}

// One changed byte in the third part: the join ends there, naming it; with the delete option the
// two parts before it, which matched, are gone, the damaged one and the rest are kept.
TEST(JoinVerification, ADamagedPartEndsTheJoinAndIsNeverDeleted) {
    for (const bool deleteParts : {false, true}) {
        SCOPED_TRACE(deleteParts ? "delete option" : "keep parts");
        CheckedParts parts;
        std::string damaged = readFile(parts.paths[2]);
        damaged[417] = static_cast<char>(damaged[417] ^ 0x20);
        writeFile(parts.paths[2], damaged);
        ScriptedHost host;

        const JoinResult result = joinFiles(parts.request(deleteParts), host);

        EXPECT_EQ(result.outcome, OperationOutcome::Failed);
        EXPECT_EQ(result.error.kind, OperationError::Kind::ChecksumMismatch);
        EXPECT_EQ(result.error.path, parts.paths[2]);
        EXPECT_EQ(result.error.inputPath, parts.checksums);
        EXPECT_FALSE(result.verified);
        EXPECT_EQ(readFile(parts.paths[2]), damaged);
        EXPECT_TRUE(exists(parts.paths[3]));
        EXPECT_EQ(exists(parts.paths[0]), !deleteParts);
    }
}

TEST(JoinVerification, AResumedJoinChecksTheDeletedPartsBytesInTheOutput) {
    for (const bool damageTheOutput : {false, true}) {
        SCOPED_TRACE(damageTheOutput ? "damaged output" : "intact output");
        CheckedParts parts;
        ScriptedHost stopping;
        stopping.stopOnCall = 5; // before the third part
        ASSERT_EQ(joinFiles(parts.request(true), stopping).outcome, OperationOutcome::Stopped);
        ASSERT_FALSE(exists(parts.paths[1]));
        std::string output = readFile(parts.output);
        if (damageTheOutput) {
            output[1500] = static_cast<char>(output[1500] ^ 1);
            writeFile(parts.output, output);
        }
        ScriptedHost host;

        const JoinResult again = joinFiles(parts.request(true), host);

        if (damageTheOutput) {
            EXPECT_EQ(again.outcome, OperationOutcome::Refused);
            EXPECT_EQ(again.resumeProblem, ResumeProblem::DeletedPartDamaged);
            EXPECT_EQ(again.resumeProblemPath, parts.paths[1]);
            EXPECT_EQ(readFile(parts.output), output);
            EXPECT_TRUE(exists(joinJournalPath(parts.output)));
            EXPECT_TRUE(exists(parts.paths[2]));
        } else {
            EXPECT_EQ(again.outcome, OperationOutcome::Completed);
            EXPECT_TRUE(again.resumed);
            EXPECT_TRUE(again.verified);
            EXPECT_TRUE(sameBytes(readFile(parts.output), parts.original));
            EXPECT_FALSE(exists(joinJournalPath(parts.output)));
        }
    }
}

} // namespace
