// Tiles of the records the product's windows do not use: they complete the skin.
#include "Painters.h"
#include "Previews.h"
#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/ThreePartStrip.h"

#include <QFontMetrics>
#include <cmath>

using namespace vnutils;

namespace sheet {

namespace {

const QRect& Or(const QRect& rect, const QRect& fallback) { return RectEmpty(rect) ? fallback : rect; }
QFont FontOf(const auto& r) { return SkinFont(r.FontName, r.FontHeight, r.FontStyle); }

// A face with one line of text in its client area.
TTile FaceWithText(const TvnSkinData& skin, const TvnDataSkinCustomControl& r, const QString& label,
    QSize wanted, const QRect& face, const QString& text, TColor colour, const QFont& font)
{
    const QSize size = SizeFor(r, wanted);
    return ControlTile(label, size, GroupFace(skin), [&](QPainter& p, const QRect& at) {
        p.drawImage(at.topLeft(), ComposeFace(skin, r, face, size));
        DrawLine(p, ClientAt(r, size).translated(at.topLeft()).adjusted(3, 0, -3, 0), text, font, colour,
            Qt::AlignLeft | Qt::AlignVCenter);
    });
}

TTiles ListTiles(const TvnSkinData& skin, const TvnDataSkinListBox& r)
{
    const auto* check = dynamic_cast<const TvnDataSkinCheckListBox*>(&r);
    const QSize size = SizeFor(r, QSize(170, 110));
    const QImage picture = skin.Picture(r.PictureIndex);
    return { ControlTile(r.IDName + QStringLiteral(": items at rest, selected, focused"), size,
        GroupFace(skin), [&](QPainter& p, const QRect& at) {
            p.drawImage(at.topLeft(), ComposeFace(skin, r, r.SkinRect, size));
            if (!RectEmpty(r.CaptionRect)) {
                QRect caption = r.CaptionRect.translated(at.topLeft());
                caption.setWidth(caption.width() + size.width() - r.SkinRect.width());
                DrawLine(p, caption, QStringLiteral("Eventos"),
                    SkinFont(r.CaptionFontName, r.CaptionFontHeight, r.CaptionFontStyle), r.CaptionFontColor,
                    Qt::AlignLeft | Qt::AlignVCenter);
            }
            const QRect client = ClientAt(r, size).translated(at.topLeft());
            const QRect* looks[] = { &r.ItemRect, &r.ActiveItemRect, &r.FocusItemRect, &r.ItemRect };
            const TColor colours[] = { r.FontColor, r.ActiveFontColor, r.FocusFontColor, r.FontColor };
            int y = client.y();
            for (int i = 0; i < 4; ++i) {
                const QRect item(client.x(), y, client.width(), looks[i]->height());
                p.drawImage(item.topLeft(),
                    Strip(picture, *looks[i], r.ItemLeftOffset, r.ItemRightOffset, item.width(), true));
                QRect text = r.ItemTextRect.translated(item.topLeft());
                text.setWidth(text.width() + item.width() - r.ItemRect.width());
                DrawLine(p, text, QStringLiteral("Casamento %1").arg(i + 1), FontOf(r), colours[i],
                    Qt::AlignLeft | Qt::AlignVCenter);
                if (check)
                    DrawAutoTransparent(p, check->ItemCheckRect.translated(item.topLeft()).topLeft(), picture,
                        i % 2 ? check->UncheckImageRect : check->CheckImageRect);
                y += item.height();
            }
        }) };
}

TTiles ComboTiles(const TvnSkinData& skin, const TvnDataSkinComboBox& r)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    TTiles tiles;
    const char* names[] = { "normal", "active", "button hot", "button down", "disabled button" };
    const QRect* buttons[]
        = { nullptr, nullptr, &r.ActiveButtonRect, &r.DownButtonRect, &r.UnenabledButtonRect };
    for (int s = 0; s < 5; ++s) {
        const QSize size = SizeFor(r, QSize(150, r.SkinRect.height()));
        tiles.push_back(ControlTile(r.IDName + u' ' + QString::fromLatin1(names[s]), size, GroupFace(skin),
            [&](QPainter& p, const QRect& at) {
                const QImage face = ComposeFace(
                    skin, r, s == 0 || s == 4 ? r.SkinRect : Or(r.ActiveSkinRect, r.SkinRect), size);
                p.drawImage(at.topLeft(), face);
                if (buttons[s] && !RectEmpty(*buttons[s]))
                    p.drawImage(
                        at.topLeft() + r.ButtonRect.topLeft() + QPoint(size.width() - r.SkinRect.width(), 0),
                        Part(picture, *buttons[s]));
                DrawLine(p, ClientAt(r, size).translated(at.topLeft()).adjusted(2, 0, 0, 0),
                    QStringLiteral("Casamento"), FontOf(r), s == 1 ? r.ActiveFontColor : r.FontColor,
                    Qt::AlignLeft | Qt::AlignVCenter);
            }));
    }
    tiles.push_back(ControlTile(r.IDName + QStringLiteral(" list: item, hot, focused"),
        QSize(150, 3 * r.ItemRect.height()), GroupFace(skin), [&](QPainter& p, const QRect& at) {
            const QRect* looks[] = { &r.ItemRect, &r.ActiveItemRect, &r.FocusItemRect };
            const TColor colours[] = { r.FontColor, r.ActiveFontColor, r.FocusFontColor };
            for (int i = 0; i < 3; ++i) {
                const QRect item(at.x(), at.y() + i * looks[i]->height(), at.width(), looks[i]->height());
                p.drawImage(item.topLeft(),
                    Strip(picture, *looks[i], r.ItemLeftOffset, r.ItemRightOffset, item.width(),
                        r.ItemStretchEffect));
                DrawLine(p, item.adjusted(r.ItemTextRect.x(), 0, 0, 0), QStringLiteral("Formatura"),
                    FontOf(r), colours[i], Qt::AlignLeft | Qt::AlignVCenter);
            }
        }));
    return tiles;
}

// Faces with two arrow buttons: spin edits and up-downs.
template <class Record>
TTiles TwoButtonTiles(
    const TvnSkinData& skin, const Record& r, QSize size, const QString& text, TColor colour)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    TTiles tiles;
    struct TState {
        const char* Name;
        const QRect* Look;
        const QRect* Place;
    };
    const TState states[]
        = { { "rest", nullptr, nullptr }, { "up hot", &r.ActiveUpButtonRect, &r.UpButtonRect },
              { "up pressed", &r.DownUpButtonRect, &r.UpButtonRect },
              { "down hot", &r.ActiveDownButtonRect, &r.DownButtonRect },
              { "down pressed", &r.DownDownButtonRect, &r.DownButtonRect } };
    for (const TState& s : states) {
        const QImage face = ComposeFace(skin, r, r.SkinRect, size);
        const int dw = face.width() - r.SkinRect.width();
        tiles.push_back(ControlTile(r.IDName + u' ' + QString::fromLatin1(s.Name), face.size(),
            GroupFace(skin), [&](QPainter& p, const QRect& at) {
                p.drawImage(at.topLeft(), face);
                if (s.Look && !RectEmpty(*s.Look))
                    p.drawImage(at.topLeft() + s.Place->topLeft() + QPoint(dw, 0), Part(picture, *s.Look));
                if (!text.isEmpty())
                    DrawLine(p, ClientAt(r, face.size()).translated(at.topLeft()).adjusted(2, 0, 0, 0), text,
                        SkinFont(QStringLiteral("Arial"), 14, {}), colour, Qt::AlignLeft | Qt::AlignVCenter);
            }));
    }
    return tiles;
}

