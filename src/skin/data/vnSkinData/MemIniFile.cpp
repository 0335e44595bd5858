#include "MemIniFile.h"

#include <limits>

namespace {

int DigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return 99;
}

bool IsHexText(QStringView text)
{
    return text.startsWith(u'$') || text.startsWith(u"0x", Qt::CaseInsensitive);
}

} // namespace

std::optional<qint64> ParseIntegerText(QStringView text)
{
    const bool hex = IsHexText(text);
    const int base = hex ? 16 : 10;
    qsizetype i = hex ? (text.startsWith(u'$') ? 1 : 2) : 0;
    bool negative = false;
    if (!hex && i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    if (i >= text.size()) return std::nullopt;
    // Callers refuse anything beyond 32 bits; the cap only keeps the accumulator from
    // overflowing on absurdly long digit runs.
    constexpr qint64 cap = qint64(1) << 40;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit >= base) return std::nullopt;
        value = value * base + digit;
        if (value > cap) return std::nullopt;
    }
    if (hex) return value <= 0xFFFFFFFFLL ? std::optional<qint64>(value) : std::nullopt;
    return negative ? -value : value;
}

void TMemIniFile::Section::Add(Entry entry)
{
    const int position = static_cast<int>(Entries.size());
    Entries.push_back(std::move(entry));
    Index.Insert(Entries.back().Key, position, [this](int i) { return QStringView(Entries[i].Key); });
}

int TMemIniFile::Section::Find(QStringView key) const
{
    return Index.Find(key, [this](int i) { return QStringView(Entries[i].Key); });
}

void TMemIniFile::Clear()
{
    m_sections.clear();
    m_sectionIndex.Clear();
    m_lastSection = -1;
}

void TMemIniFile::SetStrings(const QStringList& lines)
{
    Clear();
    for (const QString& line : lines)
        AddLine(line);
}

void TMemIniFile::SetText(QStringView text)
{
    Clear();
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        AddLine(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) AddLine(text.sliced(start));
}

void TMemIniFile::AddLine(QStringView raw)
{
    const QStringView line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(u';')) return;
    if (line.startsWith(u'[') && line.endsWith(u']')) {
        AddSection(line.sliced(1, line.size() - 2).trimmed().toString());
        return;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (m_sections.empty() || eq <= 0) return;
    m_sections.back().Add(
        Entry { line.left(eq).trimmed().toString(), line.sliced(eq + 1).trimmed().toString() });
}

QStringView TMemIniFile::SectionName(int position) const { return m_sections[position].Name; }

void TMemIniFile::IndexSection(int position)
{
    m_sectionIndex.Insert(SectionName(position), position, [this](int i) { return SectionName(i); });
}

void TMemIniFile::AddSection(QString name)
{
    m_sections.push_back(Section { std::move(name), {}, {} });
    IndexSection(static_cast<int>(m_sections.size()) - 1);
}

void TMemIniFile::RebuildSectionIndex()
{
    m_lastSection = -1;
    m_sectionIndex.Clear();
    for (int i = 0; i < static_cast<int>(m_sections.size()); ++i)
        IndexSection(i);
}

int TMemIniFile::FindSectionIndex(QStringView name) const
{
    return m_sectionIndex.Find(name, [this](int i) { return SectionName(i); });
}

QStringList TMemIniFile::GetStrings() const
{
    QStringList lines;
    for (const Section& section : m_sections) {
        lines.append(QLatin1Char('[') + section.Name + QLatin1Char(']'));
        for (const Entry& entry : section.Entries)
            lines.append(entry.Key + QLatin1Char('=') + entry.Value);
        lines.append(QString());
    }
    return lines;
}

const TMemIniFile::Section* TMemIniFile::FindSection(const QString& name) const
{
    // The same name object asked again (a record's name for each of its keys) is the
    // same section without comparing its characters.
    const bool sameObject
        = name.constData() == m_lastSectionName.constData() && name.size() == m_lastSectionName.size();
    if (m_lastSection < 0 || (!sameObject && name != m_lastSectionName)) {
        const int found = FindSectionIndex(name);
        if (found < 0) return nullptr;
        m_lastSectionName = name;
        m_lastSection = found;
    }
    return &m_sections[m_lastSection];
}

const QString* TMemIniFile::FindValue(const QString& section, const QString& key) const
{
    const Entry* entry = FindEntry(section, key);
    return entry ? &entry->Value : nullptr;
}

const TMemIniFile::Entry* TMemIniFile::FindEntry(const QString& section, const QString& key) const
{
    const Section* s = FindSection(section);
    if (!s) return nullptr;
    const int found = s->Find(key);
    return found < 0 ? nullptr : &s->Entries[found];
}

bool TMemIniFile::SectionExists(const QString& section) const { return FindSection(section) != nullptr; }

bool TMemIniFile::ValueExists(const QString& section, const QString& key) const
{
    return FindEntry(section, key) != nullptr;
}

QStringList TMemIniFile::ReadSection(const QString& section) const
{
    QStringList keys;
    if (const Section* s = FindSection(section))
        for (const Entry& entry : s->Entries)
            keys.append(entry.Key);
    return keys;
}

int TMemIniFile::KeyCount(const QString& section) const
{
    const Section* s = FindSection(section);
    return s ? static_cast<int>(s->Entries.size()) : 0;
}

QString TMemIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const Entry* entry = FindEntry(section, key);
    return entry ? entry->Value : defaultValue;
}

int TMemIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const Entry* entry = FindEntry(section, key);
    if (!entry) return defaultValue;
    const std::optional<qint64> value = ParseIntegerText(entry->Value);
    if (!value) return defaultValue;
    if (IsHexText(entry->Value)) return static_cast<int>(static_cast<quint32>(*value));
    if (*value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(*value);
}

TMemIniFile::Section& TMemIniFile::SectionForWriting(const QString& name)
{
    const int found = FindSectionIndex(name);
    if (found >= 0) return m_sections[found];
    AddSection(name);
    return m_sections.back();
}

void TMemIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    Section& s = SectionForWriting(section);
    const int found = s.Find(key);
    if (found >= 0) {
        s.Entries[found].Value = value;
        return;
    }
    s.Add(Entry { key, value });
}

void TMemIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TMemIniFile::EraseSection(const QString& section)
{
    std::erase_if(m_sections, [&](const Section& s) { return SameIniName(s.Name, section); });
    RebuildSectionIndex();
}
