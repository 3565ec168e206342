#include "engine/RejoinShellScript.h"

namespace {

// In single quotes every byte stands for itself; a quote ends them, is escaped and they go on.
std::string shellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + '\'';
}

std::string withCount(std::string text, std::size_t count) {
    constexpr std::string_view Placeholder = "{count}";
    if (const std::size_t at = text.find(Placeholder); at != std::string::npos)
        text.replace(at, Placeholder.size(), std::to_string(count));
    return text;
}

// The parts are listed once, as calls of the command given to `parts`, a hundred names a call so
// that a set of thousands takes few processes. "./" keeps a name that starts with "-" from being
// read as an option.
std::string partList(const std::vector<std::string>& partNames) {
    constexpr std::size_t NamesPerCall = 100;
    std::string text = "parts() {\n";
    for (std::size_t index = 0; index < partNames.size(); ++index) {
        text += index % NamesPerCall == 0 ? (index == 0 ? "    \"$1\"" : "\n    \"$1\"") : "";
        text += ' ' + shellQuoted("./" + partNames[index]);
    }
    return text + "\n}\n";
}

} // namespace

std::string rejoinScriptFileName(const std::string& sourceName) {
    return sourceName + ".sh";
}

std::string rejoinShellScript(const RejoinScriptOptions& options, const std::vector<std::string>& partNames,
                              const std::string& sourceName) {
    const RejoinScriptTexts& t = options.texts;
    const auto q = [](const std::string& text) { return shellQuoted(text); };
    std::string s;
    s += "#!/bin/sh\n";
    s += "# Rebuilds the file below from its parts in this folder (Brimvale Parcelon).\n";
    s += "name=" + q(sourceName) + '\n';
    s += "sums=" + q(sourceName + ".sha256") + '\n';
    s += "temp=\n";
    s += "say() { printf '%s\\n' \"$*\"; }\n";
    s += "fail() {\n";
    s += "    if [ $# -gt 0 ]; then say \"$@\" >&2; fi\n";
    s += "    if [ -n \"$temp\" ]; then rm -f \"$temp\"; fi\n";
    s += "    say " + q(t.nothingDeleted) + " >&2\n";
    s += "    exit 1\n";
    s += "}\n";
    s += "interrupted() { fail " + q(t.interrupted) + "; }\n";
    s += "trap interrupted HUP INT TERM\n";
    s += "case $0 in\n";
    s += "/*) folder=${0%/*}/ ;;\n";
    s += "*/*) folder=./${0%/*}/ ;;\n";
    s += "*) folder=./ ;;\n";
    s += "esac\n";
    s += "cd \"$folder\" || fail " + q(t.cannotEnter) + " \"$folder\"\n";
    s += partList(partNames);
    s += "say " + q(withCount(t.rebuilding, partNames.size())) + " \"$name\"\n";
    s += "missing=0\n";
    s += "check() {\n";
    s += "    for part in \"$@\"; do\n";
    s += "        if [ ! -f \"$part\" ]; then say " + q(t.missingPart) + " \"${part#./}\" >&2; missing=1; fi\n";
    s += "    done\n";
    s += "}\n";
    s += "parts check\n";
    s += "if [ \"$missing\" != 0 ]; then fail; fi\n";
    s += "temp=./.parcelon-rejoin-$$.tmp\n";
    s += "if ! (set -C; : >\"$temp\") 2>/dev/null; then temp=; fail " + q(t.noTemporary) + " \"$PWD\"; fi\n";
    s += "append() {\n";
    s += "    cat \"$@\" >>\"$temp\" || fail " + q(t.copyFailed) + '\n';
    s += "}\n";
    s += "parts append\n";
    s += "if [ -f \"./$sums\" ]; then\n";
    s += "    if command -v sha256sum >/dev/null 2>&1; then tool=sha256sum\n";
    s += "    elif command -v shasum >/dev/null 2>&1; then tool='shasum -a 256'\n";
    s += "    else tool=\n";
    s += "    fi\n";
    s += "    if [ -z \"$tool\" ]; then\n";
    s += "        say " + q(t.noChecksumTool) + '\n';
    s += "    else\n";
    s += "        say " + q(t.checking) + " \"$sums\"\n";
    // The original's line comes last; a leading backslash marks an escaped name.
    s += "        expected=$(tail -n 1 \"./$sums\") || fail " + q(t.noChecksum) + " \"$sums\"\n";
    s += "        expected=${expected#\\\\}\n";
    s += "        expected=${expected%%[!0123456789abcdefABCDEF]*}\n";
    s += "        if [ ${#expected} -ne 64 ]; then fail " + q(t.noChecksum) + " \"$sums\"; fi\n";
    s += "        actual=$($tool <\"$temp\") || fail " + q(t.hashFailed) + '\n';
    s += "        actual=${actual%%[!0123456789abcdefABCDEF]*}\n";
    s += "        if [ \"$actual\" != \"$expected\" ]; then fail " + q(t.mismatch) + " \"$sums\"; fi\n";
    s += "        say " + q(t.checksumOk) + '\n';
    s += "    fi\n";
    s += "fi\n";
    s += "if [ -d \"./$name\" ]; then fail " + q(t.folderInWay) + " \"$name\"; fi\n";
    s += "mv -f \"$temp\" \"./$name\" || fail " + q(t.renameFailed) + " \"$name\"\n";
    s += "temp=\n";
    s += "trap - HUP INT TERM\n";
    s += "say " + q(t.rebuilt) + " \"$name\"\n";
    s += "status=0\n";
    if (options.deleteParts) {
        s += "remove() { rm -f \"$@\" || status=1; }\n";
        s += "parts remove\n";
    }
    if (options.deleteItself)
        s += "rm -f " + q("./" + rejoinScriptFileName(sourceName)) + " || status=1\n";
    s += "if [ \"$status\" != 0 ]; then say " + q(t.deleteFailed) + " >&2; fi\n";
    s += "exit \"$status\"\n";
    return s;
}
