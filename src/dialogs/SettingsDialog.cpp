#include "dialogs/SettingsDialog.h"

#include "components/TEnhancedFormProgram.h"
#include "components/core/TBReg.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/UpDownButtons.h"
#include "dialogs/model/SettingsTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int DisplayUpdateMs = 100;
constexpr int MinFileCount = 2;
constexpr int MaxFileCount = 999;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

void setTextColour(QLabel* label, LabelColour colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour == LabelColour::Red ? Qt::red : Qt::black);
    label->setPalette(palette);
}

// One row of the information panel: a navy caption and a bold value.
QLabel* addPanelRow(QGridLayout* grid, QWidget* panel, const char* captionName, const char* valueName) {
    auto* caption = makeLabel(panel, captionName);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette navy = caption->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    caption->setPalette(navy);
    auto* value = makeLabel(panel, valueName);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

} // namespace

SettingsDialog::SettingsDialog(const TBReg& reg, QWidget* parent)
    : ProceedCancelDialog(
          {"Form2",
           "SpeedButton1",
           "SpeedButton2",
           {"Image5", "Image6", "Image7", "Image8", "Image9", "Image10", "Image11", "Image12", "Image15"}},
          parent)
    , m_reg(reg)
    , m_programFolder(TBReg::AppDir()) {
    m_pages = named(new QTabWidget(this), "PageControl1");
    m_pages->addTab(buildSplitPage(), QIcon(QStringLiteral(":/menu-split.png")), QString());
    m_pages->addTab(buildJoinPage(), QIcon(QStringLiteral(":/menu-merge.png")), QString());
    m_pages->addTab(buildGeneralPage(), QIcon(QStringLiteral(":/menu-settings.png")), QString());
    auto* content = new QVBoxLayout;
    content->setContentsMargins(0, 0, 0, 0);
    content->addWidget(m_pages);
    setContent(content);
    // Wide enough for either language, so the dialog keeps its size when the language changes.
    setMinimumWidth(520);

    connectEditing();
    m_displayTimer = named(new QTimer(this), "Timer1");
    m_displayTimer->setInterval(DisplayUpdateMs);
    connect(m_displayTimer, &QTimer::timeout, this, &SettingsDialog::Timer1Timer);
    attachProgramDecoration(this, ProgramWindowKind::Dialog);
}

