// ShowIcon: the system-menu button gives way to the form's small icon, in the skinned
// frame's caption and in the default frame's, and takes its size in the layout.
#include "FrameFixture.h"
#include "skin/form/Veneerform/DefaultFrame.h"
#include "support/TestEnv.h"
#include "support/XDesktop.h"

#include <QIcon>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace frametest;
using namespace veneer;

namespace {

// A plain red icon, larger than the small-icon size.
QIcon TestIcon()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(qRgb(220, 0, 0));
    return QIcon(QPixmap::fromImage(image));
}

// Pixels of the icon's red, also as an inactive frame's effect darkens it.
int RedPixels(const QImage& image, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (const QRgb c = image.pixel(x, y); qRed(c) > 100 && qGreen(c) < 30 && qBlue(c) < 30) ++n;
    return n;
}

} // namespace

using FrameIcon = FramedFormsTest;

TEST_F(FrameIcon, TheSkinnedSystemMenuButtonShowsTheFormsIconAtTheSmallIconSize)
{
    const auto f = Make(bsSizeable, { 100, 80, 416, 240 }, veneer::biSystemMenu | veneer::biMinimize);
    f->Form->setWindowIcon(TestIcon());
    const QRect button = testenv::PlaceOf(*f->Frame, "sysmenubutton");
    EXPECT_EQ(button.size(), QSize(18, 18)) << "the skin's own button";
    EXPECT_EQ(RedPixels(FramePaint(*f->Form), button), 0);

    f->Frame->SetShowIcon(true);
    const QRect icon = testenv::PlaceOf(*f->Frame, "sysmenubutton");
    ASSERT_EQ(icon.size(), kSmallIconSize);
    // At the caption's left end, centred in its height (captionrect 10,3,204,21).
    EXPECT_EQ(icon.topLeft(), QPoint(10, 3 + 18 / 2 - 16 / 2));
    EXPECT_EQ(testenv::PlaceOf(*f->Frame, "caption").left(), icon.right() + 1);
    const QImage withIcon = FramePaint(*f->Form);
    EXPECT_EQ(RedPixels(withIcon, icon), 16 * 16);
    EXPECT_TRUE(testenv::KeepPicture(withIcon, "frame_show_icon"));

    // The icon takes no glow and no blend: a hover leaves it as it is.
    f->Form->Show();
    f->Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f->Form.get()));
    f->Frame->MouseTest(icon.center(), true);
    ASSERT_NE(f->Frame->ActiveObject(), -1);
    EXPECT_EQ(f->Frame->Objects().State(f->Frame->ActiveObject()).IDName, "sysmenubutton");
    EXPECT_FALSE(f->Form->HasTimer(TvnVeneerform::kMorphTimer));
    EXPECT_EQ(RedPixels(FramePaint(*f->Form), icon), 16 * 16);

    // Switched off, the skin's button is back.
    f->Frame->SetShowIcon(false);
    EXPECT_EQ(testenv::PlaceOf(*f->Frame, "sysmenubutton").size(), QSize(18, 18));
    EXPECT_EQ(RedPixels(FramePaint(*f->Form), button), 0);
}

TEST_F(FrameIcon, TheDefaultFrameGivesTheIconItsWidthAndDrawsIt)
{
    FramedForm f(bsSizeable);
    f.Frame->SetBorderIcons(veneer::biSystemMenu | veneer::biMinimize);
    f.Form->SetBounds(100, 80, 300, 200);
    f.Form->setWindowIcon(TestIcon());
    FramePaint(*f.Form);
    const int plain = f.Frame->DefaultCaptionTextArea().left();
    EXPECT_EQ(plain, 3 + DefaultButtonSize(false));
    f.Frame->SetShowIcon(true);
    const QImage painted = FramePaint(*f.Form);
    EXPECT_EQ(f.Frame->DefaultCaptionTextArea().left(), 3 + 16);
    EXPECT_EQ(testenv::PlaceOf(*f.Frame, "sysmenubutton"), QRect(3, 4, 16, 16));
    EXPECT_EQ(RedPixels(painted, QRect(3, 4, 16, 16)), 16 * 16);
}
