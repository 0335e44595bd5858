// The data-aware grid's editing: the cell editor and its pick list, the keys that insert,
// append, cancel and delete records, and multi-select.
#include "SkinDBGrid.h"
#include "framework/MessageBox.h"
#include "framework/data/DataSet.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnSkinData/ResourceStrData.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

void TvnGridDataLink::EditingChanged() { m_grid.LinkEditingChanged(); }

void TvnGridDataLink::UpdateData() { m_grid.CommitEditor(); }

bool TvnSkinCustomDBGrid::CanModifyRecords() const
{
    TDataSet* ds = DataSet();
    return ds && !m_readOnly && ds->CanModify();
}

TvnColumn* TvnSkinCustomDBGrid::CurrentColumn() const
{
    const int data = DataColumn(Col());
    return data >= 0 ? m_layout[data].Column : nullptr;
}

TField* TvnSkinCustomDBGrid::CurrentField() const
{
    const int data = DataColumn(Col());
    return data >= 0 ? m_layout[data].Field : nullptr;
}

bool TvnSkinCustomDBGrid::CanEditCell() const
{
    const TField* field = CurrentField();
    const TvnColumn* column = CurrentColumn();
    // Pictures are not text to edit; a whole-row selection has no cell to edit.
    return CanModifyRecords() && (m_options & dgEditing) && !(m_options & dgRowSelect) && field
        && field->DataType() != db::ftGraphic && !(column && column->ReadOnly());
}

void TvnSkinCustomDBGrid::PlaceEditor()
{
    const QRect cell = CellRect(Col(), Row());
    if (cell.isEmpty()) return HideEditor();
    const auto* record = GridRecord();
    m_editor->SetBounds(cell.x(), cell.y(), cell.width(), cell.height());
    m_editor->Font()->Assign(*Font());
    if (record) {
        // The cell keeps its skinned face: the editor draws the focused cell's picture
        // behind its text, in the skin's cell font and focus colour.
        const vngrid::TvnGridSnapshot s = TakeSnapshot();
        m_editor->SetFace(vngrid::CellFaceImage(s, vngrid::TvnCellFace::Focused, cell.size()));
        m_editor->LineEdit()->setFont(s.CellFont);
        m_editor->Font()->SetColor(s.FocusFontColor);
    } else {
        m_editor->SetFace(QImage());
        m_editor->SetColor(Color());
    }
    const TvnColumn* column = CurrentColumn();
    const TField* field = CurrentField();
    m_editor->SetAlignment(field ? field->Alignment() : taLeftJustify);
    if (column && !column->PickList().isEmpty())
        m_editor->SetEditStyle(TDBGridInplaceEdit::esPickList, column->PickList(), column->DropDownRows());
    else if (column && column->ButtonStyle() == vndbgrid::cbsEllipsis)
        m_editor->SetEditStyle(TDBGridInplaceEdit::esEllipsis);
    else
        m_editor->SetEditStyle(TDBGridInplaceEdit::esSimple);
    m_editor->SetListSkin(SkinData(), m_pickListName);
    m_editor->PickList()->SetCaption(m_pickListCaptionMode && column ? column->TitleText() : QString());
}

void TvnSkinCustomDBGrid::ShowEditor(const QString& typed)
{
    if (!CanEditCell()) return;
    TField* field = CurrentField();
    if (!typed.isEmpty() && !m_link->Edit()) return;
    if (!m_editor) {
        m_editor = new TDBGridInplaceEdit(this);
        m_editor->SetParent(this);
        m_editor->OnGridKey = [this](QKeyEvent* e) { return EditorKey(e); };
        // The keys typed into the cell are the grid's: its handlers hear them.
        m_editor->OnKeyDown
            = [this](QObject*, int& key, TShiftState shift) { events::Fire(OnKeyDown, this, key, shift); };
        m_editor->OnKeyPress = [this](QObject*, QChar& key) { events::Fire(OnKeyPress, this, key); };
        m_editor->OnKeyUp
            = [this](QObject*, int& key, TShiftState shift) { events::Fire(OnKeyUp, this, key, shift); };
        m_editor->OnEllipsis = [this] { events::Fire(OnEditButtonClick, this); };
        m_editor->OnEdited = [this] {
            // The first change puts the data set into editing; a data set that will not
            // edit gets its value back.
            if (!m_link->Edit()) {
                if (TField* f = CurrentField()) m_editor->SetText(f->AsString());
                return;
            }
            m_editorModified = true;
        };
    }
    PlaceEditor();
    m_editor->SetMaxLength(field->DataType() == db::ftString ? field->Size() : 0);
    m_editor->SetText(typed.isEmpty() ? field->AsString() : typed);
    m_editorModified = !typed.isEmpty();
    m_editor->show();
    m_editor->raise();
    m_editor->LineEdit()->setFocus(Qt::OtherFocusReason);
    if (typed.isEmpty())
        m_editor->LineEdit()->selectAll();
    else
        m_editor->LineEdit()->end(false);
    Invalidate();
}

void TvnSkinCustomDBGrid::HideEditor()
{
    if (!EditorMode()) return;
    const bool hadFocus = m_editor->LineEdit()->hasFocus();
    m_editor->CloseUp();
    m_editor->hide();
    m_editorModified = false;
    if (hadFocus) setFocus(Qt::OtherFocusReason);
    Invalidate();
}

void TvnSkinCustomDBGrid::CommitEditor()
{
    if (!EditorMode() || !m_editorModified) return;
    TField* field = CurrentField();
    if (!field) return;
    field->SetAsString(m_editor->Text());
    m_editorModified = false;
}

