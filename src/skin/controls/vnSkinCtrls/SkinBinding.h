#pragma once
// TvnSkinBinding: what ties one control to one named record of the skin store, for both
// control families (windowed TvnSkinControl, window-less TvnGraphicSkinControl). It keeps
// the store (not owned), the record's name and index, the hint window's data, and
// answers the skin messages the form relays: before a change the index is dropped,
// after it the control's SkinChanged runs.
//
// The controls publish its values as their own properties (SkinData, SkinDataName,
// HintTitle, ...) and call LookUp once per paint, per SetBounds and per skin change, so an
// index never goes stale.
#include "framework/ImageList.h"
#include "platform/Messages.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <QPointer>

// What the binding calls back in its control.
class TvnSkinBound {
public:
    virtual void PrepareSkinChange() = 0;
    virtual void SkinChanged() = 0;

protected:
    ~TvnSkinBound() = default;
};

class TvnSkinBinding {
public:
    TvnSkinData* Store() const { return m_store; }
    void SetStore(TvnSkinData* store) { m_store = store; }
    // The store when it holds a skin, else nullptr.
    TvnSkinData* LoadedSkin() const { return m_store && !m_store->Empty() ? m_store.data() : nullptr; }

    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    // The record's index in the store's ControlSkins, or -1: then the default look.
    int RecordIndex() const { return m_index; }
    // Finds the record by name again: -1 without a store, with an empty one, or when it
    // holds no record of that name.
    int LookUp();
    void Drop() { m_index = -1; }

    // The record as a T, or nullptr (no record, or a record of another class).
    template <class T> T* Record() const
    {
        return m_store && m_index != -1 ? m_store->ControlSkinAs<T>(m_index) : nullptr;
    }

    // Data for the skinned hint window; only kept here.
    QString HintTitle;
    int HintImageIndex = 0;
    QPointer<TImageList> HintImageList;

    // Answers SKINMSG_BEFORE_CHANGE and SKINMSG_CHANGE for the store it names (or for
    // every store when it names none). False for every other message.
    bool HandleSkinMessage(const TMessage& message, TvnSkinBound& control);

private:
    QPointer<TvnSkinData> m_store;
    QString m_name;
    int m_index = -1;
};
