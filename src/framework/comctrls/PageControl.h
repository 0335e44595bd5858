#pragma once
// The page control: one row of tabs along one side, one tab per page (TTabSheet
// children) whose tab is visible, and the active page shown in the page area. Tabs are
// as long as their captions and as high as TabHeight (or the font's default).
//
// Only the user changes tabs with events: a click on a tab, Ctrl+Tab / Ctrl+Shift+Tab
// anywhere inside the control (wrapping round), and the arrow keys on the focused tab
// row run OnChanging (which may refuse) and then OnChange. Setting ActivePage or
// TabIndex from code runs neither.
//
// A derived control changes the look through the hooks: TabRowHeight and TabExtent size
// the tabs, AdjustTabRect moves a tab's rectangle and AdjustPageRect the page area (both
// used by painting, hit testing and the pages' layout alike), PaintControl paints
// everything from the snapshot Snapshot() takes, HotTabChanged follows the mouse.
#include "framework/Control.h"
#include "framework/comctrls/TabGeometry.h"
#include "framework/comctrls/TabSheet.h"

#include <QPointer>

class QPainter;

using TTabChangingEvent = TEvent<QObject* /*Sender*/, bool& /*AllowChange*/>;

// What one paint of the control needs, read once.
struct TTabPaintItem {
    QRect Rect;
    QString Caption;
    int ImageIndex = -1;
    bool Active = false;
    bool Hot = false;
};

struct TPageControlSnapshot {
    QRect Bounds;
    QRect Body;
    QRect Page;
    TTabPosition Position = tpTop;
    QList<TTabPaintItem> Tabs;
    int ActiveTab = -1;
    bool Focused = false;
    bool Enabled = true;
    TColor Color = clr::clBtnFace;
    TColor FontColor = clr::clBtnText;
    QFont Font;
};

class TPageControl : public TControl {
    Q_OBJECT
    Q_PROPERTY(TTabSheet* ActivePage READ ActivePage WRITE SetActivePage)
    Q_PROPERTY(int TabIndex READ TabIndex WRITE SetTabIndex)
    Q_PROPERTY(fw::TTabPosition TabPosition READ TabPosition WRITE SetTabPosition)
    Q_PROPERTY(int TabHeight READ TabHeight WRITE SetTabHeight)
    Q_PROPERTY(int TabWidth READ TabWidth WRITE SetTabWidth)
    Q_PROPERTY(bool MultiLine READ MultiLine WRITE SetMultiLine)
    Q_PROPERTY(TNotifyEvent OnChange MEMBER OnChange)
    Q_PROPERTY(TTabChangingEvent OnChanging MEMBER OnChanging)
public:
    explicit TPageControl(QObject* owner = nullptr);

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    TTabSheet* Page(int index) const;
    int IndexOfPage(const TTabSheet* page) const;
    void MovePage(TTabSheet* page, int index);

    // Tabs are the pages whose tab is visible, in page order.
    int TabCount() const;
    TTabSheet* TabPage(int tabIndex) const;
    int TabIndexOfPage(const TTabSheet* page) const;

    TTabSheet* ActivePage() const { return m_active; }
    void SetActivePage(TTabSheet* page);
    int TabIndex() const { return TabIndexOfPage(m_active); }
    void SetTabIndex(int tabIndex);

    TTabPosition TabPosition() const { return m_tabPosition; }
    void SetTabPosition(TTabPosition position);
    // 0: the font's default height.
    int TabHeight() const { return m_tabHeight; }
    void SetTabHeight(int height);
    // 0: each tab as long as its caption.
    int TabWidth() const { return m_tabWidth; }
    void SetTabWidth(int width);
    // Kept for declared data; the tabs always run in one row.
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool multiLine) { m_multiLine = multiLine; }

    // The first tab shown at the row's start (the row scrolls when the tabs outgrow it).
    int FirstVisibleTab() const { return m_firstVisible; }
    void SetFirstVisibleTab(int tabIndex);

    // Geometry, shared by painting, hit testing and the pages' layout.
    QList<QRect> TabRects() const;
    QRect TabRect(int tabIndex) const;
    QRect PageRect() const;
    int TabAt(QPoint point) const;
    int HotTab() const { return m_hotTab; }

    // A change made as the user makes it: OnChanging, then the change and OnChange.
    // Returns false when OnChanging refused.
    bool SelectTabByUser(int tabIndex);
    // The next (or previous) tab after the active one, wrapping round.
    void SelectNextPage(bool forward);

    // Called by the pages when a caption, tab visibility or image changes.
    void TabsChanged();

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

    void Loaded() override;

protected:
    virtual int TabRowHeight() const;
    virtual int TabExtent(int tabIndex) const;
    virtual void AdjustTabRect(int tabIndex, QRect& rect) const;
    virtual void AdjustPageRect(QRect& rect) const;
    virtual TPageControlSnapshot Snapshot() const;
    virtual void PaintControl(QPainter& painter, const TPageControlSnapshot& snapshot);
    virtual void HotTabChanged(int previous, int hot);
    // The row changed: tabs came or went, changed length, or the row scrolled.
    virtual void TabRowChanged() { }
    // Runs OnChanging; true when the change may go on.
    virtual bool CanChange();
    // Runs OnChange after a user change.
    virtual void Change();

    void AdjustClientRect(QRect& rect) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QList<QPointer<TTabSheet>> m_pages;
    QPointer<TTabSheet> m_active;
    TTabPosition m_tabPosition = tpTop;
    int m_tabHeight = 0;
    int m_tabWidth = 0;
    bool m_multiLine = false;
    int m_firstVisible = 0;
    int m_hotTab = -1;

    tabs::TTabRow Row() const;
    void PageAdded(TTabSheet* page);
    void PageRemoved(QObject* page);
    void ShowActive();
    void SetHotTab(int tab);
};
