#include "LabelPicture.h"

#include "skin/controls/vnSkinCtrls/StdLabel.h"

namespace vndb {

TvnLabelPictureKey LabelPictureKey(const TvnSkinStdLabel& label, const QString& text)
{
    TvnLabelPictureKey key;
    key.Label = &label;
    key.Store = label.SkinData();
    key.Size = label.size();
    key.Flags = (label.isEnabled() ? 1u : 0u) | (label.Transparent() ? 2u : 0u)
        | (label.UseSkinFont() ? 4u : 0u) | (label.UseSkinColor() ? 8u : 0u) | (label.WordWrap() ? 16u : 0u)
        | (label.ShowAccelChar() ? 32u : 0u) | (unsigned(label.Alignment()) << 6)
        | (unsigned(label.Layout()) << 8) | (unsigned(label.EllipsType()) << 10);
    key.Record = label.SkinRecordIndex();
    key.Color = label.Color();
    const TFont* font = label.Font();
    key.FontName = font->Name();
    key.FontHeight = font->Height();
    key.FontStyle = font->Style().toInt();
    key.FontColor = font->Color();
    const TFont* defaultFont = label.DefaultFont();
    key.DefaultFontName = defaultFont->Name();
    key.DefaultFontHeight = defaultFont->Height();
    key.DefaultFontStyle = defaultFont->Style().toInt();
    key.DefaultFontColor = defaultFont->Color();
    key.Text = text;
    return key;
}

QImage BlankLabelPicture(const TvnSkinStdLabel& label)
{
    QImage picture(label.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace vndb
