#include "InplaceEdit.h"

#include "platform/Keys.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnUtils/Marks.h"
#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vnUtils/PixelParts.h"
#include "skin/data/vnUtils/ThreePartStrip.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

using vnutils::RectEmpty;

// ---- The pick list ---------------------------------------------------------------------------

TvnDBPopupListbox::TvnDBPopupListbox(QWidget* owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    hide();
}

void TvnDBPopupListbox::SetSkin(TvnSkinData* store, const QString& recordName)
{
    m_store = store;
    m_recordName = recordName;
}

const TvnDataSkinListBox* TvnDBPopupListbox::Record() const
{
    if (!m_store || m_store->Empty()) return nullptr;
    const int index = m_store->FindControlSkin(m_recordName);
    return index < 0 ? nullptr : m_store->ControlSkinAs<TvnDataSkinListBox>(index);
}

void TvnDBPopupListbox::SetItems(const QStringList& items)
{
    m_items = items;
    m_index = std::min<int>(m_index, m_items.size() - 1);
    update();
}

void TvnDBPopupListbox::SetItemIndex(int index)
{
    m_index = m_items.isEmpty() ? -1 : std::clamp<int>(index, -1, m_items.size() - 1);
    const int rows = std::max(1, ItemsRect().height() / std::max(1, ItemHeight()));
    if (m_index >= 0 && m_index < m_first) m_first = m_index;
    if (m_index >= m_first + rows) m_first = m_index - rows + 1;
    update();
}

void TvnDBPopupListbox::SetFont(const QFont& font) { m_font = font; }

void TvnDBPopupListbox::SetCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

bool TvnDBPopupListbox::CaptionStrip() const
{
    const auto* r = Record();
    return !m_caption.isEmpty() && (!r || RectEmpty(r->CaptionRect));
}

QRect TvnDBPopupListbox::CaptionRect() const
{
    if (m_caption.isEmpty()) return {};
    const auto* r = Record();
    if (CaptionStrip()) {
        // One item high at the top of the client part.
        const QPoint at = r ? r->Geometry.ClientRect.topLeft() : QPoint(1, 1);
        const int frameWidth = r ? r->SkinRect.width() - r->Geometry.ClientRect.width() : 2;
        return QRect(at.x(), at.y(), width() - frameWidth, ItemHeight());
    }
    // The record's caption area grows with the list's width, like its client part.
    const QRect c = r->CaptionRect;
    return QRect(c.x(), c.y(), c.width() + width() - r->SkinRect.width(), c.height());
}

int TvnDBPopupListbox::ItemHeight() const
{
    const auto* r = Record();
    if (r && !RectEmpty(r->ItemRect)) return r->ItemRect.height();
    return QFontMetrics(m_font).height() + 2;
}

QRect TvnDBPopupListbox::ItemsRect() const
{
    const auto* r = Record();
    QRect items = rect().adjusted(1, 1, -1, -1);
    if (r) {
        const QRect c = r->Geometry.ClientRect;
        const QSize skin = r->SkinRect.size();
        items = QRect(
            c.x(), c.y(), width() - (skin.width() - c.width()), height() - (skin.height() - c.height()));
    }
    if (CaptionStrip()) items.setTop(items.top() + ItemHeight());
    return items;
}

void TvnDBPopupListbox::DropDown(const QRect& cell, int rows)
{
    const auto* r = Record();
    const int frame = (r ? r->SkinRect.height() - r->Geometry.ClientRect.height() : 2)
        + (CaptionStrip() ? ItemHeight() : 0);
    const int shown = std::clamp<int>(m_items.size(), 1, std::max(1, rows));
    m_first = 0;
    SetItemIndex(m_index);
    setGeometry(cell.x(), cell.y() + cell.height(), cell.width(), shown * ItemHeight() + frame);
    show();
    raise();
    setFocus(Qt::PopupFocusReason);
}

int TvnDBPopupListbox::ItemAt(QPoint point) const
{
    const QRect items = ItemsRect();
    if (!items.contains(point)) return -1;
    const int index = m_first + (point.y() - items.y()) / std::max(1, ItemHeight());
    return index < m_items.size() ? index : -1;
}

void TvnDBPopupListbox::Pick()
{
    hide();
    if (m_index >= 0 && OnPick) OnPick(m_items.at(m_index));
}

