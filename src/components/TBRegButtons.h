#pragma once

#include "components/core/TBReg.h"

#include <QAbstractButton>
#include <initializer_list>

// The check box and radio button forms of TBReg's group operations.
void PushCheckBox(const TBReg& reg, const QString& valueName, const QAbstractButton& box);
void PushRadioButtons(const TBReg& reg, const QString& valueName,
                      std::initializer_list<const QAbstractButton*> buttons);
// Checks the stored button (or the one at defaultPosition); leaves the group as it is for "0".
void PopRadioButtons(const TBReg& reg, const QString& valueName, std::initializer_list<QAbstractButton*> buttons,
                     int defaultPosition);
