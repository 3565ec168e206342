#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures of the main window, by their place in the window's image lists.
namespace MainPictures {
// Menu images, 16 x 16, index 0..15; a null icon for any other index.
QIcon menuImage(int index);
// A menu image for an item with a tick: ticked, the picture carries a check mark.
QIcon checkableMenuImage(int index);
// Toolbar images, 32 x 32, index 0..5.
QIcon toolbarImage(int index);
// Header arrows of the sort column.
QIcon sortArrow(bool ascending);
QPixmap redLamp();
QPixmap greenLamp();
QPixmap greyLamp();
// The program's own icon in every size it is drawn in.
QIcon programIcon();
QPixmap band();
} // namespace MainPictures
