// The commands that show the dialogs and run the operations.
#include "app/MainWindow.h"
#include "app/ProgramDialogs.h"
#include "app/frame/MainStatusBar.h"
#include "app/list/FileListModel.h"
#include "app/list/FileListViews.h"
#include "app/operations/OperationCommands.h"
#include "components/TBHTML.h"
#include "components/core/MainTexts.h"

namespace {
constexpr int WebAddressText = 2;
constexpr int FeedbackAddressText = 29;
} // namespace

void MainWindow::createDialogs() {
    m_dialogs = std::make_unique<ProgramDialogs>(m_reg, this);
    m_commands = std::make_unique<OperationCommands>(*this, m_dialogs->destination, m_dialogs->joinOrder,
                                                     m_dialogs->specialSplit);
}

std::vector<JoinCandidate> MainWindow::listCandidates() const {
    std::vector<JoinCandidate> files;
    files.reserve(static_cast<std::size_t>(m_files->itemCount()));
    for (int row = 0; row < m_files->itemCount(); ++row) {
        const FileListItem& item = m_files->item(row);
        files.push_back({item.path().toStdString(), item.sizeText.toLongLong(), false});
    }
    for (int row : m_listView->selectedRows())
        files[static_cast<std::size_t>(row)].selected = true;
    return files;
}

OriginalSize MainWindow::listOriginalSize() const {
    QStringList sizes;
    for (int row = 0; row < m_files->itemCount(); ++row)
        sizes.append(m_files->item(row).sizeText);
    return ReadOriginalSize(sizes, m_listView->selectedRows());
}

void MainWindow::showOperationFile(const QString& text) {
    m_statusBar->setPanelText(MainStatusBar::FilePanel, text);
}

void MainWindow::splitFile() {
    if (m_commands)
        m_commands->Splitten1Click();
}

void MainWindow::joinFiles() {
    if (m_commands)
        m_commands->Zusammenfhren1Click();
}

void MainWindow::specialSplit() {
    if (m_commands)
        m_commands->Spezial1Click();
}

void MainWindow::showSettings() {
    if (!m_dialogs)
        return;
    SettingsDialog& settings = m_dialogs->settings;
    settings.setLanguageCode(m_languageCode);
    settings.setProgramFolder(m_programFolder);
    settings.setOriginalSize(listOriginalSize());
    settings.exec();
}

void MainWindow::openWebsite() {
    if (m_dialogs)
        m_dialogs->about.BHTML1()->CallExternUrl(TextById(WebAddressText, m_languageCode));
}

void MainWindow::sendFeedback() {
    if (m_dialogs)
        m_dialogs->about.BHTML1()->CallExternUrl(TextById(FeedbackAddressText, m_languageCode));
}

void MainWindow::showAbout() {
    if (!m_dialogs)
        return;
    m_dialogs->about.setLanguageCode(m_languageCode);
    m_dialogs->about.exec();
}
