#pragma once
// TvnSkinCustomTreeView: the framework's tree view drawn with the colours and font of the
// skin's "treeview" record (the default look without one: the window colour and
// DefaultFont), scrolled by two external skinned bars instead of bars of its own.
//
// The vertical bar shows only while the rows outgrow the tree, the horizontal one while
// the widest row does; the horizontal bar leaves the corner to the vertical one ("both"
// mode). A change of either bar's visibility lets the parent lay its children out again.
#include "framework/comctrls/TreeView.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vnSkinCtrls/SkinBinding.h"

#include <QPointer>

// What one paint of the tree draws from, read once from the record or the default look.
struct TvnTreeLook {
    QColor Background;
    QColor Text;
    QColor SelectedBack;
    QColor SelectedText;
    bool Skinned = false;
};

// What one paint draws from, taken before anything is drawn: the look the skin gave,
// the state and the rows in the damaged rectangle.
struct TvnTreeSnapshot {
    TvnTreeLook Look;
    bool Enabled = true;
    QFont Font;
    TTreePaint Tree;
};

class TvnSkinCustomTreeView : public TTreeView, public TvnSkinBoundControl {
    Q_OBJECT
    TVN_SKIN_BINDING_PROPERTIES
    Q_PROPERTY(TFont* DefaultFont READ DefaultFont)
    Q_PROPERTY(bool UseSkinFont READ UseSkinFont WRITE SetUseSkinFont)
    Q_PROPERTY(TvnSkinScrollBar* HScrollBar READ HScrollBar WRITE SetHScrollBar)
    Q_PROPERTY(TvnSkinScrollBar* VScrollBar READ VScrollBar WRITE SetVScrollBar)
public:
    explicit TvnSkinCustomTreeView(QObject* owner = nullptr);
    ~TvnSkinCustomTreeView() override;

    TFont* DefaultFont() const { return m_defaultFont; }
    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool use);
    TColor DefaultColor() const { return m_defaultColor; }

    // The bars are not owned; a bar that is destroyed is forgotten.
    TvnSkinScrollBar* HScrollBar() const { return m_hBar; }
    void SetHScrollBar(TvnSkinScrollBar* bar);
    TvnSkinScrollBar* VScrollBar() const { return m_vBar; }
    void SetVScrollBar(TvnSkinScrollBar* bar);

    // Where a node's text is drawn (its selection mark), empty when it is not on screen.
    QRect NodeLabelRect(const TTreeNode* node) const;

    // The colours a paint uses now.
    TvnTreeLook Look() const { return m_look; }

    void SkinChanged() override;
    void WndProc(TMessage& message) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ApplySkinLook();
    TvnTreeSnapshot TakeSnapshot(const QRect& damaged) const;
    void LinkBar(QPointer<TvnSkinScrollBar>& slot, TvnSkinScrollBar* bar);
    // Shows or hides the bars for the tree's present ranges.
    void UpdateBars();

    TFont* m_defaultFont;
    TColor m_defaultColor = clr::clWindow;
    bool m_useSkinFont = true;
    bool m_applying = false;
    TvnTreeLook m_look;
    QPointer<TvnSkinScrollBar> m_hBar;
    QPointer<TvnSkinScrollBar> m_vBar;
};
