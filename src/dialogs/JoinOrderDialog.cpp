#include "dialogs/JoinOrderDialog.h"

#include "components/TEnhancedFormProgram.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/JoinOrderDialogTexts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

JoinOrderDialog::JoinOrderDialog(QWidget* parent)
    : ProceedCancelDialog({"Form3",
                           "SpeedButton3",
                           "SpeedButton4",
                           {"Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9", "Image10"}},
                          parent) {
    buildLayout();
    setNameEditable(false);
    updateCommandStates();
    attachProgramDecoration(this, ProgramWindowKind::Dialog);
}

void JoinOrderDialog::buildLayout() {
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setMinimumSize(420, 180);

    m_up = makeSpeedButton(this, "SB1", style()->standardIcon(QStyle::SP_ArrowUp));
    m_down = makeSpeedButton(this, "SB2", style()->standardIcon(QStyle::SP_ArrowDown));
    auto* moves = new QVBoxLayout;
    moves->addWidget(m_up);
    moves->addWidget(m_down);
    moves->addStretch();

    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_list, 1);
    listRow->addLayout(moves);

    m_rename = new QCheckBox(JoinOrderRenameCaption.toString(), this);
    m_rename->setObjectName(QStringLiteral("CheckBox1"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Edit1"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_rename);
    nameRow->addWidget(m_name, 1);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(0, 0, 0, 0);
    content->addWidget(makeLabel(this, "Label1", true));
    content->addLayout(listRow, 1);
    content->addWidget(makeLabel(this, "Label2", true));
    content->addLayout(nameRow);
    setContent(content);

    connect(m_list, &QListWidget::itemSelectionChanged, this, &JoinOrderDialog::updateCommandStates);
    connect(m_name, &QLineEdit::textChanged, this, &JoinOrderDialog::updateCommandStates);
    connect(m_rename, &QCheckBox::toggled, this, [this](bool ticked) {
        setNameEditable(ticked);
        updateCommandStates();
    });
    connect(m_up, &QToolButton::clicked, this, [this] { moveSelection(moveSelectedRunsUp); });
    connect(m_down, &QToolButton::clicked, this, [this] { moveSelection(moveSelectedRunsDown); });
}

void JoinOrderDialog::setNameText(const QString& name) {
    m_name->setText(name);
}

QString JoinOrderDialog::nameText() const {
    return m_name->text();
}

bool JoinOrderDialog::renameChecked() const {
    return m_rename->isChecked();
}

void JoinOrderDialog::prepareShowing() {
    applyCaptions(this, JoinOrderCaptions, languageCode());
    m_list->clear();
    m_list->addItems(m_partList);
    updateCommandStates();
}

void JoinOrderDialog::updateCommandStates() {
    const int count = m_list->count();
    const bool anySelected = !m_list->selectedItems().isEmpty();
    const auto selectedAt = [this](int row) { return m_list->item(row)->isSelected(); };
    m_up->setEnabled(anySelected && !selectedAt(0));
    m_down->setEnabled(anySelected && !selectedAt(count - 1));
    proceedButton()->setEnabled(!m_rename->isChecked() || hasVisibleCharacter(m_name->text()));
}

void JoinOrderDialog::setNameEditable(bool editable) {
    m_name->setReadOnly(!editable);
    QPalette colours = m_name->palette();
    colours.setColor(QPalette::Base, palette().color(editable ? QPalette::Base : QPalette::Button));
    m_name->setPalette(colours);
}

void JoinOrderDialog::moveSelection(void (*move)(JoinOrderEntries&)) {
    JoinOrderEntries entries;
    for (int row = 0; row < m_list->count(); ++row)
        entries.append({m_list->item(row)->text(), m_list->item(row)->isSelected()});
    move(entries);
    for (int row = 0; row < m_list->count(); ++row) {
        m_list->item(row)->setText(entries[row].text);
        m_list->item(row)->setSelected(entries[row].selected);
    }
    updateCommandStates();
}

void JoinOrderDialog::proceed() {
    m_partList.clear();
    for (int row = 0; row < m_list->count(); ++row)
        m_partList.append(m_list->item(row)->text());
    accept();
}