void TvnDBPopupListbox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const auto* r = Record();
    const QImage picture = r && m_store ? vnutils::As32Bit(m_store->Picture(r->PictureIndex)) : QImage();
    const QRect items = ItemsRect();
    if (r && !picture.isNull()) {
        QImage frame;
        const vnutils::TvnNinePart parts { r->SkinRect, r->Geometry };
        vnutils::ComposeNineParts(frame, picture, parts, vnutils::StandardTarget(parts, size()), true);
        p.drawImage(0, 0, frame);
    } else {
        p.fillRect(rect(), ToQColor(clr::clWindow));
        vnutils::DrawFlatFrame(p, rect(), ToQColor(clr::clWindowFrame), ToQColor(clr::clWindowFrame));
    }
    PaintCaption(p);
    p.setClipRect(items);
    const QFont font = r ? TFont::MakeQFont(r->FontName, r->FontHeight, r->FontStyle) : m_font;
    p.setFont(font);
    const int h = ItemHeight();
    for (int i = m_first, y = items.y(); i < m_items.size() && y < items.y() + items.height(); ++i, y += h) {
        const QRect row(items.x(), y, items.width(), h);
        const bool chosen = i == m_index;
        QRect text = row.adjusted(2, 0, -2, 0);
        TColor color = r ? r->FontColor : clr::clWindowText;
        if (chosen && r && !RectEmpty(r->FocusItemRect)) {
            p.drawImage(row.topLeft(),
                vnutils::HorizontalStrip(
                    picture, r->FocusItemRect, r->ItemLeftOffset, r->ItemRightOffset, row.width(), true));
            text = QRect(row.x() + r->ItemTextRect.x(), y + r->ItemTextRect.y(),
                row.width() - (r->FocusItemRect.width() - r->ItemTextRect.width()), r->ItemTextRect.height());
            color = r->FocusFontColor;
        } else if (chosen) {
            p.fillRect(row, ToQColor(clr::clHighlight));
            color = clr::clHighlightText;
        }
        p.setPen(ToQColor(color));
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_items.at(i));
    }
}

void TvnDBPopupListbox::PaintCaption(QPainter& p) const
{
    if (m_caption.isEmpty()) return;
    const auto* r = Record();
    const QRect area = CaptionRect();
    QFont font = m_font;
    font.setBold(true);
    TColor color = clr::clBtnText;
    if (CaptionStrip()) {
        p.fillRect(area, ToQColor(clr::clBtnFace));
    } else {
        font = TFont::MakeQFont(r->CaptionFontName, r->CaptionFontHeight, r->CaptionFontStyle);
        color = r->CaptionFontColor;
    }
    p.save();
    p.setClipRect(area);
    p.setFont(font);
    p.setPen(ToQColor(color));
    p.drawText(area.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_caption);
    p.restore();
}

void TvnDBPopupListbox::mouseMoveEvent(QMouseEvent* e)
{
    const int index = ItemAt(e->position().toPoint());
    if (index >= 0 && index != m_index) SetItemIndex(index);
}

void TvnDBPopupListbox::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    if (!rect().contains(e->position().toPoint())) return hide();
    const int index = ItemAt(e->position().toPoint());
    if (index < 0) return;
    m_index = index;
    Pick();
}

