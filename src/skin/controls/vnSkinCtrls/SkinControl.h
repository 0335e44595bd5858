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

// The buffered look both families paint: the whole control drawn into one off-screen
// picture (DrawSkinned with a record, DrawUnskinned without one), copied once.
class TvnSkinLook {
protected:
    ~TvnSkinLook() = default;
    // The two looks, each into a black picture of the control's size, after ReadSkinRecord.
    virtual void DrawUnskinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    virtual void DrawSkinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    // The look for `size` in a picture of its own (for controls that keep it)...
    QImage DrawLook(QSize size, bool skinned);
    // ...or drawn and copied onto `painter` at the origin.
    void PaintLook(QPainter& painter, QSize size, bool skinned);
};

class TvnSkinControl : public TControl, public TvnSkinBoundControl, public TvnSkinLook {
    Q_OBJECT
    TVN_SKIN_BINDING_PROPERTIES
public:
    explicit TvnSkinControl(QObject* owner = nullptr);

    // Published by the controls that show one; a change repaints through CaptionChanged.
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    // Draws the control into `painter` at its own origin, as a paint does: the record is
    // looked up once (ReadSkinRecord), then the whole control is drawn into one
    // off-screen picture and copied.
    virtual void Paint(QPainter& painter);

    void SkinChanged() override;

    void WndProc(TMessage& message) override;

protected:
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
    QString m_caption;
    bool m_inPaintMessage = false;
};

namespace vnctrls {

// Whether a skin message (its WParam names the store, or none) concerns `store`.
bool MessageNamesStore(WPARAM storeParam, const TvnSkinData* store);
// OnMouseEnter or OnMouseLeave for CM_MOUSEENTER and CM_MOUSELEAVE.
void FireMouseEvents(
    const TMessage& m, QObject* sender, const TNotifyEvent& onEnter, const TNotifyEvent& onLeave);
// Whether `ch` is the accelerator of `caption` (the character after a single "&"),
// without regard to case.
bool IsAccel(QChar ch, const QString& caption);

} // namespace vnctrls
