#include "SkinTreeView.h"

#include "framework/StoreChanged.h"
#include "skin/controls/vnSkinCtrls/CustomSkinParts.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/data/vnSkinData/OtherControlSkins.h"
#include "skin/data/vnSkinData/ResourceStrData.h"

#include <QPaintEvent>
#include <QPainter>

TvnSkinCustomTreeView::TvnSkinCustomTreeView(QObject* owner)
    : TTreeView(owner)
    , m_defaultFont(vnctrls::NewDefaultFont(this))
{
    SetSkinDataName(QStringLiteral("treeview"));
    SetColor(m_defaultColor);
    connect(m_defaultFont, &TFont::Changed, this, [this] {
        if (!m_applying) ApplySkinLook();
    });
    // The tree hears of its own ranges to show and hide the bars.
    AddScrollListener(this, [this](TScrollBarKind, const TScrollInfo&) { UpdateBars(); });
    ApplySkinLook();
}

TvnSkinCustomTreeView::~TvnSkinCustomTreeView()
{
    if (m_hBar) m_hBar->Link(nullptr);
    if (m_vBar) m_vBar->Link(nullptr);
}

void TvnSkinCustomTreeView::SetUseSkinFont(bool use)
{
    if (StoreChanged(m_useSkinFont, use)) ApplySkinLook();
}

void TvnSkinCustomTreeView::LinkBar(QPointer<TvnSkinScrollBar>& slot, TvnSkinScrollBar* bar)
{
    if (slot == bar) return;
    if (slot) slot->Link(nullptr);
    slot = bar;
    if (bar) bar->Link(this);
    UpdateBars();
}

void TvnSkinCustomTreeView::SetHScrollBar(TvnSkinScrollBar* bar) { LinkBar(m_hBar, bar); }
void TvnSkinCustomTreeView::SetVScrollBar(TvnSkinScrollBar* bar) { LinkBar(m_vBar, bar); }

void TvnSkinCustomTreeView::UpdateBars()
{
    const bool shown = !isHidden();
    bool changed = false;
    auto show = [&](TvnSkinScrollBar* bar, bool visible, const TScrollInfo& info) {
        if (!bar) return;
        if (visible) {
            bar->SetEnabled(true);
            bar->SetRange(info.Min, info.Max, info.PageSize, info.Position);
        }
        if (bar->isHidden() == visible) {
            bar->SetVisible(visible);
            changed = true;
        }
    };
    const TScrollInfo v = ScrollInfo(sbVertical);
    const TScrollInfo h = ScrollInfo(sbHorizontal);
    // Rows beyond those that fit; a width beyond the tree's.
    const bool vertical = shown && v.Max > 0 && v.PageSize > 0 && v.Max + 1 > v.PageSize;
    const bool horizontal = shown && h.PageSize > 0 && h.Max + 1 > h.PageSize;
    show(m_vBar, vertical, v);
    show(m_hBar, horizontal, h);
    if (m_hBar) m_hBar->SetBoth(vertical && horizontal);
    if (changed) RealignParent();
}

void TvnSkinCustomTreeView::showEvent(QShowEvent* e)
{
    TTreeView::showEvent(e);
    UpdateBars();
}

void TvnSkinCustomTreeView::hideEvent(QHideEvent* e)
{
    TTreeView::hideEvent(e);
    UpdateBars();
}

void TvnSkinCustomTreeView::ApplySkinLook()
{
    ReadSkinRecord();
    const auto* record = Record<TvnDataSkinTreeView>();
    m_applying = true;
    TFont font;
    font.Assign(*m_defaultFont);
    if (record && m_useSkinFont) {
        font.SetName(record->FontName);
        font.SetStyle(record->FontStyle);
        font.SetHeight(record->FontHeight);
    }
    if (const TvnSkinData* store = LoadedSkin())
        if (const TvnResourceStrData* strings = store->ResourceStrData()) font.SetCharset(strings->CharSet());
    if (record) font.SetColor(record->FontColor);
    Font()->Assign(font);
    SetColor(record ? record->BGColor : m_defaultColor);
    m_applying = false;

    TvnTreeLook look;
    look.Skinned = record != nullptr;
    look.Background = ToQColor(Color());
    look.Text = ToQColor(Font()->Color());
    if (record) {
        // The record names no selection colours: the selection is the text colour on the
        // background, inverted, so it reads on light and dark skins alike.
        look.SelectedBack = look.Text;
        look.SelectedText = look.Background;
    } else {
        look.SelectedBack = ToQColor(clr::clHighlight);
        look.SelectedText = ToQColor(clr::clHighlightText);
    }
    m_look = look;
    NodesChanged();
    update();
}

QRect TvnSkinCustomTreeView::NodeLabelRect(const TTreeNode* node) const
{
    const int row = RowOf(node);
    if (row < 0 || NodeRect(node).isEmpty()) return {};
    return RowSnapshot(row).LabelRect;
}

void TvnSkinCustomTreeView::SkinChanged() { ApplySkinLook(); }

void TvnSkinCustomTreeView::WndProc(TMessage& m)
{
    if (HandleBindingMessage(m, this)) return;
    TTreeView::WndProc(m);
}

TvnTreeSnapshot TvnSkinCustomTreeView::TakeSnapshot(const QRect& damaged) const
{
    TvnTreeSnapshot s;
    s.Look = m_look;
    s.Enabled = isEnabled();
    s.Font = font();
    s.Tree = PaintSnapshot(damaged);
    return s;
}

namespace {

void PaintRow(QPainter& painter, const TvnTreeSnapshot& s, const TTreeRowPaint& r)
{
    if (r.HasButton) {
        // The expander in the text colour, so it shows on any background.
        const QRect b = r.ButtonRect;
        painter.setPen(s.Look.Text);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(b.adjusted(0, 0, -1, -1));
        const QPoint c = b.center();
        painter.drawLine(c.x() - 2, c.y(), c.x() + 2, c.y());
        if (!r.Expanded) painter.drawLine(c.x(), c.y() - 2, c.x(), c.y() + 2);
    }
    if (!r.Icon.isNull()) r.Icon.paint(&painter, r.IconRect);
    QColor text = s.Enabled ? s.Look.Text : ToQColor(clr::clGrayText);
    if (r.Selected) {
        QColor back = s.Look.SelectedBack;
        if (!r.Focused) back.setAlpha(110);
        painter.fillRect(r.LabelRect, back);
        if (r.Focused) text = s.Look.SelectedText;
    }
    painter.setPen(text);
    painter.setFont(s.Font);
    painter.drawText(r.LabelRect, Qt::AlignCenter | Qt::TextSingleLine, r.Text);
    if (r.Focused) {
        painter.setPen(QPen(s.Look.SelectedText, 1, Qt::DotLine));
        painter.drawRect(r.LabelRect.adjusted(0, 0, -1, -1));
    }
}

} // namespace

void TvnSkinCustomTreeView::paintEvent(QPaintEvent* e)
{
    const TvnTreeSnapshot s = TakeSnapshot(e->rect());
    QPainter painter(this);
    // Without a record the tree keeps its system background and border.
    if (s.Look.Skinned)
        painter.fillRect(rect(), s.Look.Background);
    else
        PaintBackground(painter, rect());
    painter.setClipRect(s.Tree.Area & e->rect());
    for (const TTreeRowPaint& row : s.Tree.Rows)
        PaintRow(painter, s, row);
}
