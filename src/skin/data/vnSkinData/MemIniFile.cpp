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

// Names are compared without regard to case; skin texts write them in lower case, so
// the common case costs no copy.
QString FoldCase(const QString& name)
{
    for (const QChar c : name)
        if (c.unicode() >= 0x80 || (c >= u'A' && c <= u'Z')) return name.toLower();
    return name;
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

void TMemIniFile::Clear()
{
    m_sections.clear();
    m_sectionIndex.clear();
    m_lastSection = -1;
}

void TMemIniFile::SetStrings(const QStringList& lines)
{
    Clear();
    for (const QString& line : lines)
        AddLine(line);
    RebuildSectionIndex();
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
    RebuildSectionIndex();
}

void TMemIniFile::AddLine(QStringView raw)
{
    const QStringView line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(u';')) return;
    if (line.startsWith(u'[') && line.endsWith(u']')) {
        m_sections.push_back(Section { line.sliced(1, line.size() - 2).trimmed().toString(), {}, {} });
        return;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (m_sections.empty() || eq <= 0) return;
    Section& current = m_sections.back();
    QString key = line.left(eq).trimmed().toString();
    // The first entry of a key is the one found; one hash lookup inserts it or finds it.
    const qsizetype known = current.Index.size();
    int& first = current.Index[FoldCase(key)];
    if (current.Index.size() != known) first = static_cast<int>(current.Entries.size());
    current.Entries.push_back(Entry { std::move(key), line.sliced(eq + 1).trimmed().toString() });
}

void TMemIniFile::RebuildSectionIndex()
{
    m_lastSection = -1;
    m_sectionIndex.clear();
    for (int i = static_cast<int>(m_sections.size()) - 1; i >= 0; --i)
        m_sectionIndex.insert(FoldCase(m_sections[i].Name), i);
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
    if (m_lastSection < 0 || name != m_lastSectionName) {
        const auto it = m_sectionIndex.constFind(FoldCase(name));
        if (it == m_sectionIndex.constEnd()) return nullptr;
        m_lastSectionName = name;
        m_lastSection = *it;
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
    const auto it = s->Index.constFind(FoldCase(key));
    return it == s->Index.constEnd() ? nullptr : &s->Entries[*it];
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
    const auto it = m_sectionIndex.constFind(FoldCase(name));
    if (it != m_sectionIndex.constEnd()) return m_sections[*it];
    m_sections.push_back(Section { name, {}, {} });
    m_sectionIndex.insert(FoldCase(name), static_cast<int>(m_sections.size()) - 1);
    return m_sections.back();
}

void TMemIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    Section& s = SectionForWriting(section);
    const QString folded = FoldCase(key);
    const auto it = s.Index.constFind(folded);
    if (it != s.Index.constEnd()) {
        s.Entries[*it].Value = value;
        return;
    }
    s.Index.insert(folded, static_cast<int>(s.Entries.size()));
    s.Entries.push_back(Entry { key, value });
}

void TMemIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TMemIniFile::EraseSection(const QString& section)
{
    const QString folded = FoldCase(section);
    std::erase_if(m_sections, [&](const Section& s) { return FoldCase(s.Name) == folded; });
    RebuildSectionIndex();
}
