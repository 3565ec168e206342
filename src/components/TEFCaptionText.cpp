#include "TEFCaptionText.h"

int captionTextSlot(int measuredWidth, bool present) {
    return present ? measuredWidth + 2 + 3 : 0;
}

TEFCaptionTextPlan planCaptionTexts(int left, int right, const TEFCaptionTextWidths& widths, TAlignment alignment) {
    TEFCaptionTextPlan plan;
    const int available = right - left;
    const int all = widths.company + widths.application + widths.caption;
    const int withoutCompany = widths.application + widths.caption;
    int used = widths.caption;
    if (available > all) {
        plan.showCompany = widths.company > 0;
        plan.showApplication = widths.application > 0;
        used = all;
    } else if (available > withoutCompany) {
        plan.showApplication = widths.application > 0;
        used = withoutCompany;
    }
    // Texts that do not fit start at the left edge: aligning them would push them over the icon.
    if (used <= available) {
        if (alignment == TAlignment::taRightJustify)
            left = right - used;
        else if (alignment == TAlignment::taCenter)
            left += (available - used) / 2;
    }
    left += 3;
    plan.companyLeft = left;
    if (plan.showCompany)
        left += widths.company;
    plan.applicationLeft = left;
    if (plan.showApplication)
        left += widths.application;
    plan.captionLeft = left;
    return plan;
}
