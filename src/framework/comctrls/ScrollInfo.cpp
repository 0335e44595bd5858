#include "ScrollInfo.h"

#include <algorithm>

int ScrollTarget(int code, int position, int current, int line, int page, int min, int max)
{
    int target = current;
    switch (code) {
    case msg::SB_LINEUP:
        target = current - line;
        break;
    case msg::SB_LINEDOWN:
        target = current + line;
        break;
    case msg::SB_PAGEUP:
        target = current - page;
        break;
    case msg::SB_PAGEDOWN:
        target = current + page;
        break;
    case msg::SB_THUMBPOSITION:
    case msg::SB_THUMBTRACK:
        target = position;
        break;
    case msg::SB_TOP:
        target = min;
        break;
    case msg::SB_BOTTOM:
        target = max;
        break;
    default:
        break;
    }
    return std::clamp(target, min, std::max(min, max));
}

void TScrollSource::PublishScrollInfo(TScrollBarKind kind, const TScrollInfo& info)
{
    if (m_info[kind] == info) return;
    m_info[kind] = info;
    // A listener may unlink itself (or another) while it is told: tell a copy.
    const auto listeners = m_listeners;
    for (const auto& [key, listener] : listeners)
        if (HasScrollListener(key)) listener(kind, info);
}

void TScrollSource::AddScrollListener(const void* key, TScrollListener listener)
{
    for (auto& entry : m_listeners)
        if (entry.first == key) {
            entry.second = std::move(listener);
            return;
        }
    m_listeners.emplace_back(key, std::move(listener));
}

void TScrollSource::RemoveScrollListener(const void* key)
{
    std::erase_if(m_listeners, [key](const auto& entry) { return entry.first == key; });
}

bool TScrollSource::HasScrollListener(const void* key) const
{
    return std::any_of(
        m_listeners.begin(), m_listeners.end(), [key](const auto& e) { return e.first == key; });
}

bool TScrollSource::HandleScrollMessage(TMessage& m)
{
    if (m.Msg != msg::WM_VSCROLL && m.Msg != msg::WM_HSCROLL) return false;
    Scrolled(m.Msg == msg::WM_VSCROLL ? sbVertical : sbHorizontal, static_cast<int>(m.WParam & 0xFFFF),
        static_cast<int>(m.LParam));
    m.Result = 0;
    return true;
}
