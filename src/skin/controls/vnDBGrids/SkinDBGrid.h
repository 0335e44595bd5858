#pragma once
// TvnSkinCustomDBGrid: the skinned grid bound to a data source. Its rows are a window of
// the data set's records as tall as the rows that fit (the data link's buffer), so
// painting reads only the records on screen and the engine never holds more rows than
// that; its columns are the declared ones or, without any, one per visible field in field
// order. The current row is the data set's current record: clicks, keys, the wheel (with
// MouseWheelSupport) and the external vertical bar move the record, and the bar shows the
// record number.
//
// TvnSkinDBGrid only publishes.
#include "DBGridColumns.h"
#include "InplaceEdit.h"
#include "framework/data/DataLink.h"
#include "framework/data/DataSet.h"
#include "framework/data/DataSource.h"
#include "skin/controls/vnSkinDialogs/SkinMessage.h"
#include "skin/controls/vnSkinGrids/SkinCustomGrid.h"

#include <QPointer>
#include <memory>

class TvnSkinCustomDBGrid;
class QPainter;

// The column a click hit.
using TvnDBGridClickEvent = TEvent<TvnColumn* /*Column*/>;
// Drawing over a data cell after the default drawing; the data set's active record is the
// cell's.
using TvnDrawColumnCellEvent = TEvent<QObject* /*Sender*/, QPainter* /*Canvas*/, QRect /*Rect*/,
    int /*DataCol*/, TvnColumn* /*Column*/, TGridDrawState /*State*/>;
using TvnDrawDataCellEvent = TEvent<QObject* /*Sender*/, QPainter* /*Canvas*/, QRect /*Rect*/,
    TField* /*Field*/, TGridDrawState /*State*/>;

// A data cell's background colour and font, before it is drawn.
using TvnGetCellParamEvent = TEvent<QObject* /*Sender*/, TvnColumn* /*Column*/, TGridDrawState /*State*/,
    TColor& /*Background*/, TFont* /*Font*/>;

Q_DECLARE_METATYPE(TvnDBGridClickEvent)
Q_DECLARE_METATYPE(TvnGetCellParamEvent)
Q_DECLARE_METATYPE(TvnDrawColumnCellEvent)
Q_DECLARE_METATYPE(TvnDrawDataCellEvent)

class TvnGridDataLink : public TDataLink {
public:
    explicit TvnGridDataLink(TvnSkinCustomDBGrid& grid)
        : m_grid(grid)
    {
    }

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void EditingChanged() override;
    void UpdateData() override;

private:
    TvnSkinCustomDBGrid& m_grid;
};

class TvnSkinCustomDBGrid : public TvnSkinCustomGrid {
    Q_OBJECT
    Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(vndbgrid::TvnDBGridOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(bool MouseWheelSupport READ MouseWheelSupport WRITE SetMouseWheelSupport)
    Q_PROPERTY(TvnDBGridColumns* Columns READ Columns)
    Q_PROPERTY(TFont* TitleFont READ TitleFont)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool DrawGraphicFields READ DrawGraphicFields WRITE SetDrawGraphicFields)
    Q_PROPERTY(bool UseColumnsFont READ UseColumnsFont WRITE SetUseColumnsFont)
    Q_PROPERTY(bool SaveMultiSelection READ SaveMultiSelection WRITE SetSaveMultiSelection)
    Q_PROPERTY(QString PickListBoxSkinDataName READ PickListBoxSkinDataName WRITE SetPickListBoxSkinDataName)
    Q_PROPERTY(bool PickListBoxCaptionMode READ PickListBoxCaptionMode WRITE SetPickListBoxCaptionMode)
    Q_PROPERTY(TvnSkinMessage* SkinMessage READ SkinMessage WRITE SetSkinMessage)
    Q_PROPERTY(TvnDBGridClickEvent OnCellClick MEMBER OnCellClick)
    Q_PROPERTY(TvnDBGridClickEvent OnTitleClick MEMBER OnTitleClick)
    Q_PROPERTY(TvnDrawColumnCellEvent OnDrawColumnCell MEMBER OnDrawColumnCell)
    Q_PROPERTY(TvnDrawDataCellEvent OnDrawDataCell MEMBER OnDrawDataCell)
    Q_PROPERTY(TvnGetCellParamEvent OnGetCellParam MEMBER OnGetCellParam)
    Q_PROPERTY(TNotifyEvent OnEditButtonClick MEMBER OnEditButtonClick)
    Q_PROPERTY(TNotifyEvent OnColEnter MEMBER OnColEnter)
    Q_PROPERTY(TNotifyEvent OnColExit MEMBER OnColExit)
    Q_PROPERTY(TMovedEvent OnColumnMoved MEMBER OnColumnMoved)
public:
    static constexpr int kIndicatorWidth = 11;

