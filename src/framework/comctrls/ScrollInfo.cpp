#include "ScrollInfo.h"

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
