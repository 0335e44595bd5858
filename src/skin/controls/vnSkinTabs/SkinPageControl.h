#pragma once
// TvnSkinPageControl: the skinned tabbed notebook. It is the framework's page control
// (one row of tabs, tab width from the caption, the change events only for the user's
// changes) with its look taken from the "tab" record: the record sets the tab height,
// the tabs move to the control's edge, the page shrinks to the skin's client insets, and
// tabs, tab strip and the frame around the page are painted from the record (or in
// system colours without one). It repeats the skin binding of the other skinned
// controls without deriving from their classes.
//
// SkinPageControl.cpp holds the properties, the geometry hooks and the skin messages,
// SkinPageControlInput.cpp the close buttons, SkinPageControlPaint.cpp the looks.
#include "SkinTabGeometry.h"
#include "TabSnapshot.h"
#include "framework/ImageList.h"
#include "framework/comctrls/PageControl.h"
#include "skin/controls/vnSkinCtrls/FaceCache.h"
#include "skin/controls/vnSkinCtrls/SkinBinding.h"
#include "skin/controls/vnSkinCtrls/UpDown.h"
#include "skin/data/vnUtils/GlyphLayout.h"

#include <QHash>

class TvnSkinCustomTabSheet;

// (sender, sheet, can close)
using TvnCloseEvent = TEvent<QObject*, QObject*, bool&>;
// (sender, tab index, rectangle, canvas, hot, active)
using TvnDrawSkinTabEvent = TEvent<QObject*, int, QRect, QPainter*, bool, bool>;
Q_DECLARE_METATYPE(TvnCloseEvent)
Q_DECLARE_METATYPE(TvnDrawSkinTabEvent)

class TvnSkinPageControl : public TPageControl, public TvnSkinBoundControl {
    Q_OBJECT
    TVN_SKIN_BINDING_PROPERTIES
    Q_PROPERTY(TFont* DefaultFont READ DefaultFont)
    Q_PROPERTY(bool UseSkinFont READ UseSkinFont WRITE SetUseSkinFont)
    Q_PROPERTY(int DefaultItemHeight READ DefaultItemHeight WRITE SetDefaultItemHeight)
    Q_PROPERTY(int TabSpacing READ TabSpacing WRITE SetTabSpacing)
    Q_PROPERTY(int TabMargin READ TabMargin WRITE SetTabMargin)
    Q_PROPERTY(vnbutton::TvnButtonLayout TabLayout READ TabLayout WRITE SetTabLayout)
    Q_PROPERTY(bool TabExtededDraw READ TabExtededDraw WRITE SetTabExtededDraw)
    Q_PROPERTY(bool TextInHorizontal READ TextInHorizontal WRITE SetTextInHorizontal)
    Q_PROPERTY(bool TabsInCenter READ TabsInCenter WRITE SetTabsInCenter)
    Q_PROPERTY(bool TabsBGTransparent READ TabsBGTransparent WRITE SetTabsBGTransparent)
    Q_PROPERTY(bool ShowCloseButtons READ ShowCloseButtons WRITE SetShowCloseButtons)
    Q_PROPERTY(bool FreeOnClose READ FreeOnClose WRITE SetFreeOnClose)
    Q_PROPERTY(TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(TvnCloseEvent OnClose MEMBER OnClose)
    Q_PROPERTY(TNotifyEvent OnAfterClose MEMBER OnAfterClose)
    Q_PROPERTY(TvnDrawSkinTabEvent OnDrawSkinTab MEMBER OnDrawSkinTab)
public:
    // Asked by the frame to paint a control's frame into a device context; the page
    // control and its sheets answer that they have none to paint.
    static constexpr UINT kPaintFrameMessage = 0xB1C9;
    static constexpr LRESULT kNoFrameAnswer = 0x3233;
    // The close button's size without a record.
    static constexpr int kDefaultCloseButton = 14;

    explicit TvnSkinPageControl(QObject* owner = nullptr);

    TFont* DefaultFont() const { return m_defaultFont; }
    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool use);
    int DefaultItemHeight() const { return m_defaultItemHeight; }
    void SetDefaultItemHeight(int height);
    int TabSpacing() const { return m_tabSpacing; }
    void SetTabSpacing(int spacing);
    int TabMargin() const { return m_tabMargin; }
    void SetTabMargin(int margin);
    TvnButtonLayout TabLayout() const { return m_tabLayout; }
    void SetTabLayout(TvnButtonLayout layout);
    bool TabExtededDraw() const { return m_tabExtededDraw; }
    void SetTabExtededDraw(bool extended);
    bool TextInHorizontal() const { return m_textInHorizontal; }
    void SetTextInHorizontal(bool horizontal);
    // Only taken while TabWidth is set; then the tabs go to the top in one row.
    bool TabsInCenter() const { return m_tabsInCenter; }
    void SetTabsInCenter(bool centre);
    bool TabsBGTransparent() const { return m_tabsBGTransparent; }
    void SetTabsBGTransparent(bool transparent);
    bool ShowCloseButtons() const { return m_showCloseButtons; }
    void SetShowCloseButtons(bool show);
    bool FreeOnClose() const { return m_freeOnClose; }
    void SetFreeOnClose(bool free) { m_freeOnClose = free; }
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);

    TvnCloseEvent OnClose;
    TNotifyEvent OnAfterClose;
    TvnDrawSkinTabEvent OnDrawSkinTab;

    // The record as the tabs draw from it, or nullptr (the default look).
    const TvnDataSkinTabControl* TabRecord() const { return Record<TvnDataSkinTabControl>(); }
    // The font the tab captions use.
    QFont TabFont() const;
    // Where the close button of tab `tabIndex` lies, in control coordinates (empty
    // without close buttons).
    QRect CloseButtonRect(int tabIndex) const;
    int HotCloseButton() const { return m_hotClose; }
    // The up-down that scrolls a row of tabs longer than the control (from the record the
    // tab record's "updown" names), or nullptr while every tab fits.
    TvnSkinUpDown* TabScroller() const { return m_scroller; }
    // Closes a tab as its close button does: OnClose may refuse; a closed tab is hidden
    // and, with FreeOnClose, its sheet is freed.
    bool CloseTab(int tabIndex);

    void ReadSkinRecord() override;
    void SkinChanged() override;
    void PrepareSkinChange() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

    // Composed faces kept between paints; dropped on every skin change.
    int CachedFaceCount() const { return m_faces.Count(); }
    // One paint into `painter`, as the screen gets it.
    void Paint(QPainter& painter);

