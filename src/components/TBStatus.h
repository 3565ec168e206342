#pragma once

#include <QList>
#include <QStatusBar>

// A status bar of fixed-width panels, drawn as framed fields from left to right; the last panel
// reaches the right edge. Widgets created with the bar as parent (a progress bar, lamps) sit
// where the caller moves them and are drawn over the panels.
class TBStatus : public QStatusBar {
    Q_OBJECT

public:
    enum class PanelBevel { Lowered, None, Raised };

    explicit TBStatus(QWidget* parent = nullptr);

    // Appends a panel and answers its index.
    int addPanel(int width, Qt::Alignment alignment = Qt::AlignLeft, PanelBevel bevel = PanelBevel::Lowered);
    int panelCount() const { return static_cast<int>(m_panels.size()); }

    // Indices outside 0..panelCount()-1 are ignored by the setters and answer defaults.
    void setPanelText(int index, const QString& text);
    QString panelText(int index) const;
    // A negative width is drawn as no width.
    void setPanelWidth(int index, int width);
    int panelWidth(int index) const;
    void setPanelAlignment(int index, Qt::Alignment alignment);
    Qt::Alignment panelAlignment(int index) const;
    void setPanelBevel(int index, PanelBevel bevel);
    PanelBevel panelBevel(int index) const;

    // The panel's area in the bar's coordinates as laid out now.
    QRect panelRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Panel {
        QString text;
        int width = 0;
        Qt::Alignment alignment;
        PanelBevel bevel = PanelBevel::Lowered;
    };

    bool isPanel(int index) const { return index >= 0 && index < panelCount(); }
    int barHeight() const;

    QList<Panel> m_panels;
};
