#include "app/operations/OperationCommands.h"

#include "app/list/FileFacts.h"
#include "app/list/ProgramState.h"
#include "app/operations/OperationRunner.h"
#include "app/operations/OperationWindow.h"
#include "app/operations/ProgressDisplay.h"
#include "components/MessageService.h"
#include "components/core/JoinTexts.h"
#include "components/core/MainTexts.h"
#include "components/core/OperationTexts.h"
#include "components/core/ProgramIdentity.h"
#include "components/core/UnsafeBatchNameText.h"
#include "dialogs/DestinationDialog.h"
#include "dialogs/JoinOrderDialog.h"
#include "dialogs/SpecialSplitDialog.h"
#include "dialogs/model/RejoinBatchSettings.h"
#include "dialogs/model/RejoinScriptSettings.h"
#include "dialogs/model/SettingsDisplay.h"
#include "dialogs/model/SplitSettings.h"
#include "engine/JoinFiles.h"
#include "engine/JoinVerification.h"
#include "engine/PathNames.h"
#include "engine/SpecialSplit.h"
#include "engine/SplitFile.h"

#include <algorithm>

namespace {

constexpr int TooFewPartsText = 3;
constexpr int WriteErrorText = 32;

QStringList toQStringList(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        list.append(QString::fromStdString(text));
    return list;
}

std::vector<std::string> toStdStrings(const QStringList& texts) {
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts)
        list.push_back(text.toStdString());
    return list;
}

// The file a split works on: the first selected one, else the first in the list.
const JoinCandidate* sourceOf(const std::vector<JoinCandidate>& files) {
    for (const JoinCandidate& file : files) {
        if (file.selected)
            return &file;
    }
    return files.empty() ? nullptr : &files.front();
}

// The size the special split dialog is handed: the only item's, or the only selected item's.
QString specialSplitSizeText(const std::vector<JoinCandidate>& files) {
    QString size = QStringLiteral("0");
    if (files.size() == 1)
        size = QString::number(files.front().size);
    const auto selectedCount = std::count_if(files.begin(), files.end(), [](const auto& f) { return f.selected; });
    if (selectedCount == 1)
        size = QString::number(sourceOf(files)->size);
    return size;
}

std::vector<CutEntry> cutEntriesOf(const QList<SpecialSplitEntry>& entries) {
    std::vector<CutEntry> cuts;
    cuts.reserve(static_cast<std::size_t>(entries.size()));
    for (const SpecialSplitEntry& entry : entries)
        cuts.push_back({wholeNumber(entry.position).value_or(0), entry.name.toStdString()});
    return cuts;
}

// The original's checksum file beside the first part, when it is among the files the join
// considers (the selected ones, or all when none is).
std::optional<std::string> listedChecksumFile(const std::vector<JoinCandidate>& files, const std::string& firstPart) {
    const std::string wanted = normalisedPath(joinChecksumPathFor(firstPart));
    const bool anySelected = std::any_of(files.begin(), files.end(), [](const auto& f) { return f.selected; });
    for (const JoinCandidate& file : files) {
        if ((file.selected || !anySelected) && normalisedPath(file.path) == wanted)
            return file.path;
    }
    return std::nullopt;
}

} // namespace

