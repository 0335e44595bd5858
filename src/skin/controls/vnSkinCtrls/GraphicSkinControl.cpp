#include "GraphicSkinControl.h"

#include <QPainter>

// ---- TvnGraphicSkinControl --------------------------------------------------------------

TvnGraphicSkinControl::TvnGraphicSkinControl(QObject* owner)
    : TControl(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TvnGraphicSkinControl::SkinChanged()
{
    ReadSkinRecord();
    Invalidate();
}

void TvnGraphicSkinControl::Paint(QPainter& painter)
{
    if (Width() < 1 || Height() < 1) return;
    ReadSkinRecord();
    PaintLook(painter, size(), SkinRecordIndex() != -1);
}

void TvnGraphicSkinControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void TvnGraphicSkinControl::WndProc(TMessage& m)
{
    if (!HandleBindingMessage(m, this)) TControl::WndProc(m);
}

// ---- TvnGraphicSkinCustomControl --------------------------------------------------------

TvnGraphicSkinCustomControl::TvnGraphicSkinCustomControl(QObject* owner)
    : TvnGraphicSkinControl(owner)
    , TvnSkinSizing(*this, *this)
{
}

void TvnGraphicSkinCustomControl::ReadSkinRecord()
{
    TvnGraphicSkinControl::ReadSkinRecord();
    ReadGeometry();
}

void TvnGraphicSkinCustomControl::SetBounds(int left, int top, int width, int height)
{
    const bool resizing = FitRequestedSize(width, height);
    TvnGraphicSkinControl::SetBounds(left, top, width, height);
    if (resizing) Invalidate();
}

void TvnGraphicSkinCustomControl::SkinChanged()
{
    ForgetGeometry();
    ReadSkinRecord();
    const QSize wanted = SizeForSkin();
    if (wanted != size()) SetBounds(Left(), Top(), wanted.width(), wanted.height());
    Invalidate();
}

void TvnGraphicSkinCustomControl::DrawUnskinned(QImage& bitmap)
{
    QPainter painter(&bitmap);
    painter.fillRect(bitmap.rect(), ToQColor(clr::clBtnFace));
}

void TvnGraphicSkinCustomControl::DrawSkinned(QImage& bitmap)
{
    vnctrls::DrawPlainSkin(bitmap, m_geometry, m_current, false);
}
