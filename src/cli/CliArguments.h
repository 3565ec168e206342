#pragma once

#include "engine/SpecialSplit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class CliCommandKind { Help, Version, Split, Cut, Join, Verify };

enum class JoinOrderMode {
    Auto,  // part-number order when it is clear, else the order given
    Listed // the order given
};

struct SplitArguments {
    std::string file;
    // At most one of the three; none means the stored setting.
    std::optional<std::int64_t> partSize;
    std::optional<std::int64_t> partCount;
    std::optional<int> preset;
    // Unset means the stored setting.
    std::optional<bool> batch;
    std::optional<bool> batchDeleteParts;
    std::optional<bool> batchDeleteSelf;
    std::optional<bool> script;
    std::optional<bool> checksums;
};

struct CutArguments {
    std::string file;
    std::vector<CutEntry> entries;
    bool relative = false;
};

struct JoinArguments {
    std::vector<std::string> parts;
    std::optional<std::string> outputName;
    JoinOrderMode order = JoinOrderMode::Auto;
    std::optional<bool> deleteParts; // none: the stored setting
};

struct CliArguments {
    CliCommandKind kind = CliCommandKind::Help;
    std::string directory; // empty: the current folder
    bool assumeYes = false;
    bool quiet = false;
    SplitArguments split;
    CutArguments cut;
    JoinArguments join;
    std::string verifyFile; // a checksum file, a part or the original
};

struct ParsedArguments {
    std::optional<CliArguments> arguments;
    std::string usageError; // set when arguments is empty
};

// args excludes the program name.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

// "4096", "100K", "100M", "2G" (1024-based, either case) -> bytes; nothing when the text is not
// such a number or the bytes do not fit in 64 bits.
std::optional<std::int64_t> ParseByteCount(std::string_view text);