OperationCommands::OperationCommands(OperationWindow& window, DestinationDialog& destination,
                                     JoinOrderDialog& joinOrder, SpecialSplitDialog& specialSplit, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_state(window.state())
    , m_destination(destination)
    , m_joinOrder(joinOrder)
    , m_specialSplit(specialSplit)
    , m_runner(window.operationRunner()) {}

QString OperationCommands::text(int id) const {
    return TextById(id, m_window.languageCode());
}

void OperationCommands::showMessage(const QString& text, int flags) const {
    MessageService::current().showMessage(text, ProgramIdentity::MessageTitle, flags);
}

bool OperationCommands::confirmMissingParts(const JoinPlan& plan) const {
    if (plan.gaps.empty())
        return true;
    const QString question = OperationTextById(OperationText::MissingParts, m_window.languageCode())
                                 .arg(QString::fromStdString(gapListText(plan.gaps)));
    return MessageService::current().showMessage(question, ProgramIdentity::MessageTitle, MbExclamationYesNo) ==
           MessageAnswer::Yes;
}

void OperationCommands::reportLeftOut(const JoinResult& result, std::vector<std::string> leftOut) const {
    // The checksum file the join checked itself against needs no word.
    std::erase(leftOut, result.checksumPath);
    if (result.outcome != OperationOutcome::Completed || leftOut.empty())
        return;
    showMessage(OperationTextById(OperationText::CompanionsLeftOut, m_window.languageCode())
                    .arg(QString::fromStdString(fileNameListText(leftOut))),
                MbInformationOk);
}

void OperationCommands::reportStaleParts(const SplitResult& result) const {
    if (result.outcome == OperationOutcome::Completed && result.stalePartsRemoved > 0)
        showMessage(
            OperationTextById(OperationText::StalePartsRemoved, m_window.languageCode()).arg(result.stalePartsRemoved),
            MbInformationOk);
}

std::optional<QString> OperationCommands::chooseDestination() {
    const TBReg& reg = m_window.reg();
    m_destination.setLanguageCode(m_window.languageCode());
    m_destination.setDestDir(reg.Pop(QStringLiteral("LastDestDir")));
    m_destination.exec();
    // Stored also when cancelled: the folder the user was looking at is offered next time.
    reg.Push(QStringLiteral("LastDestDir"), m_destination.DestDir());
    if (m_destination.Cancelled())
        return std::nullopt;
    QString folder = m_destination.DestDir();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

void OperationCommands::beginCopy(std::int64_t totalBytes) {
    m_state.ByteCounter = 0;
    m_window.setBusy(true);
    m_window.progressDisplay().start(totalBytes);
}

void OperationCommands::endOperation(const OperationResult& result, bool clearStatus, const QString& failureText) {
    const int language = m_window.languageCode();
    switch (result.outcome) {
    case OperationOutcome::Completed:
        m_window.progressDisplay().finish();
        if (clearStatus)
            m_window.showOperationFile(QString());
        m_window.setBusy(false);
        return;
    case OperationOutcome::Stopped:
        // The Stop command has already reset the display and cleared Busy.
        return;
    case OperationOutcome::Declined:
        m_window.stopOperation();
        return;
    case OperationOutcome::Failed:
        if (!failureText.isEmpty())
            showMessage(failureText, MbExclamationOk);
        else if (result.error.kind == OperationError::Kind::ReadFailed)
            showMessage(readFailureText(result.error, language), MbExclamationOk);
        else
            showMessage(text(WriteErrorText) + QStringLiteral("\n\n") + QString::fromStdString(result.error.path) +
                            QStringLiteral(": ") + QString::fromStdString(result.error.reason()),
                        MbExclamationOk);
        m_window.stopOperation();
        return;
    case OperationOutcome::Refused:
        m_window.progressDisplay().finish();
        m_window.showOperationFile(QString());
        m_window.setBusy(false);
        if (!failureText.isEmpty())
            showMessage(failureText, MbExclamationOk);
        else
            showMessage(OperationRefusalText(result.error, language), MbExclamationOk);
        return;
    }
}

void OperationCommands::Splitten1Click() {
    const int language = m_window.languageCode();
    const std::vector<JoinCandidate> files = m_window.listCandidates();
    const SplitSettings settings = LoadSettings(m_window.reg());
    const std::optional<std::int64_t> partSize =
        UsablePartSize(ComputeSettingsDisplay(settings, m_window.listOriginalSize(), language));
    const JoinCandidate* source = sourceOf(files);
    if (!partSize || !source) {
        showMessage(text(TooFewPartsText), MbExclamationOk);
        return;
    }
    m_state.StopRequested = false;
    const std::optional<QString> folder = chooseDestination();
    if (!folder)
        return;
    m_state.PartNames.clear();

    SplitRequest request;
    request.sourcePath = source->path;
    request.destinationFolder = folder->toStdString();
    request.partSize = *partSize;
    if (settings.batchFile)
        request.batch = RejoinBatchOptionsFor(settings, language);
    if (WritesRejoinScript(settings))
        request.script = RejoinScriptOptionsFor(settings, language);
    request.checksums = settings.checksumFile;

    beginCopy(FileSizeOf(QString::fromStdString(source->path)));
    m_runner.start<SplitResult>([request](OperationHost& host) { return splitFile(request, host); },
                                [this, language](const SplitResult& result) {
                                    m_state.PartNames = toQStringList(result.partNames);
                                    endOperation(result, true);
                                    if (result.batch.status == RejoinBatchResult::Status::UnsafeName)
                                        showMessage(UnsafeBatchNameText(result.batch, language), MbExclamationOk);
                                    reportStaleParts(result);
                                });
}

void OperationCommands::Spezial1Click() {
    const std::vector<JoinCandidate> files = m_window.listCandidates();
    const JoinCandidate* source = sourceOf(files);
    if (!source)
        return;
    m_specialSplit.setLanguageCode(m_window.languageCode());
    m_specialSplit.setOriginalSize(specialSplitSizeText(files));
    m_specialSplit.exec();
    if (m_specialSplit.Cancelled())
        return;
    m_state.StopRequested = false;
    const std::optional<QString> folder = chooseDestination();
    if (!folder)
        return;

    SpecialSplitRequest request;
    request.sourcePath = source->path;
    request.destinationFolder = folder->toStdString();
    request.entries = cutEntriesOf(m_specialSplit.entries());
    request.counting = m_specialSplit.counting() == SpecialSplitCounting::FromFileStart ? CutCounting::FromStart
                                                                                        : CutCounting::FromPreviousPart;

    beginCopy(FileSizeOf(QString::fromStdString(source->path)));
    m_runner.start<SpecialSplitResult>(
        [request](OperationHost& host) { return specialSplit(request, host); },
        [this](const SpecialSplitResult& result) {
            endOperation(result, true);
            // The file may have shrunk since the dialog checked it.
            if (result.outcome == OperationOutcome::Completed && result.partPaths.empty())
                showMessage(OperationTextById(OperationText::NothingCut, m_window.languageCode()), MbExclamationOk);
        });
}

void OperationCommands::Zusammenfhren1Click() {
    const int language = m_window.languageCode();
    const SplitSettings settings = LoadSettings(m_window.reg());
    m_state.StopRequested = false;
    const std::optional<QString> folder = chooseDestination();
    if (!folder)
        return;

    // The list cannot change from here to the copy: nothing below lets events in but modal boxes.
    JoinPlan plan = planJoin(m_window.listCandidates(), settings.joinOrder);
    if (plan.nothingRecognised) {
        showMessage(OperationTextById(OperationText::NothingRecognised, language), MbExclamationOk);
        return;
    }
    // A listed checksum file tells which parts belong; the join checks them itself.
    const bool checksumListed =
        !plan.joinList.empty() && listedChecksumFile(m_window.listCandidates(), plan.joinList.front());
    if (!checksumListed && !confirmMissingParts(plan))
        return;
    m_state.JoinList = toQStringList(plan.joinList);
    if (plan.showOrderDialog) {
        m_joinOrder.setLanguageCode(language);
        m_joinOrder.setPartList(m_state.JoinList);
        m_joinOrder.setNameText(QString::fromStdString(defaultJoinOutputName(plan.joinList.front())));
        m_joinOrder.exec();
        if (m_joinOrder.Cancelled())
            return;
        m_state.JoinList = m_joinOrder.PartList();
    }
    if (m_state.JoinList.isEmpty())
        return;

    // The Rename box and name field count even when the dialog was not shown this time.
    const QString name = m_joinOrder.renameChecked()
                             ? m_joinOrder.nameText()
                             : QString::fromStdString(defaultJoinOutputName(m_state.JoinList.front().toStdString()));
    const std::optional<std::string> outputPath =
        chooseJoinOutputPath(folder->toStdString(), name.toStdString(), m_runner.uiThreadHost());
    if (!outputPath) {
        m_window.stopOperation();
        return;
    }

    JoinRequest request;
    request.partPaths = toStdStrings(m_state.JoinList);
    request.outputPath = *outputPath;
    request.deleteParts = settings.deleteSplitFiles;
    request.checksumPath = listedChecksumFile(m_window.listCandidates(), request.partPaths.front());

    beginCopy(plan.totalSize);
    m_runner.start<JoinResult>(
        [request](OperationHost& host) { return joinFiles(request, host); },
        [this, output = request.outputPath, leftOut = plan.companionsLeftOut](const JoinResult& result) {
            endOperation(result, false, joinFailureText(result));
            showJoinDetails(result, output);
            reportLeftOut(result, leftOut);
        });
}

QString OperationCommands::joinFailureText(const JoinResult& result) const {
    const int language = m_window.languageCode();
    if (result.error.kind == OperationError::Kind::NotResumable)
        return notResumableText(result, language);
    return checksumProblemText(result, language);
}

void OperationCommands::showJoinDetails(const JoinResult& result, const std::string& outputPath) const {
    const int language = m_window.languageCode();
    QStringList details;
    details.append(leftOutText(result, language));
    if (result.outcome != OperationOutcome::Completed)
        details.append(partsOnlyInOutputText(result, outputPath, language));
    else
        details.append(partsLeftText(result, outputPath, language));
    details.removeAll(QString());
    if (!details.isEmpty())
        showMessage(details.join(QStringLiteral("\n\n")), MbExclamationOk);
    // Until the next action the status bar says what the join did beyond copying.
    if (const QString notice = joinNoticeText(result, outputPath, language); !notice.isEmpty())
        m_window.showResultNotice(notice);
}
