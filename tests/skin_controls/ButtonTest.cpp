// The skinned button driven as a user drives it: mouse, keys, focus, timers; and the
// face each state shows.
#include "skin/controls/vnSkinCtrls/Button.h"

#include "ControlSkin.h"
#include "framework/Form.h"
#include "framework/stdctrls/Edit.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace ctltest;
using vnctrls::TvnButtonFace;
using vnctrls::TvnFaceChoice;

namespace {

// An active form holding the buttons of a test; its frame component relays the skin
// notifications to them.
struct ButtonForm {
    TForm form;
    ButtonForm()
    {
        new TvnVeneerform(&form);
        form.SetBounds(100, 100, 400, 300);
        form.Show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    TvnSkinButton* Add(int x, int y, TvnSkinData* skin = nullptr, const QString& record = "button")
    {
        auto* button = new TvnSkinButton(&form);
        button->SetSkinDataName(record);
        button->SetParent(form.ClientWidget());
        button->SetBounds(x, y, 80, 25);
        if (skin) button->SetSkinData(skin);
        button->show();
        return button;
    }
};

void Hover(QWidget* w)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w, &enter);
}

bool HasColor(const QImage& image, QRgb color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color) return true;
    return false;
}

} // namespace

TEST(ButtonFaces, RulesAreTriedInOrder)
{
    vnctrls::TvnButtonFaces faces;
    faces.Normal = QRect(0, 0, 10, 10);
    faces.Hot = QRect(10, 0, 10, 10);
    faces.Pressed = QRect(20, 0, 10, 10);
    faces.Focused = QRect(30, 0, 10, 10);
    using S = vnctrls::TvnButtonState;
    auto face = [&](S s) { return vnctrls::ChooseFace(s, faces); };

    EXPECT_EQ(face(S {}), (TvnFaceChoice { TvnButtonFace::Normal, false, false }));
    // Without a disabled face a disabled button goes on with the other rules.
    EXPECT_EQ(
        face(S { .Enabled = false, .MouseIn = true }), (TvnFaceChoice { TvnButtonFace::Hot, true, false }));
    faces.Disabled = QRect(40, 0, 10, 10);
    EXPECT_EQ(face(S { .Enabled = false, .Down = true, .MouseIn = true }).Face, TvnButtonFace::Disabled);
    // Down shows pressed only under the mouse, or focused while the mouse is not held.
    EXPECT_EQ(
        face(S { .Down = true, .MouseIn = true }), (TvnFaceChoice { TvnButtonFace::Pressed, true, true }));
    EXPECT_EQ(face(S { .Down = true, .MouseDown = true }).Face, TvnButtonFace::Normal);
    EXPECT_EQ(face(S { .Down = true, .Focused = true }).Face, TvnButtonFace::Pressed);
    EXPECT_EQ(face(S { .Down = true, .Focused = true, .MouseDown = true }).Face, TvnButtonFace::Focused);
    EXPECT_EQ(face(S { .Down = true, .GroupIndex = 2 }).Face, TvnButtonFace::Pressed);
    // The focused face gives way to the hot one while an animation runs.
    EXPECT_EQ(
        face(S { .Focused = true, .Animating = true }), (TvnFaceChoice { TvnButtonFace::Hot, true, false }));
    EXPECT_EQ(face(S { .CrossFade = true, .Morph = 1 }).Face, TvnButtonFace::Hot);
    EXPECT_EQ(face(S { .CrossFade = true, .Morph = 0.8 }).Face, TvnButtonFace::Normal);
}

TEST(ButtonFaces, EmptyFacesFallBackAndGlyphCellsFollowTheState)
{
    TestSkin skin;
    const auto& store = skin.Store();
    const auto faces = vnctrls::ButtonFaces(
        *store.ControlSkinAs<TvnDataSkinButtonControl>(store.FindControlSkin("plainbutton")));
    EXPECT_EQ(faces.Hot, faces.Normal);
    EXPECT_EQ(faces.Pressed, faces.Normal);
    EXPECT_EQ(faces.DisabledColor, clr::clGray) << "a disabled colour equal to the normal one is grey";
    const auto hotOnly = vnctrls::ButtonFaces(
        *store.ControlSkinAs<TvnDataSkinButtonControl>(store.FindControlSkin("hotonly")));
    EXPECT_EQ(hotOnly.Pressed, hotOnly.Hot);
    EXPECT_NE(hotOnly.Hot, hotOnly.Normal);

    EXPECT_EQ(vnctrls::GlyphIndex(true, true, true, 3), 3);
    EXPECT_EQ(vnctrls::GlyphIndex(true, true, true, 2), 1);
    EXPECT_EQ(vnctrls::GlyphIndex(true, true, false, 4), 4);
    EXPECT_EQ(vnctrls::GlyphIndex(false, false, false, 2), 2);
    EXPECT_EQ(vnctrls::GlyphIndex(false, false, false, 1), 1);
    EXPECT_EQ(
        vnctrls::AnimationFrame(QRect(0, 50, 120, 20), 3, 2, QRect(0, 0, 40, 20)), QRect(40, 50, 40, 20));
    EXPECT_EQ(vnctrls::AnimationFrame(QRect(0, 50, 40, 60), 3, 3, QRect(0, 0, 40, 20)), QRect(0, 90, 40, 20));
}

