#include "DBGridColumns.h"

#include "framework/StoreChanged.h"

TvnColumnTitle::TvnColumnTitle(QObject* column)
    : QObject(column)
    , m_font(new TFont(this))
{
    connect(m_font, &TFont::Changed, this, &TvnColumnTitle::Changed);
}

void TvnColumnTitle::SetCaption(const QString& caption)
{
    if (StoreChanged(m_caption, caption)) emit Changed();
}

void TvnColumnTitle::SetAlignment(TAlignment alignment)
{
    if (StoreChanged(m_alignment, alignment)) emit Changed();
}

void TvnColumnTitle::SetColor(TColor color)
{
    if (StoreChanged(m_color, color)) emit Changed();
}

TvnColumn::TvnColumn(QObject* collection)
    : QObject(collection)
    , m_font(new TFont(this))
    , m_title(new TvnColumnTitle(this))
{
    connect(m_font, &TFont::Changed, this, [this] {
        m_fontAssigned = true;
        emit Changed();
    });
    connect(m_title, &TvnColumnTitle::Changed, this, &TvnColumn::Changed);
}

void TvnColumn::SetFieldName(const QString& name)
{
    if (StoreChanged(m_fieldName, name)) emit Changed();
}

void TvnColumn::SetWidth(int width)
{
    m_width = qMax(0, width);
    emit Changed();
}

void TvnColumn::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    m_alignmentSet = true;
    emit Changed();
}

void TvnColumn::SetVisible(bool visible)
{
    if (StoreChanged(m_visible, visible)) emit Changed();
}

void TvnColumn::SetColor(TColor color)
{
    if (StoreChanged(m_color, color)) emit Changed();
}