protected:
    int TabRowHeight() const override;
    int TabExtent(int tabIndex) const override;
    void AdjustTabRect(int tabIndex, QRect& rect) const override;
    void AdjustPageRect(QRect& rect) const override;
    void PaintControl(QPainter& painter, const TPageControlSnapshot& snapshot) override;
    void HotTabChanged(int previous, int hot) override;
    void Change() override;
    void TabRowChanged() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Painting (SkinPageControlPaint.cpp).
    vntabs::TvnTabsSnapshot TakeSnapshot(const TPageControlSnapshot& base) const;
    void PaintSkinned(QPainter& painter, const vntabs::TvnTabsSnapshot& s);
    void PaintDefault(QPainter& painter, const vntabs::TvnTabsSnapshot& s);
    const QImage& Body(const vntabs::TvnTabsSnapshot& s);
    QImage TabFace(const vntabs::TvnTabsSnapshot& s, const vntabs::TvnTabItem& tab, QSize face);
    void DrawTab(
        QPainter& painter, const vntabs::TvnTabsSnapshot& s, const vntabs::TvnTabItem& tab, QPoint origin);
    void DrawTabContent(QPainter& painter, const vntabs::TvnTabsSnapshot& s, const vntabs::TvnTabItem& tab,
        const QRect& area, bool turned);

    std::optional<vntabs::TvnTabInsets> Insets() const;
    int CloseButtonWidth() const;
    int CentringOffset() const;
    void SetHotClose(int tab);
    // The tab font or the record changed: measured captions are measured again.
    void FontsChanged();
    void RepaintTabs();
    // Creates, places, sets or frees the tab scroller for the present row.
    void UpdateTabScroller();

    TFont* m_defaultFont;
    bool m_useSkinFont = true;
    int m_defaultItemHeight = 20;
    int m_tabSpacing = 1;
    int m_tabMargin = -1;
    TvnButtonLayout m_tabLayout = vnbutton::blGlyphLeft;
    bool m_tabExtededDraw = false;
    bool m_textInHorizontal = false;
    bool m_tabsInCenter = false;
    bool m_tabsBGTransparent = false;
    bool m_showCloseButtons = false;
    bool m_freeOnClose = false;
    QPointer<TImageList> m_images;

    QPointer<TvnSkinUpDown> m_scroller;
    bool m_updatingScroller = false;
    int m_hotClose = -1;
    int m_pressedClose = -1;
    vnctrls::TvnFaceCache<QImage> m_faces;
    vnctrls::TvnLookCache m_look;
    // The tab font and each caption's width in it, measured once.
    static constexpr qsizetype kMaxCaptions = 256;
    mutable vnctrls::TvnKeptValue<QFont> m_tabFont;
    mutable vnctrls::TvnLookTable<QString, int> m_captionWidths;
    quint64 m_fontGeneration = 1;
};
