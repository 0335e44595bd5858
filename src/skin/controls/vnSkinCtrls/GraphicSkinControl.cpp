#include "GraphicSkinControl.h"

#include "CustomSkinParts.h"

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
    painter.drawImage(
        0, 0, vnctrls::DrawBuffered(size(), SkinRecordIndex() != -1, [this](QImage& bitmap, bool skinned) {
            if (skinned)
                DrawSkinned(bitmap);
            else
                DrawUnskinned(bitmap);
        }));
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
    , m_defaultFont(vnctrls::NewDefaultFont(this))
{
    connect(m_defaultFont, &TFont::Changed, this, [this] {
        DefaultFontChanged();
        if (SkinRecordIndex() == -1) Invalidate();
    });
}

void TvnGraphicSkinCustomControl::SetDefaultWidth(int width)
{
    m_defaultWidth = width;
    if (SkinRecordIndex() == -1 && width > 0) SetWidth(width);
}

void TvnGraphicSkinCustomControl::SetDefaultHeight(int height)
{
    m_defaultHeight = height;
    if (SkinRecordIndex() == -1 && height > 0) SetHeight(height);
}

void TvnGraphicSkinCustomControl::ReadSkinRecord()
{
    TvnGraphicSkinControl::ReadSkinRecord();
    if (SkinRecordIndex() == -1) return;
    m_geometry = vnctrls::ReadSkinGeometry(*SkinData(), SkinRecordIndex());
    int w = Width(), h = Height();
    AdjustSizeToSkin(w, h);
}

void TvnGraphicSkinCustomControl::AdjustSizeToSkin(int& width, int& height)
{
    vnctrls::ApplySkinSize(SkinRecordIndex() != -1, m_geometry, m_current, width, height);
}

void TvnGraphicSkinCustomControl::SetBounds(int left, int top, int width, int height)
{
    ReadSkinRecord();
    const bool resizing = (width != Width() || height != Height()) && SkinRecordIndex() != -1;
    if (resizing) AdjustSizeToSkin(width, height);
    TvnGraphicSkinControl::SetBounds(left, top, width, height);
    if (resizing) Invalidate();
}

void TvnGraphicSkinCustomControl::SkinChanged()
{
    ReadSkinRecord();
    int w = Width(), h = Height();
    if (SkinRecordIndex() == -1) {
        if (m_defaultWidth > 0) w = m_defaultWidth;
        if (m_defaultHeight > 0) h = m_defaultHeight;
    } else {
        AdjustSizeToSkin(w, h);
    }
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
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
