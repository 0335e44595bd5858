// Editing through the data-aware grid: the keys that insert, append, cancel and delete
// records (with the question before a delete), the cell editor over the skinned cell
// and its pick list, multi-select, Boolean and picture fields, the wheel, and the
// external bar's events the grid takes over. The rows are studio 1's events, read from
// the test database and copied into an in-memory table that may be changed.
#include "ControlSkin.h"
#include "framework/Form.h"
#include "framework/data/ClientDataSet.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"
#include "skin/controls/vnSkinDialogs/SkinMessage.h"
#include "skin/data/vnSkinData/ResourceStrData.h"
#include "support/QueryTable.h"
#include "support/SeenBox.h"
#include "support/TestEnv.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <gtest/gtest.h>

using namespace ctltest;

namespace {

// The grid record (fixed face kFixed, selected face the hbar strip, focused face the
// panel's client kPanelClient, background 0x303030), the check box's check image, and a
// list box framed like the panel whose chosen item shows kBtnHot.
QByteArray EditRecords()
{
    return "[SKINCONTROLS]\r\ncount=4\r\n0=grid:grid\r\n1=checkbox:checkradio\r\n2=listbox:listbox\r\n"
           "3=captionlistbox:listbox\r\n\r\n"
        + GridSection()
        + "[checkbox]\r\npictureindex=0\r\nskinrect=120,120,200,140\r\n"
          "checkimagerect=0,100,10,110\r\nuncheckimagerect=10,100,20,110\r\n\r\n"
          "[listbox]\r\npictureindex=0\r\nskinrect=0,0,40,40\r\nlefttoppoint=4,4\r\nrighttoppoint=36,4\r\n"
          "leftbottompoint=4,36\r\nrightbottompoint=36,36\r\nclientrect=4,4,36,36\r\n"
          "itemrect=0,120,40,140\r\nactiveitemrect=40,120,80,140\r\nfocusitemrect=40,120,80,140\r\n"
          "itemleftoffset=2\r\nitemrightoffset=2\r\nitemtextrect=2,2,38,18\r\n"
          "fontname=Arial\r\nfontheight=13\r\nfontcolor=0\r\nfocusfontcolor=0\r\n\r\n"
          // The same frame with room for a caption in its top 20 pixels, written in white.
          "[captionlistbox]\r\npictureindex=0\r\nskinrect=0,0,40,40\r\nlefttoppoint=4,4\r\n"
          "righttoppoint=36,4\r\nleftbottompoint=4,36\r\nrightbottompoint=36,36\r\nclientrect=4,24,36,36\r\n"
          "itemrect=0,120,40,140\r\nfocusitemrect=40,120,80,140\r\nitemtextrect=2,2,38,18\r\n"
          "captionrect=4,2,36,22\r\ncaptionfontname=Arial\r\ncaptionfontheight=13\r\n"
          "captionfontcolor=16777215\r\n\r\n";
}
constexpr QRgb kBackground = kGridBackground;

// Presses the button of the message box that answers `role` and keeps what it showed.
void AnswerNextBox(testenv::SeenBox& seen, QMessageBox::ButtonRole role)
{
    testenv::onNextModal([&seen, role](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box) return;
        seen.text = box->text();
        ++seen.count;
        for (QAbstractButton* b : box->buttons())
            if (box->buttonRole(b) == role) return b->click();
    });
}

class DBGridEditTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (HasFatalFailure()) return;
        // The rows as the server gives them, and whether the client left a mobile number.
        testdb::QueryTable read("select id_evento, nome, tel_celular from evento where id_empresa = 1 "
                                "order by id_evento");
        read.Open();
        QList<TFieldDef> defs = read.table->FieldDefs();
        defs.append({ "celular", db::ftBoolean, 0, false });
        QList<TRow> rows;
        for (TRow row : read.table->Rows()) {
            row.append(!row.at(2).toString().isEmpty());
            rows.append(row);
        }
        table->LoadData(defs, rows);
        source->SetDataSet(table);

        form.SetBounds(40, 40, 520, 240);
        grid->SetParent(form.ClientWidget());
        grid->SetBounds(8, 8, 480, 150);
        bar->SetParent(form.ClientWidget());
        bar->SetKind(sbVertical);
        bar->SetBounds(488, 8, 19, 150);
        for (auto [field, width] : { std::pair { "id_evento", 60 }, { "nome", 200 }, { "celular", 60 } }) {
            auto* column = static_cast<TvnColumn*>(grid->Columns()->Add());
            column->SetFieldName(field);
            column->SetWidth(width);
        }
        grid->SetDataSource(source);
        grid->SetVScrollBar(bar);
    }

    void Show()
    {
        form.Show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        grid->setFocus();
        ASSERT_TRUE(testenv::waitFor([&] { return grid->hasFocus(); }));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers m = {}) { QTest::keyClick(grid, key, m); }
    QString Nome() { return table->FieldByName("nome").AsString(); }
    const vngrid::TvnGridCell* Cell(const vngrid::TvnGridSnapshot& s, int col, int row)
    {
        for (const auto& c : s.Cells)
            if (c.Col == col && c.Row == row) return &c;
        return nullptr;
    }
    QImage Picture()
    {
        QImage picture(grid->size(), QImage::Format_RGB32);
        QPainter painter(&picture);
        grid->Paint(painter);
        return picture;
    }

    TForm form;
    TClientDataSet* table = new TClientDataSet(&form);
    TDataSource* source = new TDataSource(&form);
    TvnSkinScrollBar* bar = new TvnSkinScrollBar(&form);
    TvnSkinDBGrid* grid = new TvnSkinDBGrid(&form);
};

} // namespace

TEST_F(DBGridEditTest, KeysInsertAppendAndCancelRecords)
{
    Show();
    ASSERT_EQ(table->RecordCount(), 5);
    Key(Qt::Key_Down);
    Key(Qt::Key_Insert);
    EXPECT_EQ(table->State(), db::dsInsert);
    EXPECT_EQ(table->RecordCount(), 6);
    EXPECT_EQ(table->RecNo(), 2);
    // The indicator shows the insert on the new row.
    EXPECT_EQ(Cell(grid->TakeSnapshot(), 0, 2)->Indicator, vngrid::TvnIndicator::Insert);
    Key(Qt::Key_Escape);
    EXPECT_EQ(table->State(), db::dsBrowse);
    EXPECT_EQ(table->RecordCount(), 5);
    EXPECT_EQ(table->FieldByName("id_evento").AsInteger(), 102);
    EXPECT_EQ(Cell(grid->TakeSnapshot(), 0, 2)->Indicator, vngrid::TvnIndicator::Arrow);

    // Down from the last record appends; moving off an untouched new record drops it.
    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_Down);
    EXPECT_EQ(table->State(), db::dsInsert);
    EXPECT_EQ(table->RecNo(), 6);
    EXPECT_TRUE(table->Eof());
    EXPECT_FALSE(table->Modified());
    Key(Qt::Key_Up);
    EXPECT_EQ(table->RecordCount(), 5);
    EXPECT_EQ(table->RecNo(), 5);

    // A read-only grid or table adds nothing.
    grid->SetReadOnly(true);
    Key(Qt::Key_Insert);
    Key(Qt::Key_Down);
    EXPECT_EQ(table->RecordCount(), 5);
    grid->SetReadOnly(false);
    table->SetReadOnly(true);
    Key(Qt::Key_Insert);
    EXPECT_EQ(table->RecordCount(), 5);
    EXPECT_EQ(table->State(), db::dsBrowse);
}

