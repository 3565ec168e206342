#include "TEFTBSpecialCaption.h"

#include "TEFTitleBar.h"

void TEFTBSpecialCaption::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_enabled)
        m_titleBar->Update();
}

void TEFTBSpecialCaption::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    // Repaint both ways, so that switching a text off takes it off the caption at once.
    m_titleBar->Update();
}

void TEFTBSpecialCaption::setFontStyle(TFontStyles style) {
    if (style == m_fontStyle)
        return;
    m_fontStyle = style;
    if (m_enabled)
        m_titleBar->Update();
}
