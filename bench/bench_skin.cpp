// Loading a stored skin of the studio skin's size, beside a bare zlib inflate of the
// same compressed block measured in the same run.
//
//   SkinLoad/ours/studio   TvnSkinData::LoadCompressedSkin: inflate, 21 bitmaps, the
//                          description text, every record
//   SkinLoad/zlib/studio   zlib's uncompress() of the same block into a buffer of the
//                          known size: the floor any load stands on
//   SkinLoad/libdeflate/studio  libdeflate's zlib decompression of the same block into a
//                          buffer of the known size: the store unpacks with libdeflate,
//                          so this is the floor of its own unpacking
//   SkinLoad/ours/assets   the same three for the studio skin itself, packed from
//   SkinLoad/zlib/assets   assets/skin as the build packs it into the program
//   SkinLoad/libdeflate/assets
//
// The skin is generated: a 215 x 149 frame picture and 1-bit mask, 19 numbered
// pictures (24-bit pictures and 1-bit masks), 13 frame objects and the 63 control
// records of the studio skin with every key written, about 1.3 MB unpacked.
#include "skin/data/vnSkinData/ByteReader.h"
#include "skin/data/vnSkinData/SkinBitmaps.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnSkinData/ZlibBlock.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <memory>
#include <vector>
#include <zlib.h>

namespace {

// Artwork-like pixels: smooth gradients with flat bevels, which pack about as well as
// drawn skin pictures do.
QImage Picture(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, QColor::fromHsv((seed * 37) % 360, 60, 230));
    gradient.setColorAt(1, QColor::fromHsv((seed * 37 + 40) % 360, 120, 90));
    painter.fillRect(image.rect(), gradient);
    // A glossy highlight: the part of a drawn skin that packs worst.
    QRadialGradient gloss(width / 4, height / 4, width / 13);
    gloss.setColorAt(0, QColor(255, 255, 255, 160));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(gloss);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(width / 4, height / 4), width / 13, height / 13);
    for (int i = 0; i < 6; ++i) {
        const QRect r((i * 29 + seed * 7) % width, (i * 17 + seed * 3) % height, width / 5, height / 7);
        painter.fillRect(r, QColor::fromHsv((seed * 11 + i * 50) % 360, 90, 160));
        painter.setPen(Qt::white);
        painter.drawRect(r.adjusted(1, 1, -1, -1));
    }
    painter.end();
    return image;
}

QImage Mask(int width, int height)
{
    QImage mask(width, height, QImage::Format_Mono);
    mask.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
    mask.fill(0);
    for (int x = 0; x < 4; ++x)
        mask.setPixel(x, 0, 1), mask.setPixel(width - 1 - x, 0, 1);
    return mask;
}

// clang-format off
const std::pair<const char*, std::vector<const char*>> kStudioControls[] = {
    { "button", { "button", "toolbutton", "resizebutton", "bigtoolbutton", "resizetoolbutton", "combobutton",
                  "officemenubutton", "officegroupbutton" } },
    { "menubutton", { "toolmenubutton", "toolmenutrackbutton", "bigtoolmenubutton", "bigtoolmenutrackbutton" } },
    { "checkradio", { "checkbox", "radiobox" } },
    { "panel", { "panel", "groupbox", "toolpanel", "statusbar", "bigtoolpanel", "resizetoolpanel", "officegroup",
                 "officetoolbar" } },
    { "expanel", { "expanel" } }, { "stdlabel", { "stdlabel" } }, { "label", { "label", "statuspanel" } },
    { "scrollbar", { "hscrollbar", "vscrollbar", "bothhscrollbar" } }, { "tab", { "tab", "officetab" } },
    { "edit", { "edit", "buttonedit", "statusedit", "statusbuttonedit" } }, { "memo", { "memo" } },
    { "grid", { "grid" } }, { "listbox", { "listbox", "captionlistbox" } },
    { "checklistbox", { "checklistbox", "captionchecklistbox" } },
    { "combobox", { "combobox", "captioncombobox", "statuscombobox" } },
    { "spinedit", { "spinedit", "statusspinedit" } }, { "updown", { "vupdown", "hupdown" } },
    { "trackbar", { "trackbar", "htrackbar" } }, { "gauge", { "gauge", "vgauge", "statusgauge" } },
    { "splitter", { "vsplitter", "hsplitter" } }, { "scrollbox", { "scrollbox" } },
    { "controlbar", { "controlbar" } }, { "mainmenubar", { "mainmenubar" } }, { "treeview", { "treeview" } },
    { "listview", { "listview" } }, { "richedit", { "richedit" } }, { "bevel", { "bevel" } },
    { "slider", { "slider" } },
};
const std::pair<const char*, const char*> kStudioObjects[] = {
    { "caption", "caption" }, { "maxbutton", "stdbutton" }, { "minbutton", "stdbutton" },
    { "sysmenubutton", "stdbutton" }, { "closebutton", "stdbutton" }, { "rollupbutton", "stdbutton" },
    { "traybutton", "stdbutton" }, { "menuitem", "menuitem" }, { "mainmenubaritem", "mainmenubaritem" },
    { "menubarsysmenubutton", "mainmenubarbutton" }, { "menubarclosebutton", "mainmenubarbutton" },
    { "menubarmaxbutton", "mainmenubarbutton" }, { "menubarminbutton", "mainmenubarbutton" },
};
// clang-format on

