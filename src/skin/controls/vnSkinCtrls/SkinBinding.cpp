#include "SkinBinding.h"

#include "FaceCache.h"
#include "SkinControl.h"

int TvnSkinBinding::LookUp()
{
    // An emptied store keeps no index; the load that fills it again changes the count.
    if (!m_store || m_store->Empty()) {
        Drop();
        return m_index;
    }
    if (m_resolved && m_loadCount == m_store->LoadCount()) return m_index;
    m_index = m_store->FindControlSkin(m_name);
    m_loadCount = m_store->LoadCount();
    m_resolved = true;
    ++m_resolution;
    return m_index;
}

bool TvnSkinBinding::HandleSkinMessage(const TMessage& m, TvnSkinBound& control)
{
    switch (m.Msg) {
    case msg::SKINMSG_BEFORE_CHANGE:
        if (vnctrls::MessageNamesStore(m.WParam, m_store)) control.PrepareSkinChange();
        return true;
    case msg::SKINMSG_CHANGE:
        if (m_store && vnctrls::MessageNamesStore(m.WParam, m_store)) control.SkinChanged();
        return true;
    default:
        return false;
    }
}

void TvnSkinBinding::KeepLooks(std::initializer_list<vnctrls::TvnLookStore*> caches)
{
    m_keptLooks.insert(m_keptLooks.end(), caches);
}

void TvnSkinBinding::DropLooks()
{
    for (vnctrls::TvnLookStore* cache : m_keptLooks)
        cache->Clear();
}

void TvnSkinBinding::SetLooksEnabled(bool enabled)
{
    for (vnctrls::TvnLookStore* cache : m_keptLooks)
        cache->SetEnabled(enabled);
}

bool TvnSkinBoundControl::HandleBindingMessage(const TMessage& m, QObject* sender)
{
    if (m_skin.HandleSkinMessage(m, *this)) return true;
    vnctrls::FireMouseEvents(m, sender, OnMouseEnter, OnMouseLeave);
    return false;
}