TTiles GaugeTiles(const TvnSkinData& skin, const TvnDataSkinGaugeControl& r)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    const QSize size
        = SizeFor(r, r.Vertical ? QSize(r.SkinRect.width(), 100) : QSize(160, r.SkinRect.height()));
    return { ControlTile(
        r.IDName + QStringLiteral(" at 60%"), size, GroupFace(skin), [&](QPainter& p, const QRect& at) {
            p.drawImage(at.topLeft(), ComposeFace(skin, r, r.SkinRect, size));
            const int grow
                = r.Vertical ? size.height() - r.SkinRect.height() : size.width() - r.SkinRect.width();
            QRect area = r.ProgressArea;
            if (r.Vertical)
                area.setHeight(area.height() + grow);
            else
                area.setWidth(area.width() + grow);
            area.translate(at.topLeft());
            QRect filled = area;
            if (r.Vertical) {
                filled.setTop(RectBottom(area) - int(area.height() * 0.6));
                filled.setHeight(RectBottom(area) - filled.y());
            } else {
                filled.setWidth(int(area.width() * 0.6));
            }
            p.drawImage(filled, Part(picture, r.ProgressRect));
            if (!r.Vertical) DrawLine(p, area, QStringLiteral("60%"), FontOf(r), r.FontColor);
        }) };
}

