#include "EngineTestSupport.h"

#include "engine/SplitFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs `argv` in `folder` with stdout and stderr going to the files given; returns its exit code.
int runIn(const std::filesystem::path& folder, const std::vector<std::string>& argv, const std::string& outPath,
          const std::string& errPath) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 || ::chdir(folder.c_str()) != 0)
            ::_exit(126);
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

bool onPath(const std::string& program) {
    for (const char* folder : {"/usr/bin/", "/bin/", "/usr/local/bin/"}) {
        if (::access((folder + program).c_str(), X_OK) == 0)
            return true;
    }
    return false;
}

// The shells the script must work in that this machine has.
std::vector<std::vector<std::string>> shells() {
    std::vector<std::vector<std::string>> found;
    if (onPath("dash"))
        found.push_back({"dash"});
    if (onPath("busybox"))
        found.push_back({"busybox", "sh"});
    return found;
}

enum class Damage { None, MissingPart, ChangedByte };

struct ScriptCase {
    const char* what;
    std::string name;
    Damage damage;
    bool withChecksums; // NAME.sha256 from the real sha256sum, taken before any damage
    bool deleteBoth;    // the two delete options
    int exitCode;
    const char* saysOnError; // part of what the script prints on stderr
};

TEST(RejoinShellScript, RebuildsOnlyAWholeAndMatchingFileAndDeletesNothingOtherwise) {
    const std::vector<std::vector<std::string>> available = shells();
    if (available.empty())
        GTEST_SKIP() << "neither dash nor busybox is installed";
    const std::vector<ScriptCase> cases = {
        {"good set, checked", "data.bin", Damage::None, true, true, 0, ""},
        {"good set, unchecked, kept", "data.bin", Damage::None, false, false, 0, ""},
        {"missing part", "data.bin", Damage::MissingPart, false, true, 1, "Part file not found: data.bin.002"},
        {"damaged part", "data.bin", Damage::ChangedByte, true, true, 1, "does not match its checksum"},
        {"odd name", "-it's a \"$HOME\" `x` & 100% \\ name\nwith a break.bin", Damage::None, true, true, 0, ""},
    };
    for (const std::vector<std::string>& shell : available) {
        for (const ScriptCase& c : cases) {
            SCOPED_TRACE(shell.front() + ": " + c.what);
            TempDir dir;
            const std::string original = writeScrambledFile(dir / c.name, 2500);
            SplitRequest request = splitRequest(dir / c.name, dir.path().string(), 1000, std::nullopt);
            request.script =
                RejoinScriptOptions{c.deleteBoth, c.deleteBoth, defaultRejoinScriptTexts(TextLanguage::English)};
            ScriptedHost host;
            const SplitResult split = splitFile(request, host);
            ASSERT_EQ(split.outcome, OperationOutcome::Completed);
            const std::string script = c.name + ".sh";
            struct stat info = {};
            ASSERT_EQ(::stat((dir / script).c_str(), &info), 0);
            EXPECT_NE(info.st_mode & S_IXUSR, 0u);

            std::vector<std::string> parts = split.partNames;
            if (c.withChecksums) {
                std::vector<std::string> sha = {"sha256sum", "--"};
                sha.insert(sha.end(), parts.begin(), parts.end());
                sha.push_back(c.name);
                ASSERT_EQ(runIn(dir.path(), sha, dir / (c.name + ".sha256"), "/dev/null"), 0);
            }
            ::unlink((dir / c.name).c_str());
            if (c.damage == Damage::MissingPart) {
                ::unlink((dir / parts[1]).c_str());
                parts.erase(parts.begin() + 1);
            } else if (c.damage == Damage::ChangedByte) {
                std::string bytes = readFile(dir / parts[1]);
                bytes[500] ^= 1;
                writeFile(dir / parts[1], bytes);
            }
            std::vector<std::string> before = namesIn(dir.path());
            std::vector<std::string> partBytes;
            for (const std::string& part : parts)
                partBytes.push_back(readFile(dir / part));

            TempDir logs;
            std::vector<std::string> command = shell;
            command.push_back("./" + script);
            EXPECT_EQ(runIn(dir.path(), command, logs / "out", logs / "err"), c.exitCode) << readFile(logs / "err");

            if (c.exitCode == 0) {
                EXPECT_TRUE(sameBytes(readFile(dir / c.name), original));
                std::vector<std::string> left = {c.name};
                if (c.withChecksums)
                    left.push_back(c.name + ".sha256");
                if (!c.deleteBoth) {
                    left.insert(left.end(), parts.begin(), parts.end());
                    left.push_back(script);
                }
                std::sort(left.begin(), left.end());
                EXPECT_EQ(namesIn(dir.path()), left);
            } else {
                // Nothing rebuilt, nothing deleted, no temporary file left.
                EXPECT_EQ(namesIn(dir.path()), before);
                for (std::size_t i = 0; i < parts.size(); ++i)
                    EXPECT_EQ(readFile(dir / parts[i]), partBytes[i]);
                EXPECT_NE(readFile(logs / "err").find(c.saysOnError), std::string::npos) << readFile(logs / "err");
            }
        }
    }
}

} // namespace