TEST_F(DBGridEditTest, CtrlDeleteAsksFirstAndCancelKeepsTheRecord)
{
    Show();
    Key(Qt::Key_Down);
    testenv::SeenBox seen;
    AnswerNextBox(seen, QMessageBox::RejectRole);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.text, "Delete record?");
    EXPECT_EQ(table->RecordCount(), 5);

    AnswerNextBox(seen, QMessageBox::AcceptRole);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(seen.count, 2);
    EXPECT_EQ(table->RecordCount(), 4);
    EXPECT_EQ(table->FieldByName("id_evento").AsInteger(), 103);

    // The skin's strings word the question when the store has them.
    TestSkin skin(EditRecords());
    TvnResourceStrData strings;
    strings.SetResStrings({ "DB_DELETE_QUESTION=Apagar o registro?" });
    skin.Store().SetResourceStrData(&strings);
    grid->SetSkinData(&skin.Store());
    AnswerNextBox(seen, QMessageBox::AcceptRole);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(seen.text, "Apagar o registro?");
    EXPECT_EQ(table->RecordCount(), 3);
    skin.Store().SetResourceStrData(nullptr);

    // Given a skinned message box, the grid asks through it; Esc keeps the record.
    TvnSkinMessage message;
    message.SetSkinData(&skin.Store());
    grid->SetSkinMessage(&message);
    QString asked;
    testenv::onNextModal([&](QWidget* w) {
        auto* box = qobject_cast<TvnSkinMessageForm*>(w);
        ASSERT_TRUE(box);
        asked = box->Text()->Caption();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(asked, "Delete record?");
    EXPECT_EQ(table->RecordCount(), 3);
    grid->SetSkinMessage(nullptr);

    // Without dgConfirmDelete nothing is asked; a read-only grid deletes nothing.
    grid->SetOptions(grid->Options() & ~TvnDBGridOptions(dgConfirmDelete));
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(table->RecordCount(), 2);
    EXPECT_EQ(seen.count, 3);
    grid->SetReadOnly(true);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(table->RecordCount(), 2);
}

TEST_F(DBGridEditTest, MultiSelectMarksRecordsAndDeletesThemAllAfterOneQuestion)
{
    grid->SetOptions(grid->Options() | dgMultiSelect);
    Show();
    auto click = [&](int row, Qt::KeyboardModifiers m) {
        QTest::mouseClick(grid, Qt::LeftButton, m, grid->CellRect(2, row).center());
    };
    click(1, Qt::ControlModifier);
    click(3, Qt::ControlModifier);
    ASSERT_EQ(grid->SelectedRows().size(), 2);
    auto s = grid->TakeSnapshot();
    EXPECT_EQ(Cell(s, 0, 1)->Indicator, vngrid::TvnIndicator::MultiDot);
    EXPECT_EQ(Cell(s, 0, 3)->Indicator, vngrid::TvnIndicator::MultiArrow);
    EXPECT_TRUE(Cell(s, 2, 1)->State & gdSelected) << "a chosen record shows the selected face";
    EXPECT_FALSE(Cell(s, 2, 2)->State & gdSelected);
    // Shift with an arrow takes the records it passes.
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->SelectedRows().size(), 3);
    // Ctrl-clicking a chosen record lets it go again.
    click(4, Qt::ControlModifier);
    EXPECT_EQ(grid->SelectedRows().size(), 2);

    testenv::SeenBox seen;
    AnswerNextBox(seen, QMessageBox::AcceptRole);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(seen.text, "Delete all selected records?");
    QStringList left;
    for (table->First(); !table->Eof(); table->Next())
        left << table->FieldByName("id_evento").AsString();
    EXPECT_EQ(left, (QStringList { "102", "104", "105" }));
    EXPECT_TRUE(grid->SelectedRows().isEmpty());
    // A plain click drops a selection.
    click(1, Qt::ControlModifier);
    click(2, {});
    EXPECT_TRUE(grid->SelectedRows().isEmpty());
}

