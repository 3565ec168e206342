#pragma once

#include "cli/ProgressLine.h"
#include "engine/OperationHost.h"

#include <QString>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

// The command-line side of an operation: questions on the terminal when stdin is one, -y
// answering yes, otherwise a refusal; Ctrl+C as the stop request; notices on stderr.
class CliHost : public OperationHost {
public:
    CliHost(int languageCode, bool assumeYes);

    // Runs operation(*this) with the progress line of `total` bytes shown (when `show`).
    template <class Operation>
    auto runShowingProgress(std::int64_t total, bool show, Operation operation) {
        TerminalProgress progress(m_byteCounter, total, show);
        m_progress = &progress;
        auto result = operation(*this);
        m_progress = nullptr;
        return result;
    }

    std::atomic<std::int64_t>& byteCounter() override { return m_byteCounter; }
    bool stopRequested() override;
    void currentFile(const std::string& text) override;
    bool confirmOverwrite(const std::string& path) override;
    void partMissing(const std::string& path) override;
    ExistingOutputChoice existingOutput(const std::string& path) override;
    std::optional<std::string> newOutputName(const std::string& currentName) override;

    // A message on stderr, with the progress line out of the way.
    void tell(const QString& text);

    // A question had to be refused because nobody could be asked.
    bool refusedWithoutTerminal() const { return m_refusedWithoutTerminal; }

private:
    enum class Answer { Yes, No, Cancel };
    // Asks on the terminal; an ended input or Ctrl+C gives the default (No, or Cancel if offered).
    Answer ask(const QString& question, bool withCancel);
    bool canAsk();
    void refuse(const std::string& path);

    const int m_languageCode;
    const bool m_assumeYes;
    std::atomic<std::int64_t> m_byteCounter{0};
    TerminalProgress* m_progress = nullptr;
    bool m_refusedWithoutTerminal = false;
};
