#pragma once
// The index of an INI file's names (sections, the keys of a section): each name, without
// regard to letter case, to the position of its first occurrence.
//
// A skin description holds some 2,700 keys, each indexed once and read once while the
// skin loads. An open-addressing table of positions and hashes costs no allocation per
// name and hashes the name's characters in place, where a hash map of folded copies
// allocated a node and often a copy per key and hashed with a general-purpose function.
#include <QString>
#include <QStringView>
#include <vector>

// Names are equal when they are equal after QString::toLower(); skin texts write them in
// ASCII, for which that is compared and hashed in place.
bool SameIniName(QStringView a, QStringView b);
quint32 IniNameHash(QStringView name);

class TvnIniNameIndex {
public:
    void Clear()
    {
        m_slots.clear();
        m_count = 0;
    }

    // The position of the first name equal to `name`, or -1; `nameAt(position)` gives
    // the name at a position the index holds.
    template <class NameAt> int Find(QStringView name, NameAt nameAt) const
    {
        return Find(name, IniNameHash(name), nameAt);
    }

    // Indexes `position`, whose name is `name`, unless an earlier position has the same
    // name. Returns the position the name now stands for.
    template <class NameAt> int Insert(QStringView name, int position, NameAt nameAt)
    {
        const quint32 hash = IniNameHash(name);
        const int known = Find(name, hash, nameAt);
        if (known >= 0) return known;
        if ((m_count + 1) * 2 > static_cast<qsizetype>(m_slots.size())) Grow();
        Place({ hash, position });
        ++m_count;
        return position;
    }

private:
    struct Slot {
        quint32 Hash = 0;
        int Position = -1; // -1: free
    };

    template <class NameAt> int Find(QStringView name, quint32 hash, NameAt nameAt) const
    {
        if (m_slots.empty()) return -1;
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = m_slots[i];
            if (slot.Position < 0) return -1;
            if (slot.Hash == hash && SameIniName(nameAt(slot.Position), name)) return slot.Position;
        }
    }

    void Grow();
    void Place(Slot slot);

    std::vector<Slot> m_slots; // a power of two in size, at most half full
    qsizetype m_count = 0;
};
