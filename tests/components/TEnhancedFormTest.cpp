#include "components/TEnhancedForm.h"
#include "TEFDemoForms.h"
#include "components/TEFSystemMetrics.h"
#include "components/TEFTBSpecialCaption.h"
#include "components/TEFTitleBar.h"
#include "components/TEnhancedFormProgram.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QColor Navy(0, 0, 128);
const QColor Gray(128, 128, 128);
const QColor Silver(192, 192, 192);

// A form that remembers which mouse events reached it.
class RecordingForm : public QWidget {
public:
    QList<QEvent::Type> received;

protected:
    void mousePressEvent(QMouseEvent* event) override { received << event->type(); }
    void mouseReleaseEvent(QMouseEvent* event) override { received << event->type(); }
    void mouseMoveEvent(QMouseEvent* event) override { received << event->type(); }
};

// Sees every paint event of a form before the decoration does.
class PaintSpy : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

std::unique_ptr<QWidget> makeLaidOutForm() {
    auto form = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(form.get());
    layout->addWidget(new QLabel(QStringLiteral("Inhalt")));
    form->resize(320, 200);
    return form;
}

void activate(QWidget* form) {
    form->show();
    form->activateWindow();
    for (int round = 0; round < 50 && !form->isActiveWindow(); ++round)
        QCoreApplication::processEvents();
}

void mouse(QWidget* form, QEvent::Type type, const QPoint& local, Qt::MouseButtons buttons,
           const QPoint& globalShift = {}) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(form->mapToGlobal(local) + globalShift), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(form, &event);
}

void click(QWidget* form, const QPoint& local) {
    mouse(form, QEvent::MouseButtonPress, local, Qt::LeftButton);
    mouse(form, QEvent::MouseButtonRelease, local, Qt::NoButton);
}

QPoint buttonCentre(const TEnhancedForm& decoration, TEFCaptionButton button) {
    for (const TEFButtonPlace& place : decoration.nonClientLayout().buttons)
        if (place.button == button)
            return place.rect.center();
    ADD_FAILURE() << "no such button";
    return {};
}

struct FormState {
    Qt::WindowFlags flags;
    QMargins margins;
    QSize size;
    bool tracksMouse;
    QList<QPoint> childPositions;

    explicit FormState(const QWidget& form)
        : flags(form.windowFlags())
        , margins(form.contentsMargins())
        , size(form.size())
        , tracksMouse(form.hasMouseTracking()) {
        for (const QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            childPositions << child->pos();
    }
    bool operator==(const FormState&) const = default;
};

TEST(TEnhancedForm, OwnerMustBeAForm) {
    QObject plainObject;
    QWidget window;
    auto* child = new QLabel(&window);
    for (QObject* owner : {static_cast<QObject*>(nullptr), &plainObject, static_cast<QObject*>(child)}) {
        try {
            TEnhancedForm decoration(owner);
            ADD_FAILURE() << "accepted an owner that is not a form";
        } catch (const TEnhancedFormError& error) {
            EXPECT_STREQ(error.what(), "The owner of a TEnhancedForm component must be a form...");
        }
    }
    EXPECT_FALSE(child->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window.findChildren<TEnhancedForm*>().isEmpty());
}

TEST(TEnhancedForm, OnlyOneInstancePerForm) {
    QWidget form;
    auto* first = new TEnhancedForm(&form);
    try {
        new TEnhancedForm(&form);
        ADD_FAILURE() << "accepted a second instance";
    } catch (const TEnhancedFormError& error) {
        EXPECT_STREQ(error.what(), "Only one instance of TEnhancedForm per form is allowed...");
    }
    EXPECT_EQ(form.findChildren<TEnhancedForm*>(), QList<TEnhancedForm*>{first});
}

TEST(TEnhancedForm, DrawsItsOwnFrameAndKeepsTheClientSize) {
    for (bool withLayout : {true, false}) {
        std::unique_ptr<QWidget> form = withLayout ? makeLaidOutForm() : std::make_unique<QWidget>();
        QLabel* child = withLayout ? nullptr : new QLabel(QStringLiteral("x"), form.get());
        if (child)
            child->move(5, 6);
        form->resize(320, 200);
        TEnhancedForm decoration(form.get());
        EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
        const QMargins margins = decoration.nonClientLayout().margins;
        EXPECT_GT(margins.top(), margins.left());
        EXPECT_EQ(decoration.clientRect().size(), QSize(320, 200));
        EXPECT_EQ(form->size(), QSize(320 + margins.left() + margins.right(), 200 + margins.top() + margins.bottom()));
        if (withLayout)
            EXPECT_EQ(form->contentsMargins(), margins);
        else
            EXPECT_EQ(child->pos(), QPoint(5 + margins.left(), 6 + margins.top()));
    }
}

TEST(TEnhancedForm, FramelessWhateverTitleBarHintsTheFormAskedFor) {
    for (Qt::WindowFlags flags : {
             Qt::WindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
             Qt::WindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowMinMaxButtonsHint),
             Qt::WindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint),
         }) {
        QDialog form;
        form.setWindowFlags(flags);
        const Qt::WindowFlags before = form.windowFlags();
        auto* decoration = new TEnhancedForm(&form);
        EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint)) << flags.toInt();
        EXPECT_EQ(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), before.testFlag(Qt::WindowStaysOnTopHint));
        delete decoration;
        EXPECT_EQ(form.windowFlags(), before);
    }
}