TEST(Button, EachStateShowsItsFaceAndCaptionColour)
{
    TestSkin skin;
    ButtonForm f;
    TvnSkinButton* button = f.Add(10, 10, &skin.Store());
    button->SetCaption("Localizar");
    EXPECT_EQ(button->size(), QSize(80, 20)) << "the record stretches across only";
    EXPECT_EQ(Grab(button).pixel(1, 1), kBtnNormal);
    Hover(button);
    EXPECT_EQ(Grab(button).pixel(1, 1), kBtnHot);
    button->SetDown(true);
    EXPECT_EQ(Grab(button).pixel(1, 1), kBtnDown);
    EXPECT_TRUE(HasColor(Grab(button), ToQColor(kButtonHotText).rgba()));

    // No disabled face: the normal face, the caption in grey.
    button->SetDown(false);
    button->SetEnabled(false);
    const QImage disabled = Grab(button);
    EXPECT_EQ(disabled.pixel(1, 1), kBtnNormal);
    EXPECT_TRUE(HasColor(disabled, qRgb(128, 128, 128)));
    EXPECT_FALSE(HasColor(disabled, qRgb(0, 0, 0)));

    TvnSkinButton* plain = f.Add(10, 40, &skin.Store(), "plainbutton");
    Hover(plain);
    EXPECT_EQ(Grab(plain).pixel(1, 1), kBtnNormal);
    TvnSkinButton* hotOnly = f.Add(10, 70, &skin.Store(), "hotonly");
    Hover(hotOnly);
    hotOnly->SetDown(true);
    EXPECT_EQ(Grab(hotOnly).pixel(1, 1), kBtnHot);
}

TEST(Button, PressMoveOutReleaseGivesNoClickAndComingBackGivesOne)
{
    for (bool skinned : { false, true }) {
        SCOPED_TRACE(skinned ? "skinned" : "default look");
        TestSkin skin;
        ButtonForm f;
        TvnSkinButton* button = f.Add(10, 10, skinned ? &skin.Store() : nullptr);
        int clicks = 0;
        button->OnClick = [&](QObject*) { ++clicks; };
        const QPoint inside(20, 10), outside(200, 10);

        QTest::mousePress(button, Qt::LeftButton, {}, inside);
        EXPECT_TRUE(button->Down());
        QTest::mouseMove(button, outside);
        QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
        EXPECT_EQ(clicks, 0);
        EXPECT_FALSE(button->Down());

        QTest::mousePress(button, Qt::LeftButton, {}, inside);
        QTest::mouseMove(button, outside);
        QTest::mouseMove(button, inside);
        QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
        EXPECT_EQ(clicks, 1);
        EXPECT_TRUE(button->hasFocus()) << "a press takes the focus";
    }
}

TEST(Button, RepeatModeClicksWhileHeld)
{
    ButtonForm f;
    TvnSkinButton* button = f.Add(10, 10);
    button->SetRepeatMode(true);
    button->SetRepeatInterval(100);
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks, 0) << "the first repeat waits";
    QTest::qWait(1000);
    const int fromTimer = clicks;
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
    // Half a second of delay, then one click per 100 ms: about five (timers on a busy
    // machine run late, never early).
    EXPECT_GE(fromTimer, 2);
    EXPECT_LE(fromTimer, 7);
    EXPECT_EQ(clicks, fromTimer + 1);
    QTest::qWait(300);
    EXPECT_EQ(clicks, fromTimer + 1) << "the repeat stops on release";
}

TEST(Button, MarginBelowMinusOneKeepsTheOldValue)
{
    TvnSkinButton button;
    button.SetMargin(4);
    button.SetMargin(-2);
    EXPECT_EQ(button.Margin(), 4);
    button.SetMargin(-1);
    EXPECT_EQ(button.Margin(), -1);
}

