#include "SkinControl.h"

#include "skin/menus/vnSkinMenus/MenuItem.h"

#include <QPaintEvent>
#include <QPainter>

namespace vnctrls {

bool MessageNamesStore(WPARAM storeParam, const TvnSkinData* store)
{
    return storeParam == 0 || storeParam == reinterpret_cast<WPARAM>(store);
}

void FireMouseEvents(
    const TMessage& m, QObject* sender, const TNotifyEvent& onEnter, const TNotifyEvent& onLeave)
{
    if (m.Msg == msg::CM_MOUSEENTER) events::Fire(onEnter, sender);
    if (m.Msg == msg::CM_MOUSELEAVE) events::Fire(onLeave, sender);
}

bool IsAccel(QChar ch, const QString& caption)
{
    const QChar accel = vnmenus::AccelOf(caption);
    return !accel.isNull() && accel == ch.toUpper();
}

} // namespace vnctrls

QImage TvnSkinLook::DrawLook(QSize size, bool skinned)
{
    QImage bitmap(size, QImage::Format_RGB32);
    bitmap.fill(0);
    if (skinned)
        DrawSkinned(bitmap);
    else
        DrawUnskinned(bitmap);
    return bitmap;
}

void TvnSkinLook::PaintLook(QPainter& painter, QSize size, bool skinned)
{
    if (size.width() < 1 || size.height() < 1) return;
    painter.drawImage(0, 0, DrawLook(size, skinned));
}

// ---- TvnSkinWinControl ------------------------------------------------------------------

TvnSkinWinControl::TvnSkinWinControl(QObject* owner)
    : TControl(owner)
{
}

void TvnSkinWinControl::WndProc(TMessage& m)
{
    if (m.Msg == msg::SKINMSG_CHANGE && m_skinData && vnctrls::MessageNamesStore(m.WParam, m_skinData))
        Invalidate();
    TControl::WndProc(m);
}

// ---- TvnSkinControl ---------------------------------------------------------------------

TvnSkinControl::TvnSkinControl(QObject* owner)
    : TControl(owner)
{
    // Every paint covers the whole control from its off-screen picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TvnSkinControl::SetCaption(const QString& caption)
{
    if (caption == m_caption) return;
    m_caption = caption;
    Perform(msg::CM_TEXTCHANGED, 0, 0);
    CaptionChanged();
}

void TvnSkinControl::changeEvent(QEvent* e)
{
    TControl::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) EnabledChanged();
}

void TvnSkinControl::SkinChanged()
{
    ReadSkinRecord();
    Invalidate();
}

void TvnSkinControl::Paint(QPainter& painter)
{
    if (width() < 1 || height() < 1) return;
    ReadSkinRecord();
    PaintBuffered(painter);
}

void TvnSkinControl::PaintBuffered(QPainter& painter) { PaintLook(painter, size(), SkinRecordIndex() != -1); }

void TvnSkinControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Perform(msg::WM_PAINT, reinterpret_cast<WPARAM>(&painter), 0);
}

void TvnSkinControl::WndProc(TMessage& m)
{
    if (HandleBindingMessage(m, this)) return;
    switch (m.Msg) {
    case msg::WM_PAINT:
        m_inPaintMessage = true;
        Paint(*reinterpret_cast<QPainter*>(m.WParam));
        m_inPaintMessage = false;
        return;
    case msg::WM_ERASEBKGND:
        // The buffered paint covers the whole control.
        m.Result = 1;
        return;
    case msg::SKINMSG_PARENT_BACKGROUND:
        ParentBackgroundChanged();
        return;
    default:
        break;
    }
    TControl::WndProc(m);
}