TEST_F(DBGridEditTest, TheCellEditorEditsTheFieldAndTheMovePostsIt)
{
    TestSkin skin(EditRecords());
    grid->SetSkinData(&skin.Store());
    Show();
    Key(Qt::Key_Right); // onto "nome"
    ASSERT_EQ(grid->Col(), 2);
    QTest::keyClicks(grid, "M");
    ASSERT_TRUE(grid->EditorMode());
    TDBGridInplaceEdit* editor = grid->InplaceEditor();
    EXPECT_EQ(editor->Text(), "M");
    EXPECT_EQ(table->State(), db::dsEdit);
    EXPECT_EQ(Cell(grid->TakeSnapshot(), 0, 1)->Indicator, vngrid::TvnIndicator::Edit);
    // The editor stands on the cell and keeps its skinned face.
    EXPECT_EQ(editor->geometry(), grid->CellRect(2, 1));
    EXPECT_EQ(editor->grab().toImage().pixel(editor->width() - 4, 2), kPanelClient);
    QTest::keyClicks(editor->LineEdit(), "arcia Teixeira");
    QTest::keyClick(editor->LineEdit(), Qt::Key_Return);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(Nome(), "Marcia Teixeira") << "Enter writes the field";
    EXPECT_EQ(table->State(), db::dsEdit) << "the record is posted when the grid leaves it";
    Key(Qt::Key_Down);
    EXPECT_EQ(table->State(), db::dsBrowse);
    EXPECT_EQ(table->Rows().at(0).at(1).toString(), "Marcia Teixeira");

    // F2 shows the field's text; Esc takes the typing back, a second Esc the edit.
    Key(Qt::Key_F2);
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(editor->Text(), "Sebastião Magalhães");
    EXPECT_EQ(editor->LineEdit()->selectedText(), "Sebastião Magalhães");
    QTest::keyClicks(editor->LineEdit(), "X");
    QTest::keyClick(editor->LineEdit(), Qt::Key_Escape);
    EXPECT_EQ(editor->Text(), "Sebastião Magalhães");
    EXPECT_TRUE(grid->EditorMode());
    QTest::keyClick(editor->LineEdit(), Qt::Key_Escape);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(table->State(), db::dsBrowse);
    EXPECT_EQ(Nome(), "Sebastião Magalhães");

    // Leaving the cell with an arrow key writes it and moves on; the move posts.
    QTest::keyClicks(grid, "S");
    QTest::keyClick(editor->LineEdit(), Qt::Key_Down);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(table->Rows().at(1).at(1).toString(), "S");

    // A whole-row grid, a read-only column or a table that cannot change edits nothing.
    grid->Columns()->At(1)->SetReadOnly(true);
    QTest::keyClicks(grid, "Z");
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(table->State(), db::dsBrowse);
}

TEST_F(DBGridEditTest, ThePickListOffersTheColumnsValuesInTheListSkin)
{
    TestSkin skin(EditRecords());
    grid->SetSkinData(&skin.Store());
    grid->Columns()->At(1)->SetPickList({ "Ana Lima", "Bruno Dias", "Carla Reis" });
    Show();
    Key(Qt::Key_Right);
    Key(Qt::Key_F2);
    TDBGridInplaceEdit* editor = grid->InplaceEditor();
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(editor->EditStyle(), TDBGridInplaceEdit::esPickList);
    QTest::keyClick(editor->LineEdit(), Qt::Key_Down, Qt::AltModifier);
    TvnDBPopupListbox* list = editor->PickList();
    ASSERT_TRUE(list->isVisible());
    ASSERT_NE(list->Record(), nullptr) << "drawn from the \"listbox\" record";
    EXPECT_EQ(list->Items().size(), 3);
    EXPECT_EQ(list->ItemHeight(), 20);
    EXPECT_EQ(list->height(), 3 * 20 + 8) << "three items inside the record's frame";
    EXPECT_EQ(list->mapToGlobal(QPoint(0, 0)), editor->mapToGlobal(QPoint(0, editor->height())));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    const QImage shot = list->grab().toImage();
    EXPECT_EQ(shot.pixel(list->width() - 8, 4 + 20 + 1), kBtnHot) << "the chosen item's face";
    EXPECT_EQ(shot.pixel(1, 1), kPanelFrame);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(editor->Text(), "Bruno Dias");
    EXPECT_EQ(table->State(), db::dsEdit);
    QTest::keyClick(editor->LineEdit(), Qt::Key_Return);
    EXPECT_EQ(Nome(), "Bruno Dias");
}

