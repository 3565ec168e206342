#include "dialogs/JoinOrderDialog.h"

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
    : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setModal(true);
    buildLayout();
    setNameEditable(false);
    updateCommandStates();
}

void JoinOrderDialog::buildLayout() {
    auto* intro = makeLabel(this, "Label1", true);
    auto* orderNote = makeLabel(this, "Label2", true);

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

    m_proceed = makeSpeedButton(this, "SpeedButton3", style()->standardIcon(QStyle::SP_DialogApplyButton));
    m_cancel = makeSpeedButton(this, "SpeedButton4", style()->standardIcon(QStyle::SP_DialogCancelButton));
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(m_proceed);
    closeRow->addWidget(m_cancel);

    m_strip = new DialogImageStrip(
        {"Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9", "Image10"}, this);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(11, 11, 11, 0);
    content->addWidget(intro);
    content->addLayout(listRow, 1);
    content->addWidget(orderNote);
    content->addLayout(nameRow);
    content->addLayout(closeRow);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addLayout(content, 1);
    page->addWidget(m_strip);

    connect(m_list, &QListWidget::itemSelectionChanged, this, &JoinOrderDialog::updateCommandStates);
    connect(m_name, &QLineEdit::textChanged, this, &JoinOrderDialog::updateCommandStates);
    connect(m_rename, &QCheckBox::toggled, this, [this](bool ticked) {
        setNameEditable(ticked);
        updateCommandStates();
    });
    connect(m_up, &QToolButton::clicked, this, [this] { moveSelection(moveSelectedRunsUp); });
    connect(m_down, &QToolButton::clicked, this, [this] { moveSelection(moveSelectedRunsDown); });
    connect(m_proceed, &QToolButton::clicked, this, &JoinOrderDialog::proceed);
    connect(m_cancel, &QToolButton::clicked, this, &JoinOrderDialog::reject);
}

void JoinOrderDialog::setLanguageCode(int languageCode) {
    m_languageCode = languageCode;
}

void JoinOrderDialog::setStripPicture(const QPixmap& picture) {
    m_stripPicture = picture;
}

void JoinOrderDialog::setPartList(const QStringList& parts) {
    m_partList = parts;
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

void JoinOrderDialog::setVisible(bool visible) {
    if (visible && !isVisible())
        prepareShowing();
    QDialog::setVisible(visible);
}

void JoinOrderDialog::prepareShowing() {
    applyCaptions(this, JoinOrderCaptions, m_languageCode);
    m_strip->showPicture(m_stripPicture);
    m_cancelled = false;
    m_list->clear();
    m_list->addItems(m_partList);
    updateCommandStates();
}

void JoinOrderDialog::done(int result) {
    m_strip->clearPictures();
    m_cancelled = result != QDialog::Accepted;
    QDialog::done(result);
}

void JoinOrderDialog::updateCommandStates() {
    const int count = m_list->count();
    const bool anySelected = !m_list->selectedItems().isEmpty();
    const auto selectedAt = [this](int row) { return m_list->item(row)->isSelected(); };
    m_up->setEnabled(anySelected && !selectedAt(0));
    m_down->setEnabled(anySelected && !selectedAt(count - 1));
    m_proceed->setEnabled(!m_rename->isChecked() || hasVisibleCharacter(m_name->text()));
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
