// The skin description text: the INI reader, every section and record the store reads,
// and each value parser on every value of the text.
#include "FuzzSupport.h"
#include "framework/Exception.h"
#include "skin/data/vnSkinData/AnsiText.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnSkinData/SkinValues.h"

namespace {

void ParseEveryValue(const TMemIniFile& ini)
{
    for (const QString& line : ini.GetStrings()) {
        const qsizetype eq = line.indexOf(u'=');
        const QString value = eq < 0 ? line : line.mid(eq + 1);
        ParseIntegerText(value);
        ParseFontStyles(value);
        ParseSkinEnum<TvnStretchType>(value);
        ParseSkinEnum<TvnMorphKind>(value);
        ParseSkinEnum<TAlignment>(value);
        ParseSkinEnum<TvnInactiveEffect>(value);
        ParseSkinEnum<TvnSkinCommand>(value);
        try {
            ParseSkinPoint(value);
            ParseSkinRect(value);
        } catch (const Exception&) {
        }
    }
}

// Every record written back and read again: the writer must produce text the reader
// takes.
void WriteBack(const TvnSkinData& store)
{
    TMemIniFile written;
    for (const auto& record : store.FrameObjects())
        record->SaveToIni(written);
    for (const auto& record : store.ControlSkins())
        record->SaveToIni(written);
    store.SaveFormInfo(written);
    TvnSkinFormInfo again;
    again.LoadFormInfo(written, false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::EnsureApplication();
    const QByteArrayView text = fuzz::Bytes(data, size);
    TMemIniFile ini;
    ini.SetText(AnsiToString(text));
    ParseEveryValue(ini);

    TvnSkinData store;
    fuzz::LoadContainer(store, fuzz::ContainerWithText(text));
    if (!store.Empty()) WriteBack(store);
    return 0;
}
