#include "SkinValues.h"

#include "framework/Exception.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace {

// --- Numbers of points and rectangles --------------------------------------------------

[[noreturn]] void ThrowNotInteger(const QString& text)
{
    throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

// The digits of number `index` of a point or rectangle text, for the error message.
QString DigitsOf(const QString& text, std::size_t index)
{
    QString digits;
    std::size_t n = 0;
    for (const QChar c : text) {
        if (c == u',')
            ++n;
        else if (n == index && c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

// The first `count` numbers of a point or rectangle text. Skins hold hundreds of
// rectangles, so the digits are summed as they are scanned rather than collected.
template <std::size_t count> std::array<int, count> ScanNumbers(const QString& text)
{
    std::array<qint64, count> values {};
    std::array<bool, count> seen {};
    std::size_t n = 0;
    for (const QChar c : text) {
        if (c == u',') {
            if (++n == count) break;
        } else if (c >= u'0' && c <= u'9') {
            seen[n] = true;
            // Past 32 bits the value only needs to stay too large.
            if (values[n] <= std::numeric_limits<int>::max())
                values[n] = values[n] * 10 + (c.unicode() - u'0');
        }
    }
    std::array<int, count> numbers {};
    for (std::size_t i = 0; i < count; ++i) {
        if (!seen[i] || values[i] > std::numeric_limits<int>::max()) ThrowNotInteger(DigitsOf(text, i));
        if (values[i] > kMaxSkinCoordinate)
            throw Exception(QStringLiteral("'%1' is not a valid skin coordinate (0 to %2)")
                                .arg(DigitsOf(text, i))
                                .arg(kMaxSkinCoordinate));
        numbers[i] = static_cast<int>(values[i]);
    }
    return numbers;
}

// --- Enumerations ------------------------------------------------------------------------

struct TvnEnumNames {
    std::vector<const char*> Names; // by value, from 0
    const char* DefaultName; // what a missing key reads as
    int Fallback; // what an unknown name reads as
};

// clang-format off
const TvnEnumNames kStretchTypes { { "stfull", "sthorz", "stvert" }, "stfull", int(TvnStretchType::Horz) };
const TvnEnumNames kMorphKinds { { "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient",
    "mkleftslide", "mkrightslide", "mkpush" }, "mkdefault", int(TvnMorphKind::mkDefault) };
const TvnEnumNames kAlignments { { "taleftjustify", "tarightjustify", "tacenter" }, "tacenter", fw::taRightJustify };
const TvnEnumNames kInactiveEffects { { "iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur",
    "ieinvert" }, "iebrightness", int(TvnInactiveEffect::ieGrayscale) };
const TvnEnumNames kSkinCommands { { "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup",
    "cmminimizetotray" }, "cmdefault", int(TvnSkinCommand::cmMinimizeToTray) };
// clang-format on

const TvnEnumNames& NamesOf(TvnSkinEnumKind kind)
{
    switch (kind) {
    case TvnSkinEnumKind::StretchType:
        return kStretchTypes;
    case TvnSkinEnumKind::MorphKind:
        return kMorphKinds;
    case TvnSkinEnumKind::Alignment:
        return kAlignments;
    case TvnSkinEnumKind::InactiveEffect:
        return kInactiveEffects;
    case TvnSkinEnumKind::SkinCommand:
        break;
    }
    return kSkinCommands;
}

const std::array<std::pair<TFontStyle, const char*>, 4> kFontStyles { {
    { fw::fsBold, "fsbold" },
    { fw::fsItalic, "fsitalic" },
    { fw::fsUnderline, "fsunderline" },
    { fw::fsStrikeOut, "fsstrikeout" },
} };

} // namespace

QPoint ParseSkinPoint(const QString& text)
{
    const auto n = ScanNumbers<2>(text);
    return QPoint(n[0], n[1]);
}

QRect ParseSkinRect(const QString& text)
{
    const auto n = ScanNumbers<4>(text);
    return vnutils::RectLTRB(n[0], n[1], n[2], n[3]);
}

TFontStyles ParseFontStyles(const QString& text)
{
    TFontStyles styles;
    for (const auto& [style, name] : kFontStyles)
        if (text.contains(QLatin1String(name), Qt::CaseSensitive)) styles |= style;
    return styles;
}

int ParseSkinEnum(const QString& text, TvnSkinEnumKind kind)
{
    const TvnEnumNames& names = NamesOf(kind);
    int value = 0;
    for (const char* name : names.Names) {
        if (text == QLatin1String(name)) return value;
        ++value;
    }
    return names.Fallback;
}

int ReadSkinEnum(const TMemIniFile& ini, const QString& section, const QString& key, TvnSkinEnumKind kind)
{
    return ParseSkinEnum(ini.ReadString(section, key, QLatin1String(NamesOf(kind).DefaultName)), kind);
}

QString SkinEnumText(int value, TvnSkinEnumKind kind)
{
    const TvnEnumNames& names = NamesOf(kind);
    if (value < 0 || value >= static_cast<int>(names.Names.size())) return QString();
    return QLatin1String(names.Names[value]);
}

// --- Reading -------------------------------------------------------------------------------

void ReadSkinValue(
    const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault& def, int& out)
{
    out = ini.ReadInteger(section, key, static_cast<int>(def.Number));
}

void ReadSkinValue(
    const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault& def, TColor& out)
{
    out = static_cast<TColor>(def.Number);
    const QString* text = ini.FindValue(section, key);
    if (!text) return;
    const std::optional<qint64> value = ParseIntegerText(*text);
    if (value && *value >= std::numeric_limits<qint32>::min()
        && *value <= std::numeric_limits<quint32>::max())
        out = static_cast<TColor>(*value);
}

void ReadSkinValue(
    const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault&, bool& out)
{
    out = ini.ReadInteger(section, key, 0) == 1;
}

void ReadSkinValue(
    const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault&, QPoint& out)
{
    const QString* text = ini.FindValue(section, key);
    out = text ? ParseSkinPoint(*text) : QPoint();
}

void ReadSkinValue(
    const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault&, QRect& out)
{
    const QString* text = ini.FindValue(section, key);
    out = text ? ParseSkinRect(*text) : QRect();
}

void ReadSkinValue(const TMemIniFile& ini, const QString& section, const QString& key,
    const TvnKeyDefault& def, QString& out)
{
    out = ini.ReadString(section, key, QString::fromLatin1(def.Text));
}

void ReadSkinValue(const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault&,
    TFontStyles& out)
{
    out = ParseFontStyles(ini.ReadString(section, key, QString()));
}

// --- Writing -------------------------------------------------------------------------------

QString SkinValueText(int value) { return QString::number(value); }
QString SkinValueText(TColor value) { return QString::number(static_cast<qint32>(value)); }
QString SkinValueText(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }
QString SkinValueText(const QPoint& value) { return QStringLiteral("%1,%2").arg(value.x()).arg(value.y()); }
QString SkinValueText(const QRect& value)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(value.x())
        .arg(value.y())
        .arg(vnutils::RectRight(value))
        .arg(vnutils::RectBottom(value));
}
QString SkinValueText(const QString& value) { return value; }

QString SkinValueText(TFontStyles value)
{
    QStringList names;
    for (const auto& [style, name] : kFontStyles)
        if (value.testFlag(style)) names.append(QLatin1String(name));
    return names.join(u',');
}

// --- Numbered lists ------------------------------------------------------------------------

int ReadNumberedCount(const TMemIniFile& ini, const QString& section, const QString& countKey)
{
    return std::clamp(ini.ReadInteger(section, countKey, 0), 0, ini.KeyCount(section));
}

QStringList ReadSkinList(const TMemIniFile& ini, const QString& section, const QString& name)
{
    QStringList items;
    const int count = ReadNumberedCount(ini, section, name + QStringLiteral("count"));
    for (int i = 0; i < count; ++i)
        items.append(ini.ReadString(section, QString::number(i), QString()));
    return items;
}

void WriteSkinList(TMemIniFile& ini, const QString& section, const QString& name, const QStringList& items)
{
    ini.WriteInteger(section, name + QStringLiteral("count"), static_cast<int>(items.size()));
    for (int i = 0; i < items.size(); ++i)
        ini.WriteString(section, QString::number(i), items[i]);
}
