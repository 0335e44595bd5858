#pragma once
// The tree view: nodes in rows, each indented by its level, with an expander, a picture
// and its text. Nodes that say they have children before they hold any are filled by
// OnExpanding when first opened. One node is selected at a time.
//
// Keyboard: Up/Down, Page Up/Down, Home/End move the selection; Right opens a closed
// node or goes to the first child, Left closes an open node or goes to the parent;
// typing a node's first letters selects the next visible node they begin, and typing
// the same letter again goes on to the next one. Mouse: a click selects, a click on the
// expander opens or closes, a double click opens or closes.
//
// Like the grid it has no scroll bars of its own (TScrollSource): vertically in rows,
// horizontally in pixels. A derived tree paints through PaintNode and PaintBackground
// from the snapshot of each row, and uses RowLayout, NodeAt and HitTest, the geometry
// painting and the mouse share.
#include "framework/Control.h"
#include "framework/ImageList.h"
#include "framework/comctrls/ScrollInfo.h"
#include "framework/comctrls/TreeGeometry.h"
#include "framework/comctrls/TreeNode.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>

class QPainter;

using TTVChangedEvent = TEvent<QObject* /*Sender*/, TTreeNode* /*Node*/>;
using TTVExpandingEvent = TEvent<QObject* /*Sender*/, TTreeNode* /*Node*/, bool& /*AllowExpansion*/>;

Q_DECLARE_METATYPE(TTVChangedEvent)
Q_DECLARE_METATYPE(TTVExpandingEvent)

// One row as it is painted.
struct TTreeRowPaint {
    TTreeNode* Node = nullptr;
    int Row = 0;
    int Level = 0;
    QRect RowRect;
    QRect ButtonRect;
    QRect IconRect;
    QRect LabelRect;
    QString Text;
    QIcon Icon;
    int ImageIndex = -1;
    bool HasButton = false;
    bool Expanded = false;
    bool Selected = false;
    bool Focused = false;
};

// What one paint draws, taken before anything is drawn: where the rows go and the rows
// that show in the damaged rectangle, in order.
struct TTreePaint {
    QRect Area;
    QList<TTreeRowPaint> Rows;
};

class TTreeView : public TControl, public TScrollSource {
    Q_OBJECT
    Q_PROPERTY(int Indent READ Indent WRITE SetIndent)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(bool ShowButtons READ ShowButtons WRITE SetShowButtons)
    Q_PROPERTY(fw::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(TTVChangedEvent OnChange MEMBER OnChange)
    Q_PROPERTY(TTVExpandingEvent OnExpanding MEMBER OnExpanding)
    Q_PROPERTY(TTVChangedEvent OnExpanded MEMBER OnExpanded)
    Q_PROPERTY(TTVExpandingEvent OnCollapsing MEMBER OnCollapsing)
    Q_PROPERTY(TTVChangedEvent OnCollapsed MEMBER OnCollapsed)
    Q_PROPERTY(TNotifyEvent OnDblClick MEMBER OnDblClick)
public:
    explicit TTreeView(QObject* owner = nullptr);
    ~TTreeView() override;

    // Nodes at the top level hang from an invisible root.
    TTreeNode* AddChild(TTreeNode* parent, const QString& text);
    int TopCount() const { return m_root->Count(); }
    TTreeNode* TopItem(int index) const { return m_root->Item(index); }
    TTreeNode* Root() const { return m_root.get(); }
    void Clear();
    // Many nodes added or removed at once: the rows are laid out again once, at the
    // outermost EndUpdate.
    void BeginUpdate() { ++m_updating; }
    void EndUpdate();

    TTreeNode* Selected() const { return m_selected; }
    // Selects a node (opening its ancestors) and scrolls it into view; OnChange runs
    // when the selection changed.
    void SetSelected(TTreeNode* node);
    // Opens or closes a node as the user does: OnExpanding or OnCollapsing may refuse.
    bool SetNodeExpanded(TTreeNode* node, bool expanded);

    int Indent() const { return m_indent; }
    void SetIndent(int indent);
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool hide);
    bool ShowButtons() const { return m_showButtons; }
    void SetShowButtons(bool show);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    // How long typed letters add up to one search text, in milliseconds.
    int SearchTimeout() const { return m_searchTimeout; }
    void SetSearchTimeout(int ms) { m_searchTimeout = ms; }

    // The visible nodes in row order (every ancestor open).
    const QList<TTreeNode*>& VisibleNodes() const;
    int RowOf(const TTreeNode* node) const;
    int TopRow() const { return m_topRow; }
    void SetTopRow(int row);
    int HorzOffset() const { return m_horzOffset; }
    void SetHorzOffset(int offset);
    int VisibleRowCount() const { return tree::FullyVisibleRows(RowLayout()); }
    void MakeVisible(const TTreeNode* node);

    tree::TRowLayout RowLayout() const;
    TTreeNode* NodeAt(QPoint point) const;
    tree::THitPart HitTest(QPoint point) const;
    // A node's row rectangle, empty when it is not on screen.
    QRect NodeRect(const TTreeNode* node) const;

    TTVChangedEvent OnChange;
    TTVExpandingEvent OnExpanding;
    TTVChangedEvent OnExpanded;
    TTVExpandingEvent OnCollapsing;
    TTVChangedEvent OnCollapsed;
    TNotifyEvent OnDblClick;

    void WndProc(TMessage& message) override;
    static void RegisterEvents();

    // Called by the nodes.
    void NodesChanged();
    void NodesRemoving(TTreeNode* node, bool itself);

protected:
    // Asked before a node opens or closes as the user does; the default asks OnExpanding
    // or OnCollapsing. A tree that fills its nodes itself does it here.
    virtual bool AllowExpansion(TTreeNode* node, bool expanded);
    virtual void PaintBackground(QPainter& painter, const QRect& rect);
    virtual void PaintNode(QPainter& painter, const TTreeRowPaint& row);
    virtual int TextWidth(const QString& text) const;
    TTreeRowPaint RowSnapshot(int row) const;
    TTreePaint PaintSnapshot(const QRect& damaged) const;
    // The next visible node after `from` (wrapping round) whose text begins with
    // `prefix`, ignoring case; `from` itself counts when `includeFrom`.
    TTreeNode* FindByPrefix(const QString& prefix, const TTreeNode* from, bool includeFrom) const;

    void Scrolled(TScrollBarKind kind, int code, int position) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::unique_ptr<TTreeNode> m_root;
    TTreeNode* m_selected = nullptr;
    QPointer<TImageList> m_images;
    int m_indent = 19;
    int m_itemHeight = 18;
    bool m_hideSelection = true;
    bool m_showButtons = true;
    TBorderStyle m_borderStyle = bsSingleBorder;
    int m_topRow = 0;
    int m_horzOffset = 0;
    int m_searchTimeout = 1000;
    int m_updating = 0;
    QString m_search;
    QElapsedTimer m_searchClock;
    mutable QList<TTreeNode*> m_rows;
    mutable int m_contentWidth = 0;
    mutable bool m_rowsValid = false;

    void Rebuild() const;
    void Reshape();
    void PublishScroll();
    void MoveSelection(int row);
    void TypeAhead(QChar ch);
};
