// The button's glow window on a real X server, where translucent windows exist.
#include "framework/Form.h"
#include "platform/LayeredWindows.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "skin_controls/ControlSkin.h"
#include "support/TestEnv.h"
#include "support/XDesktop.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace ctltest;

namespace {

struct GlowForm {
    TestSkin skin;
    TForm form;
    TvnSkinButton* button;
    GlowForm()
    {
        // The virtual screen has no compositing manager: the layers are used all the same.
        platform::OverrideLayeredWindows(platform::TLayeredOverride::On);
        new TvnVeneerform(&form); // relays the skin notifications to the button
        form.SetBounds(200, 150, 300, 200);
        button = new TvnSkinButton(&form);
        button->SetSkinDataName("glowbutton");
        button->SetParent(form.ClientWidget());
        button->SetBounds(40, 30, 80, 25);
        button->SetCanFocused(false);
        button->SetSkinData(&skin.Store());
        form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void Send(QEvent::Type type)
    {
        QEvent event(type);
        QApplication::sendEvent(button, &event);
        // The glow messages are posted.
        QApplication::processEvents();
    }
};

} // namespace

TEST(ButtonGlow, ShownAroundTheHotButtonAndHiddenWhenTheMouseLeaves)
{
    GlowForm f;
    EXPECT_EQ(f.button->GlowWindow(), nullptr);
    f.Send(QEvent::Enter);
    TvnLayerWindow* glow = f.button->GlowWindow();
    ASSERT_NE(glow, nullptr);
    // The record stretches across only: the glow widens with the button (60 + 80 - 40).
    EXPECT_EQ(glow->size(), QSize(100, 40));
    EXPECT_EQ(glow->pos(), f.button->mapToGlobal(QPoint(0, 0)) - QPoint(10, 10));
    EXPECT_EQ(glow->Alpha(), 100);
    f.Send(QEvent::Leave);
    EXPECT_EQ(f.button->GlowWindow(), nullptr);
}

TEST(ButtonGlow, TheStoreSwitchAndTheButtonsOwnSwitch)
{
    GlowForm f;
    f.skin.Store().SetShowButtonGlowFrames(false);
    f.Send(QEvent::Enter);
    EXPECT_EQ(f.button->GlowWindow(), nullptr);
    f.Send(QEvent::Leave);

    // Shown for the button alone: it stays after the mouse leaves, until the skin changes.
    f.button->SetAlwaysShowLayeredFrame(true);
    f.Send(QEvent::Enter);
    ASSERT_NE(f.button->GlowWindow(), nullptr);
    f.Send(QEvent::Leave);
    EXPECT_NE(f.button->GlowWindow(), nullptr);
    f.skin.Reload(StandardRecords());
    EXPECT_EQ(f.button->GlowWindow(), nullptr);
}

TEST(ButtonGlow, TheGlowGoesWithTheButtonsForm)
{
    // A form hidden under a hot button (a progress window closing while the pointer
    // rests on its "Cancelar") leaves no glow over what comes next.
    GlowForm f;
    f.Send(QEvent::Enter);
    QPointer<TvnLayerWindow> glow = f.button->GlowWindow();
    ASSERT_NE(glow, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(glow));
    testenv::KeepScreen(QStringLiteral("button-glow"));
    f.form.Hide();
    EXPECT_EQ(f.button->GlowWindow(), nullptr);
    EXPECT_TRUE(glow.isNull() || !glow->isVisible());
    // A glow asked for before the form went (the messages are posted) does not come back.
    f.form.Show();
    f.button->Perform(TvnSkinButton::kShowGlow);
    f.button->hide();
    f.button->Perform(TvnSkinButton::kShowGlow);
    EXPECT_EQ(f.button->GlowWindow(), nullptr);
}
