#pragma once
// Key tables: one table per record class lists its keys in reading order, each with
// the field it fills and its default. The same table reads the record (LoadKeys),
// writes it back (SaveKeys) and gives a fresh record its defaults (ApplyDefaults), so
// the three can never disagree about a key's name, order or default.
//
// TvnSkinRecord<Self, Base> derives a record class from its base: reading runs the
// base's keys first, then Self::Keys(), then Self::AfterLoad() (the class's rules that
// look at values already read); writing runs the base, then Self::Keys().
#include "SkinValues.h"

#include <span>
#include <variant>

template <class C> struct TvnSkinKey {
    using Field = std::variant<int C::*, TColor C::*, bool C::*, QPoint C::*, QRect C::*, QString C::*,
        TFontStyles C::*, TvnStretchType C::*, TvnMorphKind C::*, TAlignment C::*, TvnInactiveEffect C::*,
        TvnSkinCommand C::*>;

    QString Name;
    Field Target;
    TvnKeyDefault Default;
};

template <class C> using TvnKeyTable = std::span<const TvnSkinKey<C>>;

// Table entries: Key("fontheight", &C::FontHeight, 14), Key("fontname", &C::FontName,
// "Arial"), Key("skinrect", &C::SkinRect).
template <class C, class T> TvnSkinKey<C> Key(const char* name, T C::*field, std::int64_t defaultNumber = 0)
{
    return TvnSkinKey<C> { QString::fromLatin1(name), field, TvnKeyDefault { defaultNumber, "" } };
}

template <class C> TvnSkinKey<C> Key(const char* name, QString C::*field, const char* defaultText = "")
{
    return TvnSkinKey<C> { QString::fromLatin1(name), field, TvnKeyDefault { 0, defaultText } };
}

template <class C>
void LoadKeys(C& record, const TMemIniFile& ini, const QString& section, TvnKeyTable<C> keys)
{
    for (const TvnSkinKey<C>& key : keys)
        std::visit([&](auto field) { ReadSkinValue(ini, section, key.Name, key.Default, record.*field); },
            key.Target);
}

template <class C>
void SaveKeys(const C& record, TMemIniFile& ini, const QString& section, TvnKeyTable<C> keys)
{
    for (const TvnSkinKey<C>& key : keys)
        std::visit([&](auto field) { ini.WriteString(section, key.Name, SkinValueText(record.*field)); },
            key.Target);
}

template <class C> void ApplyDefaults(C& record, TvnKeyTable<C> keys)
{
    static const TMemIniFile empty;
    LoadKeys(record, empty, QString(), keys);
}

template <class Self, class Base> class TvnSkinRecord : public Base {
public:
    using Base::Base;

    void LoadFromIni(const TMemIniFile& ini) override
    {
        Base::LoadFromIni(ini);
        Self& self = static_cast<Self&>(*this);
        LoadKeys<Self>(self, ini, this->IDName, Self::Keys());
        self.AfterLoad();
    }

    void SaveToIni(TMemIniFile& ini) const override
    {
        Base::SaveToIni(ini);
        SaveKeys<Self>(static_cast<const Self&>(*this), ini, this->IDName, Self::Keys());
    }

    // A class with rules after reading declares its own; this one hides the base's, so
    // each class's rules run once, right after its own keys.
    void AfterLoad() { }
};
