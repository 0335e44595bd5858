#include "TreeView.h"

#include "framework/ImageList.h"
#include "framework/StoreChanged.h"
#include "platform/Announce.h"

#include <QFontMetrics>
#include <algorithm>
#include <limits>

namespace {
constexpr int kBorder = 2;
} // namespace

TTreeView::TTreeView(QObject* owner)
    : TControl(owner)
    , m_root(std::make_unique<TTreeNode>(this, nullptr))
{
    m_root->m_expanded = true;
    SetColor(clr::clWindow);
    SetParentColor(false);
    SetTabStop(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetBounds(0, 0, 121, 97);
}

TTreeView::~TTreeView()
{
    // Nodes no longer report to a tree that is going away.
    m_selected = nullptr;
    std::function<void(TTreeNode*)> detach = [&detach](TTreeNode* node) {
        node->m_tree = nullptr;
        for (auto& child : node->m_children)
            detach(child.get());
    };
    detach(m_root.get());
}

TTreeNode* TTreeView::AddChild(TTreeNode* parent, const QString& text)
{
    return (parent ? parent : m_root.get())->AddChild(text);
}

void TTreeView::Clear()
{
    m_root->DeleteChildren();
    m_topRow = 0;
    m_horzOffset = 0;
}

void TTreeView::SetSelected(TTreeNode* node)
{
    if (node == m_selected) {
        MakeVisible(node);
        return;
    }
    for (TTreeNode* p = node ? node->Parent() : nullptr; p && p != m_root.get(); p = p->Parent())
        if (!p->Expanded()) SetNodeExpanded(p, true);
    m_selected = node;
    MakeVisible(node);
    update();
    if (node) announce::Selected(this, RowOf(node));
    events::Fire(OnChange, this, node);
}

bool TTreeView::AllowExpansion(TTreeNode* node, bool expanded)
{
    bool allow = true;
    events::Fire(expanded ? OnExpanding : OnCollapsing, this, node, allow);
    return allow;
}

bool TTreeView::SetNodeExpanded(TTreeNode* node, bool expanded)
{
    if (!node || node == m_root.get() || node->m_expanded == expanded) return true;
    if (expanded && !node->HasChildren()) return false;
    if (!AllowExpansion(node, expanded)) return false;
    if (expanded && node->m_children.empty()) {
        // Nothing came of filling it: the node has no children after all.
        node->m_hasChildren = false;
        NodesChanged();
        return false;
    }
    node->m_expanded = expanded;
    // A selection inside a closed node moves up to it.
    if (!expanded)
        for (TTreeNode* p = m_selected ? m_selected->Parent() : nullptr; p; p = p->Parent())
            if (p == node) {
                m_selected = node;
                events::Fire(OnChange, this, node);
                break;
            }
    NodesChanged();
    events::Fire(expanded ? OnExpanded : OnCollapsed, this, node);
    return true;
}

void TTreeView::SetIndent(int indent)
{
    m_indent = std::max(0, indent);
    NodesChanged();
}

void TTreeView::SetItemHeight(int height)
{
    m_itemHeight = std::max(1, height);
    NodesChanged();
}

void TTreeView::SetHideSelection(bool hide)
{
    if (StoreChanged(m_hideSelection, hide)) update();
}

void TTreeView::SetShowButtons(bool show)
{
    if (StoreChanged(m_showButtons, show)) update();
}

void TTreeView::SetBorderStyle(TBorderStyle style)
{
    m_borderStyle = style;
    NodesChanged();
}

void TTreeView::SetImages(TImageList* images)
{
    m_images = images;
    NodesChanged();
}

void TTreeView::EndUpdate()
{
    if (m_updating > 0 && --m_updating == 0) NodesChanged();
}

void TTreeView::NodesChanged()
{
    m_rowsValid = false;
    if (m_updating == 0) Reshape();
}

void TTreeView::NodesRemoving(TTreeNode* node, bool itself)
{
    // The selection goes to the node whose children go away.
    for (TTreeNode* p = m_selected; p; p = p->Parent())
        if (p == node && (itself || p != m_selected)) {
            m_selected = itself ? node->Parent() : node;
            if (m_selected == m_root.get()) m_selected = nullptr;
            events::Fire(OnChange, this, m_selected);
            break;
        }
    m_rowsValid = false;
}

void TTreeView::Rebuild() const
{
    if (m_rowsValid) return;
    m_rows.clear();
    m_contentWidth = 0;
    const tree::TRowLayout layout = RowLayout();
    std::function<void(TTreeNode*, int)> walk = [&](TTreeNode* node, int level) {
        for (auto& child : node->m_children) {
            m_rows.append(child.get());
            m_contentWidth
                = std::max(m_contentWidth, tree::ContentRight(layout, level, TextWidth(child->Text())));
            if (child->m_expanded) walk(child.get(), level + 1);
        }
    };
    walk(m_root.get(), 0);
    m_rowsValid = true;
}

const QList<TTreeNode*>& TTreeView::VisibleNodes() const
{
    Rebuild();
    return m_rows;
}

int TTreeView::RowOf(const TTreeNode* node) const
{
    return static_cast<int>(VisibleNodes().indexOf(const_cast<TTreeNode*>(node)));
}

void TTreeView::Reshape()
{
    Rebuild();
    const int rows = static_cast<int>(m_rows.size());
    m_topRow = std::clamp(m_topRow, 0, std::max(0, rows - VisibleRowCount()));
    const int width = RowLayout().Area.width();
    m_horzOffset = std::clamp(m_horzOffset, 0, std::max(0, m_contentWidth - width));
    update();
    PublishScroll();
}

void TTreeView::PublishScroll()
{
    const int rows = static_cast<int>(VisibleNodes().size());
    PublishScrollInfo(sbVertical, { 0, std::max(0, rows - 1), VisibleRowCount(), m_topRow });
    PublishScrollInfo(
        sbHorizontal, { 0, std::max(0, m_contentWidth - 1), RowLayout().Area.width(), m_horzOffset });
}

void TTreeView::SetTopRow(int row)
{
    const int rows = static_cast<int>(VisibleNodes().size());
    row = std::clamp(row, 0, std::max(0, rows - VisibleRowCount()));
    if (row == m_topRow) return;
    m_topRow = row;
    update();
    PublishScroll();
}

void TTreeView::SetHorzOffset(int offset)
{
    Rebuild();
    offset = std::clamp(offset, 0, std::max(0, m_contentWidth - RowLayout().Area.width()));
    if (offset == m_horzOffset) return;
    m_horzOffset = offset;
    update();
    PublishScroll();
}

void TTreeView::MakeVisible(const TTreeNode* node)
{
    const int row = RowOf(node);
    if (row < 0) return;
    if (row < m_topRow)
        SetTopRow(row);
    else if (row >= m_topRow + VisibleRowCount())
        SetTopRow(row - VisibleRowCount() + 1);
}

tree::TRowLayout TTreeView::RowLayout() const
{
    tree::TRowLayout l;
    const int b = m_borderStyle == bsSingleBorder ? kBorder : 0;
    l.Area = rect().adjusted(b, b, -b, -b);
    l.ItemHeight = m_itemHeight;
    l.Indent = m_indent;
    l.ImageWidth = m_images ? m_images->Width() : 16;
    l.TopRow = m_topRow;
    l.HorzOffset = m_horzOffset;
    return l;
}

TTreeNode* TTreeView::NodeAt(QPoint point) const
{
    const int row = tree::RowAt(RowLayout(), point.y(), static_cast<int>(VisibleNodes().size()));
    return row < 0 ? nullptr : m_rows[row];
}

tree::THitPart TTreeView::HitTest(QPoint point) const
{
    const TTreeNode* node = NodeAt(point);
    if (!node) return tree::THitPart::Nowhere;
    return tree::HitPart(RowLayout(), point, RowOf(node), node->Level(), TextWidth(node->Text()));
}

QRect TTreeView::NodeRect(const TTreeNode* node) const
{
    const int row = RowOf(node);
    if (row < m_topRow || row >= m_topRow + VisibleRowCount() + 1) return {};
    return tree::RowRect(RowLayout(), row) & RowLayout().Area;
}

int TTreeView::TextWidth(const QString& text) const { return QFontMetrics(font()).horizontalAdvance(text); }

TTreeNode* TTreeView::FindByPrefix(const QString& prefix, const TTreeNode* from, bool includeFrom) const
{
    const QList<TTreeNode*>& rows = VisibleNodes();
    const int n = static_cast<int>(rows.size());
    if (n == 0) return nullptr;
    const int start = std::max(0, RowOf(from));
    for (int step = includeFrom ? 0 : 1; step <= n; ++step) {
        TTreeNode* node = rows[(start + step) % n];
        if (node->Text().startsWith(prefix, Qt::CaseInsensitive)) return node;
    }
    return nullptr;
}

void TTreeView::WndProc(TMessage& m)
{
    if (HandleScrollMessage(m)) return;
    TControl::WndProc(m);
}

void TTreeView::Scrolled(TScrollBarKind kind, int code, int position)
{
    Rebuild();
    if (kind == sbVertical) {
        const int last = std::max(0, static_cast<int>(m_rows.size()) - VisibleRowCount());
        SetTopRow(ScrollTarget(code, position, m_topRow, 1, VisibleRowCount(), 0, last));
    } else {
        const int width = RowLayout().Area.width();
        SetHorzOffset(ScrollTarget(code, position, m_horzOffset, m_indent, width, 0, m_contentWidth - width));
    }
}

void TTreeView::RegisterEvents()
{
    events::RegisterEvent<QObject*, TTreeNode*>();
    events::RegisterEvent<QObject*, TTreeNode*, bool&>();
}

void TTreeView::resizeEvent(QResizeEvent* e)
{
    TControl::resizeEvent(e);
    Reshape();
}
