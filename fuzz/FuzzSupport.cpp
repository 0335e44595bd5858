#include "FuzzSupport.h"

#include "framework/Exception.h"
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

// The frame description and the control records hold their geometry as one value.
template <class Geometry> vnutils::TvnNinePart PartsOf(const Geometry& g, const QRect& skinRect)
{
    return vnutils::TvnNinePart { skinRect, g.Geometry };
}

// The parts at their own size, larger and smaller, with the window shape of the mask.
// A record may ask for a control as large as its coordinates allow; only sizes a
// screen can show are composed here.
void Draw(const QImage& picture, const QImage& mask, const vnutils::TvnNinePart& parts)
{
    const QSize skin = parts.SkinRect.size();
    for (const QSize grow : { QSize(0, 0), QSize(41, 29), QSize(-7, -5) }) {
        const QSize size = skin + grow;
        if (size.width() <= 0 || size.height() <= 0 || size.width() > 4096 || size.height() > 4096) continue;
        const vnutils::TvnNinePartTarget to = vnutils::StandardTarget(parts, size);
        QImage target;
        vnutils::ComposeNineParts(target, picture, parts, to);
        vnutils::BuildFrameStrips(picture, parts, to);
        if (!mask.isNull()) vnutils::WindowRegionFromMask(mask, parts, to);
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
    Draw(store.MainPicture, store.MainMask, PartsOf(store, store.MainPicture.rect()));
    for (const auto& record : store.ControlSkins())
        if (const auto* custom = dynamic_cast<const TvnDataSkinCustomControl*>(record.get()))
            Draw(store.Picture(custom->PictureIndex), store.Picture(custom->MaskPictureIndex),
                PartsOf(*custom, custom->SkinRect));
}

} // namespace fuzz
