#pragma once

#include "engine/JoinFiles.h"
#include "engine/JoinRecognition.h"
#include "engine/OperationResult.h"
#include "engine/SplitFile.h"

#include <QObject>
#include <optional>
#include <string>
#include <vector>

class DestinationDialog;
struct JoinResult;
class JoinOrderDialog;
class OperationWindow;
class OperationRunner;
class SpecialSplitDialog;
struct ProgramState;

// The split, special split and join commands of the main window. What comes before the copy
// (settings, dialogs, recognition, questions about the output) runs on the UI thread; the copy
// runs on the runner's worker while the window shows its progress.
class OperationCommands : public QObject {
    Q_OBJECT
public:
    OperationCommands(OperationWindow& window, DestinationDialog& destination, JoinOrderDialog& joinOrder,
                      SpecialSplitDialog& specialSplit, QObject* parent = nullptr);

    void Splitten1Click();
    void Zusammenfhren1Click();
    void Spezial1Click();

private:
    // The destination step every operation shares; the folder ends with "/".
    std::optional<QString> chooseDestination();
    // Busy, the progress display and the counter for a copy of totalBytes.
    void beginCopy(std::int64_t totalBytes);
    // The common end of every operation; clearStatus empties the file panel on success. A failure
    // or refusal shows failureText when there is one, else the general text of its kind.
    void endOperation(const OperationResult& result, bool clearStatus, const QString& failureText = {});
    void showMessage(const QString& text, int flags) const;
    // A join whose recognised parts lack a number goes on only when the user says so.
    bool confirmMissingParts(const JoinPlan& plan) const;
    // After a join: the listed companion files that were not joined.
    void reportLeftOut(const JoinResult& result, std::vector<std::string> leftOut) const;
    // After a split: how many parts of an earlier split it removed.
    void reportStaleParts(const SplitResult& result) const;
    // Why a join failed or was refused, where the general texts do not say it.
    QString joinFailureText(const JoinResult& result) const;
    // What the delete option, a checksum file and an interrupted join add to a join's end.
    void showJoinDetails(const JoinResult& result, const std::string& outputPath) const;
    QString text(int id) const;

    OperationWindow& m_window;
    ProgramState& m_state;
    DestinationDialog& m_destination;
    JoinOrderDialog& m_joinOrder;
    SpecialSplitDialog& m_specialSplit;
    OperationRunner& m_runner;
};
