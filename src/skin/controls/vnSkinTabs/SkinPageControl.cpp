// The skinned page control's properties, its geometry hooks and the skin messages.
#include "SkinPageControl.h"

#include "framework/StoreChanged.h"
#include "skin/controls/vnSkinCtrls/CustomSkinParts.h"
#include "skin/controls/vnSkinCtrls/UpDown.h"
#include "skin/data/vnSkinData/ControlSkins.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScopedValueRollback>

TvnSkinPageControl::TvnSkinPageControl(QObject* owner)
    : TPageControl(owner)
    , m_defaultFont(vnctrls::NewDefaultFont(this))
{
    KeepLooks({ &m_faces, &m_look, &m_tabFont, &m_captionWidths });
    SetSkinDataName(QStringLiteral("tab"));
    Font()->SetName(QStringLiteral("Arial"));
    Font()->SetHeight(14);
    Font()->SetColor(clr::clBtnText);
    connect(m_defaultFont, &TFont::Changed, this, [this] {
        FontsChanged();
        TabsChanged();
    });
}

// ---- Properties ----------------------------------------------------------------------------

void TvnSkinPageControl::SetUseSkinFont(bool use)
{
    m_useSkinFont = use;
    FontsChanged();
    TabsChanged();
}

void TvnSkinPageControl::SetDefaultItemHeight(int height)
{
    m_defaultItemHeight = height;
    if (!TabRecord()) TabsChanged();
    UpdateTabScroller();
}

void TvnSkinPageControl::SetTabSpacing(int spacing)
{
    if (StoreChanged(m_tabSpacing, spacing)) update();
}

void TvnSkinPageControl::SetTabMargin(int margin)
{
    if (margin == m_tabMargin || margin < -1) return;
    m_tabMargin = margin;
    update();
}

void TvnSkinPageControl::SetTabLayout(TvnButtonLayout layout)
{
    if (StoreChanged(m_tabLayout, layout)) update();
}

void TvnSkinPageControl::SetTabExtededDraw(bool extended)
{
    if (StoreChanged(m_tabExtededDraw, extended)) update();
}

void TvnSkinPageControl::SetTextInHorizontal(bool horizontal)
{
    if (StoreChanged(m_textInHorizontal, horizontal)) update();
}

void TvnSkinPageControl::SetTabsInCenter(bool centre)
{
    // Only a row of fixed-width tabs has a width to centre.
    if (centre && TabWidth() == 0) return;
    m_tabsInCenter = centre;
    if (centre) {
        SetTabPosition(tpTop);
        SetMultiLine(false);
        m_tabsBGTransparent = true;
    }
    TabsChanged();
}

void TvnSkinPageControl::SetTabsBGTransparent(bool transparent)
{
    if (StoreChanged(m_tabsBGTransparent, transparent)) update();
}

void TvnSkinPageControl::SetShowCloseButtons(bool show)
{
    if (StoreChanged(m_showCloseButtons, show)) TabsChanged();
}

void TvnSkinPageControl::SetImages(TImageList* images)
{
    m_images = images;
    TabsChanged();
}

QFont TvnSkinPageControl::TabFont() const
{
    if (const QFont* kept = m_tabFont.Find()) return *kept;
    const auto* record = TabRecord();
    return m_tabFont.Keep(record && m_useSkinFont
            ? TFont::MakeQFont(record->FontName, record->FontHeight, record->FontStyle)
            : m_defaultFont->ToQFont());
}

void TvnSkinPageControl::FontsChanged()
{
    m_tabFont.Clear();
    m_captionWidths.Clear();
    m_look.Clear();
    ++m_fontGeneration;
}

// ---- Geometry hooks ------------------------------------------------------------------------

std::optional<vntabs::TvnTabInsets> TvnSkinPageControl::Insets() const
{
    const auto* record = TabRecord();
    if (!record) return std::nullopt;
    return vntabs::InsetsOf(record->SkinRect, record->Geometry.ClientRect);
}

int TvnSkinPageControl::CloseButtonWidth() const
{
    const auto* record = TabRecord();
    if (record && !record->CloseButtonRect.isEmpty()) return record->CloseButtonRect.width();
    return kDefaultCloseButton;
}

int TvnSkinPageControl::CentringOffset() const
{
    if (!m_tabsInCenter || TabWidth() == 0 || TabPosition() != tpTop) return 0;
    return vntabs::CentringOffset(width(), TabCount(), TabWidth());
}

int TvnSkinPageControl::TabRowHeight() const
{
    if (TabHeight() > 0) return TabHeight();
    const auto* record = TabRecord();
    if (record && record->TabRect.height() > 0) return record->TabRect.height();
    return m_defaultItemHeight;
}

int TvnSkinPageControl::TabExtent(int tabIndex) const
{
    // Room for an image and a close button in every tab, as the row reserves it.
    int reserved = 0;
    if (m_images) reserved += m_images->Width() + 2;
    if (m_showCloseButtons) reserved += CloseButtonWidth() + 2;
    if (TabWidth() > 0) return TabWidth();
    const TTabSheet* page = TabPage(tabIndex);
    const QString caption = page ? page->Caption() : QString();
    if (const int* width = m_captionWidths.Find(caption)) return *width + reserved;
    return m_captionWidths.Keep(
               caption, tabs::TabExtent(QFontMetrics(TabFont()), caption, 0, 0), kMaxCaptions)
        + reserved;
}

