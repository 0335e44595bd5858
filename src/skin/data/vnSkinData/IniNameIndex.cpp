#include "IniNameIndex.h"

#include <QHashFunctions>

namespace {

char16_t AsciiLower(char16_t u) { return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u; }

bool IsAscii(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

// The process's own seed: a skin built to make its names collide cannot know it, so it
// cannot turn the index's lookups into a search through every name.
quint32 Seed()
{
    static const quint32 seed = static_cast<quint32>(size_t(QHashSeed::globalSeed())) ^ 2166136261u;
    return seed;
}

quint32 Step(quint32 hash, char16_t unit) { return (hash ^ AsciiLower(unit)) * 16777619u; }

// Spreads every bit of the running hash into the low bits the table picks slots by.
quint32 Finish(quint32 hash)
{
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    hash *= 0xC2B2AE35u;
    return hash ^ (hash >> 16);
}

} // namespace

// FNV-1a over the ASCII-lowered code units, from the process's seed.
quint32 IniNameHash(QStringView name)
{
    quint32 hash = Seed();
    for (const QChar c : name) {
        if (c.unicode() >= 0x80) {
            // toLower() may turn a letter into plain ASCII (the Kelvin sign into "k"), so
            // the folded text is hashed the same way; what is left above ASCII as it is.
            hash = Seed();
            for (const QChar f : name.toString().toLower())
                hash = Step(hash, f.unicode());
            return Finish(hash);
        }
        hash = Step(hash, c.unicode());
    }
    return Finish(hash);
}

bool SameIniName(QStringView a, QStringView b)
{
    if (a.size() == b.size()) {
        qsizetype i = 0;
        for (; i < a.size(); ++i) {
            const char16_t x = a[i].unicode(), y = b[i].unicode();
            if (x >= 0x80 || y >= 0x80) break;
            if (AsciiLower(x) != AsciiLower(y)) return false;
        }
        // Up to the first unit above ASCII both lower-case in place, position by position.
        if (i == a.size()) return true;
    } else if (IsAscii(a) && IsAscii(b)) {
        return false;
    }
    return a.toString().toLower() == b.toString().toLower();
}

void TvnIniNameIndex::Grow()
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? 16 : old.size() * 2, Slot {});
    for (const Slot& slot : old)
        if (slot.Position >= 0) Place(slot);
}

void TvnIniNameIndex::Place(Slot slot)
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = slot.Hash & mask;
    while (m_slots[i].Position >= 0)
        i = (i + 1) & mask;
    m_slots[i] = slot;
}
