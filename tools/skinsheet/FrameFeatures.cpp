#include "FrameFeatures.h"

#include "framework/Application.h"
#include "framework/Form.h"
#include "platform/Keys.h"
#include "platform/LayeredWindows.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/form/Veneerform/HintWindow.h"
#include "skin/form/Veneerform/Veneerform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTest>
#include <memory>
#include <vector>

using namespace veneer;

namespace sheet {

namespace {

constexpr TvnBorderIcons kAllIcons = veneer::biSystemMenu | veneer::biMinimize | veneer::biMaximize
    | veneer::biRollUp | veneer::biMinimizeToTray;

// An aperture drawn for the logo: six blades round a dark centre.
QImage Logo()
{
    QImage logo(64, 64, QImage::Format_ARGB32_Premultiplied);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(32, 32);
    for (int i = 0; i < 6; ++i) {
        QPainterPath blade;
        blade.moveTo(0, -30);
        blade.lineTo(26, -15);
        blade.lineTo(8, -4);
        blade.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(180 + i * 22, 160, 230, 200));
        p.drawPath(blade);
        p.rotate(60);
    }
    return logo;
}

struct TFeatureForm {
    TFeatureForm(TvnSkinData& skin, QSize size)
        : Form(std::make_unique<TForm>())
    {
        Form->SetBorderStyle(bsSizeable);
        Frame = new TvnVeneerform(Form.get());
        Frame->SetBorderIcons(kAllIcons);
        Frame->SetSkinData(&skin);
        Frame->SetLogoBitMap(Logo());
        Frame->setProperty("LogoBitMapTransparent", true);
        Form->SetBounds(40, 40, size.width(), size.height());
        Form->SetCaption(QStringLiteral("Quira - feature skin"));
    }
    void Activate(bool active) { Form->Perform(msg::WM_NCACTIVATE, active ? 1 : 0, 0); }
    void Tick(WPARAM timer, int n)
    {
        for (int i = 0; i < n; ++i)
            Form->Perform(msg::WM_TIMER, timer, 0);
    }
    int Index(const char* name) const
    {
        for (int i = 0; i < Frame->Objects().Count(); ++i)
            if (Frame->Objects().State(i).IDName == QLatin1String(name)) return i;
        return -1;
    }
    QRect Place(const char* name) const
    {
        const int i = Index(name);
        return i == -1 ? QRect() : Frame->Objects().LayoutAt(i).Rect;
    }
    // The frame and the client background as the window shows them, cut to its shape.
    QImage Picture() const
    {
        QImage window(Form->size(), QImage::Format_ARGB32_Premultiplied);
        window.fill(Qt::transparent);
        QPainter p(&window);
        if (Frame->FrameRegion()) p.setClipRegion(*Frame->FrameRegion());
        Form->Perform(msg::WM_NCPAINT, 0, reinterpret_cast<LPARAM>(&p));
        const QRect client = Frame->Geometry().NewClientRect;
        if (client.isEmpty()) return window;
        p.setClipRect(client, Qt::IntersectClip);
        p.translate(client.topLeft());
        Form->Perform(msg::WM_ERASEBKGND, reinterpret_cast<WPARAM>(&p), 0);
        return window;
    }
    std::unique_ptr<TForm> Form;
    TvnVeneerform* Frame;
};

// Past the caption's animation and morph: the still active (or inactive) look.
void Settle(TFeatureForm& f)
{
    f.Tick(TvnVeneerform::kAnimateTimer, 40);
    f.Tick(TvnVeneerform::kMorphTimer, 8);
}

// What the screen shows over the form (glows, menus, hints), in the form's coordinates
// and drawn in order over its picture, cut to `keep` with a margin.
struct TOverlay {
    QPoint At;
    QImage Image;
};

QImage OverForm(const TFeatureForm& f, const std::vector<TOverlay>& overlays, const QRect& keep)
{
    QRect area(QPoint(0, 0), f.Form->size());
    for (const TOverlay& o : overlays)
        area = area.united(QRect(o.At, o.Image.size()));
    QImage all(area.size(), QImage::Format_ARGB32_Premultiplied);
    all.fill(Qt::transparent);
    QPainter p(&all);
    p.translate(-area.topLeft());
    p.drawImage(0, 0, f.Picture());
    for (const TOverlay& o : overlays)
        p.drawImage(o.At, o.Image);
    p.end();
    return all.copy(keep.adjusted(-24, -8, 24, 12).translated(-area.topLeft()).intersected(all.rect()));
}

// The grip button with a long menu of its own open above it: the form's bottom right
// corner, the button's glow and the menu window, as the screen shows them together.
QImage GripMenu(TvnSkinData& skin, QSize size)
{
    platform::OverrideLayeredWindows(platform::TLayeredOverride::On);
    const bool glows = skin.ShowCaptionButtonGlowFrames();
    skin.SetShowCaptionButtonGlowFrames(true);
    TFeatureForm f(skin, size);
    f.Activate(true);
    Settle(f);
    auto* menu = new TvnSkinPopupMenu(f.Form.get());
    for (int i = 1; i <= 12; ++i) {
        vnmenus::TvnMenuItem item;
        item.Caption = QStringLiteral("Item %1").arg(i);
        menu->Items().push_back(item);
    }
    f.Frame->setProperty("MaxMenuItemsInWindow", 5);
    f.Frame->SetButtonMenu(QStringLiteral("gripbutton"), menu, true);
    const QRect grip = f.Place("gripbutton");
    f.Frame->MouseTest(grip.center(), true);
    const QPoint at = f.Form->pos() + grip.center();
    f.Form->Perform(msg::WM_NCLBUTTONDOWN, ht::HTOBJECT, MakeLParam(at.x(), at.y()));
    vnmenus::TvnMenuEngine* engine = f.Frame->MenuEngine();
    QImage shot;
    if (engine && engine->IsOpen()) {
        for (int i = 0; i < 8; ++i)
            engine->KeyDown(vk::VK_DOWN);
        // In the form's coordinates: the window, the glow over it, the menu over both.
        const QPoint origin = f.Form->pos();
        const QRect menuPlace = engine->TopMenu()->geometry().translated(-origin);
        std::vector<TOverlay> over;
        if (TvnLayerWindow* glow = f.Frame->MenuGlowLayer()->LayerWindow())
            over.push_back({ glow->pos() - origin, glow->Shown() });
        over.push_back({ menuPlace.topLeft(), engine->TopMenu()->grab().toImage() });
        shot = OverForm(f, over, menuPlace.united(grip));
        engine->CloseMenus();
    }
    skin.SetShowCaptionButtonGlowFrames(glows);
    platform::OverrideLayeredWindows(platform::TLayeredOverride::Desktop);
    return shot;
}

// The tray button under the pointer with its hint shown by the frame's hint component on
// the skin's hint window, below the pointer as the screen shows them together.
QImage TrayHint(TvnSkinData& skin, QSize size)
{
    TFeatureForm f(skin, size);
    f.Activate(true);
    Settle(f);
    f.Frame->setProperty("ShowObjectHint", true);
    auto* hints = new TvnSkinHint(f.Form.get());
    hints->setProperty("HintPause", 0);
    f.Frame->SetSkinHint(hints);
    const QRect tray = f.Place("traybutton");
    QCursor::setPos(f.Form->pos() + tray.center());
    f.Frame->MouseTest(tray.center(), true);
    TvnSkinHintWindow* window = nullptr;
    if (!QTest::qWaitFor([&] { return (window = f.Frame->HintWindow()) && window->isVisible(); }, 2000))
        return {};
    const QRect hintPlace = window->geometry().translated(-f.Form->pos());
    return OverForm(f, { { hintPlace.topLeft(), window->Picture() } }, hintPlace.united(tray));
}

QImage Enlarged(const QImage& image, const QRect& part, int times)
{
    return image.copy(part).scaled(part.size() * times, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

TTiles FrameFeaturePreviews(TvnSkinData& skin)
{
    TTiles tiles;
    const QSize size(440, 240);
    {
        TFeatureForm f(skin, size);
        f.Activate(true);
        Settle(f);
        tiles.push_back({ QStringLiteral("active: caption's active image, soft glow, reflected title, "
                                         "client background and logo"),
            f.Picture() });
    }
    {
        TFeatureForm f(skin, size);
        f.Activate(true);
        Settle(f);
        f.Activate(false);
        Settle(f);
        tiles.push_back({ QStringLiteral("inactive: glow text, inactive effect"), f.Picture() });
    }
    for (int frame : { 2, 4, 6 }) {
        TFeatureForm f(skin, size);
        f.Activate(true);
        // A frame each 50 ms, two ticks of the animation timer.
        f.Tick(TvnVeneerform::kAnimateTimer, 2 * (frame - 1));
        const QRect caption = f.Place("caption");
        tiles.push_back({ QStringLiteral("caption animation, frame %1 of 6 (x2)").arg(frame),
            Enlarged(f.Picture(), QRect(0, 0, caption.right() + 4, caption.bottom() + 4), 2) });
    }
    {
        TFeatureForm f(skin, size);
        f.Activate(true);
        Settle(f);
        const QRect row = f.Place("badge").united(f.Place("closebutton")).adjusted(-4, -4, 4, 4);
        QImage strip(row.width() * 2, row.height() * 2 * 4 + 3 * 6, QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::transparent);
        QPainter p(&strip);
        const auto add
            = [&](int n) { p.drawImage(0, n * (row.height() * 2 + 6), Enlarged(f.Picture(), row, 2)); };
        add(0);
        f.Frame->MouseTest(f.Place("traybutton").center(), true);
        f.Tick(TvnVeneerform::kAnimateTimer, 6);
        add(1);
        f.Tick(TvnVeneerform::kAnimateTimer, 12);
        add(2);
        const QPoint tray = f.Form->pos() + f.Place("traybutton").center();
        f.Form->Perform(msg::WM_NCLBUTTONDOWN, ht::HTOBJECT, MakeLParam(tray.x(), tray.y()));
        add(3);
        p.end();
        tiles.push_back(
            { QStringLiteral("buttons row (x2): still; tray button hovered, frame 4 (spinner and badge "
                             "on); frame 6; pressed, its down image"),
                strip });
    }
    {
        TFeatureForm f(skin, size);
        f.Activate(true);
        Settle(f);
        f.Frame->SetRollUpState(true);
        Settle(f);
        tiles.push_back({ QStringLiteral("rolled up: the roll-up button's restore image"), f.Picture() });
    }
    {
        TFeatureForm f(skin, size);
        f.Activate(true);
        Settle(f);
        f.Frame->MouseTest(f.Place("gripbutton").center(), true);
        const QRect bottom(0, size.height() - 36, size.width(), 36);
        QImage strip(bottom.width(), bottom.height() * 2 + 6, QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::transparent);
        QPainter p(&strip);
        p.drawImage(0, 0, f.Picture().copy(bottom));
        const QPoint grip = f.Form->pos() + f.Place("gripbutton").center();
        f.Form->Perform(msg::WM_NCLBUTTONDOWN, ht::HTOBJECT, MakeLParam(grip.x(), grip.y()));
        p.drawImage(0, bottom.height() + 6, f.Picture().copy(bottom));
        p.end();
        tiles.push_back(
            { QStringLiteral("bottom border: reflected title, grip button hot, then down"), strip });
    }
    tiles.push_back({ QStringLiteral("grip button's menu open above it: the button down and glowing, "
                                     "12 items in 5 rows, scrolled down by the keys"),
        GripMenu(skin, size) });
    tiles.push_back({ QStringLiteral("tray button's hint on the skin's hint window, below the pointer"),
        TrayHint(skin, size) });
    return tiles;
}

QImage WindowOnScreen(TvnSkinData& skin)
{
    TFeatureForm f(skin, QSize(520, 300));
    f.Frame->setProperty("AlphaBlend", true);
    f.Form->Show();
    f.Form->activateWindow();
    QTest::qWaitForWindowActive(f.Form.get(), 3000);
    QTest::qWait(300);
    // The caption's animation stopped on its fourth frame, the tray button on its third.
    f.Form->KillTimer(TvnVeneerform::kAnimateTimer);
    f.Form->KillTimer(TvnVeneerform::kMorphTimer);
    // Its activation once more, counted by hand from here.
    f.Activate(false);
    f.Activate(true);
    f.Frame->MouseTest(f.Place("traybutton").center(), true);
    f.Tick(TvnVeneerform::kAnimateTimer, 6);
    f.Form->KillTimer(TvnVeneerform::kAnimateTimer);
    f.Form->KillTimer(TvnVeneerform::kMouseTimer);
    f.Form->update();
    QTest::qWait(300);
    const QRect around = f.Form->frameGeometry().adjusted(-20, -20, 20, 20);
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, around.x(), around.y(), around.width(), around.height())
        .toImage();
}

} // namespace sheet
