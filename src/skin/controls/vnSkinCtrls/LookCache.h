#pragma once
// The finished picture of a whole control, kept with the state it was drawn from, so that
// a repaint showing what the last one showed is one copy. The state is written out as
// bytes (exact, so two states never pass for each other); the picture is dropped on a
// skin change and whenever the state differs.
#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QImage>

namespace vnctrls {

class TvnLookCache {
public:
    // The picture for `state`, drawn by `draw()` when it is not the one kept.
    template <class Draw> const QImage& Get(const QByteArray& state, Draw&& draw)
    {
        if (!m_enabled || m_look.isNull() || state != m_state) {
            m_look = draw();
            m_state = state;
        }
        return m_look;
    }
    void Clear() { m_look = QImage(); }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled)
    {
        m_enabled = enabled;
        Clear();
    }

private:
    QByteArray m_state;
    QImage m_look;
    bool m_enabled = true;
};

// Writes a state's values one after the other.
class TvnStateWriter {
public:
    TvnStateWriter()
        : m_stream(&m_bytes, QIODevice::WriteOnly)
    {
    }
    template <class T> TvnStateWriter& operator<<(const T& value)
    {
        m_stream << value;
        return *this;
    }
    QByteArray Bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QDataStream m_stream;
};

} // namespace vnctrls
