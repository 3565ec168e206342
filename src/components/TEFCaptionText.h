#pragma once

#include "TEFTypes.h"

// Widths of the three caption texts as laid out: the measured text plus 2 plus a 3-pixel gap,
// or 0 for a text that is not shown at all.
struct TEFCaptionTextWidths {
    int company = 0;
    int application = 0;
    int caption = 0;
};

int captionTextSlot(int measuredWidth, bool present);

// Where the texts go in the text area [left, right): which info texts fit, and the left edge
// of each text that is drawn. The company text is dropped first, then the application text;
// the form's caption is always drawn, cut with an ellipsis at right when it is too long.
struct TEFCaptionTextPlan {
    bool showCompany = false;
    bool showApplication = false;
    int companyLeft = 0;
    int applicationLeft = 0;
    int captionLeft = 0;

    bool operator==(const TEFCaptionTextPlan&) const = default;
};

TEFCaptionTextPlan planCaptionTexts(int left, int right, const TEFCaptionTextWidths& widths, TAlignment alignment);