    explicit TvnSkinCustomDBGrid(QObject* owner = nullptr);
    ~TvnSkinCustomDBGrid() override;

    // Not owned; a destroyed source becomes none.
    TDataSource* DataSource() const { return m_link->DataSource(); }
    void SetDataSource(TDataSource* source);
    TDataSet* DataSet() const { return m_link->Active() ? m_link->DataSet() : nullptr; }
    const TvnGridDataLink& DataLink() const { return *m_link; }

    TvnDBGridOptions Options() const { return m_options; }
    void SetOptions(TvnDBGridOptions options);
    bool MouseWheelSupport() const { return m_mouseWheelSupport; }
    void SetMouseWheelSupport(bool on) { m_mouseWheelSupport = on; }
    TvnDBGridColumns* Columns() const { return m_columns; }
    TFont* TitleFont() const { return m_titleFont; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool DrawGraphicFields() const { return m_drawGraphicFields; }
    void SetDrawGraphicFields(bool on);
    bool UseColumnsFont() const { return m_useColumnsFont; }
    void SetUseColumnsFont(bool on);
    bool SaveMultiSelection() const { return m_saveMultiSelection; }
    void SetSaveMultiSelection(bool on) { m_saveMultiSelection = on; }
    QString PickListBoxSkinDataName() const { return m_pickListName; }
    void SetPickListBoxSkinDataName(const QString& name) { m_pickListName = name; }
    // The pick list shows the column's title over its items.
    bool PickListBoxCaptionMode() const { return m_pickListCaptionMode; }
    void SetPickListBoxCaptionMode(bool mode) { m_pickListCaptionMode = mode; }
    // Asks the delete question in the skin; none: the standard message box.
    TvnSkinMessage* SkinMessage() const { return m_skinMessage; }
    void SetSkinMessage(TvnSkinMessage* message) { m_skinMessage = message; }

    // The columns as laid out now: each with its field (none while the data set is closed
    // or lacks it), title, alignment and width.
    struct TvnColumnLayout {
        // The declared column, or one made for the field.
        TvnColumn* Column = nullptr;
        TField* Field = nullptr;
        QString FieldName;
        QString Title;
        TAlignment Alignment = taLeftJustify;
        TAlignment TitleAlignment = taLeftJustify;
        int Width = 0;
    };
    const QList<TvnColumnLayout>& ColumnLayout() const { return m_layout; }
    // The data column of a grid column, or -1 (the indicator).
    int DataColumn(int col) const;
    // The grid row of the first record on screen (below the titles).
    int FirstDataRow() const { return (m_options & dgTitles) ? 1 : 0; }
    // How many records fit wholly below the titles.
    int VisibleDataRows() const;
    // Lays the columns out again (after declaring columns in code).
    void LayoutColumns();

    void Loaded() override;
    void SkinChanged() override;

    // ---- Editing (SkinDBGridEdit.cpp) ----
    // Whether records may be added, changed or deleted through the grid: not ReadOnly
    // and a data set that can be modified (adding and changing also need dgEditing).
    bool CanModifyRecords() const;
    // Whether the current cell may be edited in place now.
    bool CanEditCell() const;
    bool EditorMode() const { return m_editor && m_editor->isVisible(); }
    TDBGridInplaceEdit* InplaceEditor() const { return m_editor; }
    // Shows the cell editor over the current cell with the field's text, or with `typed`
    // in its place (the data set then starts editing).
    void ShowEditor(const QString& typed = QString());
    void HideEditor();
    // Ctrl+Delete: after the question (with dgConfirmDelete) deletes the current record,
    // or every selected one in multi-select. True when something was deleted.
    bool DeleteRecords();
    // The question Ctrl+Delete asks: the store's text, else the built-in one.
    QString DeleteQuestion(bool multiple) const;

    // Multi-select (dgMultiSelect): the marks of the selected records.
    const QList<TDataSet::TBookmark>& SelectedRows() const { return m_selected; }
    bool RecordSelected(TDataSet::TBookmark bookmark) const { return m_selected.contains(bookmark); }
    // Selects or unselects the current record.
    void SetCurrentSelected(bool selected);
    void ClearSelection();

    TvnDBGridClickEvent OnCellClick;
    TvnDBGridClickEvent OnTitleClick;
    TvnDrawColumnCellEvent OnDrawColumnCell;
    TvnDrawDataCellEvent OnDrawDataCell;
    TvnGetCellParamEvent OnGetCellParam;
    TNotifyEvent OnEditButtonClick;
    // The current column is left (before the move) and entered (after it).
    TNotifyEvent OnColEnter;
    TNotifyEvent OnColExit;
    // A column was dragged by its title to another place: the indexes in Columns (in
    // the columns made for the fields, when none are declared).
    TMovedEvent OnColumnMoved;

    // Makes the grid's event types known to the declared-data loader.
    static void RegisterEvents();

protected:
    void CellContent(int col, int row, vngrid::TvnGridCell& cell) const override;
    bool DataAwareFaces() const override { return true; }
    // The five pictures "VNDBGARROW", "VNDBEDIT", "VNDBINSERT", "VNDBMULTIDOT" and
    // "VNDBMULTIARROW" of the grid's resources, white made transparent; loaded once.
    QList<QImage> IndicatorImages() const override;
    const TFont* FixedCellFont() const override { return m_titleFont; }
    TvnBarState VerticalBarState() const override;
    void Scrolled(TScrollBarKind kind, int code, int position) override;
    bool SelectCell(int col, int row) override;
    void SelectionChanged() override;
    void WndProc(TMessage& message) override;
    void LayoutChanged() override;
    void ColumnSized(int col) override;
    void ColumnMoved(int from, int to) override;

    // The columns' widths follow the fonts.
    void FontsChanged() override;
    bool DrawsOverCells() const override { return OnDrawColumnCell || OnDrawDataCell; }
    void DrawOverCells(QImage& picture, const vngrid::TvnGridSnapshot& snapshot) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    friend class TvnGridDataLink;
    void LinkActiveChanged();
    void LinkDataChanged();
    void LinkEditingChanged();
    // The focus left the grid and its cell editor: with dgCancelOnExit an untouched new
    // record is dropped.
    void FocusLeft();
    // Writes the editor's text into its field when it was changed; raises Exception when
    // the field does not take it.
    void CommitEditor();
    // Keys the editor passes on; true when the grid took the key.
    bool EditorKey(QKeyEvent* event);
    // Keys that edit (Insert, Esc, Enter, F2, typing) and delete; true when handled.
    bool EditingKey(QKeyEvent* event);
    void PlaceEditor();
    TField* CurrentField() const;
    TvnColumn* CurrentColumn() const;
    void BuildColumns();
    // Counts, sizes and the buffer follow the columns and the room; the current row
    // follows the record.
    void UpdateLayout();
    int DefaultColumnWidth(const TvnColumnLayout& layout) const;
    // The font a column's plain data cells are drawn in: with UseColumnsFont the column's
    // (the grid's until it is given), else the skin's cell font with UseSkinFont and a
    // record, else the grid's.
    const TFont* CellFont(const TvnColumnLayout& layout) const;
    // Moves the record by `distance` (or to an end), as the user's scrolling does.
    void MoveRecord(int distance);

    std::unique_ptr<TvnGridDataLink> m_link;
    TvnDBGridOptions m_options;
    bool m_mouseWheelSupport = false;
    TvnDBGridColumns* m_columns;
    // The columns made for the fields when none are declared.
    TvnDBGridColumns* m_fieldColumns;
    TFont* m_titleFont;
    bool m_readOnly = false;
    bool m_drawGraphicFields = false;
    bool m_useColumnsFont = false;
    // The record's cell font as a TFont, filled by CellFont.
    mutable TFont m_skinCellFont;
    bool m_saveMultiSelection = false;
    QString m_pickListName = QStringLiteral("listbox");
    bool m_pickListCaptionMode = false;
    QPointer<TvnSkinMessage> m_skinMessage;
    QList<TvnColumnLayout> m_layout;
    bool m_updating = false;
    bool m_syncing = false;
    // The column widths are set from the layout only after it was built: the user's
    // sizing stays.
    bool m_widthsDirty = true;
    QPointer<TDBGridInplaceEdit> m_editor;
    // The editor's text differs from its field's.
    bool m_editorModified = false;
    QList<TDataSet::TBookmark> m_selected;
    // A move of the current column was let through and is on its way.
    bool m_leavingCol = false;
};

class TvnSkinDBGrid : public TvnSkinCustomDBGrid {
    Q_OBJECT
public:
    explicit TvnSkinDBGrid(QObject* owner = nullptr)
        : TvnSkinCustomDBGrid(owner)
    {
    }
};