TEST(TEnhancedForm, FixedSizeDialogGrowsByTheFrame) {
    auto dialog = makeDemoDialog(DemoLanguage::English);
    TEnhancedForm decoration(dialog.get());
    EXPECT_EQ(decoration.borderStyle(), TBorderStyle::bsDialog);
    EXPECT_EQ(decoration.clientRect().size(), QSize(416, 326));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->minimumSize(), dialog->size());
}

TEST(TEnhancedForm, DisabledOrGoneLeavesTheFormAsItWas) {
    enum class Way { Destroyed, ComponentDisabled, TitleBarDisabled };
    for (Way way : {Way::Destroyed, Way::ComponentDisabled, Way::TitleBarDisabled})
        for (bool withLayout : {true, false}) {
            std::unique_ptr<QWidget> form = withLayout ? makeLaidOutForm() : std::make_unique<QWidget>();
            if (!withLayout) {
                (new QLabel(QStringLiteral("x"), form.get()))->move(7, 9);
                form->resize(200, 100);
            }
            form->show();
            const FormState before(*form);
            const QImage lookBefore = form->grab().toImage();
            auto* decoration = new TEnhancedForm(form.get());
            ASSERT_FALSE(FormState(*form) == before);
            if (way == Way::Destroyed)
                delete decoration;
            else if (way == Way::ComponentDisabled)
                decoration->setEnabled(false);
            else
                decoration->TitleBar()->setEnabled(false);
            EXPECT_TRUE(FormState(*form) == before) << int(way) << " " << withLayout;
            EXPECT_TRUE(form->isVisible());
            EXPECT_EQ(form->grab().toImage(), lookBefore) << int(way) << " " << withLayout;
        }
}

TEST(TEnhancedForm, EnabledAgainDrawsTheFrameAgain) {
    auto form = makeLaidOutForm();
    TEnhancedForm decoration(form.get());
    const FormState decorated(*form);
    decoration.setEnabled(false);
    decoration.setEnabled(true);
    EXPECT_TRUE(FormState(*form) == decorated);
}

TEST(TEnhancedForm, FormMayDieFirst) {
    auto form = makeLaidOutForm();
    auto* decoration = new TEnhancedForm(form.get());
    QPointer<TEnhancedForm> watch(decoration);
    form.reset();
    EXPECT_TRUE(watch.isNull());
}

TEST(TEnhancedForm, NbOfColorsTakesOnlyZeroOrTwoTo256) {
    QWidget form;
    TEnhancedForm decoration(&form);
    TEFTitleBar* titleBar = decoration.TitleBar();
    EXPECT_EQ(titleBar->NbOfColors(), 0);
    struct Case {
        int assigned, expected;
    };
    for (const Case& c : {Case{1, 0}, Case{257, 0}, Case{-5, 0}, Case{2, 2}, Case{-5, 2}, Case{256, 256}, Case{0, 0}}) {
        titleBar->setNbOfColors(c.assigned);
        EXPECT_EQ(titleBar->NbOfColors(), c.expected) << c.assigned;
    }
}

