#include "ScrollTabSheet.h"

#include "SheetParts.h"
#include "framework/Form.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

void SendMouse(QWidget* w, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button,
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QPoint Centre(const QRect& r) { return r.topLeft() + QPoint(r.width() / 2, r.height() / 2); }

TvnSkinScrollBar* Bar(QWidget* parent, TvnSkinData* skin, int x, int y)
{
    auto* bar = new TvnSkinScrollBar;
    bar->SetParent(parent);
    bar->SetKind(sbVertical);
    bar->SetBounds(x, y, 19, 114);
    bar->SetRange(0, 127, 0, 40);
    if (skin) bar->SetSkinData(skin);
    return bar;
}

} // namespace

bool SaveScrollTabSheet(const QString& folder, const QString& name, TvnSkinData* skin, TTabPosition tabs)
{
    TForm form;
    PrepareSheetForm(form, "Quira tabs", 660, 190, skin);
    QWidget* client = form.ClientWidget();

    auto* pages = new TvnSkinPageControl;
    pages->SetParent(client);
    pages->SetBounds(8, 8, 409, 156);
    pages->SetTabPosition(tabs);
    for (const char* caption : { "Ampliação (12)", "Bioombo", "Outros (3)", "Álbum", "Capa" }) {
        auto* sheet = new TvnSkinTabSheet(pages);
        sheet->SetCaption(QString::fromUtf8(caption));
        sheet->SetPageControl(pages);
        SheetLabel(sheet, skin, 8, 8, QString::fromUtf8(caption));
        // As beside a photo grid: the bar runs down the page's right edge.
        Bar(sheet, skin, 370, 0)->SetAlign(alRight);
    }
    if (skin) pages->SetSkinData(skin);

    const char* states[] = { "normal", "hot arrow", "pressed thumb", "disabled" };
    QList<TvnSkinScrollBar*> bars;
    for (int i = 0; i < 4; ++i) {
        bars.append(Bar(client, skin, 445 + 55 * i, 8));
        SheetLabel(client, skin, 430 + 55 * i, 126 + 16 * (i % 2), states[i]);
    }
    form.Show();
    form.activateWindow();
    if (!QTest::qWaitForWindowExposed(&form)) return false;
    SendMouse(pages, QEvent::MouseMove, Centre(pages->TabRect(2)));
    SendMouse(bars[1], QEvent::MouseMove, Centre(bars[1]->Layout().Increase));
    SendMouse(bars[2], QEvent::MouseMove, Centre(bars[2]->Layout().Thumb));
    SendMouse(bars[2], QEvent::MouseButtonPress, Centre(bars[2]->Layout().Thumb));
    bars[3]->SetEnabled(false);
    QTest::qWait(100);
    return SaveSheetPicture(client, folder, name);
}
