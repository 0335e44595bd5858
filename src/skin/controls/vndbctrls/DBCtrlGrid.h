#pragma once
// TvnSkinDBCtrlGrid: the records of a data source as equal panels in rows and columns.
// Only the panel of the active record is a real container with controls (the live panel,
// TvnDBCtrlPanel); every other panel is painted from the link's buffered rows: the live
// panel's face and a copy of each of its controls for that row, drawn into one shared
// off-screen picture and copied to the screen once per panel.
//
// The keys, the mouse and the scroll bar move the data set's current row; the live
// panel follows it (SyncPanel). DBCtrlGrid.cpp holds the properties, the link and the
// layout, DBCtrlGridInput.cpp the commands, keys, mouse and scrolling,
// DBCtrlGridPaint.cpp the painting. Where the panels lie is DBCtrlGridGeometry.h.
#include "DBCtrlGridGeometry.h"
#include "DBCtrlGridSnapshot.h"
#include "LabelPicture.h"
#include "framework/data/DataLink.h"
#include "framework/data/DataSource.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/SkinControl.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QSet>
class TvnSkinDBCtrlGrid;
class TvnSkinScrollBar;
class TvnSkinDBText;

namespace vndbctrls {
Q_NAMESPACE

enum TvnDBCtrlGridOrientation { vngoVertical = 0, vngoHorizontal = 1 };
Q_ENUM_NS(TvnDBCtrlGridOrientation)

} // namespace vndbctrls

using namespace vndbctrls;

// Called each time a panel's face is drawn: the grid, the panel index, the canvas and the
// panel's client rectangle.
using TvnPaintPanelEvent
    = TEvent<QObject* /*DBCtrlGrid*/, int /*Index*/, QPainter* /*Cnvs*/, QRect /*ClRect*/>;
Q_DECLARE_METATYPE(TvnPaintPanelEvent)

class TvnDBCtrlGridLink : public TDataLink {
public:
    explicit TvnDBCtrlGridLink(TvnSkinDBCtrlGrid* grid)
        : m_grid(grid)
    {
    }
    // How far the buffer's window moved at the last scroll (0 when only the row moved).
    int LastWindowMove() const { return m_lastWindowMove; }

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(int distance) override;

private:
    TvnSkinDBCtrlGrid* m_grid;
    int m_lastWindowMove = 0;
};

// The live panel: owned and parented by its grid. Clicks on its empty areas go on to
// the grid, as if the panel were not there.
class TvnDBCtrlPanel : public TvnSkinPanel {
    Q_OBJECT
public:
    explicit TvnDBCtrlPanel(TvnSkinDBCtrlGrid* grid);

    // The panel's own look at its size (no controls), as every panel shows it.
    QImage Face();
    void Paint(QPainter& painter) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Controls put on the panel get the grid's data source.
    void childEvent(QChildEvent* event) override;

private:
    // The grid's copies of rows are drawn from this panel and its controls: the grid
    // keeps them among the panel's looks, which every skin change drops.
    friend class TvnSkinDBCtrlGrid;

    TvnSkinDBCtrlGrid* m_grid;
    vnctrls::TvnFaceCache<QImage, vnctrls::TvnFaceKey, 1> m_face;
    // The face with the focus rectangle, while the panel has no painting handler: by the
    // face's picture and the colour the rectangle shows on.
    vnctrls::TvnFaceCache<QImage, std::pair<qint64, TColor>, 1> m_focusedFace;
};

