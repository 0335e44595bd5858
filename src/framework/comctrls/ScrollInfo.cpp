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
    if (OnScrollInfoChanged) OnScrollInfoChanged(kind, info);
}

bool TScrollSource::HandleScrollMessage(TMessage& m)
{
    if (m.Msg != msg::WM_VSCROLL && m.Msg != msg::WM_HSCROLL) return false;
    Scrolled(m.Msg == msg::WM_VSCROLL ? sbVertical : sbHorizontal, static_cast<int>(m.WParam & 0xFFFF),
        static_cast<int>(m.LParam));
    m.Result = 0;
    return true;
}