// Rectangles and points as a real skin writes them: non-zero, several digits.
QString Realistic(const QString& value, int seed)
{
    const int commas = static_cast<int>(value.count(u','));
    if (commas == 3)
        return QStringLiteral("%1,%2,%3,%4")
            .arg(seed % 90)
            .arg(seed % 70)
            .arg(100 + seed % 90)
            .arg(90 + seed % 50);
    if (commas == 1) return QStringLiteral("%1,%2").arg(seed % 40).arg(seed % 30);
    return value;
}

QByteArray StudioDescription(int pictureCount)
{
    TMemIniFile ini;
    ini.WriteString("VERSION", "skinname", "Marbleton");
    ini.WriteString("VERSION", "skinauthor", "Quira");
    ini.WriteString("VERSION", "ver", "3");
    ini.WriteString("PICTURES", "picture", "main.bmp");
    ini.WriteString("PICTURES", "inactivepicture", "");
    ini.WriteString("PICTURES", "mask", "mask.bmp");
    QStringList names;
    for (int i = 0; i < pictureCount; ++i)
        names.append(QStringLiteral("picture%1.bmp").arg(i));
    WriteSkinList(ini, "PICTURES", "activepictures", names);
    TvnSkinData defaults;
    defaults.SaveFormInfo(ini);
    defaults.PopupWindow.SaveToIni(ini);
    defaults.HintWindow.SaveToIni(ini);
    defaults.SkinColors.SaveToIni(ini);

    QStringList objects;
    for (const auto& [name, kind] : kStudioObjects) {
        objects.append(QStringLiteral("%1:%2").arg(QLatin1String(name), QLatin1String(kind)));
        CreateFrameObject(QLatin1String(kind), QLatin1String(name))->SaveToIni(ini);
    }
    QStringList controls;
    for (const auto& [kind, recordNames] : kStudioControls)
        for (const char* name : recordNames) {
            controls.append(QStringLiteral("%1:%2").arg(QLatin1String(name), QLatin1String(kind)));
            CreateControlSkin(QLatin1String(kind), QLatin1String(name))->SaveToIni(ini);
        }
    for (const auto& [section, list] :
        { std::pair { "SKINOBJECTS", objects }, std::pair { "SKINCONTROLS", controls } }) {
        ini.WriteInteger(section, "count", static_cast<int>(list.size()));
        for (int i = 0; i < list.size(); ++i)
            ini.WriteString(section, QString::number(i), list[i]);
    }

    QByteArray text;
    int seed = 0;
    for (const QString& line : ini.GetStrings()) {
        const qsizetype eq = line.indexOf(u'=');
        const QString out = eq < 0 ? line : line.left(eq + 1) + Realistic(line.mid(eq + 1), seed += 7);
        text += out.toLatin1() + "\r\n";
    }
    // The studio skin's text also carries a section the store does not read.
    while (text.size() < 55164)
        text += QByteArray("layerkey") + QByteArray::number(text.size()) + "=0,0,0,0\r\n";
    return text;
}

struct StudioSkin {
    QByteArray container;
    TvnCompressedStoredSkin stored;

    StudioSkin()
    {
        AppendInt32(container, 3);
        AppendPictureRecord(container, Picture(215, 149, 0));
        AppendPictureRecord(container, QImage());
        AppendPictureRecord(container, Mask(215, 149));
        constexpr int pictures = 19;
        AppendInt32(container, pictures);
        for (int i = 0; i < pictures; ++i) {
            if (i % 4 == 3)
                AppendBitmap(container, Mask(200, 40));
            else
                AppendBitmap(container, Picture(180, 144, i + 1));
        }
        container += StudioDescription(pictures);
        stored.SetCompressedStream(CompressBlock(container));
    }
};

