#include "CustomSkinParts.h"

#include "framework/Control.h"
#include "framework/Font.h"

namespace vnctrls {

TFont* NewDefaultFont(QObject* owner)
{
    auto* font = new TFont(owner);
    font->SetName(QStringLiteral("Arial"));
    font->SetHeight(14);
    return font;
}

void ApplySkinSize(
    bool hasRecord, const TvnControlGeometry& geometry, TvnCurrentGeometry& current, int& width, int& height)
{
    if (!hasRecord || geometry.ResizeMode == TvnResizeMode::None) return;
    const TvnSkinSize sized = AdjustSizeToSkin(geometry, { width, height });
    width = sized.Size.width();
    height = sized.Size.height();
    current = sized.Current;
}

} // namespace vnctrls

TvnSkinSizing::TvnSkinSizing(TControl& control, TvnSkinBoundControl& bound)
    : m_control(control)
    , m_bound(bound)
    , m_defaultFont(vnctrls::NewDefaultFont(&control))
{
    QObject::connect(m_defaultFont, &TFont::Changed, &control, [this] {
        DefaultFontChanged();
        if (m_bound.SkinRecordIndex() == -1) m_control.Invalidate();
    });
}

void TvnSkinSizing::SetDefaultWidth(int width)
{
    m_defaultWidth = width;
    if (m_bound.SkinRecordIndex() == -1 && width > 0) m_control.SetWidth(width);
}

void TvnSkinSizing::SetDefaultHeight(int height)
{
    m_defaultHeight = height;
    if (m_bound.SkinRecordIndex() == -1 && height > 0) m_control.SetHeight(height);
}

QFont TvnSkinSizing::DefaultQFont() const { return m_defaultFont->ToQFont(); }

void TvnSkinSizing::AdjustSizeToSkin(int& width, int& height)
{
    vnctrls::ApplySkinSize(m_bound.SkinRecordIndex() != -1, m_geometry, m_current, width, height);
}

void TvnSkinSizing::ReadGeometry()
{
    if (m_bound.SkinRecordIndex() == -1) return;
    const quint64 resolution = m_bound.Skin().Resolution();
    const QSize size(m_control.Width(), m_control.Height());
    if (resolution == m_geometryResolution && size == m_geometrySize) return;
    if (resolution != m_geometryResolution)
        m_geometry = vnctrls::ReadSkinGeometry(*m_bound.SkinData(), m_bound.SkinRecordIndex());
    int w = size.width(), h = size.height();
    AdjustSizeToSkin(w, h);
    m_geometryResolution = resolution;
    m_geometrySize = size;
}

bool TvnSkinSizing::FitRequestedSize(int& width, int& height)
{
    m_bound.ReadSkinRecord();
    const bool resizing
        = (width != m_control.Width() || height != m_control.Height()) && m_bound.SkinRecordIndex() != -1;
    if (resizing) AdjustSizeToSkin(width, height);
    return resizing;
}

QSize TvnSkinSizing::SizeForSkin()
{
    int w = m_control.Width(), h = m_control.Height();
    if (m_bound.SkinRecordIndex() != -1) {
        AdjustSizeToSkin(w, h);
        return { w, h };
    }
    return { m_defaultWidth > 0 ? m_defaultWidth : w, m_defaultHeight > 0 ? m_defaultHeight : h };
}