TTiles TrackTiles(const TvnSkinData& skin, const TvnDataSkinTrackBarControl& r)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    const QSize size
        = SizeFor(r, r.Vertical ? QSize(r.SkinRect.width(), 120) : QSize(150, r.SkinRect.height()));
    TTiles tiles;
    for (const bool hot : { false, true })
        tiles.push_back(ControlTile(r.IDName + (hot ? QStringLiteral(" hot") : QStringLiteral(" rest")), size,
            GroupFace(skin), [&](QPainter& p, const QRect& at) {
                p.drawImage(at.topLeft(),
                    ComposeFace(skin, r, hot ? Or(r.ActiveSkinRect, r.SkinRect) : r.SkinRect, size));
                const QRect& look = hot ? Or(r.ActiveButtonRect, r.ButtonRect) : r.ButtonRect;
                const int grow
                    = r.Vertical ? size.height() - r.SkinRect.height() : size.width() - r.SkinRect.width();
                QRect track = r.TrackArea;
                if (r.Vertical)
                    track.setHeight(track.height() + grow);
                else
                    track.setWidth(track.width() + grow);
                track.translate(at.topLeft());
                const QPoint c = r.Vertical ? QPoint(track.center().x(), track.y() + track.height() * 4 / 10)
                                            : QPoint(track.x() + track.width() * 4 / 10, track.center().y());
                const QPoint thumbAt = c - QPoint(look.width() / 2, look.height() / 2);
                if (r.ButtonTransparent)
                    DrawTransparent(p, thumbAt, picture, look, r.ButtonTransparentColor);
                else
                    p.drawImage(thumbAt, Part(picture, look));
            }));
    return tiles;
}

TTiles ExPanelTiles(const TvnSkinData& skin, const TvnDataSkinExPanelControl& r)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    const QSize size = SizeFor(r, QSize(180, 80));
    const auto button = [&](QPainter& p, const QRect& look, QPoint at) {
        if (r.ButtonsTransparent)
            DrawTransparent(p, at, picture, look, r.ButtonsTransparentColor);
        else
            p.drawImage(at, Part(picture, look));
    };
    TTiles tiles;
    tiles.push_back(ControlTile(r.IDName + QStringLiteral(": close and roll buttons at rest, hot"), size,
        WindowFace(skin), [&](QPainter& p, const QRect& at) {
            p.drawImage(at.topLeft(), ComposeFace(skin, r, r.SkinRect, size));
            DrawLine(p, r.CaptionRect.translated(at.topLeft()).adjusted(0, 0, 40, 0),
                QStringLiteral("Detalhes"), FontOf(r), r.FontColor, Qt::AlignLeft | Qt::AlignVCenter);
            button(p, r.CloseButtonRect, at.topLeft() + QPoint(size.width() - 20, 3));
            button(p, r.HRollButtonActiveRect, at.topLeft() + QPoint(size.width() - 36, 3));
        }));
    tiles.push_back(ControlTile(r.IDName + QStringLiteral(" rolled up across"),
        QSize(180, r.RollHSkinRect.height()), WindowFace(skin), [&](QPainter& p, const QRect& at) {
            p.drawImage(at.topLeft(),
                Strip(picture, r.RollHSkinRect, r.RollLeftOffset, r.RollRightOffset, at.width(), true));
            DrawLine(p, r.RollHCaptionRect.translated(at.topLeft()).adjusted(0, 0, 60, 0),
                QStringLiteral("Detalhes"), FontOf(r), r.FontColor, Qt::AlignLeft | Qt::AlignVCenter);
            button(p, r.HRestoreButtonRect, at.topLeft() + QPoint(at.width() - 20, 3));
        }));
    tiles.push_back(ControlTile(r.IDName + QStringLiteral(" rolled up down"),
        QSize(r.RollVSkinRect.width(), 100), WindowFace(skin), [&](QPainter& p, const QRect& at) {
            p.drawImage(at.topLeft(),
                VerticalStrip(
                    picture, r.RollVSkinRect, r.RollTopOffset, r.RollBottomOffset, at.height(), true));
            button(p, r.VRestoreButtonDownRect, at.topLeft() + QPoint(3, 3));
        }));
    return tiles;
}

TTiles ControlBarTiles(const TvnSkinData& skin, const TvnDataSkinControlBar& r)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    const QSize size = SizeFor(r, QSize(220, 64));
    return { ControlTile(r.IDName + QStringLiteral(": two bands with grips"), size, WindowFace(skin),
        [&](QPainter& p, const QRect& at) {
            p.drawImage(at.topLeft(), ComposeFace(skin, r, r.SkinRect, size));
            for (int i = 0; i < 2; ++i) {
                const QRect band(
                    at.x() + 4 + i * 100, at.y() + 4 + i * 28, 120 - i * 20, r.ItemRect.height());
                p.drawImage(
                    band.topLeft(), Strip(picture, r.ItemRect, 4, 4, band.width(), r.ItemStretchEffect));
                const QPoint gripAt(
                    band.x() + r.GripOffset1, band.y() + band.height() / 2 - r.HGripRect.height() / 2);
                if (r.GripTransparent)
                    DrawTransparent(p, gripAt, picture, r.HGripRect, r.GripTransparentColor);
                else
                    p.drawImage(gripAt, Part(picture, r.HGripRect));
            }
        }) };
}

