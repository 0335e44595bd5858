// Tiles of the frame, its objects, and the controls the product's windows use.
#include "Previews.h"

#include "FramePreview.h"
#include "Painters.h"
#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vnUtils/SkinRect.h"

using namespace vnutils;

namespace sheet {

TTile ControlTile(const QString& label, QSize size, const QColor& background,
    const std::function<void(QPainter&, const QRect&)>& paint)
{
    constexpr int kMargin = 8;
    QImage image = Canvas(size + QSize(2 * kMargin, 2 * kMargin), background);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p, QRect(QPoint(kMargin, kMargin), size));
    return { label, image };
}

// ---- Frames -----------------------------------------------------------------------------

TTiles FramePreviews(const TvnSkinData& skin)
{
    TTiles tiles;
    const QSize sizes[] = { { 200, 90 }, { 360, 200 }, { 560, 300 } };
    for (const QSize& size : sizes)
        for (const bool active : { true, false }) {
            TFrameLook look;
            look.Size = size;
            look.Active = active;
            look.Caption = QStringLiteral("Quira - Localizar Cliente");
            tiles.push_back({ QStringLiteral("%1 x %2, %3")
                                  .arg(size.width())
                                  .arg(size.height())
                                  .arg(active ? QStringLiteral("active") : QStringLiteral("inactive")),
                RenderFrame(skin, look) });
        }
    return tiles;
}

