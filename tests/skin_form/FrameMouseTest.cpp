// The frame under the mouse on shown forms: hit codes with the studio skin and without,
// hover and press on the caption buttons, the mouse polling, and what the buttons do.
#include "FrameFixture.h"
#include "framework/Application.h"
#include "skin/form/Veneerform/FrameHitTest.h"
#include "skin/form/Veneerform/HintWindow.h"
#include "skin/form/Veneerform/MoveSizeLoop.h"
#include "skin/form/Veneerform/SkinHint.h"
#include "support/TestEnv.h"

#include <QCursor>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace frametest;
using veneer::TvnWindowState;

namespace {

LRESULT HitAt(TForm& form, QPoint framePoint)
{
    const QPoint g = form.pos() + framePoint;
    return form.Perform(msg::WM_NCHITTEST, 0, MakeLParam(g.x(), g.y()));
}

// The paint events a widget receives, with their regions.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget* w)
        : m_widget(w)
    {
        w->installEventFilter(this);
    }
    ~PaintSpy() override { m_widget->removeEventFilter(this); }
    QRegion Painted;
    int Count = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == m_widget && e->type() == QEvent::Paint) {
            Painted += static_cast<QPaintEvent*>(e)->region();
            ++Count;
        }
        return false;
    }

private:
    QWidget* m_widget;
};