QWidget* SettingsDialog::buildSplitPage() {
    auto* page = named(new QWidget, "TabSheet1");

    auto* modeGroup = named(new QGroupBox(page), "GroupBox6");
    m_bySize = named(new QRadioButton(modeGroup), "RadioButton1");
    m_byCount = named(new QRadioButton(modeGroup), "RadioButton2");
    m_bySize->setChecked(true);
    auto* modeColumn = new QVBoxLayout(modeGroup);
    modeColumn->addWidget(m_bySize);
    modeColumn->addWidget(m_byCount);

    auto* panel = named(new QFrame(page), "Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette info = panel->palette();
    info.setColor(QPalette::Window, info.color(QPalette::ToolTipBase));
    panel->setPalette(info);
    auto* panelGrid = new QGridLayout(panel);
    panelGrid->setColumnStretch(1, 1);
    m_originalText = addPanelRow(panelGrid, panel, "Label5", "Label3");
    m_partCount = addPanelRow(panelGrid, panel, "Label6", "Label1");
    m_partSizeText = addPanelRow(panelGrid, panel, "Label7", "Label8");
    m_originalPlain = makeLabel(panel, "Label4");
    m_originalPlain->hide();
    m_partSizePlain = makeLabel(panel, "Label9");
    m_partSizePlain->hide();

    m_sizeGroup = named(new QGroupBox(page), "GroupBox1");
    m_sizeChoice = named(new QComboBox(m_sizeGroup), "ComboBox1");
    m_sizeText = named(new QLineEdit(m_sizeGroup), "Edit2");
    m_sizeText->setEnabled(false);
    m_bytesHint = makeLabel(m_sizeGroup, "Label2");
    auto* sizeRow = new QHBoxLayout(m_sizeGroup);
    sizeRow->addWidget(m_sizeChoice, 3);
    sizeRow->addWidget(m_sizeText, 2);
    sizeRow->addWidget(m_bytesHint);

    m_countGroup = named(new QGroupBox(page), "GroupBox4");
    m_countText = named(new QLineEdit(m_countGroup), "Edit3");
    m_countText->setEnabled(false);
    m_countText->setMaximumWidth(80);
    m_countStepper = named(new UpDownButtons(MinFileCount, MaxFileCount, m_countGroup), "UpDown1");
    m_countStepper->setEnabled(false);
    m_countStepper->setFixedHeight(m_countText->sizeHint().height());
    auto* countRow = new QHBoxLayout(m_countGroup);
    countRow->setSpacing(0);
    countRow->addWidget(m_countText);
    countRow->addWidget(m_countStepper);
    countRow->addStretch();
    m_countGroup->hide();

    auto* batchGroup = named(new QGroupBox(QStringLiteral(" *.BAT "), page), "GroupBox5");
    m_batchFile = named(new QCheckBox(batchGroup), "CheckBox1");
    m_batchDeleteParts = named(new QCheckBox(batchGroup), "CheckBox3");
    m_batchDeleteItself = named(new QCheckBox(batchGroup), "CheckBox4");
    m_shellScript = named(new QCheckBox(batchGroup), "ShellScriptBox");
    m_batchDeleteParts->setEnabled(false);
    m_batchDeleteItself->setEnabled(false);
    m_shellScript->setEnabled(false);
    auto* batchGrid = new QGridLayout(batchGroup);
    batchGrid->addWidget(m_batchFile, 0, 0);
    batchGrid->addWidget(m_batchDeleteParts, 0, 1);
    batchGrid->addWidget(m_batchDeleteItself, 0, 2);
    batchGrid->addWidget(m_shellScript, 1, 0, 1, 3);

    auto* topRow = new QHBoxLayout;
    topRow->addWidget(modeGroup);
    topRow->addWidget(panel, 1);
    auto* column = new QVBoxLayout(page);
    column->addLayout(topRow);
    column->addWidget(m_sizeGroup);
    column->addWidget(m_countGroup);
    column->addWidget(batchGroup);
    m_checksumFile = named(new QCheckBox(page), "CheckBox10");
    column->addWidget(m_checksumFile);
    column->addStretch();
    return page;
}

QWidget* SettingsDialog::buildJoinPage() {
    auto* page = named(new QWidget, "TabSheet2");
    auto* orderGroup = named(new QGroupBox(page), "GroupBox2");
    auto* orderColumn = new QVBoxLayout(orderGroup);
    const char* orderNames[] = {"RadioButton3", "RadioButton4", "RadioButton5"};
    for (std::size_t i = 0; i < m_joinOrder.size(); ++i) {
        m_joinOrder[i] = named(new QRadioButton(orderGroup), orderNames[i]);
        orderColumn->addWidget(m_joinOrder[i]);
    }
    m_joinOrder[0]->setChecked(true);

    auto* deleteGroup = named(new QGroupBox(page), "GroupBox3");
    m_deleteParts = named(new QCheckBox(deleteGroup), "CheckBox2");
    auto* deleteColumn = new QVBoxLayout(deleteGroup);
    deleteColumn->addWidget(m_deleteParts);

    auto* column = new QVBoxLayout(page);
    column->addWidget(orderGroup);
    column->addWidget(deleteGroup);
    column->addStretch();
    return page;
}

QWidget* SettingsDialog::buildGeneralPage() {
    auto* page = named(new QWidget, "TabSheet3");
    const auto explanation = [](QWidget* parent, const char* name) {
        auto* label = makeLabel(parent, name, true);
        QPalette grey = label->palette();
        grey.setColor(QPalette::WindowText, Qt::gray);
        label->setPalette(grey);
        return label;
    };

    auto* shellGroup = named(new QGroupBox(page), "GroupBox7");
    auto* sendTo = named(new QCheckBox(shellGroup), "CheckBox5");
    auto* shellRow = new QHBoxLayout(shellGroup);
    shellRow->addWidget(sendTo, 0, Qt::AlignTop);
    shellRow->addWidget(explanation(shellGroup, "Label10"), 1);

    auto* shortcutGroup = named(new QGroupBox(page), "GroupBox8");
    auto* desktop = named(new QCheckBox(shortcutGroup), "CheckBox6");
    auto* quickLaunch = named(new QCheckBox(shortcutGroup), "CheckBox7");
    auto* startMenu = named(new QCheckBox(shortcutGroup), "CheckBox8");
    auto* boxColumn = new QVBoxLayout;
    boxColumn->addWidget(desktop);
    boxColumn->addWidget(quickLaunch);
    boxColumn->addWidget(startMenu);
    auto* shortcutRow = new QHBoxLayout(shortcutGroup);
    shortcutRow->addLayout(boxColumn);
    shortcutRow->addWidget(explanation(shortcutGroup, "Label11"), 1, Qt::AlignTop);
    m_shortcutBoxes = {sendTo, desktop, quickLaunch, startMenu};

    auto* column = new QVBoxLayout(page);
    column->addWidget(shellGroup);
    column->addWidget(shortcutGroup);
    column->addStretch();
    return page;
}

void SettingsDialog::connectEditing() {
    connect(m_bySize, &QRadioButton::clicked, this, &SettingsDialog::RadioButton1Click);
    connect(m_byCount, &QRadioButton::clicked, this, &SettingsDialog::RadioButton2Click);
    connect(m_sizeChoice, &QComboBox::activated, this, &SettingsDialog::ComboBox1Change);
    connect(m_sizeText, &QLineEdit::textEdited, this, [this](const QString& text) { m_settings.sizeText = text; });
    m_sizeText->installEventFilter(this);
    m_countText->installEventFilter(this);
    connect(m_countText, &QLineEdit::textEdited, this, &SettingsDialog::Edit3Change);
    connect(m_countStepper, &UpDownButtons::stepped, this, &SettingsDialog::UpDown1Click);
    connect(m_batchFile, &QCheckBox::clicked, this, &SettingsDialog::CheckBox1Click);
    connect(m_batchDeleteParts, &QCheckBox::toggled, this, [this](bool on) { m_settings.batchDeleteParts = on; });
    connect(m_batchDeleteItself, &QCheckBox::toggled, this, [this](bool on) { m_settings.batchDeleteItself = on; });
    connect(m_shellScript, &QCheckBox::toggled, this, [this](bool on) { m_settings.shellScript = on; });
    connect(m_deleteParts, &QCheckBox::toggled, this, [this](bool on) { m_settings.deleteSplitFiles = on; });
    connect(m_checksumFile, &QCheckBox::toggled, this, [this](bool on) { m_settings.checksumFile = on; });
    const JoinOrderPolicy policies[] = {JoinOrderPolicy::AskWhenUnclear, JoinOrderPolicy::AlwaysAsk,
                                        JoinOrderPolicy::NeverAsk};
    for (std::size_t i = 0; i < m_joinOrder.size(); ++i) {
        connect(m_joinOrder[i], &QRadioButton::toggled, this, [this, policy = policies[i]](bool on) {
            if (on)
                m_settings.joinOrder = policy;
        });
    }
}

void SettingsDialog::applyCaptions() {
    for (const QString& component : SettingsTexts::CaptionedComponents()) {
        const QString caption = SettingsTexts::Caption(component, languageCode());
        if (component == objectName()) {
            setWindowTitle(caption);
            continue;
        }
        QWidget* control = findChild<QWidget*>(component);
        if (const int tab = m_pages->indexOf(control); tab >= 0)
            m_pages->setTabText(tab, caption);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(caption);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(caption);
    }
    m_sizeChoice->clear();
    m_sizeChoice->addItems(SettingsTexts::SizeChoices(languageCode()));
}

void SettingsDialog::prepareShowing() {
    applyCaptions();
    m_displayTimer->start();
    setTextColour(m_partCount, LabelColour::Black);
    setTextColour(m_partSizeText, LabelColour::Black);
    LoadSettings();
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_sizeText && event->type() == QEvent::FocusOut)
        Edit2Exit();
    if (watched == m_countText && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            m_countStepper->step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return ProceedCancelDialog::eventFilter(watched, event);
}

void SettingsDialog::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(*event))
        proceedButton()->click();
    else
        ProceedCancelDialog::keyPressEvent(event);
}