void TvnSkinPageControl::AdjustTabRect(int tabIndex, QRect& rect) const
{
    rect = vntabs::SkinTabRect(rect, TabPosition(), CentringOffset(), tabIndex == 0 && !MultiLine());
}

void TvnSkinPageControl::AdjustPageRect(QRect& rect) const
{
    rect = vntabs::SkinPageRect(rect, size(), TabPosition(), Insets());
}

QRect TvnSkinPageControl::CloseButtonRect(int tabIndex) const
{
    if (!m_showCloseButtons) return QRect();
    const QRect tab = TabRect(tabIndex);
    if (tab.isEmpty()) return QRect();
    const QSize face = vntabs::FaceSize(tab, TabPosition());
    const int w = CloseButtonWidth();
    const auto* record = TabRecord();
    const QSize button
        = record && !record->CloseButtonRect.isEmpty() ? record->CloseButtonRect.size() : QSize(w, w);
    const QRect inFace = vntabs::CloseButtonRect(face.width(), face.height(), button, record != nullptr);
    return vntabs::FaceToTab(inFace, face, TabPosition()).translated(tab.topLeft());
}

// ---- Changes and skin messages -------------------------------------------------------------

void TvnSkinPageControl::Change()
{
    TPageControl::Change();
    if (m_scroller) m_scroller->SetPosition(FirstVisibleTab());
    update();
    if (ActivePage()) ActivePage()->update();
}

void TvnSkinPageControl::HotTabChanged(int, int) { RepaintTabs(); }

// ---- Tab scroller --------------------------------------------------------------------------

void TvnSkinPageControl::TabRowChanged() { UpdateTabScroller(); }

void TvnSkinPageControl::Loaded()
{
    TPageControl::Loaded();
    UpdateTabScroller();
}

void TvnSkinPageControl::UpdateTabScroller()
{
    // Creating, placing or setting the scroller must not come back here; declared data
    // sets the size and the pages one by one, so the row is judged once it is loaded.
    if (m_updatingScroller || IsLoading()) return;
    QScopedValueRollback guard(m_updatingScroller, true);
    const vntabs::TvnRowOverflow overflow = vntabs::RowOverflow(TabRects(), size(), TabPosition());
    if (overflow.Outside == 0 || MultiLine()) {
        // Later: this may run inside the scroller's own click.
        if (m_scroller) {
            m_scroller->hide();
            m_scroller->deleteLater();
            m_scroller = nullptr;
        }
        return;
    }
    if (!m_scroller) {
        m_scroller = new TvnSkinUpDown(this);
        m_scroller->SetParent(this);
        m_scroller->OnChange = [this](QObject*) {
            Perform(msg::WM_HSCROLL, msg::SB_THUMBPOSITION, static_cast<LPARAM>(m_scroller->Position()));
        };
    }
    const auto* record = TabRecord();
    m_scroller->SetSkinDataName(
        record && !record->UpDown.isEmpty() ? record->UpDown : QStringLiteral("updown"));
    if (m_scroller->SkinData() != SkinData()) m_scroller->SetSkinData(SkinData());
    const QSize size(m_defaultItemHeight * 2, m_defaultItemHeight);
    const int top = TabPosition() == tpTop ? 0 : Height() - size.height();
    m_scroller->SetBounds(Width() - size.width(), top, size.width(), size.height());
    m_scroller->SetRange(0, overflow.Outside, overflow.Before);
    m_scroller->raise();
    m_scroller->show();
}

void TvnSkinPageControl::RepaintTabs()
{
    // The strip beside the page holds every tab; the active one reaches into the frame.
    update();
}

void TvnSkinPageControl::ReadSkinRecord() { TvnSkinBoundControl::ReadSkinRecord(); }

void TvnSkinPageControl::SkinChanged()
{
    DropLooks();
    FontsChanged();
    ReadSkinRecord();
    TabsChanged();
    if (m_scroller) m_scroller->SetSkinData(SkinData());
    for (int i = 0; i < PageCount(); ++i)
        if (TTabSheet* page = Page(i)) page->update();
}

void TvnSkinPageControl::PrepareSkinChange()
{
    FontsChanged();
    TvnSkinBoundControl::PrepareSkinChange();
}

void TvnSkinPageControl::WndProc(TMessage& m)
{
    if (HandleBindingMessage(m, this)) return;
    switch (m.Msg) {
    case kPaintFrameMessage:
        m.Result = kNoFrameAnswer;
        return;
    case msg::WM_HSCROLL:
        // The tab scroller's position is the first tab the row shows.
        if (static_cast<int>(m.WParam) == msg::SB_THUMBPOSITION)
            SetFirstVisibleTab(static_cast<int>(m.LParam));
        update();
        return;
    case msg::SKINMSG_PARENT_BACKGROUND:
        if (m_tabsBGTransparent) update();
        return;
    case msg::WM_ERASEBKGND:
        // The paint covers everything while there are tabs to paint.
        m.Result = 1;
        return;
    default:
        break;
    }
    TPageControl::WndProc(m);
}

void TvnSkinPageControl::Paint(QPainter& painter)
{
    ReadSkinRecord();
    PaintControl(painter, Snapshot());
}