TEST_F(DBGridEditTest, InCaptionModeThePickListShowsTheColumnsTitle)
{
    TestSkin skin(EditRecords());
    grid->SetSkinData(&skin.Store());
    grid->Columns()->At(1)->SetPickList({ "Ana Lima", "Bruno Dias", "Carla Reis" });
    grid->Columns()->At(1)->Title()->SetCaption("Cliente");
    grid->SetPickListBoxCaptionMode(true);
    Show();
    auto dropDown = [&](const char* record) {
        grid->SetPickListBoxSkinDataName(record);
        Key(Qt::Key_Escape);
        Key(Qt::Key_F2);
        TDBGridInplaceEdit* editor = grid->InplaceEditor();
        QTest::keyClick(editor->LineEdit(), Qt::Key_Down, Qt::AltModifier);
        return editor->PickList();
    };
    Key(Qt::Key_Right);

    // A record with a caption area: the title in it, in the caption's colour, and the
    // area as wide as the list less the record's ends.
    TvnDBPopupListbox* list = dropDown("captionlistbox");
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->Caption(), "Cliente");
    EXPECT_EQ(list->height(), 3 * 20 + 28) << "the items below the record's caption";
    EXPECT_EQ(list->CaptionRect(), QRect(4, 2, list->width() - 8, 20));
    const QImage shot = list->grab().toImage();
    bool written = false;
    for (int x = 4; x < 60; ++x)
        for (int y = 2; y < 22; ++y)
            written = written
                || qMin(qMin(qRed(shot.pixel(x, y)), qGreen(shot.pixel(x, y))), qBlue(shot.pixel(x, y)))
                    > 0xC0;
    EXPECT_TRUE(written) << "the title in white";
    QTest::keyClick(list, Qt::Key_Escape);

    // A record without one: a strip one item high over the items, in button colours.
    list = dropDown("listbox");
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->height(), 4 * 20 + 8);
    EXPECT_EQ(list->CaptionRect(), QRect(4, 4, list->width() - 8, 20));
    EXPECT_EQ(list->grab().toImage().pixel(list->width() - 6, 6), ToQColor(clr::clBtnFace).rgb());
    QTest::keyClick(list, Qt::Key_Escape);

    grid->SetPickListBoxCaptionMode(false);
    list = dropDown("listbox");
    EXPECT_TRUE(list->Caption().isEmpty());
    EXPECT_EQ(list->height(), 3 * 20 + 8);
}

TEST_F(DBGridEditTest, BooleanFieldsShowTheSkinsCheckMarkAndPictureFieldsTheirPicture)
{
    TestSkin skin(EditRecords());
    grid->SetSkinData(&skin.Store());
    grid->SetOptions(grid->Options() & ~TvnDBGridOptions(dgEditing));
    Show();
    // Events 101 and 102 left a mobile number, 104 did not. Row 1 is current (text).
    const auto s = grid->TakeSnapshot();
    EXPECT_EQ(Cell(s, 3, 2)->Content, vngrid::TvnCellContent::Check);
    EXPECT_EQ(Cell(s, 3, 4)->Content, vngrid::TvnCellContent::Nothing);
    const QImage picture = Picture();
    auto differs = [&](const QRect& r) {
        for (int y = r.top() + 1; y < r.bottom(); ++y)
            for (int x = r.left() + 1; x < r.right(); ++x)
                if (picture.pixel(x, y) != kBackground) return true;
        return false;
    };
    EXPECT_TRUE(differs(grid->CellRect(3, 2))) << "a true value shows the check mark";
    EXPECT_FALSE(differs(grid->CellRect(3, 4))) << "a false value shows nothing";
    const QRect check = grid->CellRect(3, 2);
    const QPoint centre = check.center();
    // The check picture's black pixels are where the skin has them.
    bool black = false;
    for (int y = centre.y() - 5; y <= centre.y() + 5; ++y)
        for (int x = centre.x() - 5; x <= centre.x() + 5; ++x)
            black = black || picture.pixel(x, y) == 0xFF000000;
    EXPECT_TRUE(black);
    // The focused cell shows its text instead.
    grid->SetCol(3);
    const vngrid::TvnGridCell* focused = Cell(grid->TakeSnapshot(), 3, 1);
    EXPECT_EQ(focused->Face, vngrid::TvnCellFace::Focused);
    EXPECT_EQ(focused->Text, "True");

    // A picture column: drawn as the picture with DrawGraphicFields, as "(GRAPHIC)" without.
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "PNG");
    QList<TRow> rows;
    for (const TRow& row : table->Rows())
        rows.append(TRow { row.at(0), png });
    TClientDataSet photos;
    photos.LoadData({ { "id_evento", db::ftInteger, 0 }, { "foto", db::ftGraphic, 0 } }, rows);
    source->SetDataSet(&photos);
    grid->Columns()->Clear();
    grid->LayoutColumns();
    grid->SetDrawGraphicFields(true);
    EXPECT_EQ(Picture().pixel(grid->CellRect(2, 3).center()), QColor(Qt::red).rgba());
    grid->SetDrawGraphicFields(false);
    EXPECT_EQ(Cell(grid->TakeSnapshot(), 2, 3)->Text, "(GRAPHIC)");
    source->SetDataSet(table);
}

