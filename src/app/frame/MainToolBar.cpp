#include "app/frame/MainToolBar.h"

#include "app/frame/MainPictures.h"

#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int BandHeight = 61;
constexpr int ToolBarTop = 3;
constexpr int SeparatorWidth = 8;
const QSize ButtonSize(70, 52);

struct ButtonSpec {
    const char* name;
    int image;
    bool enabled;
    MainCommand command;
};

// Left to right; the separator "ToolButton7" stands between Stop and Settings.
constexpr ButtonSpec Buttons[] = {
    {"ToolButton4", 0, true, MainCommand::AddFile},  {"ToolButton1", 1, false, MainCommand::Split},
    {"ToolButton2", 2, false, MainCommand::Merge},   {"ToolButton6", 3, false, MainCommand::Stop},
    {"ToolButton3", 4, true, MainCommand::Settings}, {"ToolButton5", 5, true, MainCommand::Exit},
};
} // namespace

MainToolBar::MainToolBar(QWidget* parent)
    : QWidget(parent)
    , m_toolBar(new QToolBar(this)) {
    setObjectName(QStringLiteral("CoolBar1"));
    setFixedHeight(BandHeight);

    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(32, 32));
    m_toolBar->setAttribute(Qt::WA_TranslucentBackground);
    m_toolBar->setStyleSheet(QStringLiteral("QToolBar { background: transparent; border: none; }"));

    QFont small = font();
    small.setPixelSize(10);
    for (const ButtonSpec& spec : Buttons) {
        if (spec.command == MainCommand::Settings) {
            auto* gap = new QWidget(m_toolBar);
            gap->setObjectName(QStringLiteral("ToolButton7"));
            gap->setFixedWidth(SeparatorWidth);
            m_toolBar->addWidget(gap);
        }
        auto* button = new QToolButton(m_toolBar);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setIcon(MainPictures::toolbarImage(spec.image));
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setFixedSize(ButtonSize);
        button->setFont(small);
        button->setEnabled(spec.enabled);
        m_toolBar->addWidget(button);
        m_buttons.emplace_back(button, spec.command);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, ToolBarTop, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar, 0, Qt::AlignLeft | Qt::AlignTop);
}

QToolButton* MainToolBar::button(const QString& objectName) const {
    for (const auto& [button, command] : m_buttons) {
        if (button->objectName() == objectName)
            return button;
    }
    return nullptr;
}

void MainToolBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), MainPictures::band());
}
