#pragma once

#include "TEFBase.h"
#include "TEFCaptionGeometry.h"
#include "TEFTypes.h"

#include <QColor>
#include <QFont>
#include <memory>
#include <optional>

class QPainter;
class TEFTBSpecialCaption;

// What the caption looks like at one moment besides the title bar's own settings.
struct TEFCaptionPaintState {
    bool active = true;
    std::optional<TEFCaptionButton> pressedButton; // drawn sunken
};

// The self-drawn title bar: a colour gradient over the text area, the window icon, the caption
// buttons and the company, application and caption texts.
class TEFTitleBar : public TEFBase {
public:
    explicit TEFTitleBar(TEnhancedForm* owner);
    ~TEFTitleBar() override;

    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    TEFTBSpecialCaption* ApplicationInfo() const { return m_applicationInfo.get(); }
    QColor Color() const { return m_color; }
    void setColor(const QColor& color);
    TEFTBSpecialCaption* CompanyInfo() const { return m_companyInfo.get(); }
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int NbOfColors() const { return m_nbOfColors; }
    // 0 or 2 to 256; other values leave the property as it is.
    void setNbOfColors(int count);
    TGradientType Type() const { return m_type; }
    void setType(TGradientType type);

    // Repaints the frame when the title bar is enabled.
    void Update() override;

    // The window reported a change of activation; from then on that report is the caption's state.
    void noteActivation(bool active);
    bool isActive() const;

    // Takes the caption font and sizes from the system and the style again.
    void reloadSystemFont();
    const QFont& font() const { return m_font; }
    const TEFMetrics& metrics() const { return m_metrics; }

    // Draws the caption strip of the given layout onto painter (window coordinates).
    void paintCaption(QPainter& painter, const TEFNonClientLayout& layout, const TEFCaptionPaintState& state) const;

private:
    QFont fontWithStyle(TFontStyles style) const;

    TAlignment m_alignment = TAlignment::taLeftJustify;
    std::unique_ptr<TEFTBSpecialCaption> m_applicationInfo;
    QColor m_color = Qt::black;
    std::unique_ptr<TEFTBSpecialCaption> m_companyInfo;
    bool m_enabled = true;
    int m_nbOfColors = 0;
    TGradientType m_type = TGradientType::gtLeftToRight;

    QFont m_font;
    TEFMetrics m_metrics;
    bool m_active = true;
    bool m_stateKnown = false;
};
