// Painting: the live panel paints itself (face, OnPaintPanel, focus rectangle) and its
// real controls; the grid paints every other panel as a copy for its buffered row.
#include "DBCtrlGrid.h"
#include "DBText.h"
#include "skin/controls/vnSkinCtrls/SkinPieces.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

// ---- The live panel ------------------------------------------------------------------------

QImage TvnDBCtrlPanel::Face()
{
    // Kept with the panel's other looks: every skin change, and every other store, drops
    // it. Called after the record is looked up.
    return m_face.Get({ SkinRecordIndex(), size(), m_geometry.Parts.SkinRect, 0 }, [&] {
        QImage face(size(), QImage::Format_RGB32);
        face.fill(0);
        if (!face.isNull()) {
            QPainter painter(&face);
            TvnSkinPanel::Paint(painter);
        }
        return face;
    });
}

void TvnDBCtrlPanel::Paint(QPainter& painter)
{
    if (Width() < 1 || Height() < 1) return;
    ReadSkinRecord();
    const vndb::TvnCtrlGridSnapshot snap = m_grid->TakeSnapshot();
    const bool handler = snap.LinkActive && m_grid->OnPaintPanel;
    if (!handler && !snap.FocusRect) {
        painter.drawImage(0, 0, snap.Face);
        return;
    }
    // On a copy of the face, the handler's drawing, then the focus rectangle. With no
    // handler the result is kept: a dotted stroke costs more than the copy.
    const auto draw = [&] {
        QImage picture = snap.Face.copy();
        QPainter canvas(&picture);
        if (handler) events::Fire(m_grid->OnPaintPanel, m_grid, snap.CurrentPanel, &canvas, rect());
        if (snap.FocusRect) vnctrls::DrawFocusRect(canvas, rect(), snap.FocusFace);
        return picture;
    };
    if (handler) {
        painter.drawImage(0, 0, draw());
        return;
    }
    painter.drawImage(0, 0, m_focusedFace.Get({ snap.Face.cacheKey(), snap.FocusFace }, draw));
}

// ---- The grid ------------------------------------------------------------------------------

void TvnSkinDBCtrlGrid::DrawPanelControls(QPainter& painter, const vndb::TvnPanelCopyKey* key)
{
    int shown = 0;
    for (QObject* child : m_panel->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isHidden()) continue;
        const QPoint at = widget->pos();
        // The copy's key holds the shown controls' keys in this same order.
        const vndb::TvnLabelPictureKey* labelKey = key ? &key->Labels.at(shown) : nullptr;
        ++shown;
        // Each label is drawn the way the live one paints itself, so that a row looks
        // the same on a copy as on the live panel.
        if (auto* text = qobject_cast<TvnSkinDBText*>(widget)) {
            painter.drawImage(at, labelKey ? text->Picture(*labelKey) : text->Picture(true));
        } else if (auto* label = qobject_cast<TvnSkinStdLabel*>(widget)) {
            label->DrawTo(painter, at);
        } else if (auto* skinned = qobject_cast<TvnSkinControl*>(widget)) {
            painter.save();
            painter.translate(at);
            painter.setClipRect(QRect(QPoint(0, 0), widget->size()), Qt::IntersectClip);
            skinned->Paint(painter);
            painter.restore();
        } else {
            painter.save();
            widget->render(&painter, at, QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
            painter.restore();
        }
    }
}

bool TvnSkinDBCtrlGrid::CopyKey(const QImage& face, vndb::TvnPanelCopyKey& key) const
{
    // Only panels of labels and data texts are kept: their keys say everything the copy
    // shows. A handler that paints the panel, or another control, may draw anything.
    if (OnPaintPanel) return false;
    key.Face = face.cacheKey();
    for (QObject* child : m_panel->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isHidden()) continue;
        auto* label = qobject_cast<TvnSkinStdLabel*>(widget);
        if (!label) return false;
        auto* text = qobject_cast<TvnSkinDBText*>(label);
        key.Labels.append(vndb::LabelPictureKey(*label, text ? text->FieldText() : label->Caption()));
        key.Labels.back().Place = widget->pos();
    }
    return true;
}

