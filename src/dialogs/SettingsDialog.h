#pragma once

#include "dialogs/ShellShortcuts.h"
#include "dialogs/model/SettingsDisplay.h"
#include "dialogs/model/SplitSettings.h"

#include "dialogs/ProceedCancelDialog.h"

#include <array>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QTimer;
class TBReg;
class UpDownButtons;

// The modal dialog in which the user edits the split and join settings and the program's
// launchers. Every showing starts from the store; only Ok writes the settings back and creates or
// removes the launchers. A custom part size is remembered as soon as the user leaves its field.
class SettingsDialog : public ProceedCancelDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(const TBReg& reg, QWidget* parent = nullptr);

    // The folder of the program file the launchers start, ending with "/".
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    // The file of the main list the information panel describes.
    void setOriginalSize(const OriginalSize& original) { m_original = original; }

    // The settings as the controls show them.
    const SplitSettings& settings() const { return m_settings; }

    // Fills every control from the store and the launcher boxes from the launchers present.
    void LoadSettings();
    // Writes the settings to the store, then creates or removes the launchers to match the boxes.
    void SaveSettings();
    // Applies the size choice of the combo box.
    void ComboBox1Change();
    // Remembers a custom part size.
    void Edit2Exit();
    // Checks the typed number of parts: anything but a whole number from 2 to 999 becomes "2".
    void Edit3Change();
    void UpDown1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void CheckBox1Click();
    // Recomputes the information panel.
    void Timer1Timer();

    void done(int result) override;

protected:
    void prepareShowing() override;
    // Ok: remember a custom size, save, close.
    void proceed() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter presses Ok, wherever the focus is.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildSplitPage();
    QWidget* buildJoinPage();
    QWidget* buildGeneralPage();
    void applyCaptions();
    void showSizeChoice();
    void showFileCount();
    void showSplitMode();
    void showBatchOptions();
    void connectEditing();

    const TBReg& m_reg;
    SplitSettings m_settings;
    OriginalSize m_original;
    QString m_programFolder;

    QTabWidget* m_pages = nullptr;
    QRadioButton* m_bySize = nullptr;
    QRadioButton* m_byCount = nullptr;
    QGroupBox* m_sizeGroup = nullptr;
    QComboBox* m_sizeChoice = nullptr;
    QLineEdit* m_sizeText = nullptr;
    QLabel* m_bytesHint = nullptr;
    QGroupBox* m_countGroup = nullptr;
    QLineEdit* m_countText = nullptr;
    UpDownButtons* m_countStepper = nullptr;
    QCheckBox* m_batchFile = nullptr;
    QCheckBox* m_batchDeleteParts = nullptr;
    QCheckBox* m_batchDeleteItself = nullptr;
    QCheckBox* m_shellScript = nullptr;
    QCheckBox* m_checksumFile = nullptr;
    QLabel* m_originalPlain = nullptr;
    QLabel* m_originalText = nullptr;
    QLabel* m_partCount = nullptr;
    QLabel* m_partSizeText = nullptr;
    QLabel* m_partSizePlain = nullptr;
    std::array<QRadioButton*, 3> m_joinOrder{};
    QCheckBox* m_deleteParts = nullptr;
    // The launcher boxes in the order of AllShortcutKinds.
    std::array<QCheckBox*, 4> m_shortcutBoxes{};
    QTimer* m_displayTimer = nullptr;
};