TEST(Button, DialogKeysPressTheDefaultAndCancelButtons)
{
    ButtonForm f;
    TEdit edit(&f.form);
    edit.SetParent(f.form.ClientWidget());
    edit.SetBounds(10, 100, 100, 20);
    TvnSkinButton* ok = f.Add(10, 10);
    TvnSkinButton* cancel = f.Add(100, 10);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    int okClicks = 0, cancelClicks = 0;
    ok->OnClick = [&](QObject*) { ++okClicks; };
    cancel->OnClick = [&](QObject*) { ++cancelClicks; };
    edit.LineEdit()->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return edit.LineEdit()->hasFocus(); }));
    EXPECT_TRUE(ok->Active());

    QTest::keyClick(edit.LineEdit(), Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(cancelClicks, 0);
    QTest::keyClick(edit.LineEdit(), Qt::Key_Escape);
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_EQ(f.form.ModalResult(), mrCancel);

    QTest::keyClick(edit.LineEdit(), Qt::Key_Return);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(f.form.ModalResult(), mrOk);

    // Another button with the focus is the one Enter presses.
    cancel->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return cancel->hasFocus(); }));
    EXPECT_FALSE(ok->Active());
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(cancelClicks, 2);
}

TEST(Button, SpaceAndTheAcceleratorClick)
{
    ButtonForm f;
    TvnSkinButton* button = f.Add(10, 10);
    button->SetCaption("&Localizar");
    TvnSkinButton* other = f.Add(100, 10);
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    button->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return button->hasFocus(); }));
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks, 0);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(clicks, 1);

    other->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return other->hasFocus(); }));
    QTest::keyClick(other, Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(button->hasFocus());
}

TEST(Button, AStickyGroupKeepsOneButtonDown)
{
    ButtonForm f;
    TvnSkinButton* a = f.Add(10, 10);
    TvnSkinButton* b = f.Add(100, 10);
    TvnSkinButton* c = f.Add(190, 10);
    TvnSkinButton* outside = f.Add(10, 60);
    for (TvnSkinButton* button : { a, b, c })
        button->SetGroupIndex(1);
    outside->SetGroupIndex(2);
    outside->SetDown(true);
    EXPECT_FALSE(a->CanFocused()) << "sticky buttons take no focus";
    int clicks = 0;
    b->OnClick = [&](QObject*) { ++clicks; };

    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(c->Down());
    EXPECT_TRUE(outside->Down()) << "another group";
    EXPECT_EQ(clicks, 1) << "a sticky button clicks when it goes down";
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(b->Down()) << "without AllowAllUp a second click keeps it down";
    EXPECT_EQ(clicks, 1);

    for (TvnSkinButton* button : { a, b, c })
        button->SetAllowAllUp(true);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(clicks, 2);
}

TEST(Button, CrossFadeReachesTheHotFaceInFiveSteps)
{
    TestSkin skin;
    ButtonForm f;
    TvnSkinButton* button = f.Add(10, 10, &skin.Store(), "morphbutton");
    Hover(button);
    EXPECT_EQ(button->MorphFactor(), 0);
    EXPECT_TRUE(button->HasTimer(1));
    std::vector<double> factors;
    for (int step = 0; step < 5; ++step) {
        button->Perform(msg::WM_TIMER, 1, 0);
        factors.push_back(button->MorphFactor());
        if (step == 0) {
            const QRgb first = Grab(button).pixel(1, 1);
            EXPECT_NE(first, kBtnHot);
            EXPECT_NE(first, kBtnNormal);
        }
    }
    EXPECT_EQ(factors, (std::vector<double> { 0.2, 0.4, 0.6, 0.8, 1.0 }));
    EXPECT_EQ(Grab(button).pixel(1, 1), kBtnHot);
    button->Perform(msg::WM_TIMER, 1, 0);
    EXPECT_FALSE(button->HasTimer(1)) << "the fade timer goes at the end";

    // Half-way back the two faces are blended.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    button->Perform(msg::WM_TIMER, 1, 0);
    button->Perform(msg::WM_TIMER, 1, 0);
    const QRgb mid = Grab(button).pixel(1, 1);
    EXPECT_NE(mid, kBtnHot);
    EXPECT_NE(mid, kBtnNormal);
}

TEST(Button, DefaultLookShowsHotAndPressedColours)
{
    ButtonForm f;
    TvnSkinButton* button = f.Add(10, 10);
    button->SetCanFocused(false);
    EXPECT_EQ(Grab(button).pixel(5, 5), ToQColor(clr::clBtnFace).rgba());
    Hover(button);
    EXPECT_EQ(Grab(button).pixel(5, 5), ToQColor(0xD2BDB6).rgba());
    EXPECT_EQ(Grab(button).pixel(0, 5), ToQColor(0x800000).rgba());
    button->SetDown(true);
    EXPECT_EQ(Grab(button).pixel(5, 5), ToQColor(0xB59385).rgba());
}

