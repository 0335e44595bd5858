#include "TreeNode.h"

#include "TreeView.h"
#include "framework/StoreChanged.h"

#include <algorithm>

TTreeNode::TTreeNode(TTreeView* tree, TTreeNode* parent)
    : m_tree(tree)
    , m_parent(parent)
{
}

TTreeNode::~TTreeNode() = default;

void TTreeNode::SetText(const QString& text)
{
    if (StoreChanged(m_text, text)) Changed();
}

void TTreeNode::SetImageIndex(int index)
{
    if (StoreChanged(m_imageIndex, index)) Changed();
}

void TTreeNode::SetSelectedIndex(int index)
{
    if (StoreChanged(m_selectedIndex, index)) Changed();
}

// Icons cannot be compared, so every set tells the tree.
void TTreeNode::SetIcon(const QIcon& icon)
{
    m_icon = icon;
    Changed();
}

// Icons cannot be compared, so every set tells the tree.
void TTreeNode::SetOpenIcon(const QIcon& icon)
{
    m_openIcon = icon;
    Changed();
}

void TTreeNode::SetHasChildren(bool has)
{
    if (StoreChanged(m_hasChildren, has)) Changed();
}

void TTreeNode::SetExpanded(bool expanded)
{
    if (m_tree)
        m_tree->SetNodeExpanded(this, expanded);
    else
        m_expanded = expanded;
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode* p = m_parent; p && p->m_parent; p = p->m_parent)
        ++level;
    return level;
}

TTreeNode* TTreeNode::Item(int index) const
{
    return index >= 0 && index < Count() ? m_children[index].get() : nullptr;
}

int TTreeNode::Index() const
{
    if (!m_parent) return -1;
    const auto& siblings = m_parent->m_children;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

TTreeNode* TTreeNode::AddChild(const QString& text)
{
    m_children.push_back(std::make_unique<TTreeNode>(m_tree, this));
    TTreeNode* child = m_children.back().get();
    child->m_text = text;
    if (m_tree) m_tree->NodesChanged();
    return child;
}

void TTreeNode::DeleteChildren()
{
    if (m_tree) m_tree->NodesRemoving(this, false);
    m_children.clear();
    if (m_tree) m_tree->NodesChanged();
}

void TTreeNode::SortChildren(const std::function<bool(const TTreeNode*, const TTreeNode*)>& less)
{
    std::stable_sort(m_children.begin(), m_children.end(),
        [&less](const std::unique_ptr<TTreeNode>& a, const std::unique_ptr<TTreeNode>& b) {
            return less(a.get(), b.get());
        });
    if (m_tree) m_tree->NodesChanged();
}

bool TTreeNode::IsVisible() const
{
    for (const TTreeNode* p = m_parent; p && p->m_parent; p = p->m_parent)
        if (!p->m_expanded) return false;
    return true;
}

void TTreeNode::Changed()
{
    if (m_tree) m_tree->NodesChanged();
}
