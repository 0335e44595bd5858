#include "AccessibleTree.h"

#include "Accessibility.h"
#include "framework/comctrls/TreeNode.h"
#include "framework/comctrls/TreeView.h"

#include <QPointer>

namespace vnaccess {

namespace {

const QString kSelect = QStringLiteral("select");
const QString kExpand = QStringLiteral("expand");
const QString kCollapse = QStringLiteral("collapse");

class TvnAccessibleTreeRow : public TvnAccessibleItem {
public:
    using TvnAccessibleItem::TvnAccessibleItem;

    const TvnAccessibleTree* Owner() const { return static_cast<const TvnAccessibleTree*>(parent()); }
    TTreeNode* Node() const { return Owner()->NodeOfRow(Index()); }

    bool isValid() const override { return TvnAccessibleItem::isValid() && Node(); }
    QAccessible::Role role() const override { return QAccessible::TreeItem; }
    QString text(QAccessible::Text t) const override
    {
        TTreeNode* node = Node();
        if (!node) return {};
        if (t == QAccessible::Name) return node->Text();
        // The level a screen reader reads out ("level 2"), from 1 at the top.
        if (t == QAccessible::Value) return QString::number(node->Level() + 1);
        return {};
    }
    QRect rect() const override
    {
        TTreeNode* node = Node();
        return node ? ScreenRect(Owner()->Tree()->NodeRect(node)) : QRect();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        TTreeNode* node = Node();
        if (!node) return s;
        TTreeView* tree = Owner()->Tree();
        s.selectable = true;
        s.focusable = true;
        s.selected = tree->Selected() == node;
        s.focused = s.selected && tree->hasFocus();
        s.expandable = node->HasChildren();
        s.expanded = s.expandable && node->Expanded();
        s.collapsed = s.expandable && !node->Expanded();
        s.disabled = !tree->isEnabled();
        s.offscreen = rect().isEmpty();
        return s;
    }

    QStringList actionNames() const override
    {
        TTreeNode* node = Node();
        if (!node) return {};
        QStringList names { kSelect };
        if (node->HasChildren()) names += node->Expanded() ? kCollapse : kExpand;
        return names;
    }
    void doAction(const QString& action) override
    {
        TTreeNode* node = Node();
        if (!node || !Owner()->Tree()->isEnabled()) return;
        if (action == kSelect) {
            Owner()->Tree()->SetSelected(node);
        } else if (action == kExpand || action == kCollapse) {
            // Expanding fills a folder's children: the tree's rows change, which
            // the tree announces itself.
            Owner()->Tree()->SetNodeExpanded(node, action == kExpand);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

} // namespace

TvnAccessibleTree::TvnAccessibleTree(TTreeView* tree)
    : TvnAccessibleItemOwner(tree, QAccessible::Tree)
{
}

TTreeView* TvnAccessibleTree::Tree() const { return static_cast<TTreeView*>(widget()); }

TTreeNode* TvnAccessibleTree::NodeOfRow(int row) const
{
    const QList<TTreeNode*>& rows = Tree()->VisibleNodes();
    return row >= 0 && row < rows.size() ? rows.at(row) : nullptr;
}

int TvnAccessibleTree::childCount() const { return static_cast<int>(Tree()->VisibleNodes().size()); }

QAccessibleInterface* TvnAccessibleTree::childAt(int x, int y) const
{
    TTreeNode* node = Tree()->NodeAt(Tree()->mapFromGlobal(QPoint(x, y)));
    return node ? child(Tree()->RowOf(node)) : nullptr;
}

QAccessibleInterface* TvnAccessibleTree::focusChild() const
{
    TTreeNode* selected = Tree()->Selected();
    return selected && Tree()->hasFocus() ? child(Tree()->RowOf(selected)) : nullptr;
}

QString TvnAccessibleTree::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) return ControlName(widget());
    return QAccessibleWidget::text(t);
}

TvnAccessibleItem* TvnAccessibleTree::MakeItem(int index) const
{
    return new TvnAccessibleTreeRow(this, index);
}

} // namespace vnaccess
