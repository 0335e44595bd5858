#pragma once
// A label's drawing kept as a picture: the data texts keep their own last one, and the
// control grid keeps one per row for its panel copies. The key holds everything the
// drawing reads, so a kept picture is used only for exactly the drawing it shows.
#include "platform/Colors.h"

#include <QHashFunctions>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

class TvnSkinStdLabel;

namespace vndb {

struct TvnLabelPictureKey {
    const void* Label = nullptr;
    const void* Store = nullptr;
    QSize Size;
    unsigned Flags = 0;
    int Record = -1;
    TColor Color = 0;
    QString FontName;
    int FontHeight = 0;
    int FontStyle = 0;
    TColor FontColor = 0;
    QString DefaultFontName;
    int DefaultFontHeight = 0;
    int DefaultFontStyle = 0;
    TColor DefaultFontColor = 0;
    QString Text;
    // Where the label stands on its panel (set by the grid for its copies).
    QPoint Place;
    bool operator==(const TvnLabelPictureKey&) const = default;
};

inline size_t qHash(const TvnLabelPictureKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.Label, key.Size.width(), key.Size.height(), key.Flags, key.Text, key.Record);
}

// What a finished panel copy is made of: the panel's face and each label on it.
struct TvnPanelCopyKey {
    qint64 Face = 0;
    QList<TvnLabelPictureKey> Labels;
    bool operator==(const TvnPanelCopyKey&) const = default;
};

inline size_t qHash(const TvnPanelCopyKey& key, size_t seed = 0)
{
    size_t h = ::qHash(key.Face, seed);
    for (const TvnLabelPictureKey& label : key.Labels)
        h = qHash(label, h);
    return h;
}

// The key of `label` drawn with `text`.
TvnLabelPictureKey LabelPictureKey(const TvnSkinStdLabel& label, const QString& text);
// An empty picture of the label's size to draw it into.
QImage BlankLabelPicture(const TvnSkinStdLabel& label);

} // namespace vndb