void SettingsDialog::done(int result) {
    // Closing takes the focus from the size field too, so a custom size typed last is remembered.
    if (result != QDialog::Accepted && m_sizeText->hasFocus())
        Edit2Exit();
    m_displayTimer->stop();
    ProceedCancelDialog::done(result);
}

void SettingsDialog::LoadSettings() {
    for (std::size_t i = 0; i < AllShortcutKinds.size(); ++i) {
        // A place the platform lacks cannot take a launcher.
        m_shortcutBoxes[i]->setEnabled(ShellShortcuts::isAvailable(AllShortcutKinds[i]));
        m_shortcutBoxes[i]->setChecked(ShellShortcuts::exists(AllShortcutKinds[i]));
    }
    m_settings = ::LoadSettings(m_reg);
    showFileCount();
    showBatchOptions();
    m_deleteParts->setChecked(m_settings.deleteSplitFiles);
    m_checksumFile->setChecked(m_settings.checksumFile);
    m_joinOrder[static_cast<std::size_t>(m_settings.joinOrder) - 1]->setChecked(true);
    m_pages->setCurrentIndex(0);
    if (m_settings.splitMode == SplitMode::BySize)
        RadioButton1Click();
    else
        RadioButton2Click();
    Timer1Timer();
}

void SettingsDialog::SaveSettings() {
    ::SaveSettings(m_reg, m_settings);
    const ShellShortcuts shortcuts(m_programFolder);
    for (std::size_t i = 0; i < AllShortcutKinds.size(); ++i) {
        if (m_shortcutBoxes[i]->isEnabled())
            shortcuts.apply(AllShortcutKinds[i], m_shortcutBoxes[i]->isChecked());
    }
}

