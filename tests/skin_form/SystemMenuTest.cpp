// The frame's system menu: its default items for each window state, their captions
// from the store's resource strings, and the menu a right click on the caption opens.
#include "skin/form/Veneerform/SystemMenu.h"

#include "FrameFixture.h"
#include "framework/Application.h"
#include "platform/Keys.h"
#include "skin/menus/vnSkinMenus/MenuEngine.h"

#include <QFontMetrics>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace frametest;
using namespace veneer;

namespace {

// The names of a list of system-menu entries or of menu items.
template <class Items> QStringList Names(const Items& items)
{
    QStringList names;
    for (const auto& item : items)
        names << item.Name;
    return names;
}

} // namespace

TEST(SystemMenu, TheDefaultItemsFollowTheWindowState)
{
    const TvnBorderIcons all
        = veneer::biMinimize | veneer::biMaximize | veneer::biRollUp | veneer::biMinimizeToTray;
    TvnSystemMenuState s;
    s.Icons = all;
    EXPECT_EQ(Names(DefaultSystemMenu(s, nullptr)),
        QStringList({ "VNF_MINITEM", "VNF_MAXITEM", "VNF_ROLLUP", "VNF_MINTOTRAY", "-", "VNF_CLOSE" }));
    s.Minimized = true;
    EXPECT_EQ(Names(DefaultSystemMenu(s, nullptr)),
        QStringList({ "VNF_MAXITEM", "VNF_RESTORE", "VNF_MINTOTRAY", "-", "VNF_CLOSE" }))
        << "no minimize item, no roll-up while minimized";
    s = {};
    s.Icons = all;
    s.Maximized = true;
    EXPECT_EQ(Names(DefaultSystemMenu(s, nullptr)),
        QStringList({ "VNF_MINITEM", "VNF_RESTORE", "VNF_ROLLUP", "VNF_MINTOTRAY", "-", "VNF_CLOSE" }));
    s = {};
    s.Icons = all;
    s.RolledUp = true;
    EXPECT_EQ(Names(DefaultSystemMenu(s, nullptr)),
        QStringList({ "VNF_MINITEM", "VNF_MAXITEM", "VNF_RESTORE", "VNF_MINTOTRAY", "-", "VNF_CLOSE" }));
    // The program's forms: minimize and close only; nothing at all but close without icons.
    s = {};
    s.Icons = veneer::biMinimize;
    EXPECT_EQ(Names(DefaultSystemMenu(s, nullptr)), QStringList({ "VNF_MINITEM", "-", "VNF_CLOSE" }));
    s.Icons = {};
    EXPECT_EQ(Names(DefaultSystemMenu(s, nullptr)), QStringList({ "VNF_CLOSE" }));
}

TEST(SystemMenu, CaptionsComeFromTheResourceStringsElseTheBuiltInOnes)
{
    TvnSystemMenuState s;
    s.Icons = veneer::biMinimize;
    const auto builtIn = DefaultSystemMenu(s, nullptr);
    EXPECT_EQ(builtIn.front().Caption, "Mi&nimize");
    EXPECT_EQ(builtIn.back().Caption, "&Close");
    EXPECT_EQ(builtIn.back().ShortCut, "Alt+F4");
    TvnResourceStrData strings(nullptr);
    strings.SetResStrings({ "MI_MINCAPTION=Mi&nimizar", "MI_CLOSECAPTION=&Fechar" });
    const auto own = DefaultSystemMenu(s, &strings);
    EXPECT_EQ(own.front().Caption, "Mi&nimizar");
    EXPECT_EQ(own.back().Caption, "&Fechar");
}

using SystemMenuOnAFrame = FramedFormsTest;

