#pragma once
// The base of every control: a widget placed in its parent's client coordinates, with
// the published properties declared data sets (bounds, visibility, enabling, tab order,
// font, colour, hint), a window procedure, and invalidation.
#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Font.h"
#include "framework/MessageTarget.h"
#include "framework/Types.h"
#include "platform/Colors.h"

#include <QPointer>
#include <QWidget>

class TControl : public QWidget, public TComponentBase, public TMessageTarget {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(fw::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(fw::TDragMode DragMode READ DragMode WRITE SetDragMode)
    Q_PROPERTY(fw::TDragKind DragKind READ DragKind WRITE SetDragKind)
    Q_PROPERTY(fw::TCursor DragCursor READ DragCursor WRITE SetDragCursor)
    Q_PROPERTY(bool DockSite READ DockSite WRITE SetDockSite)
    Q_PROPERTY(TKeyEvent OnKeyDown MEMBER OnKeyDown)
    Q_PROPERTY(TKeyPressEvent OnKeyPress MEMBER OnKeyPress)
    Q_PROPERTY(TKeyEvent OnKeyUp MEMBER OnKeyUp)
    Q_PROPERTY(TMouseEvent OnMouseDown MEMBER OnMouseDown)
    Q_PROPERTY(TMouseMoveEvent OnMouseMove MEMBER OnMouseMove)
    Q_PROPERTY(TMouseEvent OnMouseUp MEMBER OnMouseUp)
    Q_PROPERTY(TStartDragEvent OnStartDrag MEMBER OnStartDrag)
    Q_PROPERTY(TDragOverEvent OnDragOver MEMBER OnDragOver)
    Q_PROPERTY(TDragDropEvent OnDragDrop MEMBER OnDragDrop)
    Q_PROPERTY(TEndDragEvent OnEndDrag MEMBER OnEndDrag)
    Q_PROPERTY(TStartDockEvent OnStartDock MEMBER OnStartDock)
    Q_PROPERTY(TDockOverEvent OnDockOver MEMBER OnDockOver)
    Q_PROPERTY(TDockDropEvent OnDockDrop MEMBER OnDockDrop)
    Q_PROPERTY(TEndDockEvent OnEndDock MEMBER OnEndDock)
    Q_PROPERTY(TNotifyEvent OnEnter MEMBER OnEnter)
    Q_PROPERTY(TNotifyEvent OnExit MEMBER OnExit)
public:
    explicit TControl(QObject* owner = nullptr);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    int Left() const { return x(); }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    int Top() const { return y(); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    int Width() const { return width(); }
    void SetWidth(int w) { SetBounds(Left(), Top(), w, Height()); }
    int Height() const { return height(); }
    void SetHeight(int h) { SetBounds(Left(), Top(), Width(), h); }
    // Every change of position or size comes through here, so a control can adjust the
    // bounds it is given (skinned controls take their size from the skin).
    virtual void SetBounds(int left, int top, int width, int height);
    QRect BoundsRect() const { return geometry(); }

    // The flag, not whether the control shows on screen now (its parent may be hidden).
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled);

    int TabOrder() const { return m_tabOrder; }
    void SetTabOrder(int order);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool stop);
    // Chains the focus order of `container`'s controls by their TabOrder, recursively.
    static void ApplyTabOrder(QWidget* container);