TEST(TEnhancedForm, CaptionColoursFollowTheActivationState) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Highlight, Navy);
    palette.setColor(QPalette::Active, QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Gray);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Silver);
    QWidget form;
    form.setPalette(palette);
    form.setWindowTitle(QStringLiteral("HHHH"));
    form.resize(400, 100);
    TEnhancedForm decoration(&form);
    QWidget other;
    other.resize(50, 50);

    for (bool active : {true, false}) {
        activate(active ? &form : &other);
        ASSERT_EQ(form.isActiveWindow(), active);
        const QImage look = form.grab().toImage();
        const QRect text = decoration.nonClientLayout().text;
        const QColor caption = active ? Navy : Gray;
        const QColor captionText = active ? QColor(Qt::white) : Silver;
        EXPECT_EQ(look.pixelColor(text.left(), text.bottom()), QColor(Qt::black)) << active;
        EXPECT_EQ(look.pixelColor(text.right(), text.bottom()), caption) << active;
        // The brightest pixel of the text is the text colour, give or take the smoothing of its edges.
        int brightest = 0;
        for (int x = text.left() + 20; x < text.left() + 120; ++x)
            for (int y = text.top(); y <= text.bottom(); ++y)
                brightest = std::max(brightest, qGray(look.pixel(x, y)));
        EXPECT_NEAR(brightest, qGray(captionText.rgb()), 12) << active;
    }
}

TEST(TEnhancedForm, CaptionIsDrawnInTheTitleBarFont) {
    QWidget form;
    form.setWindowTitle(QStringLiteral("HHHHHHHH"));
    form.resize(500, 80);
    TEnhancedForm decoration(&form);
    decoration.setBorderStyle(TBorderStyle::bsDialog);
    decoration.TitleBar()->setType(TGradientType::gtNone);
    const QImage look = form.grab().toImage();
    const QRect text = decoration.nonClientLayout().text;
    int first = -1;
    int last = -1;
    for (int x = text.left(); x <= text.right(); ++x)
        for (int y = text.top(); y <= text.bottom(); ++y)
            if (qGray(look.pixel(x, y)) > 200) {
                first = first < 0 ? x : first;
                last = x;
            }
    const QRect measured = QFontMetrics(decoration.TitleBar()->font()).boundingRect(form.windowTitle());
    EXPECT_NEAR(last - first + 1, measured.width(), 3);
}

TEST(TEnhancedForm, IconWithoutPicturesFallsBackToTheProgramFileIcon) {
    QWidget form;
    QIcon missing;
    missing.addFile(QStringLiteral(":/no-such-picture.png"), QSize(16, 16));
    form.setWindowIcon(missing);
    form.resize(300, 80);
    TEnhancedForm decoration(&form);
    decoration.setBorderStyle(TBorderStyle::bsSizeable);
    const QImage look = form.grab().toImage();
    const QRect text = decoration.nonClientLayout().text;
    int brightest = 0;
    for (int x = text.left(); x < text.left() + 18; ++x)
        for (int y = text.top(); y <= text.bottom(); ++y)
            brightest = std::max(brightest, qGray(look.pixel(x, y)));
    EXPECT_GT(brightest, 150); // the gradient starts black; the file icon is light
}

TEST(TEnhancedForm, InactiveCaptionTurnsGreyWhereThePaletteKeepsOneHighlight) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Highlight, Navy);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Navy);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, Gray);
    EXPECT_EQ(captionColors(palette, true).caption, Navy);
    EXPECT_EQ(captionColors(palette, false).caption, Gray);
}

