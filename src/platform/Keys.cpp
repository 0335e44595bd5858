#include "Keys.h"

namespace {
struct KeyPair {
    int qt;
    int vk;
};

constexpr KeyPair kKeys[] = {
    { Qt::Key_Backspace, vk::VK_BACK },
    { Qt::Key_Tab, vk::VK_TAB },
    { Qt::Key_Backtab, vk::VK_TAB },
    { Qt::Key_Return, vk::VK_RETURN },
    { Qt::Key_Enter, vk::VK_RETURN },
    { Qt::Key_Shift, vk::VK_SHIFT },
    { Qt::Key_Control, vk::VK_CONTROL },
    { Qt::Key_Alt, vk::VK_MENU },
    { Qt::Key_Escape, vk::VK_ESCAPE },
    { Qt::Key_Space, vk::VK_SPACE },
    { Qt::Key_PageUp, vk::VK_PRIOR },
    { Qt::Key_PageDown, vk::VK_NEXT },
    { Qt::Key_End, vk::VK_END },
    { Qt::Key_Home, vk::VK_HOME },
    { Qt::Key_Left, vk::VK_LEFT },
    { Qt::Key_Up, vk::VK_UP },
    { Qt::Key_Right, vk::VK_RIGHT },
    { Qt::Key_Down, vk::VK_DOWN },
    { Qt::Key_Insert, vk::VK_INSERT },
    { Qt::Key_Delete, vk::VK_DELETE },
};
} // namespace

int VirtualKeyFromQt(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vk::VK_F1 + (qtKey - Qt::Key_F1);
    for (const KeyPair& k : kKeys)
        if (k.qt == qtKey) return k.vk;
    return 0;
}

int QtKeyFromVirtualKey(int virtualKey)
{
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return virtualKey;
    if (virtualKey >= vk::VK_F1 && virtualKey < vk::VK_F1 + 24) return Qt::Key_F1 + (virtualKey - vk::VK_F1);
    for (const KeyPair& k : kKeys)
        if (k.vk == virtualKey) return k.qt;
    return 0;
}
