#pragma once
// One node of a tree view: its text, images, the data it stands for, its children and
// whether it shows them. A node may say it has children before it holds any, so the
// tree can fill it when it is first expanded.
#include <QIcon>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TTreeView;

class TTreeNode {
public:
    TTreeNode(TTreeView* tree, TTreeNode* parent);
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    QString Text() const { return m_text; }
    void SetText(const QString& text);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    // The image while the node is selected; -1 takes ImageIndex.
    int SelectedIndex() const { return m_selectedIndex; }
    void SetSelectedIndex(int index);
    // A picture of its own, drawn in place of the image list's.
    QIcon Icon() const { return m_icon; }
    void SetIcon(const QIcon& icon);
    QIcon OpenIcon() const { return m_openIcon; }
    void SetOpenIcon(const QIcon& icon);
    void* Data() const { return m_data; }
    void SetData(void* data) { m_data = data; }
    QString DataString() const { return m_dataString; }
    void SetDataString(const QString& data) { m_dataString = data; }

    // Shows an expander even without children (filled on first expansion).
    bool HasChildren() const { return m_hasChildren || !m_children.empty(); }
    void SetHasChildren(bool has);
    bool Expanded() const { return m_expanded; }
    void Expand() { SetExpanded(true); }
    void Collapse() { SetExpanded(false); }
    void SetExpanded(bool expanded);

    TTreeNode* Parent() const { return m_parent; }
    TTreeView* TreeView() const { return m_tree; }
    int Level() const;
    int Count() const { return static_cast<int>(m_children.size()); }
    TTreeNode* Item(int index) const;
    int Index() const;
    TTreeNode* AddChild(const QString& text);
    void DeleteChildren();
    // Orders the children, keeping equal ones in their order.
    void SortChildren(const std::function<bool(const TTreeNode*, const TTreeNode*)>& less);
    // Whether every ancestor shows its children.
    bool IsVisible() const;

private:
    friend class TTreeView;
    TTreeView* m_tree;
    TTreeNode* m_parent;
    std::vector<std::unique_ptr<TTreeNode>> m_children;
    QString m_text;
    QString m_dataString;
    QIcon m_icon;
    QIcon m_openIcon;
    void* m_data = nullptr;
    int m_imageIndex = -1;
    int m_selectedIndex = -1;
    bool m_hasChildren = false;
    bool m_expanded = false;

    void Changed();
};
