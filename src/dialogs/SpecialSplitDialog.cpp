#include "dialogs/SpecialSplitDialog.h"

#include "components/MessageService.h"
#include "components/TEnhancedFormProgram.h"
#include "components/core/ProgramIdentity.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/SpecialSplitDialogTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
enum Message { NameBlank = 1, PositionInvalid = 2 };

QIcon plusIcon() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(6, 2, 4, 12, QColor(0, 128, 0));
    painter.fillRect(2, 6, 12, 4, QColor(0, 128, 0));
    return QIcon(picture);
}

QLineEdit* makeEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}
} // namespace

SpecialSplitDialog::SpecialSplitDialog(QWidget* parent)
    : ProceedCancelDialog(
          {"Form5",
           "SpeedButton5",
           "SpeedButton6",
           {"Image2", "Image10", "Image11", "Image12", "Image13", "Image14", "Image15", "Image16", "Image17"}},
          parent) {
    buildLayout();
    updateCommandStates();
    attachProgramDecoration(this, ProgramWindowKind::Dialog);
}

void SpecialSplitDialog::buildLayout() {
    m_size = makeEdit(this, "Edit1");
    m_size->setReadOnly(true);
    m_position = makeEdit(this, "Edit2");
    m_name = makeEdit(this, "Edit3");
    auto* fields = new QGridLayout;
    fields->addWidget(makeLabel(this, "Label1"), 0, 0);
    fields->addWidget(m_size, 0, 1);
    fields->addWidget(makeLabel(this, "Label2"), 0, 2);
    fields->addWidget(makeLabel(this, "Label4"), 1, 0);
    fields->addWidget(m_position, 1, 1);
    fields->addWidget(makeLabel(this, "Label5"), 2, 0);
    fields->addWidget(m_name, 2, 1, 1, 2);
    fields->setColumnStretch(1, 1);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setColumnCount(2);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setSectionsMovable(false);
    m_list->setColumnWidth(0, 140);
    m_list->setMinimumSize(360, 160);

    m_add = makeSpeedButton(this, "SpeedButton1", plusIcon());
    m_delete = makeSpeedButton(this, "SpeedButton2", style()->standardIcon(QStyle::SP_TrashIcon));
    m_up = makeSpeedButton(this, "SpeedButton3", style()->standardIcon(QStyle::SP_ArrowUp));
    m_down = makeSpeedButton(this, "SpeedButton4", style()->standardIcon(QStyle::SP_ArrowDown));
    auto* listButtons = new QVBoxLayout;
    for (QToolButton* button : {m_add, m_delete, m_up, m_down})
        listButtons->addWidget(button);
    listButtons->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_list, 1);
    listRow->addLayout(listButtons);

    m_fromStart = new QRadioButton(this);
    m_fromStart->setObjectName(QStringLiteral("RadioButton1"));
    m_fromStart->setChecked(true);
    m_fromPreviousEnd = new QRadioButton(this);
    m_fromPreviousEnd->setObjectName(QStringLiteral("RadioButton2"));
    auto* countingRow = new QHBoxLayout;
    countingRow->addWidget(makeLabel(this, "Label6"));
    countingRow->addWidget(m_fromStart);
    countingRow->addWidget(m_fromPreviousEnd);
    countingRow->addStretch();

    auto* content = new QVBoxLayout;
    content->setContentsMargins(0, 0, 0, 0);
    content->addWidget(makeLabel(this, "Label3", true));
    content->addLayout(fields);
    content->addLayout(listRow, 1);
    content->addLayout(countingRow);
    setContent(content);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &SpecialSplitDialog::updateCommandStates);
    connect(m_add, &QToolButton::clicked, this, &SpecialSplitDialog::addEntry);
    connect(m_delete, &QToolButton::clicked, this, &SpecialSplitDialog::deleteEntry);
    connect(m_up, &QToolButton::clicked, this, [this] { exchangeWithNeighbour(-1); });
    connect(m_down, &QToolButton::clicked, this, [this] { exchangeWithNeighbour(1); });
    connect(m_position, &QLineEdit::returnPressed, this, [this] { m_name->setFocus(); });
    connect(m_name, &QLineEdit::returnPressed, this, &SpecialSplitDialog::addEntry);
}

QList<SpecialSplitEntry> SpecialSplitDialog::entries() const {
    QList<SpecialSplitEntry> result;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = m_list->topLevelItem(row);
        result.append({item->text(0), item->text(1)});
    }
    return result;
}

SpecialSplitCounting SpecialSplitDialog::counting() const {
    return m_fromPreviousEnd->isChecked() ? SpecialSplitCounting::FromPreviousPartEnd
                                          : SpecialSplitCounting::FromFileStart;
}

void SpecialSplitDialog::prepareShowing() {
    m_position->clear();
    m_name->clear();
    m_size->setText(m_originalSize);
    applyCaptions(this, SpecialSplitCaptions, languageCode());
    m_list->setHeaderLabels(
        {SpecialSplitColumnCaptions[0].in(languageCode()), SpecialSplitColumnCaptions[1].in(languageCode())});
    updateCommandStates();
}

void SpecialSplitDialog::updateCommandStates() {
    const int count = m_list->topLevelItemCount();
    QTreeWidgetItem* selected = m_list->selectedItems().value(0);
    const int row = selected ? m_list->indexOfTopLevelItem(selected) : -1;
    proceedButton()->setEnabled(count > 0);
    m_delete->setEnabled(selected);
    m_up->setEnabled(selected && row > 0);
    m_down->setEnabled(selected && row < count - 1);
}

void SpecialSplitDialog::addEntry() {
    if (!isAddablePosition(m_position->text(), m_size->text())) {
        showMessage(PositionInvalid);
    } else if (!hasVisibleCharacter(m_name->text())) {
        showMessage(NameBlank);
    } else {
        m_list->addTopLevelItem(new QTreeWidgetItem({m_position->text(), m_name->text()}));
        m_position->clear();
        m_name->clear();
        updateCommandStates();
    }
    m_position->setFocus();
}

void SpecialSplitDialog::deleteEntry() {
    QTreeWidgetItem* selected = m_list->selectedItems().value(0);
    if (!selected)
        return;
    m_position->setText(selected->text(0));
    m_name->setText(selected->text(1));
    delete selected;
    // Qt would make the next entry current; a second Delete must not take that one too.
    m_list->setCurrentItem(nullptr);
    m_list->clearSelection();
    updateCommandStates();
}

void SpecialSplitDialog::exchangeWithNeighbour(int offset) {
    QTreeWidgetItem* selected = m_list->selectedItems().value(0);
    if (!selected)
        return;
    QTreeWidgetItem* neighbour = m_list->topLevelItem(m_list->indexOfTopLevelItem(selected) + offset);
    if (!neighbour)
        return;
    for (int column = 0; column < 2; ++column) {
        const QString text = selected->text(column);
        selected->setText(column, neighbour->text(column));
        neighbour->setText(column, text);
    }
    m_list->setCurrentItem(neighbour);
    updateCommandStates();
}

void SpecialSplitDialog::proceed() {
    const SpecialSplitProblem problem = checkSpecialSplitEntries(entries(), counting(), m_size->text());
    if (problem == SpecialSplitProblem::None)
        accept();
    else if (problem != SpecialSplitProblem::InvalidFileSize)
        showMessage(static_cast<int>(problem));
}

void SpecialSplitDialog::showMessage(int number) const {
    MessageService::current().showMessage(SpecialSplitMessages[number - 1].in(languageCode()),
                                          ProgramIdentity::MessageTitle, MbExclamationOk);
}