TEST(Button, FrameAnimationReplacesTheHotFaceThenTheNormalOne)
{
    TestSkin skin;
    ButtonForm f;
    TvnSkinButton* button = f.Add(10, 10, &skin.Store(), "animbutton");
    button->SetCanFocused(false);
    Hover(button);
    EXPECT_TRUE(button->HasTimer(2));
    std::vector<QRgb> seen { Grab(button).pixel(1, 1) };
    for (int tick = 0; tick < 3; ++tick) {
        button->Perform(msg::WM_TIMER, 2, 0);
        seen.push_back(Grab(button).pixel(1, 1));
    }
    EXPECT_EQ(seen, (std::vector<QRgb> { kFrames[0], kFrames[1], kFrames[2], kBtnHot }));
    EXPECT_FALSE(button->HasTimer(2));

    // Backwards from the last frame, over the normal face.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    seen = { Grab(button).pixel(1, 1) };
    for (int tick = 0; tick < 3; ++tick) {
        button->Perform(msg::WM_TIMER, 2, 0);
        seen.push_back(Grab(button).pixel(1, 1));
    }
    EXPECT_EQ(seen, (std::vector<QRgb> { kFrames[2], kFrames[1], kFrames[0], kBtnNormal }));

    // A press stops it.
    Hover(button);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button->HasTimer(2));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST(Button, WithoutSkinSizeAFixedSkinStretchesToAnySize)
{
    TestSkin skin;
    ButtonForm f;
    TvnSkinButton* button = f.Add(10, 10, &skin.Store());
    button->SetUseSkinSize(false);
    button->SetBounds(10, 10, 100, 40);
    EXPECT_EQ(button->size(), QSize(100, 40));
    EXPECT_EQ(button->CurrentGeometry().ClientRect, QRect(4, 2, 92, 36));
    const QImage look = Grab(button);
    EXPECT_EQ(look.pixel(1, 38), kBtnNormal);
    EXPECT_EQ(look.pixel(98, 1), kBtnNormal);
    button->SetUseSkinSize(true);
    EXPECT_EQ(button->size(), QSize(100, 20));
}

TEST(Button, OnPaintCanTakeOverTheCaption)
{
    TestSkin skin;
    ButtonForm f;
    TvnSkinButton* button = f.Add(10, 10, &skin.Store());
    button->SetCaption("Localizar");
    int painted = 0;
    QRect client;
    button->OnPaint = [&](QObject*, QPainter*, bool& drawDefault, bool hot, bool pressed, QRect r) {
        ++painted;
        EXPECT_FALSE(hot);
        EXPECT_FALSE(pressed);
        client = r;
        drawDefault = false;
    };
    const QImage look = Grab(button);
    EXPECT_GE(painted, 1);
    EXPECT_EQ(client, QRect(4, 2, 72, 16));
    EXPECT_FALSE(HasColor(look, qRgb(0, 0, 0))) << "no caption";
    button->OnPaint = nullptr;
    EXPECT_TRUE(HasColor(Grab(button), qRgb(0, 0, 0)));
}

// Composed faces are kept per record, size and state: a state change shows the other
// face, coming back reuses the first, and a skin change drops them all.
TEST(ButtonFaceCache, KeyedByStateAndDroppedOnSkinChange)
{
    TestSkin skin;
    ButtonForm f;
    TvnSkinButton* button = f.Add(10, 10, &skin.Store());
    EXPECT_EQ(Grab(button).pixel(1, 1), kBtnNormal);
    EXPECT_EQ(button->CachedFaceCount(), 1);
    Hover(button);
    EXPECT_EQ(Grab(button).pixel(1, 1), kBtnHot);
    EXPECT_EQ(button->CachedFaceCount(), 2);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(Grab(button).pixel(1, 1), kBtnNormal);
    EXPECT_EQ(button->CachedFaceCount(), 2) << "the normal face is drawn from the cache";
    button->SetBounds(10, 10, 120, 20);
    EXPECT_EQ(Grab(button).pixel(1, 1), kBtnNormal);
    EXPECT_EQ(button->CachedFaceCount(), 1) << "another size drops the faces of the old one";

    // The same record name now draws its normal look from the pressed face's rectangle.
    skin.Reload("[SKINCONTROLS]\r\ncount=1\r\n0=button:button\r\n\r\n"
                "[button]\r\npictureindex=0\r\nskinrect=80,120,120,140\r\nlefttoppoint=10,0\r\n"
                "righttoppoint=30,0\r\nclientrect=4,2,36,18\r\n\r\n");
    EXPECT_EQ(button->CachedFaceCount(), 0);
    EXPECT_EQ(Grab(button).pixel(1, 1), kBtnDown);

    // Without the cache every paint composes anew and shows the same.
    button->SetFaceCacheEnabled(false);
    EXPECT_EQ(Grab(button).pixel(1, 1), kBtnDown);
    EXPECT_EQ(button->CachedFaceCount(), 0);
}