TTiles SplitterTiles(const TvnSkinData& skin, const TvnDataSkinSplitterControl& r)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    const bool upright = ResizeMode(r) == TResize::Down;
    const QSize size = SizeFor(r, upright ? QSize(r.SkinRect.width(), 90) : QSize(120, r.SkinRect.height()));
    return { ControlTile(r.IDName, size, WindowFace(skin), [&](QPainter& p, const QRect& at) {
        p.drawImage(at.topLeft(), ComposeFace(skin, r, r.SkinRect, size));
        const QPoint gripAt
            = at.center() - QPoint(r.GripperRect.width() / 2, r.GripperRect.height() / 2) + QPoint(1, 1);
        if (r.GripperTransparent)
            DrawTransparent(p, gripAt, picture, r.GripperRect, r.GripperTransparentColor);
        else
            p.drawImage(gripAt, Part(picture, r.GripperRect));
    }) };
}

TTiles MenuBarTiles(const TvnSkinData& skin, const TvnDataSkinMainMenuBar& r)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    const auto* item
        = dynamic_cast<const TvnDataSkinMainMenuItem*>(skin.FrameObject(skin.FindFrameObject(r.MenuBarItem)));
    return { ControlTile(r.IDName + QStringLiteral(": items at rest, hot, open; its buttons"),
        QSize(330, r.SkinRect.height()), WindowFace(skin), [&](QPainter& p, const QRect& at) {
            p.drawImage(at.topLeft(), Strip(picture, r.SkinRect, 2, 2, at.width(), r.StretchEffect));
            if (item) {
                const QFont font = SkinFont(item->FontName, item->FontHeight, item->FontStyle);
                const QString names[]
                    = { QStringLiteral("Arquivo"), QStringLiteral("Editar"), QStringLiteral("Ajuda") };
                const QRect looks[] = { item->SkinRect, item->ActiveSkinRect, item->DownRect };
                const TColor colours[] = { item->FontColor, item->ActiveFontColor, item->DownFontColor };
                int x = at.x() + r.ItemsRect.x();
                const QImage items = skin.Picture(item->ActivePictureIndex);
                for (int i = 0; i < 3; ++i) {
                    const int w = QFontMetrics(font).horizontalAdvance(names[i]) + 16;
                    p.drawImage(QPoint(x, at.y()),
                        Strip(items, looks[i], item->ItemLeftOffset, item->ItemRightOffset, w,
                            item->StretchEffect));
                    DrawLine(p, QRect(x, at.y(), w, looks[i].height()), names[i], font, colours[i]);
                    x += w;
                }
            }
            int x = at.x() + at.width();
            for (const QString& name : { r.CloseButton, r.MaxButton, r.MinButton }) {
                const auto* button = skin.FrameObject(skin.FindFrameObject(name));
                if (!button) continue;
                x -= button->SkinRect.width();
                p.drawImage(
                    QPoint(x, at.y() + 2), Part(skin.Picture(button->ActivePictureIndex), button->SkinRect));
            }
        }) };
}

template <class Record> TTiles ViewTiles(const TvnSkinData& skin, const Record& r)
{
    return { ControlTile(r.IDName, QSize(150, 70), GroupFace(skin), [&](QPainter& p, const QRect& at) {
        if (!RectEmpty(r.SkinRect)) {
            QImage frame(at.size(), QImage::Format_RGB32);
            StretchSkinRect(frame, skin.Picture(r.PictureIndex), r.SkinRect,
                QRect(3, 3, r.SkinRect.width() - 6, r.SkinRect.height() - 6));
            p.drawImage(at.topLeft(), frame);
        }
        p.fillRect(at.adjusted(3, 3, -3, -3), Colour(r.BGColor));
        const QString lines[]
            = { QStringLiteral("Fotos"), QStringLiteral("  Casamento"), QStringLiteral("  Formatura") };
        for (int i = 0; i < 3; ++i)
            DrawLine(p, QRect(at.x() + 8, at.y() + 6 + 18 * i, at.width() - 16, 18), lines[i], FontOf(r),
                r.FontColor, Qt::AlignLeft | Qt::AlignVCenter);
    }) };
}

