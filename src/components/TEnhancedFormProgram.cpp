#include "TEnhancedFormProgram.h"

#include "TEFTBSpecialCaption.h"
#include "TEFTitleBar.h"
#include "TEnhancedForm.h"

#include <QWidget>

TEnhancedForm* attachProgramDecoration(QWidget* form, ProgramWindowKind kind) {
    auto* decoration = new TEnhancedForm(form);
    decoration->setObjectName(QStringLiteral("EnhancedForm1"));
    TEFTitleBar* titleBar = decoration->TitleBar();
    titleBar->setNbOfColors(0);
    titleBar->ApplicationInfo()->setFontStyle(fsBold);
    titleBar->CompanyInfo()->setFontStyle(fsBold | fsItalic);
    if (kind == ProgramWindowKind::MainWindow) {
        decoration->setBorderStyle(TBorderStyle::bsSizeable);
        decoration->setBorderIcons(biSystemMenu | biMinimize | biMaximize);
    } else {
        decoration->setBorderStyle(TBorderStyle::bsDialog);
        decoration->setBorderIcons(biSystemMenu);
    }
    decoration->Loaded();
    return decoration;
}
