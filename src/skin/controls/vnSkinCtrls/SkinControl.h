#pragma once
// The windowed skinned controls' common base.
//
// TvnSkinWinControl only knows its store and repaints when the skin changes.
//
// TvnSkinControl ties a control to one named record of the store and settles how it
// paints: every paint looks the record up again (so an index never goes stale), draws
// the whole control into one off-screen picture (DrawSkinned with a record,
// DrawUnskinned without one) and copies it to the screen once; the background is never
// erased. It answers the skin messages the form relays (before a change it drops its
// index, after it runs SkinChanged) and tells mouse enter and leave.
#include "framework/Control.h"
#include "framework/ImageList.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <QPointer>

class TvnSkinWinControl : public TControl {
    Q_OBJECT
    Q_PROPERTY(TvnSkinData* SkinData READ SkinData WRITE SetSkinData)
public:
    explicit TvnSkinWinControl(QObject* owner = nullptr);

    TvnSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TvnSkinData* store) { m_skinData = store; }

    void WndProc(TMessage& message) override;

private:
    QPointer<TvnSkinData> m_skinData;
};

class TvnSkinControl : public TControl {
    Q_OBJECT
    Q_PROPERTY(TvnSkinData* SkinData READ SkinData WRITE SetSkinData)
    Q_PROPERTY(QString SkinDataName READ SkinDataName WRITE SetSkinDataName)
    Q_PROPERTY(QString HintTitle READ HintTitle WRITE SetHintTitle)
    Q_PROPERTY(int HintImageIndex READ HintImageIndex WRITE SetHintImageIndex)
    Q_PROPERTY(TImageList* HintImageList READ HintImageList WRITE SetHintImageList)
    Q_PROPERTY(TNotifyEvent OnMouseEnter MEMBER OnMouseEnter)
    Q_PROPERTY(TNotifyEvent OnMouseLeave MEMBER OnMouseLeave)
public:
    explicit TvnSkinControl(QObject* owner = nullptr);

    // The store is not owned; when it is destroyed the control falls back on its default
    // look at the next paint.
    TvnSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TvnSkinData* store);
    // Only stored: the record is looked up at the next paint or skin change.
    QString SkinDataName() const { return m_skinDataName; }
    void SetSkinDataName(const QString& name) { m_skinDataName = name; }
    // The record's index in the store's ControlSkins, or -1: then the default look.
    int SkinRecordIndex() const { return m_skinRecordIndex; }

    // Data for the skinned hint window; only kept here.
    QString HintTitle() const { return m_hintTitle; }
    void SetHintTitle(const QString& title) { m_hintTitle = title; }
    int HintImageIndex() const { return m_hintImageIndex; }
    void SetHintImageIndex(int index) { m_hintImageIndex = index; }
    TImageList* HintImageList() const { return m_hintImageList; }
    void SetHintImageList(TImageList* list) { m_hintImageList = list; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // The record as a T, or nullptr (no record, or a record of another class).
    template <class T> T* Record() const
    {
        return m_skinData && m_skinRecordIndex != -1 ? m_skinData->ControlSkinAs<T>(m_skinRecordIndex)
                                                     : nullptr;
    }
    // The store when it holds a skin, else nullptr.
    TvnSkinData* LoadedSkin() const
    {
        return m_skinData && !m_skinData->Empty() ? m_skinData.data() : nullptr;
    }

    // Published by the controls that show one; a change repaints through CaptionChanged.
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    // Draws the control into `painter` at its own origin, as a paint does.
    virtual void Paint(QPainter& painter);

    // Looks the record up (and, in derived classes, copies what they draw from).
    virtual void ReadSkinRecord();
    // Re-reads the record and repaints (derived classes also resize and reshape).
    virtual void SkinChanged();
    // Called before the store loads another skin: the index is dropped.
    virtual void PrepareSkinChange() { m_skinRecordIndex = -1; }

    void WndProc(TMessage& message) override;

protected:
    // The two looks, each into a picture of the control's size.
    virtual void DrawUnskinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    virtual void DrawSkinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    // The parent says that what it shows under its children has changed.
    virtual void ParentBackgroundChanged() { }
    virtual void CaptionChanged() { Invalidate(); }
    // The control became enabled or disabled, itself or through its parent.
    virtual void EnabledChanged() { Invalidate(); }
    void changeEvent(QEvent* event) override;

    // True only while a WM_PAINT is being handled.
    bool InPaintMessage() const { return m_inPaintMessage; }
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<TvnSkinData> m_skinData;
    QString m_skinDataName;
    int m_skinRecordIndex = -1;
    QString m_caption;
    QString m_hintTitle;
    int m_hintImageIndex = 0;
    QPointer<TImageList> m_hintImageList;
    bool m_inPaintMessage = false;
};

namespace vnctrls {

// Whether a skin message (its WParam names the store, or none) concerns `store`.
bool MessageNamesStore(WPARAM storeParam, const TvnSkinData* store);
// The record index of `name` in `store`: -1 without a store, with an empty one, or when
// it holds no record of that name.
int FindRecord(const TvnSkinData* store, const QString& name);
// Whether `ch` is the accelerator of `caption` (the character after a single "&"),
// without regard to case.
bool IsAccel(QChar ch, const QString& caption);

} // namespace vnctrls