void SettingsDialog::showSizeChoice() {
    const bool custom = IsCustomSizeIndex(m_settings.sizeIndex);
    m_sizeChoice->setCurrentIndex(m_settings.sizeIndex);
    m_sizeText->setText(m_settings.sizeText);
    m_sizeText->setEnabled(custom);
    m_bytesHint->setVisible(!custom);
    if (custom)
        m_sizeText->setFocus();
}

void SettingsDialog::showFileCount() {
    m_countText->setText(m_settings.fileCountText);
    m_countStepper->setPosition(m_settings.fileCountPosition);
}

void SettingsDialog::showSplitMode() {
    const bool bySize = m_settings.splitMode == SplitMode::BySize;
    m_bySize->setChecked(bySize);
    m_byCount->setChecked(!bySize);
    setTextColour(m_partCount, LabelColour::Black);
    setTextColour(m_partSizeText, LabelColour::Black);
    m_countText->setEnabled(!bySize);
    m_countStepper->setEnabled(!bySize);
    m_countGroup->setVisible(!bySize);
    m_sizeGroup->setVisible(bySize);
    m_bytesHint->setEnabled(bySize);
    m_sizeChoice->setEnabled(bySize);
    if (bySize)
        showSizeChoice();
    else
        m_sizeText->setEnabled(false);
}

void SettingsDialog::showBatchOptions() {
    m_batchFile->setChecked(m_settings.batchFile);
    m_batchDeleteParts->setChecked(m_settings.batchDeleteParts);
    m_batchDeleteItself->setChecked(m_settings.batchDeleteItself);
    m_shellScript->setChecked(m_settings.shellScript);
    // Greyed out, the delete and script options keep their state for when the batch file comes back.
    m_batchDeleteParts->setEnabled(m_settings.batchFile);
    m_batchDeleteItself->setEnabled(m_settings.batchFile);
    m_shellScript->setEnabled(m_settings.batchFile);
}

void SettingsDialog::ComboBox1Change() {
    ApplySizeChoice(m_settings, m_sizeChoice->currentIndex());
    showSizeChoice();
}

void SettingsDialog::Edit2Exit() {
    RememberCustomSize(m_reg, m_settings);
}

void SettingsDialog::Edit3Change() {
    const QString typed = m_countText->text();
    int position = MinFileCount;
    m_settings.fileCountText = CheckedFileCount(typed, position);
    m_settings.fileCountPosition = position;
    m_countStepper->setPosition(position);
    if (m_settings.fileCountText != typed)
        m_countText->setText(m_settings.fileCountText);
}

void SettingsDialog::UpDown1Click() {
    m_settings.fileCountPosition = m_countStepper->position();
    m_settings.fileCountText = QString::number(m_settings.fileCountPosition);
    m_countText->setText(m_settings.fileCountText);
}

void SettingsDialog::RadioButton1Click() {
    ApplySplitMode(m_settings, SplitMode::BySize);
    showSplitMode();
}

void SettingsDialog::RadioButton2Click() {
    ApplySplitMode(m_settings, SplitMode::ByCount);
    showSplitMode();
    showFileCount();
}

void SettingsDialog::CheckBox1Click() {
    m_settings.batchFile = m_batchFile->isChecked();
    showBatchOptions();
}

void SettingsDialog::Timer1Timer() {
    const SettingsDisplay display = ComputeSettingsDisplay(m_settings, m_original, languageCode());
    m_originalPlain->setText(display.label4);
    m_originalText->setText(display.label3);
    m_partCount->setText(display.label1);
    m_partSizeText->setText(display.label8);
    m_partSizePlain->setText(display.label9);
    setTextColour(m_partCount, display.label1Colour);
    setTextColour(m_partSizeText, display.label8Colour);
}

void SettingsDialog::proceed() {
    const TBReg::Batch oneSave(m_reg);
    Edit2Exit();
    SaveSettings();
    accept();
}
