#pragma once

#include "TEFTypes.h"

#include <QString>

class TEFTitleBar;

// One info text shown before the form's caption (the company or the application).
class TEFTBSpecialCaption {
public:
    TEFTBSpecialCaption(TEFTitleBar* titleBar, TFontStyles fontStyle)
        : m_titleBar(titleBar)
        , m_fontStyle(fontStyle) {}

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    TFontStyles FontStyle() const { return m_fontStyle; }
    void setFontStyle(TFontStyles style);

    // Shown at all: enabled and not empty.
    bool isPresent() const { return m_enabled && !m_caption.isEmpty(); }

private:
    TEFTitleBar* m_titleBar;
    QString m_caption;
    bool m_enabled = true;
    TFontStyles m_fontStyle;
};