void TvnDBPopupListbox::keyPressEvent(QKeyEvent* e)
{
    const int rows = std::max(1, ItemsRect().height() / std::max(1, ItemHeight()));
    switch (e->key()) {
    case Qt::Key_Up:
        if (e->modifiers() & Qt::AltModifier) return Pick();
        SetItemIndex(std::max(0, m_index - 1));
        return;
    case Qt::Key_Down:
        SetItemIndex(m_index + 1);
        return;
    case Qt::Key_PageUp:
        SetItemIndex(std::max(0, m_index - rows));
        return;
    case Qt::Key_PageDown:
        SetItemIndex(m_index + rows);
        return;
    case Qt::Key_Home:
        SetItemIndex(0);
        return;
    case Qt::Key_End:
        SetItemIndex(m_items.size() - 1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Pick();
    case Qt::Key_Escape:
        hide();
        return;
    default:
        QWidget::keyPressEvent(e);
    }
}

// ---- The editors -----------------------------------------------------------------------------

TvnSkinInplaceEdit::TvnSkinInplaceEdit(QObject* owner)
    : TMaskEdit(owner)
{
    SetTransparent(true);
    SetBorderStyle(bsNoBorder);
    SetAutoSelect(true);
}

void TvnSkinInplaceEdit::SetFace(const QImage& face)
{
    m_face = face;
    update();
}

void TvnSkinInplaceEdit::PaintFace(QPainter& painter)
{
    if (m_face.isNull()) return TMaskEdit::PaintFace(painter);
    painter.drawImage(0, 0, m_face);
}

TDBGridInplaceEdit::TDBGridInplaceEdit(QObject* owner)
    : TvnSkinInplaceEdit(owner)
    , m_list(new TvnDBPopupListbox(this))
{
    m_list->OnPick = [this](const QString& item) {
        SetText(item);
        LineEdit()->selectAll();
        LineEdit()->setFocus(Qt::PopupFocusReason);
        if (OnEdited) OnEdited();
    };
    connect(LineEdit(), &QLineEdit::textEdited, this, [this] {
        if (OnEdited) OnEdited();
    });
}

void TDBGridInplaceEdit::SetListSkin(TvnSkinData* store, const QString& recordName)
{
    m_list->SetSkin(store, recordName);
}

void TDBGridInplaceEdit::SetEditStyle(TEditStyle style, const QStringList& pickList, int dropDownRows)
{
    m_style = style;
    m_dropDownRows = dropDownRows;
    m_list->SetItems(pickList);
    CloseUp();
    // The line edit leaves room for the button.
    ApplyLook();
    update();
}

bool TDBGridInplaceEdit::ListVisible() const { return m_list->isVisible(); }

void TDBGridInplaceEdit::DropDown()
{
    if (m_style != esPickList || m_list->Items().isEmpty()) return;
    m_list->SetFont(Font()->ToQFont());
    m_list->SetItemIndex(static_cast<int>(m_list->Items().indexOf(Text())));
    m_list->DropDown(QRect(mapToGlobal(QPoint(0, 0)), size()), m_dropDownRows);
}

void TDBGridInplaceEdit::CloseUp() { m_list->hide(); }

QRect TDBGridInplaceEdit::ButtonRect() const
{
    if (m_style == esSimple) return {};
    const int w = std::min(Height(), 16);
    return QRect(Width() - w, 0, w, Height());
}

QRect TDBGridInplaceEdit::EditRect() const
{
    QRect r = TvnSkinInplaceEdit::EditRect();
    if (m_style != esSimple) r.setRight(ButtonRect().left() - 1);
    return r;
}

void TDBGridInplaceEdit::PaintFace(QPainter& painter)
{
    TvnSkinInplaceEdit::PaintFace(painter);
    const QRect b = ButtonRect();
    if (b.isEmpty()) return;
    painter.fillRect(b, ToQColor(clr::clBtnFace));
    vnutils::DrawFlatFrame(painter, b, ToQColor(clr::clBtnHighlight), ToQColor(clr::clBtnShadow));
    const QColor mark = ToQColor(clr::clBtnText);
    if (m_style == esPickList) {
        vnutils::DrawMark(painter, vnutils::TvnMark::SmallDownTriangle, vnutils::MarkCentre(b), mark);
    } else {
        const QPoint c = vnutils::MarkCentre(b);
        for (int dx : { -3, 0, 3 })
            painter.fillRect(c.x() + dx - 1, c.y() + 2, 2, 2, mark);
    }
}

void TDBGridInplaceEdit::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && ButtonRect().contains(e->position().toPoint())) {
        if (m_style == esPickList) {
            if (ListVisible())
                CloseUp();
            else
                DropDown();
        } else if (OnEllipsis) {
            OnEllipsis();
        }
        return;
    }
    TvnSkinInplaceEdit::mousePressEvent(e);
}

void TDBGridInplaceEdit::WndProc(TMessage& m)
{
    if (m.Msg == msg::CN_KEYDOWN) {
        const auto shift = TShiftState::fromInt(static_cast<int>(m.LParam));
        Qt::KeyboardModifiers modifiers;
        if (shift & ssShift) modifiers |= Qt::ShiftModifier;
        if (shift & ssCtrl) modifiers |= Qt::ControlModifier;
        if (shift & ssAlt) modifiers |= Qt::AltModifier;
        QKeyEvent key(QEvent::KeyPress, QtKeyFromVirtualKey(static_cast<int>(m.WParam)), modifiers);
        if (KeyDown(&key)) {
            m.Result = 1;
            return;
        }
    }
    TvnSkinInplaceEdit::WndProc(m);
}

bool TDBGridInplaceEdit::KeyDown(QKeyEvent* key)
{
    const bool alt = key->modifiers() & Qt::AltModifier;
    if (m_style == esPickList && (key->key() == Qt::Key_F4 || (alt && key->key() == Qt::Key_Down))) {
        DropDown();
        return true;
    }
    if (m_style == esEllipsis && key->key() == Qt::Key_Return && (key->modifiers() & Qt::ControlModifier)) {
        if (OnEllipsis) OnEllipsis();
        return true;
    }
    return OnGridKey && OnGridKey(key);
}
