#pragma once
// TvnSkinBinding: what ties one control to one named record of the skin store, for both
// control families (windowed TvnSkinControl, window-less TvnGraphicSkinControl). It keeps
// the store (not owned), the record's name and index, the hint window's data, and
// answers the skin messages the form relays: before a change the index is dropped,
// after it the control's SkinChanged runs.
//
// The controls publish its values as their own properties (SkinData, SkinDataName,
// HintTitle, ...) and call LookUp once per paint, per SetBounds and per skin change. The
// name is searched only when the store's record lists changed since the last search (its
// LoadCount), another store or name was set, or the index was dropped: a paint costs a
// comparison, and an index never goes stale.
#include "framework/Events.h"
#include "framework/ImageList.h"
#include "platform/Messages.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <QPointer>
#include <initializer_list>
#include <vector>

namespace vnctrls {
class TvnLookStore;
}

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
    void SetStore(TvnSkinData* store)
    {
        m_store = store;
        m_resolved = false;
    }
    // The store when it holds a skin, else nullptr.
    TvnSkinData* LoadedSkin() const { return m_store && !m_store->Empty() ? m_store.data() : nullptr; }

    const QString& Name() const { return m_name; }
    void SetName(const QString& name)
    {
        m_name = name;
        m_resolved = false;
    }
    // The record's index in the store's ControlSkins, or -1: then the default look.
    int RecordIndex() const { return m_index; }
    // The record's index, found by name again only when it may have changed: -1 without a
    // store, with an empty one, or when it holds no record of that name.
    int LookUp();
    // How many times LookUp has searched: a control keeps what it reads from the record
    // (its geometry) while this stays the same.
    quint64 Resolution() const { return m_resolution; }
    // Forgets the index until the next LookUp searches again.
    void Drop()
    {
        m_index = -1;
        m_resolved = false;
    }

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

    // The caches of composed looks the control keeps between paints, named once in its
    // constructor: every skin change drops them (DropLooks, before the old skin goes),
    // and disabled they keep nothing.
    void KeepLooks(std::initializer_list<vnctrls::TvnLookStore*> caches);
    void DropLooks();
    void SetLooksEnabled(bool enabled);

private:
    QPointer<TvnSkinData> m_store;
    QString m_name;
    int m_index = -1;
    // The store's LoadCount when m_index was found, valid while m_resolved holds.
    quint64 m_loadCount = 0;
    bool m_resolved = false;
    quint64 m_resolution = 0;
    std::vector<vnctrls::TvnLookStore*> m_keptLooks;
};

// The published face of the binding, shared by both control families: the properties the
// declared data set (TVN_SKIN_BINDING_PROPERTIES in the class, this class among its
// bases), the record as the control's class expects it, and the two skin-change steps.
#define TVN_SKIN_BINDING_PROPERTIES                                                                          \
    Q_PROPERTY(TvnSkinData* SkinData READ SkinData WRITE SetSkinData)                                        \
    Q_PROPERTY(QString SkinDataName READ SkinDataName WRITE SetSkinDataName)                                 \
    Q_PROPERTY(QString HintTitle READ HintTitle WRITE SetHintTitle)                                          \
    Q_PROPERTY(int HintImageIndex READ HintImageIndex WRITE SetHintImageIndex)                               \
    Q_PROPERTY(TImageList* HintImageList READ HintImageList WRITE SetHintImageList)                          \
    Q_PROPERTY(TNotifyEvent OnMouseEnter MEMBER OnMouseEnter)                                                \
    Q_PROPERTY(TNotifyEvent OnMouseLeave MEMBER OnMouseLeave)

class TvnSkinBoundControl : public TvnSkinBound {
public:
    const TvnSkinBinding& Skin() const { return m_skin; }
    // The store is not owned; when it is destroyed the control falls back on its default
    // look at the next paint. Setting a loaded store runs SkinChanged.
    TvnSkinData* SkinData() const { return m_skin.Store(); }
    void SetSkinData(TvnSkinData* store)
    {
        m_skin.SetStore(store);
        if (store && !store->Empty()) SkinChanged();
    }
    // Only stored: the record is looked up at the next paint or skin change.
    QString SkinDataName() const { return m_skin.Name(); }
    void SetSkinDataName(const QString& name) { m_skin.SetName(name); }
    int SkinRecordIndex() const { return m_skin.RecordIndex(); }
    QString HintTitle() const { return m_skin.HintTitle; }
    void SetHintTitle(const QString& title) { m_skin.HintTitle = title; }
    int HintImageIndex() const { return m_skin.HintImageIndex; }
    void SetHintImageIndex(int index) { m_skin.HintImageIndex = index; }
    TImageList* HintImageList() const { return m_skin.HintImageList; }
    void SetHintImageList(TImageList* list) { m_skin.HintImageList = list; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    template <class T> T* Record() const { return m_skin.Record<T>(); }
    TvnSkinData* LoadedSkin() const { return m_skin.LoadedSkin(); }

    // Looks the record up (and, in derived classes, copies what they draw from).
    virtual void ReadSkinRecord() { m_skin.LookUp(); }
    // Re-reads the record and repaints (derived classes also resize and reshape).
    void SkinChanged() override = 0;
    // Called before the store loads another skin: the index and every kept look are
    // dropped.
    void PrepareSkinChange() override
    {
        DropRecord();
        DropLooks();
    }

    // Disabled, the control's caches keep nothing and every paint composes anew.
    void SetFaceCacheEnabled(bool enabled) { m_skin.SetLooksEnabled(enabled); }

protected:
    ~TvnSkinBoundControl() = default;
    // The caches of composed looks the control keeps between paints, named once in its
    // constructor; PrepareSkinChange drops them through DropLooks.
    void KeepLooks(std::initializer_list<vnctrls::TvnLookStore*> caches) { m_skin.KeepLooks(caches); }
    void DropLooks() { m_skin.DropLooks(); }
    // Forgets the record (a control whose record cannot draw it takes the default look);
    // the kept looks stay.
    void DropRecord() { m_skin.Drop(); }
    // The skin messages, then CM_MOUSEENTER / CM_MOUSELEAVE raise OnMouseEnter and
    // OnMouseLeave. True when the message is done with.
    bool HandleBindingMessage(const TMessage& message, QObject* sender);

private:
    TvnSkinBinding m_skin;
};
