#include "IniNameIndex.h"

namespace {

char16_t AsciiLower(char16_t u) { return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u; }

bool IsAscii(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

// FNV-1a over the ASCII-lowered code units; false in `ascii` when a unit is not ASCII
// (the hash is then of no use).
quint32 FoldedHash(QStringView name, bool& ascii)
{
    quint32 hash = 2166136261u;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u >= 0x80) {
            ascii = false;
            return 0;
        }
        hash = (hash ^ AsciiLower(u)) * 16777619u;
    }
    ascii = true;
    return hash;
}

} // namespace

quint32 IniNameHash(QStringView name)
{
    bool ascii = true;
    const quint32 hash = FoldedHash(name, ascii);
    if (ascii) return hash;
    // toLower() may turn a letter into plain ASCII (the Kelvin sign into "k"), so the
    // folded text is hashed the same way; what is left above ASCII is hashed as is.
    quint32 folded = 2166136261u;
    for (const QChar c : name.toString().toLower())
        folded = (folded ^ AsciiLower(c.unicode())) * 16777619u;
    return folded;
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