namespace {

template <class Record> const Record* Find(const TvnSkinData& skin, const char* name)
{
    return skin.ControlSkinAs<Record>(skin.FindControlSkin(QString::fromLatin1(name)));
}

// The product's main window, as its controls will draw it.
void PaintSampleContent(QPainter& p, const TvnSkinData& skin, const QRect& client)
{
    const auto* group = Find<TvnDataSkinPanelControl>(skin, "groupbox");
    const auto* label = Find<TvnDataSkinStdLabelControl>(skin, "stdlabel");
    const auto* check = Find<TvnDataSkinCheckRadioControl>(skin, "checkbox");
    const auto* button = Find<TvnDataSkinButtonControl>(skin, "button");
    const auto* edit = Find<TvnDataSkinEditControl>(skin, "edit");
    const auto* tab = Find<TvnDataSkinTabControl>(skin, "tab");
    const auto* grid = Find<TvnDataSkinGridControl>(skin, "grid");
    const auto* bar = Find<TvnDataSkinScrollBarControl>(skin, "vscrollbar");
    if (!group || !label || !check || !button || !edit || !tab || !grid || !bar) return;
    const QPoint o = client.topLeft();

    const QRect clientGroup(o + QPoint(8, 8), QSize(390, 112));
    PaintPanel(p, skin, *group, clientGroup, QStringLiteral("Cliente Selecionado"));
    const QRect inside = PanelClient(*group, clientGroup);
    const QString fields[][2] = { { QStringLiteral("Nome"), QStringLiteral("Mariana e Rafael") },
        { QStringLiteral("Tipo Evento"), QStringLiteral("Casamento") },
        { QStringLiteral("Data Evento"), QStringLiteral("14/06/2008") } };
    for (int i = 0; i < 3; ++i) {
        const int y = inside.y() + 6 + 26 * i;
        PaintLabel(p, skin, *label, QRect(inside.x() + 8, y, 90, 20), fields[i][0], true);
        PaintLabel(p, skin, *label, QRect(inside.x() + 104, y, 240, 20), fields[i][1], i != 2);
    }

    const QRect categories(o + QPoint(406, 8), QSize(client.width() - 414, 112));
    PaintPanel(p, skin, *group, categories, QStringLiteral("Categorias a Salvar"));
    const QRect boxes = PanelClient(*group, categories);
    const QString names[] = { QString::fromUtf8("Ampliação"), QStringLiteral("Bioombo"),
        QStringLiteral("Outros"), QString::fromUtf8("Álbum"), QStringLiteral("Capa") };
    for (int i = 0; i < 5; ++i) {
        TCheckLook look;
        look.State = i % 2 == 0 ? TCheck::Checked : TCheck::Unchecked;
        look.Hot = i == 1;
        const QRect at(boxes.x() + 8 + (i / 3) * 160, boxes.y() + 4 + (i % 3) * 26, 150, 24);
        PaintFlatCheck(p, skin, *check, at, look, names[i]);
    }

    const QRect pages(o + QPoint(8, 130), QSize(client.width() - 16, client.height() - 130 - 84));
    TTabsLook tabs;
    tabs.Active = 0;
    tabs.Hot = 2;
    tabs.Focused = false;
    PaintTabs(p, skin, *tab, pages, { names[0], names[1], names[2], names[3], names[4] }, tabs);
    const int tabHeight = tab->TabRect.height();
    const QRect page
        = pages.adjusted(tab->Geometry.ClientRect.x() + 4, tabHeight + tab->Geometry.ClientRect.y() + 4,
            -(tab->SkinRect.width() - RectRight(tab->Geometry.ClientRect)) - 4,
            -(tab->SkinRect.height() - RectBottom(tab->Geometry.ClientRect)) - 28);
    const QRect gridAt = page.adjusted(0, 0, -19, 0);
    QList<QStringList> rows;
    for (int i = 1; i <= 12; ++i)
        rows.append({ QStringLiteral("IMG_%1.jpg").arg(4100 + 7 * i), QString::number(i) });
    PaintGrid(p, skin, *grid, gridAt, { QStringLiteral("Foto"), QStringLiteral("Ordem") }, rows, 2, true);
    PaintScrollBar(p, skin, *bar, QRect(RectRight(gridAt), page.y(), 19, page.height()), true,
        TBarLook { 0.25, 0, false });
    PaintLabel(p, skin, *label, QRect(page.x(), RectBottom(page) + 4, 300, 20),
        QStringLiteral("Quantidade de Foto.: (12)"), true);

    const QRect transfer(o + QPoint(8, client.height() - 78), QSize(client.width() - 150, 70));
    PaintPanel(p, skin, *group, transfer, QString::fromUtf8("Transferência Alta Resolução"));
    const QRect row = PanelClient(*group, transfer);
    const QRect path(row.x() + 8, row.y() + 10, row.width() - 180, 21);
    PaintEdit(p, skin, *edit, path, QStringLiteral("/srv/fotos/alta"), TFieldState::Active);
    PaintButton(p, skin, *button, QRect(RectRight(path) + 6, path.y() - 1, 28, 24), TButtonState::Normal,
        QStringLiteral("..."));
    PaintButton(p, skin, *button, QRect(RectRight(path) + 42, path.y() - 1, 116, 24), TButtonState::Focused,
        QStringLiteral("Transferir Fotos"));
    const QRect find(RectRight(transfer) + 10, transfer.y() + 24, client.width() - transfer.width() - 26, 26);
    PaintButtonGlow(p, skin, *button, find);
    PaintButton(p, skin, *button, find, TButtonState::Hot, QStringLiteral("Localizar Cliente"));
}

} // namespace

TTile SampleWindow(const TvnSkinData& skin)
{
    TFrameLook look;
    look.Size = QSize(820, 520);
    look.Caption = QStringLiteral("Estúdio Fotográfico Aurora Ltda.");
    look.Icons = veneer::biMinimize; // as the product's windows have it
    look.Content = [&skin](QPainter& p, const QRect& client) { PaintSampleContent(p, skin, client); };
    return { QStringLiteral("the main window's layout, 820 x 520, border icons [biMinimize]"),
        RenderFrame(skin, look) };
}

// ---- Frame objects ------------------------------------------------------------------------