const StudioSkin& Skin()
{
    static const StudioSkin skin;
    return skin;
}

// The skin the program carries, packed from its folder.
struct AssetsSkin {
    QByteArray container;
    TvnCompressedStoredSkin stored;

    AssetsSkin()
    {
        if (stored.CompressFromIniFile(QString::fromUtf8(QUIRA_SKIN_DESCRIPTION)))
            container = stored.Decompress();
    }
};

const AssetsSkin& Assets()
{
    static const AssetsSkin skin;
    return skin;
}

template <class Skin> void Describe(benchmark::State& state, const Skin& skin)
{
    state.counters["unpacked_bytes"] = static_cast<double>(skin.container.size());
    state.counters["packed_bytes"] = static_cast<double>(skin.stored.CompressedStream().size());
    state.SetBytesProcessed(state.iterations() * skin.container.size());
}

template <class Skin> void LoadOurs(benchmark::State& state, const Skin& skin, size_t records, int pictures)
{
    if (skin.container.isEmpty()) return state.SkipWithError("the skin could not be packed");
    TvnSkinData store;
    for (auto _ : state) {
        store.LoadCompressedSkin(const_cast<TvnCompressedStoredSkin*>(&skin.stored));
        benchmark::DoNotOptimize(store.ControlSkins().size());
    }
    if (store.Empty() || store.ControlSkins().size() != records || store.Pictures.size() != pictures)
        state.SkipWithError("the skin did not load completely");
    Describe(state, skin);
}

template <class Skin> void LoadZlib(benchmark::State& state, const Skin& skin)
{
    if (skin.container.isEmpty()) return state.SkipWithError("the skin could not be packed");
    const QByteArray& block = skin.stored.CompressedStream();
    QByteArray out(skin.container.size(), Qt::Uninitialized);
    for (auto _ : state) {
        uLongf size = static_cast<uLongf>(out.size());
        const int status = uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
            reinterpret_cast<const Bytef*>(block.constData()), static_cast<uLong>(block.size()));
        if (status != Z_OK) state.SkipWithError("inflate failed");
        benchmark::DoNotOptimize(out.data());
    }
    Describe(state, skin);
}

template <class Skin> void LoadLibdeflate(benchmark::State& state, const Skin& skin)
{
    if (skin.container.isEmpty()) return state.SkipWithError("the skin could not be packed");
    const QByteArray& block = skin.stored.CompressedStream();
    const std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor*)> decompressor(
        libdeflate_alloc_decompressor(), &libdeflate_free_decompressor);
    QByteArray out(skin.container.size(), Qt::Uninitialized);
    for (auto _ : state) {
        const libdeflate_result status = libdeflate_zlib_decompress(decompressor.get(), block.constData(),
            static_cast<size_t>(block.size()), out.data(), static_cast<size_t>(out.size()), nullptr);
        if (status != LIBDEFLATE_SUCCESS) state.SkipWithError("inflate failed");
        benchmark::DoNotOptimize(out.data());
    }
    Describe(state, skin);
}

void SkinLoadOurs(benchmark::State& state) { LoadOurs(state, Skin(), 63, 19); }
void SkinLoadZlib(benchmark::State& state) { LoadZlib(state, Skin()); }
void SkinLoadLibdeflate(benchmark::State& state) { LoadLibdeflate(state, Skin()); }
void AssetsLoadOurs(benchmark::State& state) { LoadOurs(state, Assets(), 65, 18); }
void AssetsLoadZlib(benchmark::State& state) { LoadZlib(state, Assets()); }
void AssetsLoadLibdeflate(benchmark::State& state) { LoadLibdeflate(state, Assets()); }

} // namespace

BENCHMARK(SkinLoadOurs)->Name("SkinLoad/ours/studio")->Unit(benchmark::kMillisecond);
BENCHMARK(SkinLoadZlib)->Name("SkinLoad/zlib/studio")->Unit(benchmark::kMillisecond);
BENCHMARK(SkinLoadLibdeflate)->Name("SkinLoad/libdeflate/studio")->Unit(benchmark::kMillisecond);
BENCHMARK(AssetsLoadOurs)->Name("SkinLoad/ours/assets")->Unit(benchmark::kMillisecond);
BENCHMARK(AssetsLoadZlib)->Name("SkinLoad/zlib/assets")->Unit(benchmark::kMillisecond);
BENCHMARK(AssetsLoadLibdeflate)->Name("SkinLoad/libdeflate/assets")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
