#include "dialogs/DestinationDialog.h"

#include "components/MessageService.h"
#include "components/TEnhancedFormProgram.h"
#include "components/core/ProgramIdentity.h"
#include "dialogs/DestinationDialogTexts.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/TypedFolderPath.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int ProceedCheckMs = 10;

bool isFolder(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

DestinationDialog::DestinationDialog(QWidget* parent)
    : ProceedCancelDialog({"Form6",
                           "BitBtn1",
                           "BitBtn2",
                           {"Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9"}},
                          parent) {
    buildLayout();
    m_proceedTimer = new QTimer(this);
    m_proceedTimer->setObjectName(QStringLiteral("Timer1"));
    m_proceedTimer->setInterval(ProceedCheckMs);
    connect(m_proceedTimer, &QTimer::timeout, this, &DestinationDialog::Timer1Timer);
    attachProgramDecoration(this, ProgramWindowKind::Dialog);
}

void DestinationDialog::buildLayout() {
    auto* folderImage = makeLabel(this, "Image1");
    folderImage->setPixmap(style()->standardIcon(QStyle::SP_DirIcon).pixmap(32, 32));
    auto* prompt = makeLabel(this, "Label1", true);
    auto* promptRow = new QHBoxLayout;
    promptRow->addWidget(folderImage, 0, Qt::AlignTop);
    promptRow->addWidget(prompt, 1);

    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("Edit1"));
    auto* go = makeSpeedButton(this, "SpeedButton1", style()->standardIcon(QStyle::SP_ArrowForward));
    go->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto* newFolder = makeSpeedButton(this, "BitBtn4", style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(go);
    pathRow->addWidget(newFolder);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    m_folders->setReadOnly(true);
    m_folders->setRootPath(QDir::rootPath());
    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("ShellTree1"));
    m_tree->setModel(m_folders);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setMinimumHeight(160);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(0, 0, 0, 0);
    content->addLayout(promptRow);
    content->addLayout(pathRow);
    content->addWidget(m_tree, 1);
    setContent(content);
    resize(460, 400);

    connect(m_path, &QLineEdit::returnPressed, this, &DestinationDialog::SpeedButton1Click);
    connect(go, &QToolButton::clicked, this, &DestinationDialog::SpeedButton1Click);
    connect(m_tree, &QTreeView::clicked, this, &DestinationDialog::followTree);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, &DestinationDialog::followTree);
    // The tree fills in and re-sorts while the dialog is open; the folder the program chose stays
    // in sight until the user takes the tree in hand.
    connect(m_folders, &QFileSystemModel::layoutChanged, this, &DestinationDialog::keepChosenFolderInSight);
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, &DestinationDialog::keepChosenFolderInSight);
    m_tree->viewport()->installEventFilter(this);
    m_tree->installEventFilter(this);
    connect(m_tree->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { m_keepInSight = false; });
    connect(newFolder, &QToolButton::clicked, this, &DestinationDialog::BitBtn4Click);
}

QString DestinationDialog::TextById(int id) const {
    if (id < 1 || id > static_cast<int>(std::size(DestinationMessages)))
        return {};
    return DestinationMessages[id - 1].in(languageCode());
}

void DestinationDialog::prepareShowing() {
    m_proceedTimer->start();
    proceedButton()->setEnabled(false);
    applyCaptions(this, DestinationCaptions, languageCode());
    m_path->setText(m_destDir.isEmpty() ? QDir::homePath() + u'/' : m_destDir);
    // A folder that has gone since it was stored keeps its text; the tree opens where it was.
    setTreePath(nearestExistingFolder(absoluteTypedFolder(m_path->text(), QDir::homePath())));
    m_path->setFocus();
}

void DestinationDialog::setVisible(bool visible) {
    ProceedCancelDialog::setVisible(visible);
    // After showing, because the dialog's first focus selects the whole field. The caret stands
    // before the closing "/", ready for a folder name to be changed.
    if (visible) {
        m_path->setCursorPosition(m_path->text().size() - 1);
        keepChosenFolderInSight();
    }
}

bool DestinationDialog::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        m_keepInSight = false;
        break;
    default:
        break;
    }
    return ProceedCancelDialog::eventFilter(watched, event);
}

void DestinationDialog::keepChosenFolderInSight() {
    if (m_keepInSight && m_tree->currentIndex().isValid())
        m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void DestinationDialog::done(int result) {
    m_proceedTimer->stop();
    ProceedCancelDialog::done(result);
}

QString DestinationDialog::typedFolder() const {
    const QString shown = treePath();
    return absoluteTypedFolder(m_path->text(), shown.isEmpty() ? QDir::homePath() : shown);
}

void DestinationDialog::Timer1Timer() {
    proceedButton()->setEnabled(isFolder(typedFolder()));
}

void DestinationDialog::SpeedButton1Click() {
    const QString folder = typedFolder();
    if (isFolder(folder)) {
        // The field names the folder whole, so a second Go or Weiter cannot take it further down.
        m_path->setText(folder);
        setTreePath(folder);
    } else {
        showMessage(6);
        m_path->setText(treePath());
    }
}

void DestinationDialog::proceed() {
    const QString path = typedFolder();
    if (!isFolder(path))
        CreateFolderPath(path);
    if (!isFolder(path)) {
        showMessage(1);
        return;
    }
    m_path->setText(path);
    m_destDir = path;
    accept();
}

void DestinationDialog::BitBtn4Click() {
    const QString name = MessageService::current().inputText(TextById(3), TextById(4), QString()).value_or(QString());
    if (!name.isEmpty()) {
        const QString remembered = m_path->text();
        QString path = remembered.isEmpty() ? treePath() : typedFolder();
        if (!path.endsWith(u'/'))
            path += u'/';
        path += name;
        m_path->setText(path);
        if (!CreateFolderPath(path)) {
            showMessage(5);
            m_path->setText(remembered);
        }
    }
    if (const QString folder = typedFolder(); isFolder(folder)) {
        m_path->setText(folder);
        setTreePath(folder);
    } else {
        m_path->setText(treePath());
    }
}

bool DestinationDialog::CreateFolderPath(const QString& path) {
    if (path.isEmpty())
        return false;
    QDir().mkpath(path);
    return isFolder(path);
}

QString DestinationDialog::treePath() const {
    const QModelIndex current = m_tree->currentIndex();
    if (!current.isValid())
        return {};
    QString path = m_folders->filePath(current);
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

void DestinationDialog::setTreePath(const QString& path) {
    const QModelIndex folder = m_folders->index(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (!folder.isValid())
        return;
    m_movingTree = true;
    m_tree->setCurrentIndex(folder);
    m_movingTree = false;
    m_keepInSight = true;
    keepChosenFolderInSight();
}

void DestinationDialog::followTree() {
    if (!m_movingTree)
        m_path->setText(treePath());
}

void DestinationDialog::showMessage(int id) {
    MessageService::current().showMessage(TextById(id), ProgramIdentity::MessageTitle, MbExclamationOk);
}