void TvnSkinDBCtrlGrid::DrawPanel(QPainter& painter, const vndb::TvnCtrlGridSnapshot& snap, int index)
{
    const QRect r = vndb::PanelRect(snap.Layout, index);
    ++m_panelsDrawn;
    if (index >= snap.FilledPanels) {
        painter.drawImage(r.topLeft(), snap.Face);
        return;
    }
    // A buffered row's fields are read through the link's active record, the only way
    // the data controls on the panel read a row: it moves to the panel's row for the
    // copy and back when the copy is done. The data set's current record stays.
    const TActiveRecordScope reading(m_link, index);
    vndb::TvnPanelCopyKey key;
    const bool keep = CopyKey(snap.Face, key);
    if (keep) {
        if (const QImage* kept = m_panelCopies.Find(key)) {
            painter.drawImage(r.topLeft(), *kept);
            return;
        }
        // A row scrolled in is drawn once and then moves with the pixels on the screen:
        // its copy is kept from the second time it is drawn (a repaint, a row the live
        // panel comes back to). The first time it is drawn straight onto the screen.
        if (FirstSight(key, snap.Layout.PanelCount())) {
            painter.drawImage(r.topLeft(), snap.Face);
            painter.save();
            painter.translate(r.topLeft());
            painter.setClipRect(QRect(QPoint(0, 0), r.size()), Qt::IntersectClip);
            DrawPanelControls(painter, &key);
            painter.restore();
            return;
        }
    }
    // Drawn on a copy of the face (a plain copy of its bytes; a painter's copy of a
    // picture this size runs on Qt's thread pool) that is then kept as it is.
    QImage copy = snap.Face.copy();
    {
        QPainter canvas(&copy);
        events::Fire(OnPaintPanel, this, index, &canvas, QRect(QPoint(0, 0), r.size()));
        DrawPanelControls(canvas, keep ? &key : nullptr);
    }
    painter.drawImage(r.topLeft(), copy);
    if (keep) m_panelCopies.Keep(key, std::move(copy), 4 * snap.Layout.PanelCount());
}

bool TvnSkinDBCtrlGrid::FirstSight(const vndb::TvnPanelCopyKey& key, int panels)
{
    // Only the keys' hashes are remembered: two rows sharing one cost a kept copy more
    // or less, never a wrong picture.
    const size_t hash = qHash(key);
    if (m_copiesSeen.contains(hash)) return false;
    if (m_copiesSeen.size() >= 4 * panels) m_copiesSeen.clear();
    m_copiesSeen.insert(hash);
    return true;
}

TColor TvnSkinDBCtrlGrid::PanelClientColor() const
{
    // The live panel is bound to the skin's panel record: its index, not a search by name.
    const auto* record = m_panel->Record<TvnDataSkinPanelControl>();
    const TvnSkinData* store = m_panel->LoadedSkin();
    if (!record || !store) return Color();
    const QImage picture = store->Picture(record->PictureIndex);
    const QPoint p(record->SkinRect.left() + record->Geometry.ClientRect.left() + 1,
        record->SkinRect.top() + record->Geometry.ClientRect.top() + 1);
    if (!picture.valid(p)) return Color();
    return FromQColor(picture.pixelColor(p));
}

vndb::TvnCtrlGridSnapshot TvnSkinDBCtrlGrid::TakeSnapshot()
{
    // The panel's store follows the grid's in SetSkinData and its record is looked up
    // before (Paint); here both are only read. The live panel paints from this same
    // snapshot: it is one of the grid's panels.
    vndb::TvnCtrlGridSnapshot s;
    s.Layout = m_layout;
    s.Size = size();
    s.CurrentPanel = m_currentPanel;
    s.FilledPanels = m_filledPanels;
    s.LinkActive = m_link.Active();
    s.FocusRect = s.LinkActive && m_showFocus && m_gridFocused;
    s.Face = m_panel->Face();
    s.BottomStrip = ToQColor(Color());
    s.RightStrip = ToQColor(PanelClientColor());
    s.FocusFace = Color();
    return s;
}

void TvnSkinDBCtrlGrid::Paint(QPainter& painter)
{
    // The grid draws with its live panel's record.
    m_panel->ReadSkinRecord();
    const vndb::TvnCtrlGridSnapshot snap = TakeSnapshot();
    // The region itself, not its bounding rectangle: after the rows scrolled, the two
    // panels asked for may lie far apart.
    const QRegion clip = painter.hasClipping() ? painter.clipRegion() : QRegion(QRect(QPoint(), snap.Size));
    for (int i = 0; i < snap.Layout.PanelCount(); ++i) {
        if (i == snap.CurrentPanel && snap.LiveShown()) continue;
        if (!clip.intersects(vndb::PanelRect(snap.Layout, i))) continue;
        DrawPanel(painter, snap, i);
    }
    const int panelsHeight = snap.Layout.PanelHeight * snap.Layout.RowCount;
    const int panelsWidth = snap.Layout.PanelWidth * snap.Layout.ColCount;
    if (panelsHeight < snap.Size.height())
        painter.fillRect(
            QRect(0, panelsHeight, snap.Size.width(), snap.Size.height() - panelsHeight), snap.BottomStrip);
    if (panelsWidth < snap.Size.width())
        painter.fillRect(
            QRect(panelsWidth, 0, snap.Size.width() - panelsWidth, snap.Size.height()), snap.RightStrip);
}

void TvnSkinDBCtrlGrid::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    painter.setClipRegion(e->region());
    Paint(painter);
}
