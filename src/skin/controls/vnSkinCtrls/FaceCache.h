#pragma once
// Composed looks of one control, kept per (record, size, state), so a repaint that shows
// what an earlier one showed copies a picture instead of composing it again. The state is
// the source rectangle the look is composed from and a step (a fade step, 0 when none).
// A control holds the looks of one size at a time (a new size drops the others) and
// drops them all on every skin change. A control whose look depends on more than that
// (a caption, a glyph) keys its looks by a TvnFaceKey extended with it.
//
// A control whose whole finished picture is kept keeps only the last one. Made of a fixed
// set of values (the scroll bar), its state is a struct compared whole; holding lists
// (the page control's tabs, the grid's cells), it is written out as bytes
// (TvnStateWriter: exact, so two states never pass for each other) in a TvnLookCache.
//
// A control that keeps many pictures (or measures) by a key of its own (the control
// grid's row copies, the tab captions' widths) keeps them in a TvnLookTable; one value
// made from the skin (a font, a mark's picture) is kept in a TvnKeptValue.
#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVarLengthArray>
#include <cstring>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace vnctrls {

// What a control does with each of its caches alike, whatever it keeps: drop everything
// (skin changes), or switch keeping off (to measure what the cache saves).
class TvnLookStore {
public:
    virtual void Clear() = 0;
    virtual void SetEnabled(bool enabled) = 0;

protected:
    ~TvnLookStore() = default;
};

struct TvnFaceKey {
    int Record = -1;
    QSize Size;
    QRect Source;
    int Step = 0;
    friend bool operator==(const TvnFaceKey&, const TvnFaceKey&) = default;
};

// What every cache keeps its looks in, and switching keeping off (which drops them).
template <class Looks> class TvnKeptLooks : public TvnLookStore {
public:
    void Clear() override { m_looks = Looks(); }
    int Count() const { return int(m_looks.size()); }
    // Disabled, every look is made anew (to measure what the cache saves).
    void SetEnabled(bool enabled) override
    {
        m_enabled = enabled;
        Clear();
    }

protected:
    ~TvnKeptLooks() = default;
    Looks m_looks;
    bool m_enabled = true;
};

template <class Look, class Key = TvnFaceKey, std::size_t MaxLooks = 16>
class TvnFaceCache final : public TvnKeptLooks<std::vector<std::pair<Key, Look>>> {
public:
    // The look for `key`, made by `compose()` the first time (every time while disabled).
    // `key` may be of another type that compares with a Key and makes one (a state being
    // written, kept as bytes only when a look is made).
    template <class Probe = Key, class Compose> const Look& Get(const Probe& key, Compose&& compose)
    {
        auto& looks = this->m_looks;
        if (!this->m_enabled) {
            m_scratch = compose();
            return m_scratch;
        }
        for (const auto& [k, look] : looks)
            if (k == key) return look;
        if constexpr (requires { key.Size; })
            if (!looks.empty() && looks.front().first.Size != key.Size) looks.clear();
        // A control shows a handful of states; past that the oldest goes.
        if (looks.size() >= MaxLooks) looks.erase(looks.begin());
        looks.emplace_back(Key(key), compose());
        return looks.back().second;
    }

private:
    Look m_scratch;
};

using TvnLookCache = TvnFaceCache<QImage, QByteArray, 1>;

// Pictures (or other values) by a hashed key, many of them (rows come and go as records
// scroll): past `limit` values all go at once, the values of rows long gone with them.
template <class Key, class Value = QImage> class TvnLookTable final : public TvnKeptLooks<QHash<Key, Value>> {
public:
    // The kept value for `key`, or nullptr (always while disabled).
    const Value* Find(const Key& key) const
    {
        const auto found = this->m_looks.constFind(key);
        return found == this->m_looks.constEnd() ? nullptr : &*found;
    }
    // Keeps `value` for `key` (only hands it back while disabled).
    const Value& Keep(const Key& key, Value value, qsizetype limit)
    {
        if (!this->m_enabled) return m_scratch = std::move(value);
        if (this->m_looks.size() >= limit) this->m_looks.clear();
        return *this->m_looks.insert(key, std::move(value));
    }

private:
    Value m_scratch;
};

// One value made from the skin and the control's properties, kept until either changes
// (the control clears it when a property it is made from changes; a skin change drops it
// with every kept look).
template <class Value> class TvnKeptValue final : public TvnKeptLooks<std::optional<Value>> {
public:
    // The kept value, or nullptr (always while disabled).
    const Value* Find() const { return this->m_looks ? &*this->m_looks : nullptr; }
    // Keeps `value` (only hands it back while disabled).
    const Value& Keep(Value value)
    {
        if (!this->m_enabled) return m_scratch = std::move(value);
        return this->m_looks.emplace(std::move(value));
    }

private:
    Value m_scratch;
};

// Writes a state's values one after the other as raw bytes, without a stream: a kept
// look compares them on every paint. Numbers take eight bytes each and texts carry their
// length, so two different states never write the same bytes.
template <class T>
concept TvnStateNumber = std::is_integral_v<T> || std::is_enum_v<T>;

class TvnStateWriter {
public:
    explicit TvnStateWriter(qsizetype reserve = 0) { m_bytes.reserve(reserve); }
    template <TvnStateNumber T> TvnStateWriter& operator<<(T value)
    {
        const auto v = static_cast<qint64>(value);
        return Append(&v, sizeof v);
    }
    TvnStateWriter& operator<<(const QSize& s) { return *this << s.width() << s.height(); }
    TvnStateWriter& operator<<(const QPoint& p) { return *this << p.x() << p.y(); }
    TvnStateWriter& operator<<(const QRect& r) { return *this << r.topLeft() << r.size(); }
    TvnStateWriter& operator<<(const QColor& c) { return *this << int(c.isValid()) << quint64(c.rgba64()); }
    TvnStateWriter& operator<<(const QString& t)
    {
        *this << t.size();
        return Append(t.constData(), t.size() * qsizetype(sizeof(QChar)));
    }
    // The bytes as a kept look's key: made only when a look is kept, a paint that finds
    // its look compares the written bytes in place.
    explicit operator QByteArray() const { return QByteArray(m_bytes.constData(), m_bytes.size()); }
    friend bool operator==(const QByteArray& kept, const TvnStateWriter& state)
    {
        return kept.size() == state.m_bytes.size()
            && std::memcmp(kept.constData(), state.m_bytes.constData(), size_t(kept.size())) == 0;
    }

private:
    TvnStateWriter& Append(const void* data, qsizetype size)
    {
        const qsizetype at = m_bytes.size();
        m_bytes.resize(at + size);
        if (size > 0) std::memcpy(m_bytes.data() + at, data, size_t(size));
        return *this;
    }
    // Most states fit here: no allocation per paint.
    QVarLengthArray<char, 2048> m_bytes;
};

} // namespace vnctrls
