#pragma once
// TvnSkinScrollBar: the stand-alone skinned scroll bar. Grids and trees have no bars of
// their own; each is linked to one of these (Link), which follows the control's published
// range, page and position quietly and sends the user's scrolling back to it as
// WM_VSCROLL / WM_HSCROLL with the scroll codes.
//
// Three parts react to the mouse: the thumb and the two arrow buttons; the track between
// them pages. Held buttons and held track clicks repeat on the bar's own timer: the first
// repeat after 500 ms, then every 50 ms.
//
// ScrollBar.cpp holds the properties and the link, ScrollBarInput.cpp the mouse, keys
// and timer, ScrollBarPaint.cpp the two looks. Where the parts lie is ScrollBarGeometry.h.
#include "FaceCache.h"
#include "ScrollBarGeometry.h"
#include "ScrollBarSnapshot.h"
#include "SkinCustomControl.h"
#include "framework/comctrls/ScrollInfo.h"

class TvnSkinScrollBar : public TvnSkinCustomControl {
    Q_OBJECT
    Q_PROPERTY(fw::TScrollBarKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE SetSmallChange)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE SetLargeChange)
    Q_PROPERTY(bool Both READ Both WRITE SetBoth)
    Q_PROPERTY(QString BothSkinDataName READ BothSkinDataName WRITE SetBothSkinDataName)
    Q_PROPERTY(int BothMarkerWidth READ BothMarkerWidth WRITE SetBothMarkerWidth)
    Q_PROPERTY(bool CanFocused READ CanFocused WRITE SetCanFocused)
    Q_PROPERTY(TNotifyEvent OnChange MEMBER OnChange)
    Q_PROPERTY(TNotifyEvent OnLastChange MEMBER OnLastChange)
    Q_PROPERTY(TNotifyEvent OnUpButtonClick MEMBER OnUpButtonClick)
    Q_PROPERTY(TNotifyEvent OnDownButtonClick MEMBER OnDownButtonClick)
    Q_PROPERTY(TNotifyEvent OnPageUp MEMBER OnPageUp)
    Q_PROPERTY(TNotifyEvent OnPageDown MEMBER OnPageDown)
public:
    static constexpr WPARAM kRepeatTimer = 1;
    static constexpr int kRepeatDelay = 500;
    static constexpr int kRepeatInterval = 50;

    // What the timer repeats.
    enum TimerMode {
        kNoRepeat = 0,
        kRepeatDecrease = 1,
        kRepeatIncrease = 2,
        kPageBack = 3,
        kPageForward = 4
    };

    explicit TvnSkinScrollBar(QObject* owner = nullptr);
    ~TvnSkinScrollBar() override;

    TScrollBarKind Kind() const { return m_kind; }
    void SetKind(TScrollBarKind kind);
    int Min() const { return m_range.Min; }
    void SetMin(int min);
    int Max() const { return m_range.Max; }
    void SetMax(int max);
    // Clamped to the range; a change repaints and raises OnChange.
    int Position() const { return m_range.Position; }
    void SetPosition(int position);
    // As SetPosition without OnChange.
    void SetPositionQuiet(int position);
    // All four at once, without OnChange; the one way a range is updated (the same range
    // again does nothing).
    void SetRange(int min, int max, int pageSize, int position);
    // Taken only when the page fits the range from the present position.
    int PageSize() const { return m_range.PageSize; }
    void SetPageSize(int pageSize);
    int SmallChange() const { return m_smallChange; }
    void SetSmallChange(int change);
    int LargeChange() const { return m_largeChange; }
    void SetLargeChange(int change);
    bool Both() const { return m_both; }
    void SetBoth(bool both);
    QString BothSkinDataName() const { return m_bothSkinDataName; }
    void SetBothSkinDataName(const QString& name) { m_bothSkinDataName = name; }
    int BothMarkerWidth() const { return m_bothMarkerWidth; }
    void SetBothMarkerWidth(int width);
    bool CanFocused() const { return m_canFocused; }
    void SetCanFocused(bool can);

    TNotifyEvent OnChange;
    TNotifyEvent OnLastChange;
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    TNotifyEvent OnPageUp;
    TNotifyEvent OnPageDown;

    // Keeps the bar in step with a scrolling control (a grid, a tree): its published state
    // for the bar's Kind sets the bar quietly, and, with `sendScroll`, the user's
    // scrolling reaches it as scroll messages (a control that takes over the bar's events
    // instead, as the grids do, links without). nullptr unlinks. The control must also
    // be a TScrollSource.
    void Link(TControl* control, bool sendScroll = true);
    TControl* LinkedControl() const { return m_linked; }

    // The parts at the present size and range.
    vnctrls::TvnScrollBarLayout Layout() const;
    vnctrls::TvnScrollRange Range() const { return m_range; }
    int HotPart() const { return m_hotPart; }
    int CapturedPart() const { return m_capturedPart; }
    bool Dragging() const { return m_dragging; }
    TimerMode Repeating() const { return m_timerMode; }

    void WndProc(TMessage& message) override;
    // One copy of the bar's finished picture while its state stays the same.
    void Paint(QPainter& painter) override;

protected:
    void DrawSkinned(QImage& bitmap) override;
    void DrawUnskinned(QImage& bitmap) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Painting (ScrollBarPaint.cpp): one snapshot per paint, drawn from alone.
    vnctrls::TvnScrollBarSnapshot TakeSnapshot() const;
    void DrawSkinnedBar(QImage& bitmap, const vnctrls::TvnScrollBarSnapshot& s);
    void DrawDefaultBar(QImage& bitmap, const vnctrls::TvnScrollBarSnapshot& s);
    const QImage& Face(const vnctrls::TvnScrollBarSnapshot& s);
    QImage ThumbPicture(const vnctrls::TvnScrollBarSnapshot& s, const QRect& source);

    // Input (ScrollBarInput.cpp).
    void LeftButtonDown(QPoint at);
    void PressArrow(int part);
    void PagePress(QPoint at);
    void StepArrow(int part);
    void PageStep(bool forwards);
    void OnTimer();
    void StartRepeat(TimerMode mode, int period);
    void StopRepeat();
    void UpdateHot(QPoint at);
    void DragTo(QPoint at);
    void ReleaseCapture(QPoint at);
    void MouseLeft();
    bool FocusedForInput() const { return m_canFocused && hasFocus(); }

    // The position through the setter, then the linked control told with `code`.
    void UserScroll(int position, int code);
    void SendScroll(int code);
    void SourceChanged(TScrollBarKind kind, const TScrollInfo& info);

    vnctrls::TvnScrollRange m_range;
    TScrollBarKind m_kind = sbHorizontal;
    int m_smallChange = 1;
    int m_largeChange = 1;
    bool m_both = false;
    QString m_bothSkinDataName = QStringLiteral("bothhscrollbar");
    QString m_savedSkinDataName;
    int m_bothMarkerWidth = 19;
    bool m_canFocused = false;

    int m_hotPart = vnctrls::kNoPart;
    int m_capturedPart = vnctrls::kNoPart;
    bool m_capturedPressed = false;
    TimerMode m_timerMode = kNoRepeat;
    bool m_waiting = false;
    bool m_mousePressed = false;
    bool m_dragging = false;
    int m_dragStart = 0;
    int m_dragStartOffset = 0;
    QPoint m_lastMouse;

    vnctrls::TvnFaceCache<QImage, vnctrls::TvnScrollBarLookKey, 1> m_look;
    QPointer<TControl> m_linked;
    bool m_sendScroll = true;
    TScrollSource* m_source = nullptr;
};
