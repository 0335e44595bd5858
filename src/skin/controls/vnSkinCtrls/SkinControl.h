#pragma once
// The windowed skinned controls' common base.
//
// TvnSkinWinControl only knows its store and repaints when the skin changes.
//
// TvnSkinControl ties a control to one named record of the store through its
// TvnSkinBinding and settles how it paints: every paint looks the record up once, draws
// the whole control into one off-screen picture (DrawSkinned with a record,
// DrawUnskinned without one) and copies it to the screen once; the background is never
// erased. It tells mouse enter and leave.
#include "SkinBinding.h"
#include "framework/Control.h"

#include <QPointer>
#include <functional>

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

class TvnSkinControl : public TControl, public TvnSkinBound {
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

    // The binding to the store and the record; the properties below publish its values.
    const TvnSkinBinding& Skin() const { return m_skin; }
    // The store is not owned; when it is destroyed the control falls back on its default
    // look at the next paint. Setting a loaded store runs SkinChanged.
    TvnSkinData* SkinData() const { return m_skin.Store(); }
    void SetSkinData(TvnSkinData* store);
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

    // Published by the controls that show one; a change repaints through CaptionChanged.
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    // Draws the control into `painter` at its own origin, as a paint does: the record is
    // looked up once (ReadSkinRecord), then the whole control is drawn into one
    // off-screen picture and copied.
    virtual void Paint(QPainter& painter);

    // Looks the record up (and, in derived classes, copies what they draw from).
    virtual void ReadSkinRecord();
    // Re-reads the record and repaints (derived classes also resize and reshape).
    void SkinChanged() override;
    // Called before the store loads another skin: the index is dropped.
    void PrepareSkinChange() override { m_skin.Drop(); }

    void WndProc(TMessage& message) override;

protected:
    // The two looks, each into a picture of the control's size, after ReadSkinRecord.
    virtual void DrawUnskinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    virtual void DrawSkinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    // The buffered paint without looking the record up again.
    void PaintBuffered(QPainter& painter);
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
    TvnSkinBinding m_skin;
    QString m_caption;
    bool m_inPaintMessage = false;
};

namespace vnctrls {

// Whether a skin message (its WParam names the store, or none) concerns `store`.
bool MessageNamesStore(WPARAM storeParam, const TvnSkinData* store);
// The record index of `name` in `store`: -1 without a store, with an empty one, or when
// it holds no record of that name.
int FindRecord(const TvnSkinData* store, const QString& name);
// A picture of `size`, black, drawn by `draw` (told whether the skinned look is wanted):
// the off-screen picture both families paint through.
QImage DrawBuffered(QSize size, bool skinned, const std::function<void(QImage&, bool)>& draw);
// OnMouseEnter or OnMouseLeave for CM_MOUSEENTER and CM_MOUSELEAVE.
void FireMouseEvents(
    const TMessage& m, QObject* sender, const TNotifyEvent& onEnter, const TNotifyEvent& onLeave);
// Whether `ch` is the accelerator of `caption` (the character after a single "&"),
// without regard to case.
bool IsAccel(QChar ch, const QString& caption);

} // namespace vnctrls
