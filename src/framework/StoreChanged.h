#pragma once
// The shape of a published property's setter: store the new value, and repaint,
// re-lay out or tell listeners only when it changed:
//
//     void TvnSkinButton::SetMargin(int margin) { if (StoreChanged(m_margin, margin)) Invalidate(); }
#include <utility>

template <class T, class U> bool StoreChanged(T& field, U&& value)
{
    if (field == value) return false;
    field = std::forward<U>(value);
    return true;
}
