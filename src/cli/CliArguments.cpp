#include "cli/CliArguments.h"

#include <charconv>
#include <limits>

namespace {

std::optional<std::int64_t> WholeNumber(std::string_view text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '-' || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args)
        : m_args(args) {}

    ParsedArguments parse() {
        if (m_args.empty())
            return fail("no command given");
        const std::string& command = m_args.front();
        if (command == "--help" || command == "-h")
            return done(CliCommandKind::Help);
        if (command == "--version")
            return done(CliCommandKind::Version);
        if (command == "split")
            m_result.kind = CliCommandKind::Split;
        else if (command == "cut")
            m_result.kind = CliCommandKind::Cut;
        else if (command == "join")
            m_result.kind = CliCommandKind::Join;
        else if (command == "verify")
            m_result.kind = CliCommandKind::Verify;
        else
            return fail("unknown command '" + command + "'");

        bool optionsEnded = false;
        for (m_next = 1; m_next < m_args.size() && m_error.empty();) {
            const std::string& arg = m_args[m_next++];
            if (optionsEnded || arg == "-" || arg.empty() || arg.front() != '-') {
                operand(arg);
            } else if (arg == "--") {
                optionsEnded = true;
            } else if (arg == "--help" || arg == "-h") {
                return done(CliCommandKind::Help);
            } else {
                option(arg);
            }
        }
        if (m_error.empty())
            checkComplete();
        if (!m_error.empty())
            return fail(m_error);
        return {m_result, {}};
    }

private:
    ParsedArguments done(CliCommandKind kind) {
        m_result.kind = kind;
        return {m_result, {}};
    }

    ParsedArguments fail(const std::string& error) { return {std::nullopt, error}; }

    bool is(CliCommandKind kind) const { return m_result.kind == kind; }

    void operand(const std::string& arg) {
        if (is(CliCommandKind::Join)) {
            m_result.join.parts.push_back(arg);
            return;
        }
        std::string& file = is(CliCommandKind::Split) ? m_result.split.file
                            : is(CliCommandKind::Cut) ? m_result.cut.file
                                                      : m_result.verifyFile;
        if (!file.empty()) {
            m_error = "only one FILE can be given, but '" + arg + "' follows '" + file + "'";
            return;
        }
        file = arg;
    }

    // "--name=value" carries its value; otherwise it is the next argument.
    std::optional<std::string> value(const std::string& name, const std::optional<std::string>& attached) {
        if (attached)
            return attached;
        if (m_next >= m_args.size()) {
            m_error = "option " + name + " needs a value";
            return std::nullopt;
        }
        return m_args[m_next++];
    }

    void option(const std::string& arg) {
        std::string name = arg;
        std::optional<std::string> attached;
        if (const std::size_t equals = arg.find('='); arg.starts_with("--") && equals != std::string::npos) {
            name = arg.substr(0, equals);
            attached = arg.substr(equals + 1);
        } else if (!arg.starts_with("--") && arg.size() > 2) {
            name = arg.substr(0, 2); // "-s100M"
            attached = arg.substr(2);
        }

        const bool split = is(CliCommandKind::Split);
        const bool cut = is(CliCommandKind::Cut);
        const bool join = is(CliCommandKind::Join);
        const auto flag = [&](bool allowed) {
            if (attached)
                m_error = "option " + name + " takes no value";
            else if (!allowed)
                notFor(name);
            return m_error.empty();
        };

        if (name == "-d" || name == "--directory") {
            if (const auto text = value(name, attached))
                m_result.directory = *text;
        } else if (name == "-y" || name == "--yes") {
            m_result.assumeYes = flag(true);
        } else if (name == "-q" || name == "--quiet") {
            m_result.quiet = flag(true);
        } else if (split && (name == "-s" || name == "--size" || name == "-n" || name == "--parts" || name == "-p" ||
                             name == "--preset")) {
            sizeChoice(name, attached);
        } else if (name == "--batch" || name == "--no-batch") {
            exclusive(m_result.split.batch, name == "--batch", flag(split), "--batch", "--no-batch");
        } else if (name == "--batch-delete-parts" || name == "--batch-keep-parts") {
            exclusive(m_result.split.batchDeleteParts, name == "--batch-delete-parts", flag(split),
                      "--batch-delete-parts", "--batch-keep-parts");
        } else if (name == "--batch-delete-self" || name == "--batch-keep-self") {
            exclusive(m_result.split.batchDeleteSelf, name == "--batch-delete-self", flag(split), "--batch-delete-self",
                      "--batch-keep-self");
        } else if (name == "--script" || name == "--no-script") {
            exclusive(m_result.split.script, name == "--script", flag(split), "--script", "--no-script");
        } else if (name == "--checksums" || name == "--no-checksums") {
            exclusive(m_result.split.checksums, name == "--checksums", flag(split), "--checksums", "--no-checksums");
        } else if (name == "--at" && cut) {
            if (const auto text = value(name, attached))
                cutEntry(*text);
        } else if (name == "--relative") {
            m_result.cut.relative = flag(cut);
        } else if ((name == "-o" || name == "--output") && join) {
            if (const auto text = value(name, attached))
                outputName(*text);
        } else if (name == "--order" && join) {
            if (const auto text = value(name, attached))
                order(*text);
        } else if (name == "--delete-parts" || name == "--keep-parts") {
            exclusive(m_result.join.deleteParts, name == "--delete-parts", flag(join), "--delete-parts",
                      "--keep-parts");
        } else if (IsKnown(name)) {
            notFor(name);
        } else {
            m_error = "unknown option '" + arg + "'";
        }
    }