TEST_F(SystemMenuOnAFrame, ARightClickOnTheCaptionOpensItUnlessTheSystemMenuIsDisabled)
{
    const auto f = Shown();
    QTest::mouseClick(f->Form.get(), Qt::RightButton, {}, QPoint(200, 12));
    vnmenus::TvnMenuEngine* engine = f->Frame->MenuEngine();
    ASSERT_NE(engine, nullptr);
    ASSERT_TRUE(engine->IsOpen());
    QStringList captions;
    for (const auto& item : engine->Items())
        captions << item.Caption;
    EXPECT_EQ(captions, QStringList({ "Mi&nimize", "-", "&Close" }));
    // Choosing minimize turns the form into a bar.
    engine->Chosen(engine->Items().front());
    EXPECT_FALSE(engine->IsOpen());
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsMinimized);
    EXPECT_EQ(f->Form->size(), QSize(200, 28));
    f->Frame->SetFrameWindowState(TvnWindowState::wsNormal);

    // A right click elsewhere, or with the system menu disabled, opens nothing.
    QTest::mouseClick(f->Form.get(), Qt::RightButton, {}, QPoint(200, 120));
    EXPECT_FALSE(engine->IsOpen());
    f->Frame->setProperty("DisableSystemMenu", true);
    QTest::mouseClick(f->Form.get(), Qt::RightButton, {}, QPoint(200, 12));
    EXPECT_FALSE(engine->IsOpen());
}

TEST_F(SystemMenuOnAFrame, TheOpenMenuClosesOnTheSkinsCloseMessageADeactivationAndAClick)
{
    const auto f = Shown();
    const auto openMenu = [&] {
        QTest::mouseClick(f->Form.get(), Qt::RightButton, {}, QPoint(200, 12));
        return f->Frame->MenuEngine() && f->Frame->MenuEngine()->IsOpen();
    };
    ASSERT_TRUE(openMenu());
    f->Form->Perform(msg::SKINMSG_CLOSE_MENUS, 0, 0);
    EXPECT_FALSE(f->Frame->MenuEngine()->IsOpen());
    ASSERT_TRUE(openMenu());
    f->Form->Perform(msg::WM_NCACTIVATE, 0, 0);
    EXPECT_FALSE(f->Frame->MenuEngine()->IsOpen());
    f->Form->Perform(msg::WM_NCACTIVATE, 1, 0);
    ASSERT_TRUE(openMenu());
    f->Form->Perform(msg::WM_LBUTTONDOWN, 0, 0);
    EXPECT_FALSE(f->Frame->MenuEngine()->IsOpen());
}

