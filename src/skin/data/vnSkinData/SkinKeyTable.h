#pragma once
// Key tables: one table per record class lists its keys in reading order, each with
// the field it fills and its default. The same table reads the record (LoadKeys),
// writes it back (SaveKeys) and gives a fresh record its defaults (ApplyDefaults), so
// the three can never disagree about a key's name, order or default.
//
// A table is written either as an array of Key rows or, when it takes in a block of
// rows shared with other tables (the geometry's corner points and stretch flags,
// GeometryKeys.h), as KeyRows(...) of rows and blocks; Within turns the keys of a part of
// a record (its TvnSkinGeometry, a set of corner points) into keys of the record.
//
// TvnSkinRecord<Self, Base> derives a record class from its base: reading runs the
// base's keys first, then Self::Keys(), then Self::AfterLoad() (the class's rules that
// look at values already read); writing runs the base, then Self::Keys().
#include "SkinValues.h"

#include <functional>
#include <span>
#include <type_traits>
#include <vector>

template <class C> struct TvnSkinKey {
    QString Name;
    // Reads the key into its field of a record of section `section`: the default when the
    // key is missing.
    std::function<void(C& record, const TMemIniFile& ini, const QString& section)> Read;
    // The field's written form.
    std::function<QString(const C& record)> Text;
};

template <class C> using TvnKeyTable = std::span<const TvnSkinKey<C>>;
template <class C> using TvnKeyList = std::vector<TvnSkinKey<C>>;

template <class C, class T> TvnSkinKey<C> FieldKey(const QString& name, T C::*field, TvnKeyDefault def)
{
    return TvnSkinKey<C> {
        name,
        [name, field, def](C& r, const TMemIniFile& ini, const QString& section) {
            ReadSkinValue(ini, section, name, def, r.*field);
        },
        [field](const C& r) { return SkinValueText(r.*field); },
    };
}

// Table entries: Key("fontheight", &C::FontHeight, 14), Key("fontname", &C::FontName,
// "Arial"), Key("skinrect", &C::SkinRect).
template <class C, class T> TvnSkinKey<C> Key(const char* name, T C::*field, std::int64_t defaultNumber = 0)
{
    return FieldKey(QString::fromLatin1(name), field, TvnKeyDefault { defaultNumber, "" });
}

template <class C> TvnSkinKey<C> Key(const char* name, QString C::*field, const char* defaultText = "")
{
    return FieldKey(QString::fromLatin1(name), field, TvnKeyDefault { 0, defaultText });
}

// The keys of a part of a record (reached by `part`), as keys of the record.
template <class C, class P, class Part> TvnKeyList<C> Projected(TvnKeyTable<P> keys, Part part)
{
    TvnKeyList<C> rows;
    rows.reserve(keys.size());
    for (const TvnSkinKey<P>& key : keys)
        rows.push_back({
            key.Name,
            [part, read = key.Read](
                C& r, const TMemIniFile& ini, const QString& section) { read(part(r), ini, section); },
            [part, text = key.Text](const C& r) { return text(part(const_cast<C&>(r))); },
        });
    return rows;
}

// The keys of the member `part` of a record, as keys of the record.
template <class C, class P> TvnKeyList<C> Within(P C::*part, std::type_identity_t<TvnKeyTable<P>> keys)
{
    return Projected<C, P>(keys, [part](C& r) -> P& { return r.*part; });
}

// The keys of a base `P` of a record (a block of fields several records share).
template <class C, class P> TvnKeyList<C> WithinBase(std::type_identity_t<TvnKeyTable<P>> keys)
{
    return Projected<C, P>(keys, [](C& r) -> P& { return static_cast<P&>(r); });
}

template <class C> void AppendRows(TvnKeyList<C>& to, TvnSkinKey<C> key) { to.push_back(std::move(key)); }
template <class C> void AppendRows(TvnKeyList<C>& to, TvnKeyTable<C> keys)
{
    to.insert(to.end(), keys.begin(), keys.end());
}

// A table of single rows and blocks of rows, in the order given.
template <class C, class... Rows> TvnKeyList<C> KeyRows(Rows&&... rows)
{
    TvnKeyList<C> list;
    (AppendRows<C>(list, std::forward<Rows>(rows)), ...);
    return list;
}

template <class C>
void LoadKeys(C& record, const TMemIniFile& ini, const QString& section, TvnKeyTable<C> keys)
{
    for (const TvnSkinKey<C>& key : keys)
        key.Read(record, ini, section);
}

template <class C>
void SaveKeys(const C& record, TMemIniFile& ini, const QString& section, TvnKeyTable<C> keys)
{
    for (const TvnSkinKey<C>& key : keys)
        ini.WriteString(section, key.Name, key.Text(record));
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
