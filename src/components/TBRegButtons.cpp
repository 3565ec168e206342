#include "components/TBRegButtons.h"

void PushCheckBox(const TBReg& reg, const QString& valueName, const QAbstractButton& box) {
    reg.PushCheckBox(valueName, box.isChecked());
}

void PushRadioButtons(const TBReg& reg, const QString& valueName,
                      std::initializer_list<const QAbstractButton*> buttons) {
    int position = 0;
    for (int i = 1; const QAbstractButton* button : buttons) {
        if (button->isChecked())
            position = i;
        ++i;
    }
    reg.PushGroupPosition(valueName, position);
}

void PopRadioButtons(const TBReg& reg, const QString& valueName, std::initializer_list<QAbstractButton*> buttons,
                     int defaultPosition) {
    const int position = reg.PopGroupPosition(valueName, static_cast<int>(buttons.size()), defaultPosition);
    if (position > 0)
        buttons.begin()[position - 1]->setChecked(true);
}