TEST_F(DBGridEditTest, UseColumnsFontDrawsEachColumnInItsFontAndKeepsTheCheckMark)
{
    TestSkin skin(EditRecords());
    grid->SetSkinData(&skin.Store());
    grid->SetOptions(grid->Options() & ~TvnDBGridOptions(dgEditing));
    TvnColumn* nome = grid->Columns()->At(1);
    nome->Font()->SetName(QStringLiteral("DejaVu Serif"));
    nome->Font()->SetHeight(-20);
    nome->Font()->SetColor(0x0000FF);
    grid->Font()->SetColor(0x00FF00);
    Show();
    auto s = grid->TakeSnapshot();
    EXPECT_FALSE(Cell(s, 2, 3)->OwnFont) << "the skin's cell font until asked";

    grid->SetUseColumnsFont(true);
    s = grid->TakeSnapshot();
    const vngrid::TvnGridCell* named = Cell(s, 2, 3);
    ASSERT_TRUE(named->OwnFont);
    EXPECT_EQ(named->Font, nome->Font()->ToQFont());
    EXPECT_EQ(named->FontColor, 0x0000FFu);
    // A column whose font was never given draws in the grid's.
    const vngrid::TvnGridCell* id = Cell(s, 1, 3);
    EXPECT_EQ(id->Font, grid->Font()->ToQFont());
    EXPECT_EQ(id->FontColor, 0x00FF00u);
    // The text is drawn in the column's colour over the skin's background.
    const QImage picture = Picture();
    bool red = false;
    const QRect r = grid->CellRect(2, 3);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            red = red || picture.pixel(x, y) == 0xFFFF0000;
    EXPECT_TRUE(red);
    EXPECT_EQ(picture.pixel(r.right() - 2, r.top() + 1), kBackground);
    // A Boolean column still shows the check mark, not "True".
    EXPECT_EQ(Cell(s, 3, 2)->Content, vngrid::TvnCellContent::Check);
    const QPoint centre = grid->CellRect(3, 2).center();
    bool black = false;
    for (int y = centre.y() - 5; y <= centre.y() + 5; ++y)
        for (int x = centre.x() - 5; x <= centre.x() + 5; ++x)
            black = black || picture.pixel(x, y) == 0xFF000000;
    EXPECT_TRUE(black);
    // A handler colouring the cells keeps the check mark too.
    grid->SetUseColumnsFont(false);
    grid->OnGetCellParam
        = [](QObject*, TvnColumn*, TGridDrawState, TColor& background, TFont*) { background = 0x00FFFF; };
    const QImage coloured = Picture();
    black = false;
    for (int y = centre.y() - 5; y <= centre.y() + 5; ++y)
        for (int x = centre.x() - 5; x <= centre.x() + 5; ++x)
            black = black || coloured.pixel(x, y) == 0xFF000000;
    EXPECT_TRUE(black) << "a coloured Boolean cell shows the check mark";
    EXPECT_EQ(coloured.pixel(grid->CellRect(3, 2).topLeft() + QPoint(2, 2)), 0xFFFFFF00);
}

