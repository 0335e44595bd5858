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

bool IsHexText(QStringView text) { return text.startsWith(u'$') || text.startsWith(u"0x", Qt::CaseInsensitive); }

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

void TMemIniFile::SetStrings(const QStringList& lines)
{
    m_sections.clear();
    Section* current = nullptr;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            m_sections.push_back(Section { line.mid(1, line.size() - 2).trimmed(), {}, {} });
            current = &m_sections.back();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!current || eq <= 0) continue;
        const QString key = line.left(eq).trimmed();
        const QString lower = key.toLower();
        if (!current->Index.contains(lower)) current->Index.insert(lower, static_cast<int>(current->Entries.size()));
        current->Entries.push_back(Entry { key, line.mid(eq + 1).trimmed() });
    }
    RebuildSectionIndex();
}

void TMemIniFile::RebuildSectionIndex()
{
    m_sectionIndex.clear();
    for (int i = static_cast<int>(m_sections.size()) - 1; i >= 0; --i)
        m_sectionIndex.insert(m_sections[i].Name.toLower(), i);
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
    const auto it = m_sectionIndex.constFind(name.toLower());
    return it == m_sectionIndex.constEnd() ? nullptr : &m_sections[*it];
}

const TMemIniFile::Entry* TMemIniFile::FindEntry(const QString& section, const QString& key) const
{
    const Section* s = FindSection(section);
    if (!s) return nullptr;
    const auto it = s->Index.constFind(key.toLower());
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
        for (const Entry& entry : s->Entries) keys.append(entry.Key);
    return keys;
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
    const auto it = m_sectionIndex.constFind(name.toLower());
    if (it != m_sectionIndex.constEnd()) return m_sections[*it];
    m_sections.push_back(Section { name, {}, {} });
    m_sectionIndex.insert(name.toLower(), static_cast<int>(m_sections.size()) - 1);
    return m_sections.back();
}

void TMemIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    Section& s = SectionForWriting(section);
    const auto it = s.Index.constFind(key.toLower());
    if (it != s.Index.constEnd()) {
        s.Entries[*it].Value = value;
        return;
    }
    s.Index.insert(key.toLower(), static_cast<int>(s.Entries.size()));
    s.Entries.push_back(Entry { key, value });
}

void TMemIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TMemIniFile::EraseSection(const QString& section)
{
    const QString lower = section.toLower();
    std::erase_if(m_sections, [&](const Section& s) { return s.Name.toLower() == lower; });
    RebuildSectionIndex();
}