class TvnSkinDBCtrlGrid : public TvnSkinWinControl {
    Q_OBJECT
    Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int PanelWidth READ PanelWidth WRITE SetPanelWidth)
    Q_PROPERTY(int PanelHeight READ PanelHeight WRITE SetPanelHeight)
    Q_PROPERTY(vndbctrls::TvnDBCtrlGridOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(bool AllowInsert READ AllowInsert WRITE SetAllowInsert)
    Q_PROPERTY(bool AllowDelete READ AllowDelete WRITE SetAllowDelete)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE SetShowFocus)
    Q_PROPERTY(uint SelectedColor READ SelectedColor WRITE SetSelectedColor)
    Q_PROPERTY(TvnSkinData* SkinData READ SkinData WRITE SetSkinData)
    Q_PROPERTY(QWidget* ClientContainer READ ClientContainer)
    Q_PROPERTY(TvnPaintPanelEvent OnPaintPanel MEMBER OnPaintPanel)
    Q_PROPERTY(TNotifyEvent OnClick MEMBER OnClick)
    Q_PROPERTY(TNotifyEvent OnDblClick MEMBER OnDblClick)
public:
    // The commands the keys, the mouse and the scroll bar run (ExecuteCommand).
    enum Command {
        kNoCommand = 0,
        kEditMode = 1,
        kPriorControl = 2,
        kNextControl = 3,
        kLeft = 4,
        kRight = 5,
        kUp = 6,
        kDown = 7,
        kLineBack = 8,
        kLineForward = 9,
        kPageBack = 10,
        kPageForward = 11,
        kFirst = 12,
        kLast = 13,
        kInsert = 14,
        kAppend = 15,
        kDelete = 16,
        kCancel = 17,
    };

    explicit TvnSkinDBCtrlGrid(QObject* owner = nullptr);
    ~TvnSkinDBCtrlGrid() override;

    TDataSource* DataSource() const { return m_link.DataSource(); }
    void SetDataSource(TDataSource* source);
    int ColCount() const { return m_layout.ColCount; }
    void SetColCount(int count) { SetLayoutField(&vndb::TvnGridLayout::ColCount, vndb::ClampCount(count)); }
    int RowCount() const { return m_layout.RowCount; }
    void SetRowCount(int count) { SetLayoutField(&vndb::TvnGridLayout::RowCount, vndb::ClampCount(count)); }
    int PanelWidth() const { return m_layout.PanelWidth; }
    void SetPanelWidth(int width)
    {
        SetLayoutField(&vndb::TvnGridLayout::PanelWidth, vndb::ClampPanelSize(width));
    }
    int PanelHeight() const { return m_layout.PanelHeight; }
    void SetPanelHeight(int height)
    {
        SetLayoutField(&vndb::TvnGridLayout::PanelHeight, vndb::ClampPanelSize(height));
    }
    TvnDBCtrlGridOrientation Orientation() const;
    void SetOrientation(TvnDBCtrlGridOrientation orientation);
    bool AllowInsert() const { return m_allowInsert; }
    void SetAllowInsert(bool allow) { m_allowInsert = allow; }
    bool AllowDelete() const { return m_allowDelete; }
    void SetAllowDelete(bool allow) { m_allowDelete = allow; }
    bool ShowFocus() const { return m_showFocus; }
    void SetShowFocus(bool show);
    // Follows Color until it is set to something else.
    TColor SelectedColor() const { return m_selectedColorSet ? m_selectedColor : Color(); }
    void SetSelectedColor(TColor color);
    // Also given to the live panel and to the scroll bar.
    void SetSkinData(TvnSkinData* store);

    TvnPaintPanelEvent OnPaintPanel;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

    TvnDBCtrlPanel* LivePanel() const { return m_panel; }
    // Declared controls inside the grid go onto the live panel.
    QWidget* ClientContainer() const;
    TvnSkinScrollBar* ScrollBar() const { return m_scrollBar; }
    TDataLink& DataLink() { return m_link; }
    const vndb::TvnGridLayout& Layout() const { return m_layout; }
    QRect PanelRect(int index) const { return vndb::PanelRect(m_layout, index); }
    int PanelCount() const { return m_layout.PanelCount(); }
    // Index of the panel that shows the active record.
    int CurrentPanel() const { return m_currentPanel; }
    // Panels that hold a record.
    int FilledPanels() const { return m_filledPanels; }
    bool GridFocused() const { return m_gridFocused; }
    // Panels painted as copies since the grid was created (for tests and benchmarks:
    // how much a change repaints).
    int PanelsDrawn() const { return m_panelsDrawn; }

    void ExecuteCommand(int command);
    // Moves the current row by `distance`; `keepPanel` keeps the live panel where it is
    // on the screen (line and page moves).
    void ScrollRecords(int distance, bool keepPanel);
    // Brings the focus into the grid; false when it could not.
    bool AcquireFocus();

    // The grid's picture: every panel but the live one, and the strips beside them.
    void Paint(QPainter& painter);

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    void Notification(QObject* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class TvnDBCtrlGridLink;
    friend class TvnDBCtrlPanel;

    // What this paint draws from (DBCtrlGridSnapshot.h).
    vndb::TvnCtrlGridSnapshot TakeSnapshot();
    // Paints panel `index` for its row (or empty), from its kept copy when it has one.
    void DrawPanel(QPainter& painter, const vndb::TvnCtrlGridSnapshot& snap, int index);
    // Draws a copy of every control of the live panel into `painter` (a panel copy)
    // for the row the link reads now; with the copy's key (CopyKey), its labels' texts
    // are not read again.
    void DrawPanelControls(QPainter& painter, const vndb::TvnPanelCopyKey* key);
    // True the first time a copy of `key` is drawn (of a few screens of rows).
    bool FirstSight(const vndb::TvnPanelCopyKey& key, int panels);
    // What a panel copy for the row the link reads now is made of (the face and each
    // label with its text and place); false when the copy cannot be kept.
    bool CopyKey(const QImage& face, vndb::TvnPanelCopyKey& key) const;
    // The strip right of the panels takes the client colour of the skin's panel.
    TColor PanelClientColor() const;

    void LinkActiveChanged();
    void LinkDataSetChanged();
    void SyncPanel(bool fullRefresh);
    // Moves the panels' pixels on the screen for a buffer window that moved by `moved`
    // rows and asks for the uncovered panels only; false when the picture cannot be
    // moved (the caller repaints everything).
    bool ScrollPanels(int moved, int livePanel);
    void UpdateScrollBar();
    void PlaceScrollBar();
    void FitSize();
    void SetLayout(const vndb::TvnGridLayout& layout);
    // One layout number changed (already clamped); the rest of the layout kept.
    void SetLayoutField(int vndb::TvnGridLayout::*field, int value);
    void SetEditMode(bool on);
    void SelectNextControl(bool forward);
    bool FocusInPanel() const;
    // Gives the grid's source to the links of the data-aware controls in `container`.
    void FixLinks(QWidget* container, bool fix);
    // Key-to-command for the grid's own keys and for the keys of the panel's controls.
    int CommandForKey(int key, TShiftState shift) const;
    bool ChildKey(TControl* child, int key);
    void ScrollRequest(int code, int position = 0);
    // A left press: a click on another filled panel makes its row current first.
    void LeftButtonDown(QMouseEvent* event);

    vndb::TvnGridLayout m_layout;
    TvnDBCtrlGridLink m_link;
    TvnDBCtrlPanel* m_panel;
    TvnSkinScrollBar* m_scrollBar;
    // Finished panel copies by what they are made of.
    vnctrls::TvnLookTable<vndb::TvnPanelCopyKey> m_panelCopies;
    // The hashes of the copies drawn once and not kept.
    QSet<size_t> m_copiesSeen;
    int m_currentPanel = 0;
    int m_filledPanels = 0;
    int m_panelsDrawn = 0;
    bool m_gridFocused = false;
    bool m_selecting = false;
    bool m_allowInsert = true;
    bool m_allowDelete = true;
    bool m_showFocus = true;
    bool m_selectedColorSet = false;
    TColor m_selectedColor = 0;
    bool m_fitting = false;
};
