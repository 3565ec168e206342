#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The settings dialog's texts in both languages (languageCode 1 German, anything else English).
// The hidden settings model shows some of them in its labels, so they live beside the model.
namespace SettingsTexts {

// The dialog's numbered messages 1 to 6; the empty text for any other id.
QString TextById(int id, int languageCode);

// Caption of a dialog component by its objectName ("Form2" is the window title); the empty text
// for a component without a caption.
QString Caption(QStringView component, int languageCode);

// Every component that has a caption, in the order the dialog writes them.
QStringList CaptionedComponents();

// The nine items of the size choice (ComboBox1), in index order.
QStringList SizeChoices(int languageCode);

} // namespace SettingsTexts
