#include "FuzzSupport.h"

#include "framework/Exception.h"
#include "skin/controls/vnSkinCtrls/SkinGeometry.h"
#include "skin/data/vnSkinData/ByteReader.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnUtils/FrameStrips.h"
#include "skin/data/vnUtils/MaskRegion.h"

#include <QGuiApplication>
#include <array>
#include <zlib.h>

namespace fuzz {

void EnsureApplication()
{
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quira-fuzz";
    static char* argv[] = { name, nullptr };
    static QGuiApplication app(argc, argv);
}

QByteArrayView Bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QByteArray ContainerWithText(QByteArrayView text)
{
    QByteArray container;
    AppendInt32(container, 3);
    container.append("\1\1\1", 3); // no main picture, inactive picture or mask
    AppendInt32(container, 0);
    container.append(text);
    return container;
}

namespace {

QByteArray StoredBlock(QByteArrayView data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray block(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(block.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
            static_cast<uLong>(data.size()), Z_NO_COMPRESSION)
        != Z_OK)
        return QByteArray();
    block.truncate(static_cast<qsizetype>(size));
    return block;
}

void DrawFrame(const TvnSkinData& store)
{
    const QImage& picture = store.MainPicture;
    vnutils::TvnNinePart parts;
    parts.SkinRect = picture.rect();
    parts.LeftTop = store.LeftTopPoint;
    parts.RightTop = store.RightTopPoint;
    parts.LeftBottom = store.LeftBottomPoint;
    parts.RightBottom = store.RightBottomPoint;
    parts.ClientRect = store.ClientRect;
    parts.LeftStretch = store.LeftStretch;
    parts.TopStretch = store.TopStretch;
    parts.RightStretch = store.RightStretch;
    parts.BottomStretch = store.BottomStretch;
    parts.StretchEffect = store.StretchEffect;
    parts.StretchType = store.StretchType;
    for (const QSize grow : { QSize(0, 0), QSize(41, 29), QSize(-7, -5) }) {
        const QSize size = picture.size() + grow;
        if (size.width() <= 0 || size.height() <= 0) continue;
        const vnutils::TvnNinePartTarget to = vnutils::StandardTarget(parts, size);
        QImage target;
        vnutils::ComposeNineParts(target, picture, parts, to);
        vnutils::BuildFrameStrips(picture, parts, to);
        if (!store.MainMask.isNull()) vnutils::WindowRegionFromMask(store.MainMask, parts, to);
    }
}

void DrawControls(const TvnSkinData& store)
{
    for (int i = 0; i < static_cast<int>(store.ControlSkins().size()); ++i) {
        const vnctrls::TvnSkinGeometry geometry = vnctrls::ReadSkinGeometry(store, i);
        const QSize skin = geometry.Parts.SkinRect.size();
        for (const QSize requested : { skin, skin + QSize(37, 23), QSize(12, 9) }) {
            const vnctrls::TvnSkinSize size = vnctrls::AdjustSizeToSkin(geometry, requested);
            // A fixed record may ask for a control as large as its coordinates allow;
            // only sizes a screen can show are composed here.
            if (size.Size.width() <= 0 || size.Size.height() <= 0 || size.Size.width() > 4096
                || size.Size.height() > 4096)
                continue;
            QImage target;
            vnutils::ComposeNineParts(target, geometry.Picture, geometry.Parts, size.Current);
            if (!geometry.Mask.isNull())
                vnutils::WindowRegionFromMask(geometry.Mask, geometry.Parts, size.Current);
        }
    }
}

} // namespace

void LoadContainer(TvnSkinData& store, QByteArrayView container)
{
    TvnCompressedStoredSkin stored;
    stored.SetCompressedStream(StoredBlock(container));
    try {
        store.LoadCompressedSkin(&stored);
    } catch (const Exception&) {
    }
}

void DrawLoadedSkin(const TvnSkinData& store)
{
    if (store.Empty()) return;
    DrawFrame(store);
    DrawControls(store);
}

} // namespace fuzz