TEST_F(DBGridEditTest, LeavingTheGridDropsAnUntouchedNewRecordOnly)
{
    auto* other = new TvnSkinEdit(&form);
    other->SetParent(form.ClientWidget());
    other->SetBounds(8, 170, 120, 20);
    Show();
    auto leave = [&] {
        other->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(testenv::waitFor([&] { return other->isAncestorOf(QApplication::focusWidget()); }));
    };
    auto back = [&] {
        grid->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(testenv::waitFor([&] { return grid->hasFocus(); }));
    };
    Key(Qt::Key_Insert);
    ASSERT_EQ(table->RecordCount(), 6);
    leave();
    EXPECT_EQ(table->State(), db::dsBrowse);
    EXPECT_EQ(table->RecordCount(), 5);

    // Something typed into the new record's cell is kept.
    back();
    Key(Qt::Key_Insert);
    QTest::keyClick(grid, Qt::Key_7);
    ASSERT_TRUE(grid->EditorMode());
    leave();
    EXPECT_EQ(table->State(), db::dsInsert);
    EXPECT_EQ(table->RecordCount(), 6);
    back();
    Key(Qt::Key_Escape);
    Key(Qt::Key_Escape);
    ASSERT_EQ(table->RecordCount(), 5);

    // Without dgCancelOnExit the new record waits for the clerk's return.
    grid->SetOptions(grid->Options() & ~TvnDBGridOptions(dgCancelOnExit));
    back();
    Key(Qt::Key_Insert);
    leave();
    EXPECT_EQ(table->State(), db::dsInsert);
    EXPECT_EQ(table->RecordCount(), 6);
}

TEST_F(DBGridEditTest, ColumnEventsFollowTheCurrentColumnOnly)
{
    Show();
    QStringList seen;
    grid->OnColExit = [&](QObject*) { seen << QStringLiteral("exit %1").arg(grid->Col()); };
    grid->OnColEnter = [&](QObject*) { seen << QStringLiteral("enter %1").arg(grid->Col()); };
    Key(Qt::Key_Right);
    EXPECT_EQ(seen, QStringList({ "exit 1", "enter 2" }));
    seen.clear();
    // Another record in the same column enters no column.
    Key(Qt::Key_Down);
    table->Next();
    EXPECT_TRUE(seen.isEmpty()) << seen.join(", ").toStdString();
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(3, 1).center());
    EXPECT_EQ(seen, QStringList({ "exit 2", "enter 3" }));
    EXPECT_EQ(table->RecNo(), 1);
}

TEST_F(DBGridEditTest, TheWheelStepsRowsAndTheBarsEventsBelongToTheGrid)
{
    Show();
    auto wheel = [&](int delta) {
        const QPoint at(20, 40);
        QWheelEvent e(at, grid->mapToGlobal(at), {}, { 0, delta }, Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid, &e);
    };
    // Without MouseWheelSupport the framework grid's rule: one row, within the rows shown.
    ASSERT_FALSE(grid->MouseWheelSupport());
    wheel(-120);
    EXPECT_EQ(table->RecNo(), 2);
    wheel(120);
    wheel(120);
    EXPECT_EQ(table->RecNo(), 1) << "no further than the first row";

    // The application's own handler on the bar is replaced when the grid takes it over.
    auto* other = new TvnSkinScrollBar(&form);
    other->SetParent(form.ClientWidget());
    other->SetKind(sbVertical);
    other->SetBounds(488, 8, 19, 60);
    int own = 0;
    other->OnUpButtonClick = [&](QObject*) { ++own; };
    grid->SetVScrollBar(other);
    grid->SetBounds(8, 8, 480, 60); // fewer rows than records: the bar shows
    ASSERT_TRUE(other->Visible());
    const int window = grid->DataLink().RecordCount();
    ASSERT_LT(window, 5);
    QTest::mouseClick(other, Qt::LeftButton, {}, other->Layout().Increase.center());
    EXPECT_EQ(own, 0);
    EXPECT_EQ(table->RecNo(), 1 + window) << "the increasing arrow: to the row below the last shown";
    QTest::mouseClick(other, Qt::LeftButton, {}, other->Layout().Decrease.center());
    EXPECT_EQ(table->RecNo(), 1) << "the decreasing arrow: to the row above the first shown";
    // The bar it gave up is free of the grid's handlers.
    EXPECT_FALSE(bar->OnUpButtonClick);
}