void TvnSkinCustomDBGrid::LinkEditingChanged()
{
    // The indicator shows the new state; a cancelled edit shows the old values.
    TDataSet* ds = DataSet();
    if (EditorMode() && ds && !ds->Editing() && !(m_options & dgAlwaysShowEditor)) HideEditor();
    Invalidate();
}

void TvnSkinCustomDBGrid::FocusLeft()
{
    TDataSet* ds = DataSet();
    if (!ds || !(m_options & dgCancelOnExit)) return;
    // A new record nobody typed into goes with the focus; what was typed stays.
    if (ds->State() == db::dsInsert && !ds->Modified() && !m_editorModified) ds->Cancel();
}

void TvnSkinCustomDBGrid::WndProc(TMessage& m)
{
    if (m.Msg == msg::CM_EXIT) FocusLeft();
    TvnSkinCustomGrid::WndProc(m);
}

bool TvnSkinCustomDBGrid::EditorKey(QKeyEvent* e)
{
    TDataSet* ds = DataSet();
    if (!ds) return false;
    switch (e->key()) {
    case Qt::Key_Escape:
        if (m_editorModified) {
            // The first Esc takes the typing back, the second the whole edit.
            if (TField* f = CurrentField()) m_editor->SetText(f->AsString());
            m_editorModified = false;
            m_editor->LineEdit()->selectAll();
        } else {
            HideEditor();
            ds->Cancel();
        }
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        CommitEditor();
        if (!(m_options & dgAlwaysShowEditor)) HideEditor();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // Leaving the cell: the text goes into the field first, then the grid moves.
        CommitEditor();
        HideEditor();
        QKeyEvent copy(e->type(), e->key(), e->modifiers(), e->text());
        keyPressEvent(&copy);
        return true;
    }
    default:
        return false;
    }
}

bool TvnSkinCustomDBGrid::EditingKey(QKeyEvent* e)
{
    TDataSet* ds = DataSet();
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool editing = CanModifyRecords() && (m_options & dgEditing);
    switch (e->key()) {
    case Qt::Key_Delete:
        if (!ctrl) return false;
        DeleteRecords();
        return true;
    case Qt::Key_Insert:
        if (ctrl || !editing) return false;
        ds->Insert();
        if (m_options & dgAlwaysShowEditor) ShowEditor();
        return true;
    case Qt::Key_Escape:
        if (!ds->Editing()) return false;
        ds->Cancel();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        if (!CanEditCell()) return false;
        ShowEditor();
        return true;
    default:
        break;
    }
    const QString text = e->text();
    if (ctrl || text.isEmpty() || !text.at(0).isPrint() || !CanEditCell()) return false;
    ShowEditor(text);
    return true;
}

QString TvnSkinCustomDBGrid::DeleteQuestion(bool multiple) const
{
    const TvnSkinData* store = SkinData();
    const TvnResourceStrData* strings = store ? store->ResourceStrData() : nullptr;
    return multiple ? ResStrOr(strings, "DB_MULTIPLEDELETE_QUESTION", "Delete all selected records?")
                    : ResStrOr(strings, "DB_DELETE_QUESTION", "Delete record?");
}

bool TvnSkinCustomDBGrid::DeleteRecords()
{
    TDataSet* ds = DataSet();
    if (!ds || ds->IsEmpty() || !CanModifyRecords()) return false;
    // Marks of records deleted elsewhere in the meantime no longer count.
    m_selected.removeIf([&](TDataSet::TBookmark b) { return !ds->BookmarkValid(b); });
    const bool multi = (m_options & dgMultiSelect) && !m_selected.isEmpty();
    if (m_options & dgConfirmDelete) {
        const QString question = DeleteQuestion(multi && m_selected.size() > 1);
        const TModalResult answer = m_skinMessage
            ? m_skinMessage->MessageDlg(question, TMsgDlgType::mtConfirmation, mbOK | mbCancel)
            : MessageDlg(question, TMsgDlgType::mtConfirmation, mbOK | mbCancel);
        if (answer != mrOk) return false;
    }
    HideEditor();
    if (!multi) {
        ds->Delete();
        return true;
    }
    const QList<TDataSet::TBookmark> marks = m_selected;
    m_selected.clear();
    for (TDataSet::TBookmark b : marks)
        if (ds->GotoBookmark(b)) ds->Delete();
    Invalidate();
    return true;
}

void TvnSkinCustomDBGrid::SetCurrentSelected(bool selected)
{
    TDataSet* ds = DataSet();
    if (!ds || ds->IsEmpty() || !(m_options & dgMultiSelect)) return;
    const TDataSet::TBookmark b = ds->Bookmark();
    if (selected && !m_selected.contains(b)) m_selected.append(b);
    if (!selected) m_selected.removeAll(b);
    Invalidate();
}

void TvnSkinCustomDBGrid::ClearSelection()
{
    if (m_selected.isEmpty()) return;
    m_selected.clear();
    Invalidate();
}

void TvnSkinCustomDBGrid::mousePressEvent(QMouseEvent* e)
{
    // A click elsewhere ends the edit of the cell first (the text goes into its field).
    if (EditorMode()) {
        CommitEditor();
        HideEditor();
    }
    TDataSet* ds = DataSet();
    const TGridCoord cell = MouseCoord(e->position().toPoint());
    const bool onRecord = ds && cell.Y >= FirstDataRow() && e->button() == Qt::LeftButton && !Sizing();
    const bool multi = onRecord && (m_options & dgMultiSelect);
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (multi && !ctrl && !m_saveMultiSelection) ClearSelection();
    TvnSkinCustomGrid::mousePressEvent(e);
    if (multi && ctrl) SetCurrentSelected(!RecordSelected(ds->Bookmark()));
}
