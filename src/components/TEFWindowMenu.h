#pragma once

#include "TEFTypes.h"

#include <QPoint>

class QWidget;

// The window menu a click on the caption icon opens: restore, minimise, maximise and close, as
// far as the form's caption buttons offer them. Window managers such as openbox offer no request
// for their own window menu to a window without their frame, so the form brings its own. Its
// texts follow the default locale, which the program sets to its language.
void showWindowMenu(QWidget& form, TBorderIcons icons, const QPoint& globalPosition);