TEST_F(DBGridEditTest, DraggingATitleMovesItsColumnAndAClickStaysATitleClick)
{
    Show();
    QList<QPair<int, int>> moves;
    grid->OnColumnMoved = [&](QObject* sender, int from, int to) {
        EXPECT_EQ(sender, grid);
        moves << qMakePair(from, to);
    };
    QStringList titleClicks;
    grid->OnTitleClick = [&](TvnColumn* column) { titleClicks << column->FieldName(); };
    QWindow* window = form.windowHandle();
    auto at = [&](int col, int dx = 0) {
        return grid->mapTo(&form, grid->CellRect(col, 0).center() + QPoint(dx, 0));
    };
    auto fields = [&] {
        QStringList names;
        for (int i = 0; i < grid->Columns()->Count(); ++i)
            names << grid->Columns()->At(i)->FieldName();
        return names;
    };
    // The first data column's title, dragged onto the third one.
    QTest::mousePress(window, Qt::LeftButton, {}, at(1));
    for (int dx = 10; dx < at(3).x() - at(1).x(); dx += 20)
        QTest::mouseMove(window, at(1, dx));
    QTest::mouseMove(window, at(3));
    // The line where the column will go stands on the far side of the target.
    EXPECT_TRUE(testenv::KeepPicture(&form, "grid-column-move"));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(3));
    EXPECT_EQ(moves, (QList<QPair<int, int>> { { 0, 2 } }));
    EXPECT_EQ(fields(), QStringList({ "nome", "celular", "id_evento" }));
    EXPECT_EQ(grid->ColumnLayout().at(2).FieldName, "id_evento");
    EXPECT_EQ(grid->ColWidth(1), 200) << "the widths go with their columns";
    EXPECT_EQ(grid->ColWidth(3), 60);
    EXPECT_TRUE(titleClicks.isEmpty()) << "a drag is no click";
    // The cells follow: the moved column shows its field.
    EXPECT_EQ(Cell(grid->TakeSnapshot(), 3, 1)->Text, "101");

    // A click without a drag is a title click and moves nothing.
    QTest::mouseClick(window, Qt::LeftButton, {}, at(2));
    EXPECT_EQ(titleClicks, QStringList({ "celular" }));
    EXPECT_EQ(moves.size(), 1);

    // Without column sizing (the option that also lets columns move) they stay put.
    grid->SetOptions(grid->Options() & ~TvnDBGridOptions(dgColumnResize));
    QTest::mousePress(window, Qt::LeftButton, {}, at(1));
    QTest::mouseMove(window, at(1, 30));
    QTest::mouseMove(window, at(3));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(3));
    EXPECT_EQ(moves.size(), 1);
    EXPECT_EQ(fields(), QStringList({ "nome", "celular", "id_evento" }));
}

TEST_F(DBGridEditTest, TheGridHearsTheKeysTypedOnItAndIntoItsCellEditor)
{
    Show();
    Key(Qt::Key_Right); // onto "nome"
    QString typed;
    QList<int> released;
    QStringList pressed;
    grid->OnKeyPress = [&](QObject* sender, QChar& key) {
        EXPECT_EQ(sender, grid);
        typed += key;
        // The grid's handler keeps digits out of the cells.
        if (key.isDigit()) key = QChar();
    };
    grid->OnKeyUp = [&](QObject* sender, int& key, TShiftState) {
        EXPECT_EQ(sender, grid);
        released << key;
    };
    grid->OnMouseDown = [&](QObject* sender, TMouseButton, TShiftState, int x, int y) {
        EXPECT_EQ(sender, grid);
        pressed << QString("%1,%2").arg(x).arg(y);
    };
    // Through the window, as the keyboard sends it: the key goes up in the editor the
    // press opened, which has the focus by then.
    QTest::keyClick(form.windowHandle(), Qt::Key_J);
    ASSERT_TRUE(grid->EditorMode());
    TDBGridInplaceEdit* editor = grid->InplaceEditor();
    QTest::keyClicks(editor->LineEdit(), "o3e");
    EXPECT_EQ(typed, "jo3e");
    EXPECT_EQ(editor->Text(), "joe");
    EXPECT_EQ(released.size(), 4);
    EXPECT_EQ(released.first(), int('J'));
    // A press on the editor is the editor's, the grid does not hear it as its own; a
    // press on a cell is the grid's, in its coordinates.
    QTest::mouseClick(editor->LineEdit(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(pressed.isEmpty()) << pressed.join(" ").toStdString();
    const QPoint cell = grid->CellRect(1, 2).center();
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, grid->mapTo(&form, cell));
    EXPECT_EQ(pressed, QStringList({ QString("%1,%2").arg(cell.x()).arg(cell.y()) }));
    EXPECT_FALSE(grid->EditorMode()) << "the press ended the edit first";
}
