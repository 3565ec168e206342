#pragma once

#include "engine/OperationHost.h"

#include <QString>
#include <optional>

// What a running operation asks or tells the user; answered on the UI thread.
class OperationQuestions {
public:
    virtual ~OperationQuestions() = default;

    virtual void showCurrentFile(const QString& text) = 0;
    virtual bool confirmOverwrite(const QString& path) = 0;
    virtual void reportMissingPart(const QString& path) = 0;
    virtual ExistingOutputChoice existingOutput(const QString& path) = 0;
    virtual std::optional<QString> newOutputName(const QString& currentName) = 0;
};
