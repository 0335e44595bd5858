// Check and radio boxes: the checked state's rules, groups, the mouse and keys, the check
// images of each state and the framed look's cross-fade.
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"

#include "ControlSkin.h"
#include "framework/Form.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace ctltest;
using vnctrls::TvnCheckImageChoice;

namespace {

struct BoxForm {
    TForm form;
    BoxForm()
    {
        form.SetBounds(100, 100, 400, 300);
        form.Show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    TvnSkinCheckRadioBox* Add(int x, int y, TvnSkinData* skin = nullptr)
    {
        auto* box = new TvnSkinCheckRadioBox(&form);
        box->SetParent(form.ClientWidget());
        box->SetBounds(x, y, 150, 25);
        if (skin) box->SetSkinData(skin);
        box->show();
        return box;
    }
};

} // namespace

TEST(CheckRadioBox, BoxesOfOneGroupUncheckEachOtherAndBothRaiseOnClick)
{
    BoxForm f;
    TvnSkinCheckRadioBox* a = f.Add(10, 10);
    TvnSkinCheckRadioBox* b = f.Add(10, 40);
    TvnSkinCheckRadioBox* free = f.Add(10, 70);
    QStringList clicks;
    a->OnClick = [&](QObject*) { clicks << "a"; };
    b->OnClick = [&](QObject*) { clicks << "b"; };
    free->OnClick = [&](QObject*) { clicks << "free"; };

    // Group 0: independent.
    a->SetChecked(true);
    free->SetChecked(true);
    EXPECT_TRUE(a->Checked());
    a->SetGroupIndex(3);
    b->SetGroupIndex(3);
    clicks.clear();
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(free->Checked());
    EXPECT_EQ(clicks, QStringList({ "a", "b" }));
}

TEST(CheckRadioBox, ACheckedRadioBoxStaysCheckedWithoutOnClick)
{
    BoxForm f;
    TvnSkinCheckRadioBox* radio = f.Add(10, 10);
    radio->SetRadio(true);
    int clicks = 0;
    radio->OnClick = [&](QObject*) { ++clicks; };
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(10, 12));
    EXPECT_TRUE(radio->Checked());
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(10, 12));
    EXPECT_TRUE(radio->Checked());
    EXPECT_EQ(clicks, 1);
    // Unchecked by the program: no OnClick for a radio box.
    radio->SetChecked(false);
    EXPECT_EQ(clicks, 1);
}

TEST(CheckRadioBox, PressInsideReleaseOutsideDoesNotToggle)
{
    BoxForm f;
    TvnSkinCheckRadioBox* box = f.Add(10, 10);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(10, 12));
    QTest::mouseMove(box, QPoint(300, 12));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(300, 12));
    EXPECT_FALSE(box->Checked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 12));
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->hasFocus());
}

TEST(CheckRadioBox, GrayedStateRules)
{
    BoxForm f;
    TvnSkinCheckRadioBox* box = f.Add(10, 10);
    box->SetAllowGrayed(true);
    int clicks = 0;
    box->OnClick = [&](QObject*) { ++clicks; };
    // Clicks cycle unchecked, grayed, checked, unchecked.
    const TCheckBoxState cycle[] = { cbGrayed, cbChecked, cbUnchecked };
    for (TCheckBoxState expected : cycle) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 12));
        EXPECT_EQ(box->State(), expected);
        EXPECT_EQ(box->Checked(), expected == cbChecked);
    }
    EXPECT_EQ(clicks, 3);
    box->SetState(cbGrayed);
    box->SetChecked(false);
    EXPECT_EQ(box->State(), cbGrayed) << "a grayed box set to unchecked stays grayed";
    box->SetChecked(true);
    EXPECT_EQ(box->State(), cbChecked);
}

TEST(CheckRadioBox, SpaceAndAcceleratorToggle)
{
    BoxForm f;
    TvnSkinCheckRadioBox* box = f.Add(10, 10);
    box->SetCaption("&Ampliação");
    TvnSkinCheckRadioBox* other = f.Add(10, 40);
    box->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return box->hasFocus(); }));
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(box->Checked());
    other->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return other->hasFocus(); }));
    QTest::keyClick(other, Qt::Key_A, Qt::AltModifier);
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(box->hasFocus());
}

