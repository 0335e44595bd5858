// Geometry and colours shared by every part of the skin.
#include "Painting.h"
#include "StudioSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

using namespace palette;

namespace art {

void SetNinePart(TvnDataSkinCustomControl& record, QRect client, bool tileMiddle)
{
    const int left = client.x(), top = client.y();
    const int right = vnutils::RectRight(client), bottom = vnutils::RectBottom(client);
    record.Geometry.Corners.LeftTop = QPoint(left, top);
    record.Geometry.Corners.RightTop = QPoint(right, top);
    record.Geometry.Corners.LeftBottom = QPoint(left, bottom);
    record.Geometry.Corners.RightBottom = QPoint(right, bottom);
    record.Geometry.ClientRect = client;
    // Faces are gradients across and even along their edges: stretching keeps both.
    record.Geometry.LeftStretch = record.Geometry.TopStretch = record.Geometry.RightStretch
        = record.Geometry.BottomStretch = true;
    record.Geometry.StretchEffect = !tileMiddle;
    record.Geometry.StretchType = TvnStretchType::Full;
}

void SetNinePart(TvnDataSkinCustomControl& record, QSize skin, int inset, bool tileMiddle)
{
    SetNinePart(record, QRect(inset, inset, skin.width() - 2 * inset, skin.height() - 2 * inset), tileMiddle);
}

void AddSkinColors(TSkinBuilder& skin)
{
    TvnSkinColors& c = skin.SkinColors;
    c.cBtnFace = ToTColor(Face);
    c.cBtnText = ToTColor(Text);
    c.cWindow = ToTColor(Field);
    c.cWindowText = ToTColor(Text);
    c.cHighlight = ToTColor(SelectTop);
    c.cHighlightText = ToTColor(White);
    // On dark faces the emboss of disabled text runs the other way: its "shadow" is the
    // readable light stroke, its "highlight" the faint one beneath.
    c.cBtnHighlight = ToTColor(Mix(Face, EdgeLight, 0.45));
    c.cBtnShadow = ToTColor(0x9AA0A9);
}

} // namespace art

namespace art {

void AddLabels(TSkinBuilder& skin)
{
    // Static texts draw straight on their parent: a font and a colour, no picture.
    auto& label = skin.AddControl<TvnDataSkinStdLabelControl>(QStringLiteral("stdlabel"), "stdlabel");
    SetFont(label, Text);
    label.FontHeight = kSmallFontHeight;
    label.ActiveFontColor = ToTColor(AccentLight);
}

} // namespace art
