// The scroll bar and the page control drawn with the studio skin at the sizes the main
// window gives them: the parts land where the skin's artwork has them and every state
// shows a face of its own.
#include "StudioSkinFixture.h"
#include "framework/Form.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QApplication>
#include <QMouseEvent>

using namespace studiotest;
using vnutils::RectLTRB;

namespace {

void Send(QWidget* w, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button,
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QImage Shot(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Whether two pictures differ inside `r`.
bool Differ(const QImage& a, const QImage& b, const QRect& r)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return true;
    return false;
}

} // namespace

TEST(StudioScrollBar, GridBarLaysItsPartsOutFromTheSkin)
{
    TForm form;
    auto* bar = new TvnSkinScrollBar(&form);
    bar->SetParent(form.ClientWidget());
    bar->SetKind(sbVertical);
    bar->SetBounds(10, 10, 19, 114);
    bar->SetRange(0, 127, 0, 0);
    bar->SetSkinData(ProgramDataModule().vnSkinData1);
    form.Show();
    ASSERT_NE(bar->SkinRecordIndex(), -1);
    const vnctrls::TvnScrollBarLayout l = bar->Layout();
    EXPECT_EQ(l.Decrease, RectLTRB(0, 0, 19, 18));
    EXPECT_EQ(l.Increase, RectLTRB(0, 96, 19, 114)) << "the bottom button follows the height";
    EXPECT_EQ(l.Track, RectLTRB(0, 18, 19, 96));
    EXPECT_EQ(l.Thumb, RectLTRB(4, 18, 15, 48));
    bar->SetPosition(127);
    EXPECT_EQ(bar->Layout().Thumb, RectLTRB(4, 66, 15, 96));

    const QImage normal = Shot(bar);
    EXPECT_NE(normal.pixel(9, 80), normal.pixel(9, 40)) << "thumb and track differ";
    Send(bar, QEvent::MouseMove, QPoint(9, 105));
    const QImage hot = Shot(bar);
    EXPECT_TRUE(Differ(normal, hot, l.Increase));
    Send(bar, QEvent::MouseButtonPress, QPoint(9, 105));
    const QImage pressed = Shot(bar);
    EXPECT_TRUE(Differ(hot, pressed, l.Increase));
    Send(bar, QEvent::MouseButtonRelease, QPoint(9, 105));
    EXPECT_EQ(bar->Position(), 127);
    bar->SetEnabled(false);
    EXPECT_TRUE(Differ(normal, Shot(bar), bar->Layout().Thumb)) << "no thumb while disabled";
}

TEST(StudioPageControl, FiveCategoryTabsFitAndThePageIsTheSkinsClient)
{
    TForm form;
    auto* pages = new TvnSkinPageControl(&form);
    pages->SetParent(form.ClientWidget());
    pages->SetBounds(8, 8, 409, 156);
    for (const char* caption : { "Ampliação (12)", "Bioombo", "Outros (3)", "Álbum", "Capa" }) {
        auto* sheet = new TvnSkinTabSheet(&form);
        sheet->SetCaption(QString::fromUtf8(caption));
        sheet->SetPageControl(pages);
    }
    pages->SetSkinData(ProgramDataModule().vnSkinData1);
    form.Show();
    ASSERT_NE(pages->SkinRecordIndex(), -1);
    const auto& record = RecordNamed<TvnDataSkinTabControl>("tab");
    const int tabHeight = record.TabRect.height();
    // The first tab of the row starts one pixel in.
    EXPECT_EQ(pages->TabRect(0), QRect(1, 0, pages->TabRect(0).width(), tabHeight));
    EXPECT_EQ(pages->TabRect(1).x(), vnutils::RectRight(pages->TabRect(0)));
    EXPECT_LT(vnutils::RectRight(pages->TabRect(4)), 409) << "one row, every tab whole";
    const QRect client = record.Geometry.ClientRect;
    EXPECT_EQ(pages->PageRect(),
        RectLTRB(client.x(), tabHeight + client.y(),
            409 - (record.SkinRect.width() - vnutils::RectRight(client)),
            156 - (record.SkinRect.height() - vnutils::RectBottom(client))));
    EXPECT_EQ(pages->Page(0)->geometry(), pages->PageRect());

    const QImage normal = Shot(pages);
    const QRect active = pages->TabRect(0), other = pages->TabRect(2);
    EXPECT_NE(normal.pixel(active.topLeft() + QPoint(8, 3)), normal.pixel(other.topLeft() + QPoint(8, 3)))
        << "the active tab stands out";
    Send(pages, QEvent::MouseMove, other.center());
    EXPECT_TRUE(Differ(normal, Shot(pages), other)) << "the hot tab";
}
