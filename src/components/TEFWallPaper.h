#pragma once

#include "TEFBase.h"
#include "TEFTypes.h"

#include <QPixmap>
#include <QRect>

class QPainter;

// A picture over the form's client area, tiled from the top-left corner or centred on the
// form's colour. It is composed once into a buffer at least as large as the screen, so painting
// copies one rectangle.
class TEFWallPaper : public TEFBase {
public:
    explicit TEFWallPaper(TEnhancedForm* owner);

    const QPixmap& Bitmap() const { return m_bitmap; }
    void setBitmap(const QPixmap& bitmap);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    TEFWallPaperDisplay Display() const { return m_display; }
    void setDisplay(TEFWallPaperDisplay display);

    // Repaints the client area.
    void Update() override;

    // Draws the picture over client (form coordinates); called after the form has painted itself.
    void paint(QPainter& painter, const QRect& client);

    QSize bufferSize() const { return m_buffer.deviceIndependentSize().toSize(); }

private:
    bool hasPicture() const;
    void rebuildBuffer(const QSize& client);
    void refreshForm();

    QPixmap m_bitmap;
    bool m_enabled = true;
    TEFWallPaperDisplay m_display = TEFWallPaperDisplay::dwTile;
    QPixmap m_buffer;
};
