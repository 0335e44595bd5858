#pragma once
// The value syntax of the skin description: how each kind of value is read from the
// INI text, with its fallback rules, and how it is written back.
//
// Every kind has one ReadSkinValue and one SkinValueText overload, and every reader
// takes the key's default in one shape (TvnKeyDefault), so that one key table can drive
// reading and writing of all kinds alike (SkinKeyTable.h).
#include "BmpDecoder.h"
#include "MemIniFile.h"
#include "platform/Colors.h"
#include "skin/data/SkinTypes.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>

// A key's default: integers and colours use Number, texts use Text. Every other kind
// has one fixed default: false, 0,0, an empty rectangle, no style, or the enumeration's
// default name.
struct TvnKeyDefault {
    std::int64_t Number = 0;
    const char* Text = "";
};

// Rectangles are written left, top, right, bottom and travel as QRect of position and
// size, as composition takes them (vnUtils/SkinRect.h): "9,4,205,21" is the QRect at
// (9,4) of size 196 x 17.
//
// Points and rectangles: a comma ends a number, digits are collected and every other
// character (blanks, signs) is skipped, so "-3,5" reads (3,5). A number that is missing
// or empty raises "'' is not a valid integer value"; one too large for 32 bits raises
// the same message with its digits. Numbers beyond those needed are ignored.
//
// A coordinate lies in a skin picture, and no picture is wider or higher than
// kMaxBitmapSide, so a larger number raises "'<digits>' is not a valid skin coordinate
// (0 to 32767)": composition then adds and subtracts coordinates and window sizes
// without leaving 32 bits.
inline constexpr int kMaxSkinCoordinate = kMaxBitmapSide;
QPoint ParseSkinPoint(const QString& text);
QRect ParseSkinRect(const QString& text);

// A style is set when its name occurs anywhere in the text, in exactly this case.
TFontStyles ParseFontStyles(const QString& text);

// Enumerations are read by exact comparison with their names; any other text reads as
// the enumeration's fallback (stretch type: horizontal; morph kind: mkdefault;
// alignment: right; inactive effect: iegrayscale; command: cmminimizetotray). Each
// enumeration the skin names has one name table, picked by its type.
enum class TvnSkinEnumKind { StretchType, MorphKind, Alignment, InactiveEffect, SkinCommand };
constexpr TvnSkinEnumKind SkinEnumKind(TvnStretchType) { return TvnSkinEnumKind::StretchType; }
constexpr TvnSkinEnumKind SkinEnumKind(TvnMorphKind) { return TvnSkinEnumKind::MorphKind; }
constexpr TvnSkinEnumKind SkinEnumKind(TAlignment) { return TvnSkinEnumKind::Alignment; }
constexpr TvnSkinEnumKind SkinEnumKind(TvnInactiveEffect) { return TvnSkinEnumKind::InactiveEffect; }
constexpr TvnSkinEnumKind SkinEnumKind(TvnSkinCommand) { return TvnSkinEnumKind::SkinCommand; }
template <class E>
concept TvnSkinEnum = requires(E value)
{
    SkinEnumKind(value);
};

int ParseSkinEnum(const QString& text, TvnSkinEnumKind kind);
// The value of the key, or of the enumeration's default name when the key is missing.
int ReadSkinEnum(const TMemIniFile& ini, const QString& section, const QString& key, TvnSkinEnumKind kind);
// The name of a value, or an empty text for a value the enumeration has no name for.
QString SkinEnumText(int value, TvnSkinEnumKind kind);
template <TvnSkinEnum E> E ParseSkinEnum(const QString& text)
{
    return E(ParseSkinEnum(text, SkinEnumKind(E {})));
}

// A missing key gives its default, so reading from an empty INI file yields every
// default. Integers that are not numbers give the default; flags are true only for 1.
// Colours accept the signed and the unsigned decimal form of a 32-bit value.
// clang-format off
void ReadSkinValue(const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault& def, int& out);
void ReadSkinValue(const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault& def, TColor& out);
void ReadSkinValue(const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault& def, bool& out);
void ReadSkinValue(const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault& def, QPoint& out);
void ReadSkinValue(const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault& def, QRect& out);
void ReadSkinValue(const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault& def, QString& out);
void ReadSkinValue(const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault& def, TFontStyles& out);
// clang-format on
template <TvnSkinEnum E>
void ReadSkinValue(
    const TMemIniFile& ini, const QString& section, const QString& key, const TvnKeyDefault&, E& out)
{
    out = E(ReadSkinEnum(ini, section, key, SkinEnumKind(out)));
}

// The written form: flags as 0/1, points and rectangles joined by "," without blanks,
// font styles by their names joined by ",", enumerations by name, colours as signed
// decimals (so that any 32-bit reader takes them back).
QString SkinValueText(int value);
QString SkinValueText(TColor value);
QString SkinValueText(bool value);
QString SkinValueText(const QPoint& value);
QString SkinValueText(const QRect& value);
QString SkinValueText(const QString& value);
QString SkinValueText(TFontStyles value);
template <TvnSkinEnum E> QString SkinValueText(E value)
{
    return SkinEnumText(int(value), SkinEnumKind(value));
}

// The count of a numbered list or record list under `countKey`, at most the number of
// keys of the section: a section cannot hold more numbered keys than it has lines, so a
// hostile count neither loops for minutes nor grows a list without bound.
int ReadNumberedCount(const TMemIniFile& ini, const QString& section, const QString& countKey);

// A numbered list: key <name>"count" holds n, keys "0" to n - 1 hold the items.
QStringList ReadSkinList(const TMemIniFile& ini, const QString& section, const QString& name);
void WriteSkinList(TMemIniFile& ini, const QString& section, const QString& name, const QStringList& items);
