#include "ToolControls.h"

#include "framework/StoreChanged.h"
#include "skin/controls/vnSkinCtrls/ParentBackground.h"

#include <QPainter>
#include <QPainterPath>

TvnSkinSpeedButton::TvnSkinSpeedButton(QObject* owner)
    : TvnSkinButton(owner)
{
    SetSkinDataName(QStringLiteral("toolbutton"));
    SetCanFocused(false);
    SetTabStop(false);
    SetDefaultWidth(27);
    SetDefaultHeight(25);
    SetBounds(0, 0, 27, 25);
}

void TvnSkinSpeedButton::SetFlat(bool flat)
{
    if (StoreChanged(m_flat, flat)) Invalidate();
}

bool TvnSkinSpeedButton::ShowsFlat() const
{
    const vnctrls::TvnButtonState state = State();
    return m_flat && !state.MouseIn && !state.Down && !state.MouseDown;
}

void TvnSkinSpeedButton::Paint(QPainter& painter)
{
    if (!ShowsFlat()) return TvnSkinButton::Paint(painter);
    vnctrls::PaintParentBackground(this, painter);
    const QImage glyph = Glyph();
    if (glyph.isNull()) return;
    const QPoint at((Width() - glyph.width()) / 2, (Height() - glyph.height()) / 2);
    painter.drawImage(at, glyph);
}

TvnSkinBevel::TvnSkinBevel(QObject* owner)
    : TControl(owner)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TvnSkinBevel::paintEvent(QPaintEvent*) { }

QImage NewFolderGlyph(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 16.0;
    QPainterPath folder;
    folder.moveTo(1 * s, 4 * s);
    folder.lineTo(6 * s, 4 * s);
    folder.lineTo(7.5 * s, 5.5 * s);
    folder.lineTo(13 * s, 5.5 * s);
    folder.lineTo(13 * s, 13.5 * s);
    folder.lineTo(1 * s, 13.5 * s);
    folder.closeSubpath();
    p.setPen(QPen(QColor(140, 100, 20), 1));
    p.setBrush(QColor(240, 196, 80));
    p.drawPath(folder);
    // The plus, top right, in a colour that stands out from the folder.
    p.setPen(QPen(QColor(30, 140, 40), 2 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5 * s, 0.8 * s), QPointF(12.5 * s, 6.2 * s));
    p.drawLine(QPointF(9.8 * s, 3.5 * s), QPointF(15.2 * s, 3.5 * s));
    return image;
}
