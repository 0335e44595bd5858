#include "CompressedSkinList.h"

TvnSkinListItem::TvnSkinListItem(TCollection* collection)
    : QObject(collection)
    , m_name(QStringLiteral("vnSkin%1").arg(collection ? collection->Count() : 0))
    , m_storedSkin(new TvnCompressedStoredSkin(this))
{
}

void TvnSkinListItem::Assign(const TvnSkinListItem& other)
{
    m_name = other.Name();
    SetDescription(other.Description());
    SetFileName(other.FileName());
    SetCompressedFileName(other.CompressedFileName());
    m_storedSkin->SetCompressedStream(other.StoredSkin()->CompressedStream());
}

void TvnSkinListItems::Assign(const TvnSkinListItems& other)
{
    if (&other == this) return;
    Clear();
    for (int i = 0; i < other.Count(); ++i)
        static_cast<TvnSkinListItem*>(Add())->Assign(*other.At(i));
}

TvnCompressedSkinList::TvnCompressedSkinList(QObject* owner)
    : TComponent(owner)
    , m_skins(new TvnSkinListItems(this))
{
}

void TvnCompressedSkinList::SetSkins(TvnSkinListItems* value)
{
    if (value)
        m_skins->Assign(*value);
    else
        m_skins->Clear();
}