    TFont* Font() const { return m_font; }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool parentFont);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor);
    QString Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool show);
    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);
    // Lays the parent's aligned children out again (after this control shows or hides
    // a companion that takes room beside it).
    void RealignParent();

    // The control that contains this one (its parent in the control tree).
    QWidget* Parent() const { return parentWidget(); }
    void SetParent(QWidget* parent);

    void Invalidate() { update(); }
    void Repaint() { repaint(); }

    // Whether the control stands for a window-less (graphic) control of the classic
    // design: drawn by its parent's painting rather than as a window of its own. Controls
    // that paint their parent's background under themselves paint such siblings too.
    virtual bool Windowless() const { return false; }

    // Delivers `message` to every control inside `container`, depth first, each parent
    // before its children. With `untilAnswered` the walk stops at the first control that
    // sets a non-zero result, which is returned.
    static LRESULT Broadcast(QWidget* container, TMessage& message, bool untilAnswered = false);

    void WndProc(TMessage& message) override;

    // Whether the framework's mouse events of this control go to its parent instead: a
    // control that is only a part of its parent (the control grid's panel).
    bool MouseThrough() const { return m_mouseThrough; }

    TDragMode DragMode() const { return m_dragMode; }
    void SetDragMode(TDragMode mode) { m_dragMode = mode; }
    TDragKind DragKind() const { return m_dragKind; }
    void SetDragKind(TDragKind kind) { m_dragKind = kind; }
    // The pointer shape over a control that takes the drag.
    TCursor DragCursor() const { return m_dragCursor; }
    void SetDragCursor(TCursor cursor) { m_dragCursor = cursor; }
    // Whether controls dragged as dock drags may be docked into this one.
    bool DockSite() const { return m_dockSite; }
    void SetDockSite(bool site) { m_dockSite = site; }
    // Begins dragging this control: at once when `immediate`, else once the pointer has
    // moved `threshold` pixels (the framework's distance when negative).
    void BeginDrag(bool immediate, int threshold = -1);
    // Ends this control's drag: dropped where the pointer is, or cancelled.
    void EndDrag(bool drop);
    bool Dragging() const;

    // Runs when a key goes down while the control (or a child of it that is no control of
    // its own) has the focus, after the form's preview; a handler that sets the key to 0
    // swallows it.
    TKeyEvent OnKeyDown;
    // The character a key typed while the control has the focus, after OnKeyDown; a
    // handler that sets it to 0 swallows it, one that changes it types its own.
    TKeyPressEvent OnKeyPress;
    // Runs when a key goes up while the control has the focus; 0 swallows it.
    TKeyEvent OnKeyUp;
    // The framework's mouse events (see framework/MouseDelivery.h), in client coordinates.
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    // The drag events (see framework/Drag.h).
    TStartDragEvent OnStartDrag;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TEndDragEvent OnEndDrag;
    // The dock events (see framework/Dock.h): the dragged control hears the start and the
    // end, a dock site the drag passing over it (it takes every drag without a handler)
    // and the drop.
    TStartDockEvent OnStartDock;
    TDockOverEvent OnDockOver;
    TDockDropEvent OnDockDrop;
    TEndDockEvent OnEndDock;
    // Run when the form's focus comes into the control (or a control inside it) from
    // outside, and when it goes out again.
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The framework's handling of a mouse event: Qt's (the event goes on to the parent
    // when the control ignores it), then OnMouseDown, OnMouseMove or OnMouseUp when this
    // control is the one under the pointer. A control calls them where its own handling
    // of the event wants the framework's.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Runs the framework's event of the mouse event under way now, when this control is
    // its target and it has not run; SkipMouseEvent ends the event without it.
    void DoMouseEvent();
    void SkipMouseEvent();
    void SetMouseThrough(bool through) { m_mouseThrough = through; }
    // Font and colour changes, for controls that draw themselves.
    virtual void FontChanged() { update(); }
    virtual void ColorChanged() { update(); }
    // Lays out the children that have an Align other than alNone, inside the rectangle
    // AdjustClientRect leaves.
    void AlignControls();
    // The part of the control its aligned children share; the whole control here.
    virtual void AdjustClientRect(QRect& rect) { Q_UNUSED(rect); }

private:
    TFont* m_font;
    int m_tag = 0;
    int m_tabOrder = -1;
    bool m_tabStop = false;
    bool m_parentFont = true;
    bool m_parentColor = true;
    bool m_showHint = false;
    bool m_applyingFont = false;
    TColor m_color = clr::clBtnFace;
    QString m_hint;
    TAlign m_align = alNone;
    TDragMode m_dragMode = dmManual;
    TDragKind m_dragKind = dkDrag;
    TCursor m_dragCursor = crDrag;
    bool m_dockSite = false;
    bool m_mouseThrough = false;
};
