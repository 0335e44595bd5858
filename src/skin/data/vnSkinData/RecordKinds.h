#pragma once
// The kind written after a record's name in [SKINOBJECTS] and [SKINCONTROLS] selects
// the record's class through a table of kinds; kinds compare exactly.
#include <QString>
#include <memory>
#include <span>

template <class Root> struct TvnRecordKind {
    const char* Kind;
    std::unique_ptr<Root> (*Create)(const QString& idName);
};

template <class Root, class T> std::unique_ptr<Root> MakeRecord(const QString& idName)
{
    return std::make_unique<T>(idName);
}

// The record for `kind`, or nullptr for a kind not in the table.
template <class Root>
std::unique_ptr<Root> CreateRecordOfKind(
    std::span<const TvnRecordKind<Root>> kinds, const QString& kind, const QString& idName)
{
    for (const TvnRecordKind<Root>& entry : kinds)
        if (kind == QLatin1String(entry.Kind)) return entry.Create(idName);
    return nullptr;
}
