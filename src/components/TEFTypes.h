#pragma once

#include <QFlags>

// Value types shared by the form decoration and its three parts.

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

enum class TGradientType { gtNone, gtLeftToRight, gtCenterToBorder };

// The decorated window's frame: what the title bar draws and how the window can be sized.
enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon {
    biSystemMenu = 0x1,
    biMinimize = 0x2,
    biMaximize = 0x4,
    biHelp = 0x8,
};
Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)
Q_DECLARE_OPERATORS_FOR_FLAGS(TBorderIcons)

enum TFontStyle {
    fsBold = 0x1,
    fsItalic = 0x2,
    fsUnderline = 0x4,
    fsStrikeOut = 0x8,
};
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

enum class TTrayIconIconType { itSingle, itList };

enum class TTrayIconOpenAppOn { ooClick, ooDblClick, ooNone };

enum class TEFWallPaperDisplay { dwTile, dwCenter };