TEST(TEnhancedForm, ChangingTheCaptionRepaintsIt) {
    QWidget form;
    form.resize(300, 100);
    TEnhancedForm decoration(&form);
    activate(&form);
    QCoreApplication::processEvents();
    PaintSpy spy;
    form.installEventFilter(&spy);
    form.setWindowTitle(QStringLiteral("Brimvale Parcelon 1.4 - 42%"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(spy.painted.contains(decoration.nonClientLayout().caption));
}

TEST(TEnhancedForm, CaptionButtonsDoWhatTheyShow) {
    auto window = makeDemoMainWindow(DemoLanguage::German);
    TEnhancedForm* decoration = attachProgramDecoration(window.get(), ProgramWindowKind::MainWindow);
    window->show();

    click(window.get(), buttonCentre(*decoration, TEFCaptionButton::Maximize));
    EXPECT_TRUE(window->isMaximized());
    click(window.get(), buttonCentre(*decoration, TEFCaptionButton::Maximize));
    EXPECT_FALSE(window->isMaximized());
    click(window.get(), buttonCentre(*decoration, TEFCaptionButton::Minimize));
    EXPECT_TRUE(window->isMinimized());
    window->showNormal();

    // Released away from the button: nothing happens.
    const QPoint close = buttonCentre(*decoration, TEFCaptionButton::Close);
    mouse(window.get(), QEvent::MouseButtonPress, close, Qt::LeftButton);
    mouse(window.get(), QEvent::MouseMove, close - QPoint(60, 0), Qt::LeftButton);
    mouse(window.get(), QEvent::MouseButtonRelease, close - QPoint(60, 0), Qt::NoButton);
    EXPECT_TRUE(window->isVisible());
    click(window.get(), close);
    EXPECT_FALSE(window->isVisible());
}

TEST(TEnhancedForm, DialogCloseButtonRejectsTheDialog) {
    auto dialog = makeDemoDialog(DemoLanguage::German);
    TEnhancedForm* decoration = attachProgramDecoration(dialog.get(), ProgramWindowKind::Dialog);
    dialog->setResult(QDialog::Accepted);
    dialog->show();
    click(dialog.get(), buttonCentre(*decoration, TEFCaptionButton::Close));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST(TEnhancedForm, InactiveMaximiseButtonDoesNothing) {
    QWidget form;
    form.resize(300, 150);
    TEnhancedForm decoration(&form);
    decoration.setBorderStyle(TBorderStyle::bsSizeable);
    decoration.setBorderIcons(biSystemMenu | biMinimize);
    form.show();
    click(&form, buttonCentre(decoration, TEFCaptionButton::Maximize));
    EXPECT_FALSE(form.isMaximized());
    mouse(&form, QEvent::MouseButtonDblClick, decoration.nonClientLayout().text.center(), Qt::LeftButton);
    EXPECT_FALSE(form.isMaximized());
}

TEST(TEnhancedForm, DoubleClickOnTheCaptionMaximisesASizeableWindow) {
    for (ProgramWindowKind kind : {ProgramWindowKind::MainWindow, ProgramWindowKind::Dialog}) {
        QWidget form;
        form.resize(300, 150);
        TEnhancedForm* decoration = attachProgramDecoration(&form, kind);
        form.show();
        const QPoint caption = decoration->nonClientLayout().text.center();
        mouse(&form, QEvent::MouseButtonPress, caption, Qt::LeftButton);
        mouse(&form, QEvent::MouseButtonRelease, caption, Qt::NoButton);
        mouse(&form, QEvent::MouseButtonDblClick, caption, Qt::LeftButton);
        mouse(&form, QEvent::MouseButtonRelease, caption, Qt::NoButton);
        EXPECT_EQ(form.isMaximized(), kind == ProgramWindowKind::MainWindow);
    }
}

TEST(TEnhancedForm, DraggingTheCaptionMovesAndTheEdgesResize) {
    QWidget form;
    form.setGeometry(100, 100, 300, 200);
    TEnhancedForm decoration(&form);
    decoration.setBorderStyle(TBorderStyle::bsSizeable);
    form.show();
    const QRect start = form.geometry();

    const QPoint caption = decoration.nonClientLayout().text.center();
    mouse(&form, QEvent::MouseButtonPress, caption, Qt::LeftButton);
    mouse(&form, QEvent::MouseMove, caption, Qt::LeftButton, QPoint(30, 20));
    mouse(&form, QEvent::MouseButtonRelease, caption, Qt::NoButton, QPoint(30, 20));
    EXPECT_EQ(form.geometry(), start.translated(30, 20));

    const QPoint rightEdge(form.width() - 1, form.height() / 2);
    mouse(&form, QEvent::MouseButtonPress, rightEdge, Qt::LeftButton);
    mouse(&form, QEvent::MouseMove, rightEdge, Qt::LeftButton, QPoint(40, 0));
    mouse(&form, QEvent::MouseButtonRelease, rightEdge, Qt::NoButton, QPoint(40, 0));
    EXPECT_EQ(form.geometry(), start.translated(30, 20).adjusted(0, 0, 40, 0));
}

TEST(TEnhancedForm, TheFormGetsOnlyTheMouseEventsOfItsClientArea) {
    RecordingForm form;
    form.resize(300, 200);
    TEnhancedForm decoration(&form);
    form.show();
    const QPoint inside = decoration.clientRect().center();
    const QPoint onCaption = decoration.nonClientLayout().text.center();

    click(&form, onCaption);
    mouse(&form, QEvent::MouseMove, inside, Qt::NoButton);
    EXPECT_TRUE(form.received.isEmpty()); // moves without a button were never asked for
    click(&form, inside);
    EXPECT_EQ(form.received, (QList<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseButtonRelease}));
    // A press on the form stays the form's even when released over the caption.
    form.received.clear();
    mouse(&form, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    mouse(&form, QEvent::MouseButtonRelease, onCaption, Qt::NoButton);
    EXPECT_EQ(form.received, (QList<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseButtonRelease}));
}

TEST(TEnhancedForm, ProgramWindowsGetTheirDocumentedDecoration) {
    struct Case {
        ProgramWindowKind kind;
        QList<TEFCaptionButton> buttons;
        bool icon;
    };
    for (const Case& c : {
             Case{ProgramWindowKind::MainWindow,
                  {TEFCaptionButton::Close, TEFCaptionButton::Maximize, TEFCaptionButton::Minimize},
                  true},
             Case{ProgramWindowKind::Dialog, {TEFCaptionButton::Close}, false},
         }) {
        std::unique_ptr<QWidget> form;
        if (c.kind == ProgramWindowKind::MainWindow)
            form = makeDemoMainWindow(DemoLanguage::English);
        else
            form = makeDemoDialog(DemoLanguage::English);
        TEnhancedForm* decoration = attachProgramDecoration(form.get(), c.kind);
        EXPECT_EQ(decoration->objectName(), QStringLiteral("EnhancedForm1"));
        EXPECT_EQ(form->findChild<TEnhancedForm*>(QStringLiteral("EnhancedForm1")), decoration);
        const TEFTitleBar* titleBar = decoration->TitleBar();
        EXPECT_EQ(titleBar->NbOfColors(), 0);
        EXPECT_EQ(titleBar->Type(), TGradientType::gtLeftToRight);
        EXPECT_EQ(titleBar->Color(), QColor(Qt::black));
        EXPECT_EQ(titleBar->ApplicationInfo()->FontStyle(), TFontStyles(fsBold));
        EXPECT_EQ(titleBar->CompanyInfo()->FontStyle(), fsBold | fsItalic);
        const TEFNonClientLayout layout = decoration->nonClientLayout();
        QList<TEFCaptionButton> buttons;
        for (const TEFButtonPlace& place : layout.buttons) {
            buttons << place.button;
            EXPECT_TRUE(place.enabled);
        }
        EXPECT_EQ(buttons, c.buttons);
        EXPECT_EQ(layout.showsIcon, c.icon);

        activate(form.get());
        const QImage look = form->grab().toImage();
        const QColor caption = captionColors(form->palette(), true).caption;
        const int left = layout.text.left() + (c.icon ? 1 : 0);
        EXPECT_EQ(look.pixelColor(left, layout.text.bottom()), QColor(Qt::black));
        EXPECT_EQ(look.pixelColor(layout.text.right(), layout.text.bottom()), caption);
    }
}

} // namespace
