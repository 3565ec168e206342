#pragma once

#include "components/core/TBReg.h"
#include "dialogs/model/SettingsDisplay.h"
#include "engine/JoinRecognition.h"

#include <QString>
#include <vector>

class OperationRunner;
class ProgressDisplay;
struct ProgramState;

// What the split, special split and join commands need of the window they run in.
class OperationWindow {
public:
    virtual ProgramState& state() const = 0;
    // The settings store every window uses.
    virtual const TBReg& reg() const = 0;
    // 1 = German, 0 = English.
    virtual int languageCode() const = 0;
    virtual ProgressDisplay& progressDisplay() const = 0;
    // Sets Busy and brings the window's commands in line at once.
    virtual void setBusy(bool busy) = 0;
    virtual OperationRunner& operationRunner() const = 0;
    // The listed files in list order, with their sizes and whether they are selected.
    virtual std::vector<JoinCandidate> listCandidates() const = 0;
    // The size the settings describe: the only file's, or the only selected file's.
    virtual OriginalSize listOriginalSize() const = 0;
    // The file an operation is on.
    virtual void showOperationFile(const QString& text) = 0;
    // A result worth keeping in sight until the next action.
    virtual void showResultNotice(const QString& text) = 0;
    // Ends an operation early.
    virtual void stopOperation() = 0;

protected:
    OperationWindow() = default;
    OperationWindow(const OperationWindow&) = default;
    OperationWindow& operator=(const OperationWindow&) = default;
    virtual ~OperationWindow() = default;
};
