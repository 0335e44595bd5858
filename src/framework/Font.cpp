#include "Font.h"

#include "framework/StoreChanged.h"
#include "platform/Fonts.h"

TFont::TFont(QObject* parent)
    : QObject(parent)
{
}

void TFont::SetName(const QString& name)
{
    if (StoreChanged(m_name, name)) emit Changed();
}

void TFont::SetHeight(int height)
{
    if (StoreChanged(m_height, height)) emit Changed();
}

int TFont::Size() const { return fonts::SizeFromHeight(m_height); }

void TFont::SetSize(int points) { SetHeight(fonts::HeightFromSize(points)); }

void TFont::SetStyle(TFontStyles style)
{
    if (StoreChanged(m_style, style)) emit Changed();
}

void TFont::SetColor(TColor color)
{
    if (StoreChanged(m_color, color)) emit Changed();
}

void TFont::Assign(const TFont& other)
{
    m_name = other.m_name;
    m_height = other.m_height;
    m_style = other.m_style;
    m_color = other.m_color;
    m_charset = other.m_charset;
    emit Changed();
}

QFont TFont::ToQFont() const { return MakeQFont(m_name, m_height, m_style); }

QFont TFont::MakeQFont(const QString& name, int height, TFontStyles style)
{
    QFont f(name);
    f.setPixelSize(std::max(1, fonts::PixelSizeForHeight(name, height)));
    f.setBold(style.testFlag(fsBold));
    f.setItalic(style.testFlag(fsItalic));
    f.setUnderline(style.testFlag(fsUnderline));
    f.setStrikeOut(style.testFlag(fsStrikeOut));
    return f;
}