TTiles BevelTiles(const TvnSkinData& skin, const TvnDataSkinBevel& r)
{
    return { ControlTile(r.IDName + QStringLiteral(": lowered box and line"), QSize(150, 50), GroupFace(skin),
        [&](QPainter& p, const QRect& at) {
            const QRect box = at.adjusted(0, 0, 0, -14);
            p.setPen(Colour(r.DarkColor));
            p.drawLine(box.topLeft(), box.topRight());
            p.drawLine(box.topLeft(), box.bottomLeft());
            p.setPen(Colour(r.LightColor));
            p.drawLine(box.bottomLeft(), box.bottomRight());
            p.drawLine(box.topRight(), box.bottomRight());
            p.setPen(Colour(r.DarkColor));
            p.drawLine(at.x(), at.bottom() - 1, at.right(), at.bottom() - 1);
            p.setPen(Colour(r.LightColor));
            p.drawLine(at.x(), at.bottom(), at.right(), at.bottom());
        }) };
}

TTiles SliderTiles(const TvnSkinData& skin, const TvnDataSkinSlider& r)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    return { ControlTile(r.IDName + QStringLiteral(": rulers and thumbs"), QSize(170, 80), Colour(r.BGColor),
        [&](QPainter& p, const QRect& at) {
            p.drawImage(
                QPoint(at.x(), at.y() + 10), Strip(picture, r.HRulerRect, r.EdgeSize, r.EdgeSize, 120, true));
            p.drawImage(
                QPoint(at.x() + 40, at.y() + 10 + r.HRulerRect.height() / 2 - r.HThumbRect.height() / 2),
                Part(picture, r.HThumbRect));
            p.drawImage(QPoint(at.x() + 140, at.y()), Part(picture, r.VRulerRect));
            p.drawImage(
                QPoint(at.x() + 140 + r.VRulerRect.width() / 2 - r.VThumbRect.width() / 2, at.y() + 24),
                Part(picture, r.VThumbRect));
            p.setPen(Colour(r.PointsColor));
            for (int x = 0; x <= 120; x += 20)
                p.drawLine(at.x() + x, at.y() + 30, at.x() + x, at.y() + 34);
        }) };
}

} // namespace

TTiles MoreControlPreviews(const TvnSkinData& skin, const TvnDataSkinControl& record)
{
    const QColor parent = GroupFace(skin);
    if (const auto* r = dynamic_cast<const TvnDataSkinListBox*>(&record)) return ListTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinComboBox*>(&record)) return ComboTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinSpinEditControl*>(&record))
        return TwoButtonTiles(skin, *r, QSize(120, r->SkinRect.height()), QStringLiteral("12"), r->FontColor);
    if (const auto* r = dynamic_cast<const TvnDataSkinUpDownControl*>(&record))
        return TwoButtonTiles(skin, *r, r->SkinRect.size(), QString(), 0);
    if (const auto* r = dynamic_cast<const TvnDataSkinGaugeControl*>(&record)) return GaugeTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinTrackBarControl*>(&record)) return TrackTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinExPanelControl*>(&record))
        return ExPanelTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinLabelControl*>(&record))
        return { FaceWithText(skin, *r, r->IDName, QSize(140, r->SkinRect.height()), r->SkinRect,
            QStringLiteral("Pronto"), r->FontColor, FontOf(*r)) };
    if (const auto* r = dynamic_cast<const TvnDataSkinControlBar*>(&record)) return ControlBarTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinSplitterControl*>(&record))
        return SplitterTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinScrollBoxControl*>(&record))
        return { ControlTile(
            r->IDName, SizeFor(*r, QSize(150, 70)), parent, [&](QPainter& p, const QRect& at) {
                p.drawImage(at.topLeft(), ComposeFace(skin, *r, r->SkinRect, at.size()));
            }) };
    if (const auto* r = dynamic_cast<const TvnDataSkinMainMenuBar*>(&record)) return MenuBarTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinTreeView*>(&record)) return ViewTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinListView*>(&record)) return ViewTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinRichEdit*>(&record)) return ViewTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinBevel*>(&record)) return BevelTiles(skin, *r);
    if (const auto* r = dynamic_cast<const TvnDataSkinSlider*>(&record)) return SliderTiles(skin, *r);
    return { ControlTile(record.IDName + QStringLiteral(" (no preview for its kind)"), record.SkinRect.size(),
        parent, [&](QPainter& p, const QRect& at) {
            p.drawImage(at.topLeft(), Part(skin.Picture(record.PictureIndex), record.SkinRect));
        }) };
}

} // namespace sheet
