#pragma once

#include "app/operations/OperationQuestions.h"

#include <functional>

// The boxes a running split, special split or join shows, in the main window's language.
class WindowQuestions : public OperationQuestions {
public:
    using LanguageSource = std::function<int()>;
    using StatusSink = std::function<void(const QString&)>;

    WindowQuestions(LanguageSource language, StatusSink showInStatus);

    void showCurrentFile(const QString& text) override;
    bool confirmOverwrite(const QString& path) override;
    void reportMissingPart(const QString& path) override;
    ExistingOutputChoice existingOutput(const QString& path) override;
    std::optional<QString> newOutputName(const QString& currentName) override;

private:
    QString text(int id) const;

    LanguageSource m_language;
    StatusSink m_showInStatus;
};
