// The menus of the frame's button objects: a skin of the studio's pictures with one more
// object, a plain button at the caption's left, whose menu the application gives by the
// button's skin name. The button stays down while its menu is open, as the system-menu
// button does with the system menu.
#include "FrameFixture.h"
#include "skin/data/vnSkinData/CompressedStoredSkin.h"
#include "skin/menus/vnSkinMenus/MenuEngine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace frametest;
using namespace veneer;

namespace {

// The studio skin with "helpbutton" first in the object list: 8 × 12 at (1, 5) of the
// frame picture, its active image a piece of the tray button's.
class HelpButtonSkin {
public:
    HelpButtonSkin()
    {
        const QDir source(QStringLiteral(QUIRA_STUDIO_SKIN_DIR));
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), m_dir.filePath(name));
        QFile ini(m_dir.filePath("skin.ini"));
        EXPECT_TRUE(ini.open(QIODevice::ReadOnly));
        QByteArray text = ini.readAll();
        ini.close();
        const QByteArray eol = text.contains("\r\n") ? "\r\n" : "\n";
        text.replace("[SKINOBJECTS]" + eol + "count=13" + eol + "0=caption:caption",
            "[SKINOBJECTS]" + eol + "count=14" + eol + "0=helpbutton:button" + eol + "13=caption:caption");
        text += eol + "[helpbutton]" + eol + "hint=Ajuda" + eol + "activepictureindex=0" + eol
            + "activemaskpictureindex=-1" + eol + "skinrectinapicture=0" + eol + "skinrect=1,5,9,17" + eol
            + "activeskinrect=18,90,26,102" + eol + "morphing=1" + eol + "morphkind=mkdefault" + eol
            + "glowlayerpictureindex=-1" + eol;
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(text);
        ini.close();
        EXPECT_TRUE(m_stored.CompressFromIniFile(ini.fileName()));
        Store.SetCompressedStoredSkin(&m_stored);
    }
    TvnSkinData Store;

private:
    QTemporaryDir m_dir;
    TvnCompressedStoredSkin m_stored;
};

vnmenus::TvnMenuItem Item(const QString& caption, std::function<void()> onClick = {})
{
    vnmenus::TvnMenuItem item;
    item.Caption = caption;
    item.OnClick = std::move(onClick);
    return item;
}

} // namespace

using ButtonMenu = FramedFormsTest;

TEST_F(ButtonMenu, AButtonOpensItsMenuAndStaysDownUntilTheMenuCloses)
{
    HelpButtonSkin skin;
    ASSERT_FALSE(skin.Store.Empty());
    FramedForm f(bsDialog, &skin.Store);
    f.Form->SetBounds(100, 80, 416, 240);
    f.Form->Show();
    f.Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.Form.get()));
    ASSERT_EQ(f.Frame->Objects().State(0).IDName, "helpbutton");
    ASSERT_EQ(f.Frame->Objects().LayoutAt(0).Rect, QRect(1, 5, 8, 12));

    TvnSkinPopupMenu menu;
    bool helped = false;
    menu.Items() = { Item("&Ajuda", [&] { helped = true; }), Item("&Sobre") };
    f.Frame->SetButtonMenu("helpbutton", &menu);
    int opened = 0, closed = 0;
    f.Frame->OnSkinMenuOpen = [&](QObject*) { ++opened; };
    f.Frame->OnSkinMenuClose = [&](QObject*) { ++closed; };

    const QPoint at(4, 10);
    QTest::mouseMove(f.Form.get(), at);
    QTest::mousePress(f.Form.get(), Qt::LeftButton, {}, at);
    vnmenus::TvnMenuEngine* engine = f.Frame->MenuEngine();
    ASSERT_TRUE(engine && engine->IsOpen());
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(engine->Items().front().Caption, "&Ajuda");
    EXPECT_EQ(f.Frame->MenuObject(), 0);
    // Below the button.
    EXPECT_GE(engine->TopMenu()->geometry().top(), f.Form->mapToGlobal(QPoint(0, 17)).y());
    QTest::mouseRelease(f.Form.get(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(f.Frame->Objects().State(0).Pressed) << "down while its menu is open";

    engine->Chosen(engine->Items().front());
    EXPECT_TRUE(helped);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(f.Frame->Objects().State(0).Pressed);
    EXPECT_EQ(f.Frame->MenuObject(), -1);

    // Above the button when asked; Esc closes it and lets the button go.
    f.Frame->SetButtonMenu("helpbutton", &menu, true);
    QTest::mousePress(f.Form.get(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(engine->IsOpen());
    EXPECT_LE(engine->TopMenu()->geometry().bottom(), f.Form->mapToGlobal(QPoint(0, 5)).y());
    QTest::mouseRelease(f.Form.get(), Qt::LeftButton, {}, at);
    engine->CloseMenus();
    EXPECT_FALSE(f.Frame->Objects().State(0).Pressed);

    // A menu without items opens nothing: the button goes up on its release.
    TvnSkinPopupMenu empty;
    f.Frame->SetButtonMenu("helpbutton", &empty);
    QTest::mousePress(f.Form.get(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(engine->IsOpen());
    QTest::mouseRelease(f.Form.get(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(f.Frame->Objects().State(0).Pressed);
}

TEST_F(ButtonMenu, TheMenuOutlivesASkinChangeAndGoesWithItsComponent)
{
    HelpButtonSkin skin;
    FramedForm f(bsDialog, &skin.Store);
    f.Form->SetBounds(100, 80, 416, 240);
    f.Form->Show();
    f.Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.Form.get()));
    const QPoint at(4, 10);
    {
        TvnSkinPopupMenu menu;
        menu.Items() = { Item("&Ajuda") };
        f.Frame->SetButtonMenu("helpbutton", &menu);
        const auto wp = reinterpret_cast<WPARAM>(&skin.Store);
        f.Form->Perform(msg::SKINMSG_BEFORE_CHANGE, wp, TvnSkinData::kNotifyTag);
        f.Form->Perform(msg::SKINMSG_CHANGE, wp, TvnSkinData::kNotifyTag);
        QTest::mouseMove(f.Form.get(), at);
        QTest::mousePress(f.Form.get(), Qt::LeftButton, {}, at);
        ASSERT_TRUE(f.Frame->MenuEngine() && f.Frame->MenuEngine()->IsOpen());
        QTest::mouseRelease(f.Form.get(), Qt::LeftButton, {}, at);
        f.Frame->MenuEngine()->CloseMenus();
    }
    // Its menu gone, the button is a plain button again.
    QTest::mousePress(f.Form.get(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(f.Frame->MenuEngine()->IsOpen());
    QTest::mouseRelease(f.Form.get(), Qt::LeftButton, {}, at);
}