TEST_F(SystemMenuOnAFrame, AltSpaceOpensItBelowTheCaptionsLeftEnd)
{
    const auto f = Shown();
    QTest::keyClick(f->Form.get(), Qt::Key_Space, Qt::AltModifier);
    vnmenus::TvnMenuEngine* engine = f->Frame->MenuEngine();
    ASSERT_NE(engine, nullptr);
    ASSERT_TRUE(engine->IsOpen());
    EXPECT_EQ(engine->Items().back().Caption, "&Close");
    engine->CloseMenus();
    // Disabled, the system menu opens from no key either.
    f->Frame->setProperty("DisableSystemMenu", true);
    QTest::keyClick(f->Form.get(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_FALSE(engine->IsOpen());
}

TEST_F(SystemMenuOnAFrame, AKeyPassesTheFramesShortCutHandlerThenAltSpaceThenTheForms)
{
    QStringList order;
    // Who saw Space and K (the modifiers pressed with them pass the same way).
    const auto note = [&](const char* who, int key) {
        if (key == vk::VK_SPACE || key == 'K')
            order << QStringLiteral("%1 %2").arg(QLatin1String(who)).arg(key);
    };
    bool frameTakes = false;
    // The form's own handlers, set before the frame hooks in.
    auto form = std::make_unique<TForm>();
    form->SetBounds(100, 80, 416, 240);
    form->OnShortCut = [&](int key, TShiftState, bool&) { note("form", key); };
    form->OnKeyDown = [&](QObject*, int& key, TShiftState) { note("keydown", key); };
    auto* frame = new TvnVeneerform(form.get());
    frame->SetBorderIcons(veneer::biSystemMenu | veneer::biMinimize);
    frame->SetSkinData(&ProgramSkin());
    frame->OnShortCut = [&](int key, TShiftState, bool& handled) {
        note("frame", key);
        handled = frameTakes && (key == vk::VK_SPACE || key == 'K');
    };
    form->Show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    QTest::keyClick(form.get(), Qt::Key_Space, Qt::AltModifier);
    vnmenus::TvnMenuEngine* engine = frame->MenuEngine();
    ASSERT_NE(engine, nullptr);
    EXPECT_TRUE(engine->IsOpen()) << "Alt+Space opens the system menu";
    EXPECT_EQ(order, QStringList({ "frame 32" })) << "and goes no further";
    engine->CloseMenus();

    order.clear();
    QTest::keyClick(form.get(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(order, QStringList({ "frame 75", "form 75", "keydown 75" }))
        << "the frame's handler, the form's own, then the key goes on";

    // Taken by the frame's handler, a key goes nowhere else: not even Alt+Space.
    frameTakes = true;
    order.clear();
    QTest::keyClick(form.get(), Qt::Key_Space, Qt::AltModifier);
    QTest::keyClick(form.get(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_FALSE(engine->IsOpen());
    EXPECT_EQ(order, QStringList({ "frame 32", "frame 75" }));

    // Without the frame the form's own handler is the form's again.
    delete frame;
    order.clear();
    QTest::keyClick(form.get(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(order, QStringList({ "form 75", "keydown 75" }));
}

namespace {

vnmenus::TvnMenuItem Item(const QString& name, const QString& caption = {})
{
    vnmenus::TvnMenuItem item;
    item.Name = name;
    item.Caption = caption.isEmpty() ? name : caption;
    return item;
}

} // namespace

TEST(SystemMenu, AnOwnMenuTakesTheDefaultItemsAtTheTopAndCloseAtTheEnd)
{
    // Its own stale copies of default items go; separators and its items stay in order.
    const vnmenus::TvnMenuItems own = { Item("VNF_CLOSE", "old close"), Item("mnuSobre"), Item("", "-"),
        Item("VNF_MINITEM", "old minimize"), Item("mnuAjuda") };
    const vnmenus::TvnMenuItems defaults = { Item("VNF_MINITEM"), Item("VNF_MAXITEM"), Item("VNF_RESTORE"),
        Item("VNF_ROLLUP"), Item("VNF_MINTOTRAY"), Item("", "-"), Item("VNF_CLOSE") };
    const vnmenus::TvnMenuItems merged = MergeSystemMenu(own, defaults);
    EXPECT_EQ(Names(merged),
        QStringList({ "VNF_MINITEM", "VNF_RESTORE", "VNF_MAXITEM", "VNF_ROLLUP", "VNF_MINTOTRAY", "mnuSobre",
            "", "mnuAjuda", "VNF_CLOSE" }));
    EXPECT_EQ(merged.front().Caption, "VNF_MINITEM") << "the frame's item, not the menu's old copy";
    EXPECT_EQ(merged.back().Caption, "VNF_CLOSE");
    // Only the items the state allows come in.
    EXPECT_EQ(Names(MergeSystemMenu(own, { Item("VNF_CLOSE") })),
        QStringList({ "mnuSobre", "", "mnuAjuda", "VNF_CLOSE" }));
}

TEST_F(SystemMenuOnAFrame, AnAssignedSystemMenuOpensMergedOrAsItIs)
{
    const auto f = Shown();
    TvnSkinPopupMenu own;
    bool about = false;
    own.Items() = { Item("mnuSobre", "&Sobre") };
    own.Items().front().OnClick = [&] { about = true; };
    f->Frame->SetSystemMenu(&own);
    const auto open = [&] {
        QTest::mouseClick(f->Form.get(), Qt::RightButton, {}, QPoint(200, 12));
        vnmenus::TvnMenuEngine* engine = f->Frame->MenuEngine();
        EXPECT_TRUE(engine && engine->IsOpen());
        return engine;
    };
    vnmenus::TvnMenuEngine* engine = open();
    ASSERT_NE(engine, nullptr);
    QStringList captions;
    for (const auto& item : engine->Items())
        captions << item.Caption;
    EXPECT_EQ(captions, QStringList({ "Mi&nimize", "&Sobre", "&Close" }));
    engine->Chosen(engine->Items()[1]);
    EXPECT_TRUE(about);

    f->Frame->setProperty("UseDefaultSysMenu", false);
    engine = open();
    ASSERT_EQ(engine->Items().size(), 1u);
    EXPECT_EQ(engine->Items().front().Caption, "&Sobre");
    engine->CloseMenus();
    // A menu that goes away takes its items with it: the default menu is back.
    f->Frame->setProperty("UseDefaultSysMenu", true);
    {
        TvnSkinPopupMenu gone;
        f->Frame->SetSystemMenu(&gone);
    }
    EXPECT_EQ(f->Frame->SystemMenu(), nullptr);
}

TEST(SystemMenu, TheEngineTakesTheRowHeightFontAndTranslucencyItIsGiven)
{
    // Qt closes every popup when the application goes inactive: a window an earlier test
    // freed may still have that change on its way, and it would close this test's menus.
    QCoreApplication::processEvents();
    vnmenus::TvnMenuEngine engine;
    vnmenus::TvnMenuItems items(2);
    items[0].Caption = "&Um";
    items[1].Caption = "&Dois";
    const QRect anchor(100, 100, 10, 10);

    engine.Popup(items, anchor, nullptr);
    ASSERT_TRUE(engine.IsOpen());
    EXPECT_EQ(engine.TopMenu()->Layout().Rows[0].height(), 20);
    EXPECT_DOUBLE_EQ(engine.TopMenu()->windowOpacity(), 1.0) << "opaque unless asked";

    vnmenus::TvnMenuSettings settings = vnmenus::DefaultMenuSettings();
    settings.DefaultItemHeight = 40;
    settings.DefaultFont = QFont(QStringLiteral("Courier"), 30);
    settings.AlphaBlend = true;
    settings.AlphaBlendValue = 128;
    engine.SetSettings(settings);
    engine.Popup(items, anchor, nullptr);
    ASSERT_TRUE(engine.IsOpen());
    const vnmenus::TvnMenuLayout& layout = engine.TopMenu()->Layout();
    EXPECT_EQ(layout.Rows[0].height(), std::max(40, QFontMetrics(settings.DefaultFont).height() + 4));
    EXPECT_NEAR(engine.TopMenu()->windowOpacity(), 128 / 255.0, 0.01);

    // Fading in starts clear and settles at the same opacity, without blocking.
    settings.AlphaBlendAnimation = true;
    engine.SetSettings(settings);
    engine.Popup(items, anchor, nullptr);
    ASSERT_TRUE(engine.IsOpen());
    EXPECT_LT(engine.TopMenu()->windowOpacity(), 0.1);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return engine.TopMenu() && std::abs(engine.TopMenu()->windowOpacity() - 128 / 255.0) < 0.01;
    })) << "the menu stays open while it fades in";
    engine.CloseMenus();
}

TEST_F(SystemMenuOnAFrame, TheFramesMenuPropertiesReachItsMenus)
{
    const auto f = Shown();
    f->Frame->setProperty("DefMenuItemHeight", 33);
    f->Frame->setProperty("DefMenuItemHeight", 0); // ignored
    f->Frame->DefMenuItemFont()->SetName(QStringLiteral("Courier"));
    f->Frame->setProperty("UseSkinFontInMenu", false);
    f->Frame->setProperty("MenusAlphaBlend", true);
    f->Frame->setProperty("MenusAlphaBlendValue", 150);
    QTest::mouseClick(f->Form.get(), Qt::RightButton, {}, QPoint(200, 12));
    vnmenus::TvnMenuEngine* engine = f->Frame->MenuEngine();
    ASSERT_NE(engine, nullptr);
    ASSERT_TRUE(engine->IsOpen());
    const vnmenus::TvnMenuSettings& s = engine->Settings();
    EXPECT_EQ(s.DefaultItemHeight, 33);
    EXPECT_EQ(s.DefaultFont.family(), "Courier");
    EXPECT_FALSE(s.UseSkinFont);
    EXPECT_NEAR(engine->TopMenu()->windowOpacity(), 150 / 255.0, 0.01);
    engine->CloseMenus();

    // Changed while closed, taken by the next menu.
    f->Frame->setProperty("MenusAlphaBlend", false);
    QTest::mouseClick(f->Form.get(), Qt::RightButton, {}, QPoint(200, 12));
    ASSERT_TRUE(engine->IsOpen());
    EXPECT_DOUBLE_EQ(engine->TopMenu()->windowOpacity(), 1.0);
    engine->CloseMenus();
}
