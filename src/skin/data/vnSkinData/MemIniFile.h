#pragma once
// An INI file held in memory, built from the lines of a skin description.
//
// Section and key names are found without regard to letter case; values come back
// exactly as written (blanks around names and values trimmed). When a section or a key
// stands twice, the first one is the one found, so a skin author's stray duplicate
// cannot silently override the line above it. Lines outside any section, blank lines
// and lines starting with ";" carry nothing.
#include "IniNameIndex.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TMemIniFile {
public:
    TMemIniFile() = default;
    explicit TMemIniFile(const QStringList& lines) { SetStrings(lines); }

    void SetStrings(const QStringList& lines);
    // The same from one text, split at CR LF, LF or CR.
    void SetText(QStringView text);
    // The text again, one line per section header and per key, sections in order.
    QStringList GetStrings() const;

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    // The keys of a section in the order they stand.
    QStringList ReadSection(const QString& section) const;
    // How many keys the section holds (0 for a missing section).
    int KeyCount(const QString& section) const;

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // The value, or nullptr when the key is missing; valid until the file is changed.
    const QString* FindValue(const QString& section, const QString& key) const;
    // A value that is not a 32-bit integer (decimal, or hexadecimal after "$" or "0x")
    // gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;

    // Replaces the key's value, or appends the key (and the section) when missing.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void EraseSection(const QString& section);

private:
    struct Entry {
        QString Key;
        QString Value;
    };
    struct Section {
        QString Name;
        std::vector<Entry> Entries;
        TvnIniNameIndex Index; // key -> first entry
        void Add(Entry entry);
        int Find(QStringView key) const;
    };

    void Clear();
    void AddLine(QStringView line);
    void AddSection(QString name);
    QStringView SectionName(int position) const;
    void IndexSection(int position);
    void RebuildSectionIndex();
    int FindSectionIndex(QStringView name) const;
    const Section* FindSection(const QString& name) const;
    Section& SectionForWriting(const QString& name);
    const Entry* FindEntry(const QString& section, const QString& key) const;

    std::vector<Section> m_sections;
    // Records read their keys one after another from one section; the last section
    // found is remembered (-1: none) and forgotten whenever the sections change.
    mutable QString m_lastSectionName;
    mutable int m_lastSection = -1;
    TvnIniNameIndex m_sectionIndex; // name -> first section
};

// The number a value text stands for: optional sign and decimal digits, or "$"/"0x"
// followed by hexadecimal digits (read as an unsigned 32-bit pattern). Anything else,
// including blanks inside, is not a number.
std::optional<qint64> ParseIntegerText(QStringView text);