namespace {

QImage Enlarged(const QImage& image, int factor)
{
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

TTiles CaptionButtonPreviews(const TvnSkinData& skin)
{
    TTiles tiles;
    for (const auto& record : skin.FrameObjects()) {
        const auto* b = dynamic_cast<const TvnDataSkinStdButton*>(record.get());
        if (!b) continue;
        const QImage picture = skin.Picture(b->ActivePictureIndex);
        const std::pair<const char*, QRect> looks[]
            = { { "normal", b->SkinRect }, { "hot", b->ActiveSkinRect }, { "down", b->DownRect },
                  { "inactive", b->InactiveSkinRect }, { "disabled", b->DisableSkinRect },
                  { "restore", b->RestoreRect }, { "restore hot", b->RestoreActiveRect },
                  { "restore down", b->RestoreDownRect }, { "restore inactive", b->RestoreInactiveRect } };
        QImage strip(QSize(9 * 40, 40), QImage::Format_RGB32);
        strip.fill(QColor(0x5B, 0x5F, 0x66));
        QPainter p(&strip);
        int x = 0;
        QStringList names;
        for (const auto& [name, rect] : looks) {
            if (RectEmpty(rect)) continue;
            p.drawImage(QPoint(x, 2), Enlarged(Part(picture, rect), 2));
            x += 40;
            names << QString::fromLatin1(name);
        }
        tiles.push_back(
            { b->IDName + QStringLiteral(" (2x): ") + names.join(u", "), strip.copy(0, 0, x, 40) });
    }
    return tiles;
}

TTiles MenuPreviews(const TvnSkinData& skin)
{
    TTiles tiles;
    const TvnDataSkinPopupWindow& w = skin.PopupWindow;
    const auto* item = dynamic_cast<const TvnDataSkinMenuItem*>(
        skin.FrameObject(skin.FindFrameObject(QStringLiteral("menuitem"))));
    const QImage window = skin.Picture(w.WindowPictureIndex);
    const bool menus = item && !window.isNull();
    if (menus) {
        const QSize size(190, 3 * 20 + 7 + 2 * 20 + 6);
        const QRect& itemsRect = w.Geometry.ClientRect;
        const QRect items = QRect(itemsRect.topLeft(), itemsRect.size() + size - window.size());
        const TvnNinePart parts { window.rect(), w.Geometry };
        QImage menu;
        ComposeNineParts(menu, window, parts, StandardTarget(parts, size));
        QPainter p(&menu);
        const QImage picture = skin.Picture(item->ActivePictureIndex);
        const QFont font = SkinFont(item->FontName, item->FontHeight, item->FontStyle);
        struct TRow {
            const char* Text;
            int Kind; // 0 plain, 1 highlighted, 2 divider, 3 disabled
            QRect Mark;
        };
        const TRow rows[]
            = { { "Restore", 0, {} }, { "Minimize", 1, item->ActiveCheckImageRect }, { "Maximize", 3, {} },
                  { "", 2, {} }, { "Close", 0, item->RadioImageRect }, { "More", 0, item->ArrowImageRect } };
        int y = items.y();
        for (const TRow& row : rows) {
            if (row.Kind == 2) {
                p.drawImage(QPoint(items.x(), y),
                    Strip(picture, item->DividerRect, item->DividerLeftOffset, item->DividerRightOffset,
                        items.width(), item->DividerStretchEffect));
                y += item->DividerRect.height();
                continue;
            }
            const QRect& look = row.Kind == 1 ? item->ActiveSkinRect : item->SkinRect;
            const QRect place(items.x(), y, items.width(), look.height());
            p.drawImage(place.topLeft(),
                Strip(picture, look, item->ItemLeftOffset, item->ItemRightOffset, place.width(),
                    item->StretchEffect));
            QRect text = item->TextRect.translated(place.topLeft());
            text.setWidth(text.width() + place.width() - item->SkinRect.width());
            const TColor colour = row.Kind == 1 ? item->ActiveFontColor
                : row.Kind == 3                 ? item->UnenabledFontColor
                                                : item->FontColor;
            DrawLine(p, text, QString::fromLatin1(row.Text), font, colour, Qt::AlignLeft | Qt::AlignVCenter);
            if (!RectEmpty(row.Mark)) {
                const bool arrow = row.Mark == item->ArrowImageRect;
                const QRect image = item->ImageRect.translated(place.topLeft());
                const QPoint at = arrow
                    ? QPoint(RectRight(place) - row.Mark.width() - 4, place.y() + 3)
                    : image.center() - QPoint(row.Mark.width() / 2 - 1, row.Mark.height() / 2 - 1);
                p.drawImage(at, Part(picture, row.Mark));
            }
            y += look.height();
        }
        p.end();
        tiles.push_back({ QStringLiteral("popup menu: items, highlighted, disabled, divider, marks"), menu });
    }

    const TvnDataSkinHintWindow& h = skin.HintWindow;
    const QImage hintPicture = skin.Picture(h.WindowPictureIndex);
    if (!hintPicture.isNull()) {
        const QFont font = SkinFont(h.FontName, h.FontHeight, h.FontStyle);
        const QString text = QStringLiteral("Minimize");
        const QSize size(QFontMetrics(font).horizontalAdvance(text) + 16, hintPicture.height());
        const TvnNinePart parts { hintPicture.rect(), h.Geometry };
        QImage hint;
        ComposeNineParts(hint, hintPicture, parts, StandardTarget(parts, size));
        QPainter p(&hint);
        const QRect& client = h.Geometry.ClientRect;
        DrawLine(
            p, QRect(client.topLeft(), client.size() + size - hintPicture.size()), text, font, h.FontColor);
        p.end();
        tiles.push_back({ QStringLiteral("hint window"), hint });
    }
    // What the skin lacks, in one line under the heading: its menus or hints are drawn in
    // the plain look.
    const bool hints = !hintPicture.isNull();
    if (!menus || !hints) {
        const QString lacking = !menus && !hints
            ? QStringLiteral("no popup window and no hint window: its menus and hints are")
            : !menus ? QStringLiteral("no popup window: its menus are")
                     : QStringLiteral("no hint window: its hints are");
        tiles.push_back({ QStringLiteral("This skin has %1 drawn in the plain look.").arg(lacking), {} });
    }
    return tiles;
}

// ---- Controls of the product's windows ---------------------------------------------------

namespace {

TTiles ButtonTiles(const TvnSkinData& skin, const TvnDataSkinButtonControl& r, const QColor& parent)
{
    const QSize size = SizeFor(r, r.SkinRect.size() + QSize(60, 4));
    // Buttons too small for a word carry only their glyph (the combo box's button).
    const QString caption = r.SkinRect.width() < 24 ? QString() : QStringLiteral("Localizar");
    TTiles tiles;
    const std::pair<const char*, TButtonState> states[]
        = { { "normal", TButtonState::Normal }, { "hot", TButtonState::Hot }, { "down", TButtonState::Down },
              { "focused", TButtonState::Focused }, { "disabled", TButtonState::Disabled } };
    for (const auto& [name, state] : states)
        tiles.push_back(ControlTile(r.IDName + u' ' + QString::fromLatin1(name), size, parent,
            [&](QPainter& p, const QRect& at) { PaintButton(p, skin, r, at, state, caption); }));
    if (r.GlowLayerPictureIndex >= 0)
        tiles.push_back(ControlTile(
            r.IDName + QStringLiteral(" hot with glow"), size, parent, [&](QPainter& p, const QRect& at) {
                PaintButton(p, skin, r, at, TButtonState::Hot, caption);
                PaintButtonGlow(p, skin, r, at);
            }));
    return tiles;
}

TTiles CheckTiles(const TvnSkinData& skin, const TvnDataSkinCheckRadioControl& r, const QColor& parent)
{
    TTiles tiles;
    struct TState {
        const char* Name;
        TCheckLook Look;
    };
    const TState states[]
        = { { "off", { TCheck::Unchecked, false, true } }, { "on", { TCheck::Checked, false, true } },
              { "hot off", { TCheck::Unchecked, true, true } }, { "hot on", { TCheck::Checked, true, true } },
              { "grayed", { TCheck::Grayed, false, true } }, { "hot grayed", { TCheck::Grayed, true, true } },
              { "disabled off", { TCheck::Unchecked, false, false } },
              { "disabled on", { TCheck::Checked, false, false } } };
    for (const TState& s : states)
        tiles.push_back(ControlTile(r.IDName + u' ' + QString::fromLatin1(s.Name), QSize(110, 22), parent,
            [&](QPainter& p, const QRect& at) {
                PaintFlatCheck(p, skin, r, at, s.Look, QStringLiteral("Bioombo"));
            }));
    for (const bool hot : { false, true })
        tiles.push_back(
            ControlTile(r.IDName + (hot ? QStringLiteral(" framed hot") : QStringLiteral(" framed")),
                SizeFor(r, QSize(130, r.SkinRect.height())), parent, [&](QPainter& p, const QRect& at) {
                    PaintFramedCheck(p, skin, r, at, { TCheck::Checked, hot, true }, QStringLiteral("Capa"));
                }));
    return tiles;
}

TTiles ScrollTiles(const TvnSkinData& skin, const TvnDataSkinScrollBarControl& r)
{
    const bool upright = ResizeMode(r) == TResize::Down;
    const QSize size = upright ? QSize(r.SkinRect.width(), 130) : QSize(130, r.SkinRect.height());
    struct TState {
        const char* Name;
        TBarLook Look;
    };
    const TState states[] = { { "rest", { 0.3, 0, false } }, { "hot start", { 0.3, 1, false } },
        { "pressed start", { 0.3, 1, true } }, { "hot end", { 0.3, 2, false } },
        { "pressed end", { 0.3, 2, true } }, { "hot thumb", { 0.7, 3, false } },
        { "dragged thumb", { 1.0, 3, true } } };
    TTiles tiles;
    for (const TState& s : states)
        tiles.push_back(ControlTile(r.IDName + u' ' + QString::fromLatin1(s.Name), size, WindowFace(skin),
            [&](QPainter& p, const QRect& at) { PaintScrollBar(p, skin, r, at, upright, s.Look); }));
    return tiles;
}

TTiles TabTiles(const TvnSkinData& skin, const TvnDataSkinTabControl& r)
{
    TTiles tiles;
    const QStringList tabs { QString::fromUtf8("Ampliação"), QStringLiteral("Bioombo"),
        QStringLiteral("Outros"), QString::fromUtf8("Álbum") };
    for (const bool focused : { false, true })
        tiles.push_back(ControlTile(r.IDName
                + (focused ? QStringLiteral(": focused, 'Outros' hot")
                           : QStringLiteral(": 'Bioombo' active, 'Outros' hot")),
            QSize(340, 90), WindowFace(skin), [&](QPainter& p, const QRect& at) {
                PaintTabs(p, skin, r, at, tabs, TTabsLook { focused ? 0 : 1, 2, focused });
            }));
    return tiles;
}

TTiles EditTiles(const TvnSkinData& skin, const TvnDataSkinEditControl& r, const QColor& parent)
{
    const bool both = ResizeMode(r) == TResize::Both;
    const QSize size = SizeFor(r, QSize(150, both ? 60 : r.SkinRect.height()));
    struct TState {
        const char* Name;
        TFieldState State;
        TFieldButton Button;
    };
    const TState states[] = { { "normal", TFieldState::Normal, TFieldButton::Rest },
        { "active", TFieldState::Active, TFieldButton::Rest },
        { "disabled", TFieldState::Disabled, TFieldButton::Disabled },
        { "button hot", TFieldState::Active, TFieldButton::Hot },
        { "button down", TFieldState::Active, TFieldButton::Down } };
    TTiles tiles;
    for (const TState& s : states) {
        if (s.Button != TFieldButton::Rest && s.Button != TFieldButton::Disabled && RectEmpty(r.ButtonRect))
            continue;
        tiles.push_back(ControlTile(
            r.IDName + u' ' + QString::fromLatin1(s.Name), size, parent, [&](QPainter& p, const QRect& at) {
                PaintEdit(p, skin, r, at, QStringLiteral("/srv/fotos"), s.State, s.Button);
            }));
    }
    return tiles;
}

TTiles GridTiles(const TvnSkinData& skin, const TvnDataSkinGridControl& r)
{
    QList<QStringList> rows;
    for (int i = 1; i <= 5; ++i)
        rows.append({ QStringLiteral("IMG_%1.jpg").arg(5230 + i), QString::number(i) });
    TTiles tiles;
    for (const bool focused : { false, true })
        tiles.push_back(ControlTile(r.IDName
                + (focused ? QStringLiteral(": focused, third row current")
                           : QStringLiteral(": third row selected, 17-pixel rows")),
            QSize(240, 6 * r.SelectCellRect.height()), WindowFace(skin), [&](QPainter& p, const QRect& at) {
                PaintGrid(
                    p, skin, r, at, { QStringLiteral("Foto"), QStringLiteral("Ordem") }, rows, 2, focused);
            }));
    return tiles;
}

TTiles PanelTiles(const TvnSkinData& skin, const TvnDataSkinPanelControl& r)
{
    const QSize size = SizeFor(r, QSize(180, 80));
    return { ControlTile(r.IDName, size, WindowFace(skin), [&](QPainter& p, const QRect& at) {
        PaintPanel(p, skin, r, at, QStringLiteral("Cliente Selecionado"));
    }) };
}

TTiles LabelTiles(const TvnSkinData& skin, const TvnDataSkinStdLabelControl& r)
{
    TTiles tiles;
    for (const bool onGroup : { false, true })
        for (const bool enabled : { true, false })
            tiles.push_back(ControlTile(r.IDName + (enabled ? QString() : QStringLiteral(" disabled"))
                    + (onGroup ? QStringLiteral(" on a group box") : QStringLiteral(" on the window")),
                QSize(150, 20), onGroup ? GroupFace(skin) : WindowFace(skin),
                [&](QPainter& p, const QRect& at) {
                    PaintLabel(p, skin, r, at, QStringLiteral("Tipo Evento: (12)"), enabled);
                }));
    return tiles;
}

} // namespace

TTiles ControlPreviews(const TvnSkinData& skin, const TvnDataSkinControl& record)
{
    const QColor parent = GroupFace(skin);
    if (const auto* r = dynamic_cast<const TvnDataSkinButtonControl*>(&record))
        return ButtonTiles(skin, *r, parent);
    if (const auto* r = dynamic_cast<const TvnDataSkinCheckRadioControl*>(&record))
        return CheckTiles(skin, *r, parent);
    if (const auto* r = dynamic_cast<const TvnDataSkinPanelControl*>(&record)) return PanelTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinStdLabelControl*>(&record)) return LabelTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinScrollBarControl*>(&record))
        return ScrollTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinTabControl*>(&record)) return TabTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinEditControl*>(&record))
        return EditTiles(skin, *r, parent);
    if (const auto* r = dynamic_cast<const TvnDataSkinGridControl*>(&record)) return GridTiles(skin, *r);
    return MoreControlPreviews(skin, record);
}

TTiles PicturePreviews(const TvnSkinData& skin)
{
    TTiles tiles { { QStringLiteral("main picture"), skin.MainPicture },
        { QStringLiteral("main mask"), skin.MainMask } };
    for (int i = 0; i < skin.Pictures.size(); ++i)
        tiles.push_back(
            { QStringLiteral("%1: %2").arg(i).arg(skin.PictureNames.value(i)), skin.Pictures[i] });
    return tiles;
}

} // namespace sheet