class ShownFrameTest : public FramedFormsTest {
protected:
    // The pointer at a point of the form, as the window system tells the form of it.
    static void PointerTo(TForm& form, QPoint framePoint)
    {
        QCursor::setPos(form.pos() + framePoint);
        // A move to where the pointer already is reaches nobody: one pixel aside first.
        QTest::mouseMove(&form, framePoint + QPoint(1, 0));
        QTest::mouseMove(&form, framePoint);
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST(FrameHitCodes, TheSearchWindowHasNoSizingZonesAndTheMainWindowFourPixelDeepOnes)
{
    FramedForm dialog(bsDialog, &ProgramSkin());
    FramedForm main(bsSizeable, &ProgramSkin());
    for (FramedForm* f : { &dialog, &main }) {
        f->Frame->SetBorderIcons(veneer::biMinimize);
        f->Form->SetBounds(0, 0, 816, 379);
    }
    // Along every edge, the dialog answers no sizing code at all.
    for (int x = 0; x < 816; x += 3)
        for (int y : { 0, 1, 2, 3, 4, 375, 376, 377, 378 })
            EXPECT_FALSE(veneer::IsSizingCode(HitAt(*dialog.Form, { x, y }))) << x << "," << y;
    for (int y = 0; y < 379; y += 3)
        for (int x : { 0, 1, 2, 3, 4, 811, 812, 813, 814, 815 })
            EXPECT_FALSE(veneer::IsSizingCode(HitAt(*dialog.Form, { x, y }))) << x << "," << y;

    TForm& m = *main.Form;
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(HitAt(m, { x, 190 }), ht::HTLEFT) << x;
    EXPECT_EQ(HitAt(m, { 4, 190 }), ht::HTOBJECT) << "five pixels in is the frame's border";
    for (int x = 812; x < 816; ++x)
        EXPECT_EQ(HitAt(m, { x, 190 }), ht::HTRIGHT) << x;
    EXPECT_FALSE(veneer::IsSizingCode(HitAt(m, { 809, 190 })));
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(HitAt(m, { 408, y }), ht::HTTOP) << y;
    EXPECT_EQ(HitAt(m, { 408, 5 }), ht::HTCAPTION);
    // The skin's shape lies only two rows below its always opaque area at the bottom.
    for (int y = 377; y < 379; ++y)
        EXPECT_EQ(HitAt(m, { 408, y }), ht::HTBOTTOM) << y;
    EXPECT_EQ(HitAt(m, { 408, 376 }), ht::HTOBJECT);
    EXPECT_EQ(HitAt(m, { 813, 376 }), ht::HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(m, { 3, 3 }), ht::HTTOPLEFT);
    EXPECT_EQ(HitAt(m, { 400, 200 }), ht::HTCLIENT);
    EXPECT_EQ(HitAt(*dialog.Form, { 400, 200 }), ht::HTCLIENT);
    // The caption buttons are the frame's objects; the caption moves the window.
    const QRect close = ObjectPlace(*main.Frame, "closebutton");
    EXPECT_EQ(close, QRect(816 - 11 - 18, 3, 18, 18));
    EXPECT_EQ(HitAt(m, close.center()), ht::HTOBJECT);
    EXPECT_EQ(HitAt(m, { 300, 12 }), ht::HTCAPTION);
    EXPECT_EQ(HitAt(*dialog.Form, { 300, 12 }), ht::HTCAPTION);
}

TEST(FrameHitCodes, AMaximizedOrRolledUpFrameHasNoSizingZones)
{
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Frame->SetBorderIcons(veneer::biMinimize | veneer::biMaximize | veneer::biRollUp);
    f.Form->SetBounds(0, 0, 816, 379);
    ASSERT_EQ(HitAt(*f.Form, { 1, 190 }), ht::HTLEFT);
    f.Frame->SetFrameWindowState(TvnWindowState::wsMaximized);
    const QSize size = f.Form->size();
    EXPECT_NE(size, QSize(816, 379));
    for (const QPoint p : { QPoint(1, size.height() / 2), QPoint(size.width() - 2, size.height() / 2),
             QPoint(size.width() / 2, 1), QPoint(size.width() - 2, size.height() - 2) })
        EXPECT_FALSE(veneer::IsSizingCode(HitAt(*f.Form, p))) << p.x() << "," << p.y();
    f.Frame->SetFrameWindowState(TvnWindowState::wsNormal);
    EXPECT_EQ(f.Form->geometry(), QRect(0, 0, 816, 379));
    f.Frame->SetRollUpState(true);
    EXPECT_EQ(f.Form->height(), 28);
    EXPECT_EQ(HitAt(*f.Form, { 1, 14 }), ht::HTOBJECT);
    EXPECT_EQ(HitAt(*f.Form, { 300, 12 }), ht::HTCAPTION);
}

TEST(FrameHitCodes, WithoutASkinTheZonesAreTwoPixelsAndTheCaptionTheTextArea)
{
    FramedForm sizeable(bsSizeable), dialog(bsDialog);
    for (FramedForm* f : { &sizeable, &dialog }) {
        f->Frame->SetBorderIcons(veneer::biMinimize);
        f->Form->SetBounds(0, 0, 300, 200);
    }
    EXPECT_EQ(HitAt(*sizeable.Form, { 2, 100 }), ht::HTLEFT);
    EXPECT_EQ(HitAt(*sizeable.Form, { 3, 100 }), ht::HTCLIENT);
    EXPECT_EQ(HitAt(*sizeable.Form, { 298, 198 }), ht::HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(*sizeable.Form, { 150, 1 }), ht::HTTOP);
    EXPECT_EQ(HitAt(*dialog.Form, { 2, 100 }), ht::HTOBJECT);
    EXPECT_EQ(HitAt(*dialog.Form, { 0, 0 }), ht::HTOBJECT);
    EXPECT_EQ(HitAt(*dialog.Form, { 150, 1 }), ht::HTOBJECT);
    EXPECT_EQ(HitAt(*sizeable.Form, { 150, 12 }), ht::HTCAPTION);
    EXPECT_EQ(HitAt(*sizeable.Form, { 150, 100 }), ht::HTCLIENT);
    // The default buttons come with the first paint, never from a hit test; then the
    // close button (at the right, 17 pixels square) is an object.
    EXPECT_TRUE(sizeable.Frame->Objects().IsEmpty());
    FramePaint(*sizeable.Form);
    EXPECT_EQ(sizeable.Frame->Objects().Count(), 6);
    EXPECT_EQ(HitAt(*sizeable.Form, { 288, 12 }), ht::HTOBJECT);
}

TEST_F(ShownFrameTest, HoveringACaptionButtonRepaintsOnlyThatButton)
{
    auto f = Shown();
    TForm& form = *f->Form;
    const QRect close = ObjectPlace(*f->Frame, "closebutton");
    const QRect minimize = ObjectPlace(*f->Frame, "minbutton");
    ASSERT_FALSE(close.isEmpty());
    QTest::qWait(50);
    const QImage before = form.grab().toImage();

    PaintSpy spy(&form);
    PointerTo(form, close.center());
    EXPECT_EQ(f->Frame->ActiveObject(), ObjectIndex(*f->Frame, "closebutton"));
    EXPECT_TRUE(f->Frame->MouseTimerRunning());
    // The button blends into its hot image in steps of the frame's timer: the picture is
    // read once the blend has ended, however slow the machine.
    const auto morph = [&](const char* name) {
        return f->Frame->Objects().State(ObjectIndex(*f->Frame, name)).MorphFactor;
    };
    const auto blended = [&](double closeFactor, double minimizeFactor) {
        return testenv::waitFor(
            [&] {
                return morph("closebutton") == closeFactor && morph("minbutton") == minimizeFactor
                    && !f->Form->HasTimer(TvnVeneerform::kMorphTimer);
            },
            5000);
    };
    ASSERT_TRUE(blended(1, 0));
    ASSERT_GT(spy.Count, 0);
    EXPECT_EQ(spy.Painted, QRegion(close)) << "only the close button is painted again";
    EXPECT_TRUE(f->Frame->Objects().State(ObjectIndex(*f->Frame, "closebutton")).Highlighted);

    // The hot close button shows the skin's active image; the rest of the frame and the
    // minimize button stay as they were.
    const QImage hot = form.grab().toImage();
    const QImage& buttons = ProgramSkin().Pictures.at(0);
    EXPECT_EQ(hot.copy(close), buttons.copy(18, 0, 18, 18).convertToFormat(hot.format()));
    EXPECT_EQ(hot.copy(minimize), before.copy(minimize));
    EXPECT_NE(hot.copy(close), before.copy(close));

    // Over the minimize button: both buttons repaint, nothing else.
    spy.Painted = {};
    PointerTo(form, minimize.center());
    ASSERT_TRUE(blended(0, 1));
    EXPECT_EQ(spy.Painted, QRegion(close) + QRegion(minimize));
}

TEST_F(ShownFrameTest, TheMousePollingEndsWhenThePointerLeavesTheFrame)
{
    auto f = Shown();
    TForm& form = *f->Form;
    const QRect close = ObjectPlace(*f->Frame, "closebutton");
    PointerTo(form, close.center());
    ASSERT_TRUE(f->Frame->MouseTimerRunning());
    QTest::qWait(120);
    EXPECT_TRUE(f->Frame->MouseTimerRunning()) << "polling while the pointer is on the frame";

    // Off the window: the next poll stops the timer and the button is no longer hot.
    QCursor::setPos(form.pos() + QPoint(-50, -50));
    QTest::qWait(120);
    EXPECT_FALSE(f->Frame->MouseTimerRunning());
    EXPECT_EQ(f->Frame->ActiveObject(), -1);
    EXPECT_FALSE(f->Frame->Objects().State(ObjectIndex(*f->Frame, "closebutton")).Highlighted);

    // Into the client area from a button: the polling ends there too.
    PointerTo(form, close.center());
    ASSERT_TRUE(f->Frame->MouseTimerRunning());
    QCursor::setPos(form.pos() + QPoint(200, 120));
    QTest::qWait(120);
    EXPECT_FALSE(f->Frame->MouseTimerRunning());
    EXPECT_EQ(f->Frame->ActiveObject(), -1);
}

TEST_F(ShownFrameTest, TheCloseButtonClosesOnlyWhenReleasedOverIt)
{
    auto f = Shown();
    TForm& form = *f->Form;
    const QRect close = ObjectPlace(*f->Frame, "closebutton");
    const int closeIndex = ObjectIndex(*f->Frame, "closebutton");
    PointerTo(form, close.center());
    QTest::mousePress(&form, Qt::LeftButton, {}, close.center());
    EXPECT_TRUE(f->Frame->Objects().State(closeIndex).Pressed);
    EXPECT_EQ(f->Frame->CaptureObject(), closeIndex);
    const QImage pressed = form.grab().toImage();
    EXPECT_EQ(pressed.copy(close),
        ProgramSkin().Pictures.at(0).copy(36, 0, 18, 18).convertToFormat(pressed.format()))
        << "the down image";

    // While it is held, the minimize button does not light up.
    const QRect minimize = ObjectPlace(*f->Frame, "minbutton");
    PointerTo(form, minimize.center());
    QTest::qWait(80);
    EXPECT_FALSE(f->Frame->Objects().State(ObjectIndex(*f->Frame, "minbutton")).Highlighted);
    QTest::mouseRelease(&form, Qt::LeftButton, {}, minimize.center());
    EXPECT_TRUE(form.isVisible()) << "released off the button: nothing happens";
    EXPECT_FALSE(f->Frame->Objects().State(closeIndex).Pressed);
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsNormal);

    PointerTo(form, close.center());
    QTest::mousePress(&form, Qt::LeftButton, {}, close.center());
    QTest::mouseRelease(&form, Qt::LeftButton, {}, close.center());
    EXPECT_FALSE(form.isVisible()) << "released over it: the form closes";
    EXPECT_FALSE(f->Frame->Objects().State(closeIndex).Pressed) << "after the button's own release";
}

TEST_F(ShownFrameTest, TheMaximizeButtonIsNeitherShownNorHitWithOnlyTheMinimizeIcon)
{
    auto f = Shown();
    const int maxIndex = ObjectIndex(*f->Frame, "maxbutton");
    ASSERT_NE(maxIndex, -1);
    EXPECT_FALSE(f->Frame->Objects().LayoutAt(maxIndex).Shown);
    EXPECT_FALSE(f->Frame->Objects().State(maxIndex).Available);
    for (const char* hidden : { "rollupbutton", "traybutton", "sysmenubutton" })
        EXPECT_FALSE(f->Frame->Objects().LayoutAt(ObjectIndex(*f->Frame, hidden)).Shown) << hidden;
    // Where a maximize button would stand, left of minimize, is caption.
    const QRect minimize = ObjectPlace(*f->Frame, "minbutton");
    EXPECT_EQ(HitAt(*f->Form, minimize.center() - QPoint(20, 0)), ht::HTCAPTION);
}

TEST_F(ShownFrameTest, AHoverBlendsInFiveStepsAndTheMorphTimerThenStops)
{
    TvnSkinData& skin = ProgramSkin();
    const bool effects = skin.EnableSkinEffects();
    skin.SetEnableSkinEffects(true);
    auto f = Shown();
    const int close = ObjectIndex(*f->Frame, "closebutton");
    const QRect place = ObjectPlace(*f->Frame, "closebutton");
    std::vector<double> factors;
    TWndMethod frameProc = f->Form->WindowProc();
    f->Form->SetWindowProc([&](TMessage& m) {
        frameProc(m);
        if (m.Msg == msg::WM_TIMER && m.WParam == TvnVeneerform::kMorphTimer)
            factors.push_back(f->Frame->Objects().State(close).MorphFactor);
    });
    PointerTo(*f->Form, place.center());
    EXPECT_TRUE(f->Form->HasTimer(TvnVeneerform::kMorphTimer));
    ASSERT_TRUE(testenv::waitFor([&] { return !f->Form->HasTimer(TvnVeneerform::kMorphTimer); }));
    ASSERT_GE(factors.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(factors[i], 0.2 * (i + 1), 1e-9) << i;
    EXPECT_EQ(factors.size(), 6u) << "one more tick finds nothing to do and stops the timer";
    EXPECT_EQ(f->Frame->Objects().State(close).MorphFactor, 1.0);
    f->Form->SetWindowProc(frameProc);
    skin.SetEnableSkinEffects(effects);
}

TEST_F(ShownFrameTest, TheBorderSizesRightAfterThePointerLeavesTheCaptionOrAButton)
{
    auto f = Shown();
    TForm& form = *f->Form;
    // From a button onto the caption: the polling, still on, makes the caption active.
    PointerTo(form, ObjectPlace(*f->Frame, "closebutton").center());
    PointerTo(form, { 200, 12 });
    QTest::qWait(80);
    ASSERT_EQ(f->Frame->ActiveObject(), ObjectIndex(*f->Frame, "caption"));
    EXPECT_EQ(HitAt(form, { 1, 12 }), ht::HTLEFT) << "before the next poll";
    // A button under the pointer holds the frame's area next to it until it is left.
    PointerTo(form, ObjectPlace(*f->Frame, "closebutton").center());
    QTest::qWait(80);
    ASSERT_EQ(f->Frame->ActiveObject(), ObjectIndex(*f->Frame, "closebutton"));
    EXPECT_EQ(HitAt(form, { form.width() - 1, 12 }), ht::HTOBJECT);
}

TEST_F(ShownFrameTest, ThePointerShowsTheSizingArrowsOverTheBorders)
{
    auto f = Shown();
    TForm& form = *f->Form;
    const QSize s = form.size();
    const struct {
        QPoint At;
        Qt::CursorShape Shape;
    } cases[] = {
        { { 1, s.height() / 2 }, Qt::SizeHorCursor },
        { { s.width() / 2, 1 }, Qt::SizeVerCursor },
        { { s.width() - 3, s.height() - 3 }, Qt::SizeFDiagCursor },
        { { 200, 12 }, Qt::ArrowCursor },
    };
    for (const auto& c : cases) {
        PointerTo(form, c.At);
        EXPECT_EQ(form.cursor().shape(), c.Shape) << c.At.x() << "," << c.At.y();
        EXPECT_EQ(form.ClientWidget()->cursor().shape(), Qt::ArrowCursor) << "the client area keeps its own";
    }
    // Asked to, the frame shows the form's own cursor everywhere but on the sizing zones.
    f->Frame->setProperty("UseFormCursorInNCArea", true);
    form.ClientWidget()->setCursor(Qt::PointingHandCursor);
    PointerTo(form, { 200, 12 });
    EXPECT_EQ(form.cursor().shape(), Qt::PointingHandCursor) << "over the caption";
    PointerTo(form, { 1, s.height() / 2 });
    EXPECT_EQ(form.cursor().shape(), Qt::SizeHorCursor) << "the sizing arrows stay";
    form.ClientWidget()->unsetCursor();

    // The search window sizes nowhere: no arrows.
    auto dialog = Shown(bsDialog);
    PointerTo(*dialog->Form, { 1, dialog->Form->height() / 2 });
    EXPECT_EQ(dialog->Form->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ShownFrameTest, AnObjectHintShowsAfterThePauseAndGoesWithThePointer)
{
    auto f = Shown();
    f->Frame->setProperty("ShowObjectHint", true);
    TForm& form = *f->Form;
    const QRect close = ObjectPlace(*f->Frame, "closebutton");
    // Without a hint component no hint shows.
    PointerTo(form, close.center());
    QTest::qWait(veneer::TvnSkinHint::kDefaultHintPause + 200);
    EXPECT_EQ(f->Frame->HintWindow(), nullptr);
    PointerTo(form, { 200, 120 });
    ASSERT_TRUE(testenv::waitFor([&] { return f->Frame->ActiveObject() == -1; }));

    auto* hints = new veneer::TvnSkinHint(&form);
    f->Frame->SetSkinHint(hints);
    PointerTo(form, close.center());
    EXPECT_EQ(f->Frame->HintWindow(), nullptr) << "not before the pause";
    ASSERT_TRUE(
        testenv::waitFor([&] { return f->Frame->HintWindow() && f->Frame->HintWindow()->isVisible(); }));
    veneer::TvnSkinHintWindow* hint = f->Frame->HintWindow();
    EXPECT_EQ(hint->Text(), "Close");
    // Drawn on the skin's hint picture: its frame is as wide as the picture's around
    // the client rectangle, and the window lies below the pointer.
    const TvnDataSkinHintWindow& look = ProgramSkin().HintWindow;
    const QImage& picture = ProgramSkin().Pictures.at(look.WindowPictureIndex);
    EXPECT_GT(hint->width(), picture.width() - look.Geometry.ClientRect.width());
    EXPECT_EQ(hint->height(),
        picture.height() - look.Geometry.ClientRect.height()
            + QFontMetrics(TFont::MakeQFont(look.FontName, look.FontHeight, look.FontStyle)).height());
    EXPECT_GT(hint->y(), form.y() + close.center().y());

    // Into the client area: the hint goes.
    QCursor::setPos(form.pos() + QPoint(200, 120));
    EXPECT_TRUE(testenv::waitFor([&] { return !hint->isVisible(); }, 500));

    // A minimized form's minimize button restores, and says so.
    f->Frame->SetFrameWindowState(TvnWindowState::wsMinimized);
    EXPECT_EQ(f->Frame->ObjectHint(ObjectIndex(*f->Frame, "minbutton")), "Restore");
    EXPECT_EQ(f->Frame->ObjectHint(ObjectIndex(*f->Frame, "closebutton")), "Close");
    f->Frame->SetFrameWindowState(TvnWindowState::wsNormal);
    EXPECT_EQ(f->Frame->ObjectHint(ObjectIndex(*f->Frame, "minbutton")), "Minimize");

    // The component gone, the frame holds no reference to it.
    delete hints;
    EXPECT_EQ(f->Frame->SkinHint(), nullptr);
    EXPECT_EQ(f->Frame->HintWindow(), nullptr);
}

TEST_F(ShownFrameTest, TheObjectsTellTheApplicationOfTheMouse)
{
    auto f = Shown();
    TForm& form = *f->Form;
    QStringList heard;
    f->Frame->OnMouseEnterEvent = [&](QString id) { heard << "enter " + id; };
    f->Frame->OnMouseLeaveEvent = [&](QString id) { heard << "leave " + id; };
    f->Frame->OnMouseDownEvent = [&](QString id, int x, int y, QRect r, TMouseButton b) {
        heard << QStringLiteral("down %1 %2,%3 %4 %5").arg(id).arg(x).arg(y).arg(r.width()).arg(int(b));
    };
    f->Frame->OnMouseUpEvent = [&](QString id, int, int, QRect, TMouseButton) { heard << "up " + id; };
    const QRect minimize = ObjectPlace(*f->Frame, "minbutton");
    PointerTo(form, minimize.center());
    QTest::mousePress(&form, Qt::LeftButton, {}, minimize.center());
    // Released off the button: no up event, and no minimize.
    PointerTo(form, { 200, 120 });
    QTest::mouseRelease(&form, Qt::LeftButton, {}, { 200, 120 });
    EXPECT_EQ(heard, QStringList({ "enter minbutton", "leave minbutton" }))
        << "caption buttons keep their presses to themselves";
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsNormal);

    // A press on the caption is the caption's, with the point in frame coordinates
    // (the polling, still on from the button, finds the caption under the pointer).
    heard.clear();
    PointerTo(form, { 150, 12 });
    QTest::qWait(80);
    QTest::mousePress(&form, Qt::LeftButton, {}, { 150, 12 });
    QTest::mouseRelease(&form, Qt::LeftButton, {}, { 150, 12 });
    ASSERT_FALSE(heard.isEmpty());
    EXPECT_EQ(heard.front(), "enter caption") << heard.join(" | ").toStdString();
    EXPECT_TRUE(heard.contains(
        QStringLiteral("down caption 150,12 %1 0").arg(ObjectPlace(*f->Frame, "caption").width())))
        << heard.join(" | ").toStdString();
}