TEST(CheckImages, EachStateTakesItsImage)
{
    vnctrls::TvnCheckImages images;
    images.Check = QRect(0, 0, 10, 10);
    images.Uncheck = QRect(10, 0, 10, 10);
    images.ActiveCheck = QRect(20, 0, 10, 10);
    images.ActiveUncheck = QRect(30, 0, 10, 10);
    images.UnenabledCheck = QRect(40, 0, 10, 10);
    images.UnenabledUncheck = QRect(50, 0, 10, 10);
    auto choose = [&](bool enabled, bool in, bool checked, bool grayed) {
        return vnctrls::ChooseCheckImage(images, enabled, in, checked, grayed);
    };
    EXPECT_EQ(choose(true, false, true, false), (TvnCheckImageChoice { images.Check, false }));
    EXPECT_EQ(choose(true, true, false, false), (TvnCheckImageChoice { images.ActiveUncheck, false }));
    EXPECT_EQ(choose(false, true, false, false), (TvnCheckImageChoice { images.UnenabledUncheck, false }));
    // Grayed without a grayed image: the check image of the state, lightened.
    EXPECT_EQ(choose(true, false, false, true), (TvnCheckImageChoice { images.Check, true }));
    EXPECT_EQ(choose(true, true, false, true), (TvnCheckImageChoice { images.ActiveCheck, true }));
    EXPECT_EQ(choose(false, false, false, true), (TvnCheckImageChoice { images.UnenabledCheck, true }));
    images.Grayed = QRect(60, 0, 10, 10);
    EXPECT_EQ(choose(true, true, false, true), (TvnCheckImageChoice { images.Grayed, false }));
    images.ActiveGrayed = QRect(70, 0, 10, 10);
    EXPECT_EQ(choose(true, true, false, true), (TvnCheckImageChoice { images.ActiveGrayed, false }));
    EXPECT_EQ(choose(true, false, false, true), (TvnCheckImageChoice { images.Grayed, false }));
}

TEST(CheckRadioBox, FlatLookDrawsTheCheckImageOverTheParent)
{
    TestSkin skin;
    BoxForm f;
    TvnSkinCheckRadioBox* box = f.Add(10, 10, &skin.Store());
    box->SetCaption("Capa");
    EXPECT_EQ(box->size(), QSize(150, 25)) << "a flat box keeps its size";
    // The check image (10 x 10) at x = 3, y = 12 - 5; its white surround is transparent.
    box->SetChecked(true);
    QImage look = Grab(box);
    EXPECT_EQ(look.pixel(3 + 4, 7 + 4), qRgb(0, 0, 0));
    EXPECT_EQ(look.pixel(3, 7), ToQColor(clr::clBtnFace).rgba()) << "the form shows through";
    box->SetState(cbGrayed);
    look = Grab(box);
    EXPECT_EQ(look.pixel(3 + 4, 7 + 4), qRgb(128, 128, 128)) << "black lightened half-way to white";
    box->SetState(cbUnchecked);
    EXPECT_EQ(Grab(box).pixel(3 + 4, 7 + 4), QColor(Qt::gray).rgba()) << "the unchecked image";
}

TEST(CheckRadioBox, FramedLookTakesTheSkinSizeAndFadesToTheHotFace)
{
    TestSkin skin;
    BoxForm f;
    TvnSkinCheckRadioBox* box = f.Add(10, 10, &skin.Store());
    box->SetFlat(false);
    box->SetBounds(10, 10, 150, 40);
    EXPECT_EQ(box->size(), QSize(150, 20)) << "the record grows across only";
    EXPECT_EQ(Grab(box).pixel(100, 1), kBtnNormal);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(box, &enter);
    for (int step = 0; step < 5; ++step)
        box->Perform(msg::WM_TIMER, 1, 0);
    EXPECT_EQ(box->MorphFactor(), 1.0);
    EXPECT_EQ(Grab(box).pixel(100, 1), kBtnHot);
}

TEST(CheckRadioBox, AFlatBoxInASkinnedGroupBoxShowsTheBoxsTileAndRepaintsWithIt)
{
    TestSkin skin;
    TvnSkinGroupBox box;
    box.SetSkinData(&skin.Store());
    box.SetBounds(0, 0, 300, 120);
    TvnSkinCheckRadioBox check;
    check.SetParent(&box);
    check.SetSkinData(&skin.Store());
    check.SetBounds(20, 40, 140, 24);
    const QImage look = Grab(&check);
    EXPECT_EQ(look.pixel(139, 0), kGroupClient);
    EXPECT_EQ(look.pixel(0, 23), kGroupClient);
}