    static bool IsKnown(const std::string& name) {
        for (const char* known :
             {"-s", "--size", "-n", "--parts", "-p", "--preset", "--at", "-o", "--output", "--order"}) {
            if (name == known)
                return true;
        }
        return false;
    }

    void notFor(const std::string& name) {
        m_error = "option " + name + " does not belong to '" + m_args.front() + "'";
    }

    void exclusive(std::optional<bool>& target, bool value, bool allowed, const char* on, const char* off) {
        if (!allowed)
            return;
        if (target && *target != value) {
            m_error = std::string("options ") + on + " and " + off + " exclude each other";
            return;
        }
        target = value;
    }

    void sizeChoice(const std::string& name, const std::optional<std::string>& attached) {
        SplitArguments& split = m_result.split;
        if (split.partSize || split.partCount || split.preset) {
            m_error = "only one of -s, -n and -p can be given";
            return;
        }
        const auto text = value(name, attached);
        if (!text)
            return;
        if (name == "-s" || name == "--size") {
            split.partSize = ParseByteCount(*text);
            if (!split.partSize || *split.partSize < 1)
                m_error = "SIZE '" + *text + "' is not a number of bytes of at least 1 (K, M and G allowed)";
        } else if (name == "-n" || name == "--parts") {
            split.partCount = WholeNumber(*text);
            if (!split.partCount || *split.partCount < 1)
                m_error = "PARTS '" + *text + "' is not a whole number of at least 1";
        } else {
            const auto preset = WholeNumber(*text);
            if (!preset || *preset > 5)
                m_error = "PRESET '" + *text + "' is not one of 0 to 5";
            else
                split.preset = static_cast<int>(*preset);
        }
    }

    void cutEntry(const std::string& text) {
        const std::size_t equals = text.find('=');
        const std::optional<std::int64_t> position =
            equals == std::string::npos ? std::nullopt : ParseByteCount(std::string_view(text).substr(0, equals));
        if (!position) {
            m_error = "--at '" + text + "' is not POS=NAME with POS a number of bytes";
            return;
        }
        const std::string name = text.substr(equals + 1);
        if (name.find_first_not_of(" \t\r\n\v\f") == std::string::npos) {
            m_error = "--at '" + text + "' has no file name";
            return;
        }
        m_result.cut.entries.push_back({*position, name});
    }

    void outputName(const std::string& text) {
        if (text.empty() || text.find('/') != std::string::npos)
            m_error = "-o NAME must be a file name without a folder ('" + text + "'); use -d for the folder";
        else
            m_result.join.outputName = text;
    }

    void order(const std::string& text) {
        if (text == "auto")
            m_result.join.order = JoinOrderMode::Auto;
        else if (text == "listed")
            m_result.join.order = JoinOrderMode::Listed;
        else
            m_error = "--order takes 'auto' or 'listed', not '" + text + "'";
    }

    void checkComplete() {
        switch (m_result.kind) {
        case CliCommandKind::Split:
            if (m_result.split.file.empty())
                m_error = "split needs the FILE to split";
            break;
        case CliCommandKind::Cut:
            if (m_result.cut.file.empty())
                m_error = "cut needs the FILE to cut";
            else if (m_result.cut.entries.empty())
                m_error = "cut needs at least one --at POS=NAME";
            break;
        case CliCommandKind::Join:
            if (m_result.join.parts.empty())
                m_error = "join needs the PARTs to join";
            break;
        case CliCommandKind::Verify:
            if (m_result.verifyFile.empty())
                m_error = "verify needs the FILE to check";
            break;
        default:
            break;
        }
    }

    const std::vector<std::string>& m_args;
    std::size_t m_next = 0;
    CliArguments m_result;
    std::string m_error;
};

} // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
    return Parser(args).parse();
}

std::optional<std::int64_t> ParseByteCount(std::string_view text) {
    std::int64_t unit = 1;
    if (!text.empty()) {
        switch (text.back()) {
        case 'K':
        case 'k':
            unit = std::int64_t(1) << 10;
            break;
        case 'M':
        case 'm':
            unit = std::int64_t(1) << 20;
            break;
        case 'G':
        case 'g':
            unit = std::int64_t(1) << 30;
            break;
        default:
            break;
        }
        if (unit != 1)
            text.remove_suffix(1);
    }
    const std::optional<std::int64_t> number = WholeNumber(text);
    if (!number || *number > std::numeric_limits<std::int64_t>::max() / unit)
        return std::nullopt;
    return *number * unit;
}
