#include "SkinBinding.h"

#include "FaceCache.h"
#include "SkinControl.h"

int TvnSkinBinding::LookUp()
{
    m_index = vnctrls::FindRecord(m_store, m_name);
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

void TvnSkinBoundControl::KeepLooks(std::initializer_list<vnctrls::TvnLookStore*> caches)
{
    m_keptLooks.insert(m_keptLooks.end(), caches);
}

void TvnSkinBoundControl::DropLooks()
{
    for (vnctrls::TvnLookStore* cache : m_keptLooks)
        cache->Clear();
}

void TvnSkinBoundControl::SetFaceCacheEnabled(bool enabled)
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
