// The data-aware grid as the main window uses it: a list of chosen photos in an in-memory
// table, whole-row selection that stays drawn, an external vertical bar that follows the
// record and moves it, one column per field, and a double click on a row.
#include "ControlSkin.h"
#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/DataClasses.h"
#include "framework/data/DataSetProvider.h"
#include "framework/data/SQLConnection.h"
#include "framework/data/SQLQuery.h"
#include "framework/declared/DeclaredLoader.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
#include "skin/controls/vnSkinCtrls/SkinControlClasses.h"
#include "skin/data/vnSkinData/SkinDataClasses.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

QByteArray GridRecords()
{
    return "[SKINCONTROLS]\r\ncount=1\r\n0=grid:grid\r\n\r\n" + ctltest::GridSection();
}
constexpr QRgb kBackground = ctltest::kGridBackground;

QString PhotoName(int i) { return QStringLiteral("DSC_%1.jpg").arg(i, 4, 10, QLatin1Char('0')); }

// The main window's photo grid: 407 x 113 with 17-pixel rows and no lines (six whole
// rows), whole-row selection, and its 19 x 114 vertical bar at the right.
struct PhotoList {
    TForm form;
    TClientDataSet* table = new TClientDataSet(&form);
    TDataSource* source = new TDataSource(&form);
    TvnSkinScrollBar* bar = new TvnSkinScrollBar(&form);
    TvnSkinDBGrid* grid = new TvnSkinDBGrid(&form);
    QStringList clicked;

    explicit PhotoList(int rows, TvnSkinData* skin = nullptr)
    {
        form.SetBounds(40, 40, 460, 200);
        grid->SetParent(form.ClientWidget());
        grid->SetBounds(0, 0, 407, 113);
        bar->SetParent(form.ClientWidget());
        bar->SetKind(sbVertical);
        bar->SetBounds(387, -1, 19, 114);
        grid->SetOptions(dgTabs | dgRowSelect | dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
        grid->SetDefaultRowHeight(17);
        grid->SetVScrollBar(bar);
        grid->OnDblClick = [this](QObject*) { clicked << table->FieldByName("nome_foto").AsString(); };
        if (skin) {
            grid->SetSkinData(skin);
            bar->SetSkinData(skin);
        }
        // As the data module declares the chosen photos: names 29 characters wide.
        auto* width = static_cast<TFieldSetting*>(table->FieldSettings()->Add());
        width->SetFieldName("nome_foto");
        width->SetDisplayWidth(29);
        source->SetDataSet(table);
        grid->SetDataSource(source);
        Fill(rows);
    }
    void Fill(int rows)
    {
        QList<TRow> data;
        for (int i = 1; i <= rows; ++i)
            data.append(TRow { PhotoName(i), 5000 + i });
        table->LoadData(
            { { "nome_foto", db::ftString, 50 }, { "id_foto_escolhida", db::ftInteger, 0 } }, data);
    }
    void Show()
    {
        form.Show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QPoint RowCentre(int row) const { return grid->CellRect(0, row).center(); }
    QImage Picture() const
    {
        QImage picture(grid->size(), QImage::Format_RGB32);
        QPainter painter(&picture);
        grid->Paint(painter);
        return picture;
    }
};

void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Click(QWidget* w, QPoint at)
{
    Send(w, QEvent::MouseButtonPress, at);
    Send(w, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void Wheel(QWidget* w, int delta)
{
    const QPoint at(20, 20);
    QWheelEvent e(
        at, w->mapToGlobal(at), {}, { 0, delta }, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(DBGrid, TheBarFollowsTheRecordAndTheVisibleRows)
{
    PhotoList list(300);
    // 109 pixels inside the border, 17-pixel rows without lines: six whole rows.
    ASSERT_EQ(list.grid->VisibleDataRows(), 6);
    EXPECT_EQ(list.grid->RowCount(), 6);
    EXPECT_EQ(list.grid->DataLink().BufferCount(), 6);
    EXPECT_TRUE(list.bar->Visible());
    EXPECT_EQ(list.bar->Min(), 1);
    EXPECT_EQ(list.bar->Max(), 300 + 6 - 1);
    EXPECT_EQ(list.bar->PageSize(), 6);
    EXPECT_EQ(list.bar->Position(), 1);

    for (int i = 0; i < 10; ++i)
        list.table->Next();
    EXPECT_EQ(list.bar->Position(), 11);
    // The current record is the last row of the window the grid shows.
    EXPECT_EQ(list.grid->Row(), 5);
    list.table->SetRecNo(150);
    EXPECT_EQ(list.bar->Position(), 150);
    list.table->Last();
    EXPECT_EQ(list.bar->Position(), 300);
    EXPECT_EQ(list.grid->Row(), 5);
    list.table->First();
    EXPECT_EQ(list.bar->Position(), 1);
    EXPECT_EQ(list.grid->Row(), 0);

    // A taller grid has more rows in its window and a longer page.
    list.grid->SetHeight(113 + 17);
    EXPECT_EQ(list.grid->VisibleDataRows(), 7);
    EXPECT_EQ(list.bar->PageSize(), 7);
    EXPECT_EQ(list.bar->Max(), 300 + 7 - 1);
}

TEST(DBGrid, TheBarsArrowsTrackAndThumbMoveTheRecord)
{
    PhotoList list(300);
    list.Show();
    const auto layout = list.bar->Layout();
    // The lower arrow goes to the record below the last one on screen.
    Click(list.bar, layout.Increase.center());
    EXPECT_EQ(list.table->RecNo(), 7);
    EXPECT_EQ(list.bar->Position(), 7);
    // The upper arrow goes to the record above the first one on screen.
    Click(list.bar, list.bar->Layout().Decrease.center());
    EXPECT_EQ(list.table->RecNo(), 1);
    // The track below the thumb pages down by the visible rows.
    const auto l = list.bar->Layout();
    Click(list.bar, QPoint(l.Increase.center().x(), l.Increase.top() - 3));
    EXPECT_EQ(list.table->RecNo(), 7);

    // Dragging the thumb to the middle of the track takes the record there on release.
    const auto d = list.bar->Layout();
    const QPoint from = d.Thumb.center();
    const QPoint to(from.x(), (d.Decrease.bottom() + d.Increase.top()) / 2);
    Send(list.bar, QEvent::MouseButtonPress, from);
    Send(list.bar, QEvent::MouseMove, to);
    Send(list.bar, QEvent::MouseButtonRelease, to, Qt::NoButton);
    EXPECT_GT(list.table->RecNo(), 100);
    EXPECT_LT(list.table->RecNo(), 200);
    EXPECT_EQ(list.bar->Position(), list.table->RecNo());
    EXPECT_TRUE(list.grid->hasFocus());
}

TEST(DBGrid, TheBarShowsOnlyWhenTheRowsFillTheGrid)
{
    PhotoList list(5);
    EXPECT_FALSE(list.bar->Visible());
    list.Fill(6);
    ASSERT_TRUE(list.bar->Visible());
    EXPECT_EQ(list.bar->Min(), 1);
    EXPECT_EQ(list.bar->Max(), 11);
    EXPECT_EQ(list.bar->PageSize(), 6);
    list.Fill(0);
    EXPECT_FALSE(list.bar->Visible());
    list.Fill(40);
    EXPECT_TRUE(list.bar->Visible());
    list.table->Close();
    EXPECT_FALSE(list.bar->Visible());
    list.table->Open();
    EXPECT_TRUE(list.bar->Visible());
    // A hidden grid takes its bar with it, and brings it back.
    list.grid->SetVisible(false);
    EXPECT_FALSE(list.bar->Visible());
    list.grid->SetVisible(true);
    EXPECT_TRUE(list.bar->Visible());
    // Without a source the bar stays hidden.
    list.grid->SetDataSource(nullptr);
    EXPECT_FALSE(list.bar->Visible());
}

TEST(DBGrid, ARemovedBarOrSourceLeavesTheGridWorking)
{
    PhotoList list(300);
    delete list.bar;
    list.bar = nullptr;
    EXPECT_EQ(list.grid->VScrollBar(), nullptr);
    list.table->SetRecNo(100);
    EXPECT_EQ(list.grid->Row(), 5);
    EXPECT_FALSE(list.Picture().isNull());
    delete list.source;
    list.source = nullptr;
    EXPECT_EQ(list.grid->DataSource(), nullptr);
    EXPECT_EQ(list.grid->DataSet(), nullptr);
    EXPECT_FALSE(list.Picture().isNull());
}

TEST(DBGrid, TheSelectedRowStaysDrawnWithoutTheFocus)
{
    ctltest::TestSkin skin(GridRecords());
    PhotoList list(300, &skin.Store());
    ASSERT_NE(list.grid->GridRecord(), nullptr);
    // The skin's select face is 20 pixels high: so are the rows, and five fit.
    EXPECT_EQ(list.grid->DefaultRowHeight(), 20);
    EXPECT_EQ(list.grid->VisibleDataRows(), 5);
    list.table->SetRecNo(150);
    const int row = list.grid->Row();
    const QRect current = list.grid->CellRect(0, row);
    const QRect other = list.grid->CellRect(0, row == 0 ? 1 : 0);

    ASSERT_FALSE(list.grid->hasFocus());
    QImage picture = list.Picture();
    // The middle of the select face (tiled between its 10-pixel ends), and the ends.
    EXPECT_EQ(picture.pixel(current.x() + 30, current.bottom() - 1), ctltest::kMiddle);
    EXPECT_EQ(picture.pixel(current.x() + 1, current.y() + 1), ctltest::kLeft);
    EXPECT_EQ(picture.pixel(other.x() + 30, other.bottom() - 1), kBackground);
    // The second column's cell of the current row shows the face too.
    const QRect second = list.grid->CellRect(1, row);
    EXPECT_EQ(picture.pixel(second.right() - 1, second.y() + 1), ctltest::kRight);

    list.Show();
    list.grid->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return list.grid->hasFocus(); }));
    picture = list.Picture();
    EXPECT_EQ(picture.pixel(current.x() + 30, current.bottom() - 1), ctltest::kPanelClient);
    EXPECT_EQ(picture.pixel(other.x() + 30, other.bottom() - 1), kBackground);

    // Without dgAlwaysShowSelection the unfocused grid shows no selection at all.
    list.grid->SetOptions(list.grid->Options() & ~TvnDBGridOptions(dgAlwaysShowSelection));
    list.grid->clearFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return !list.grid->hasFocus(); }));
    picture = list.Picture();
    EXPECT_EQ(picture.pixel(current.x() + 30, current.bottom() - 1), kBackground);
}

TEST(DBGrid, AnEmptyOrClosedTableDrawsAnEmptyGrid)
{
    ctltest::TestSkin skin(GridRecords());
    PhotoList list(0, &skin.Store());
    auto onlyBackground = [&](const QImage& picture) {
        const QRect inside = list.grid->GridRect();
        for (int y = inside.top(); y <= inside.bottom(); y += 3)
            for (int x = inside.left(); x <= inside.right(); x += 3)
                if (picture.pixel(x, y) != kBackground) return false;
        return true;
    };
    EXPECT_TRUE(onlyBackground(list.Picture()));
    EXPECT_FALSE(list.bar->Visible());
    list.Fill(3);
    EXPECT_FALSE(onlyBackground(list.Picture()));
    list.table->Close();
    EXPECT_TRUE(onlyBackground(list.Picture()));
    EXPECT_FALSE(list.bar->Visible());
}

TEST(DBGrid, AClickSelectsTheRowAndADoubleClickReportsIt)
{
    PhotoList list(300);
    list.Show();
    list.table->SetRecNo(150);
    // The window now shows records 145 to 150.
    Click(list.grid, list.RowCentre(2));
    EXPECT_EQ(list.table->RecNo(), 147);
    EXPECT_EQ(list.grid->Row(), 2);
    EXPECT_TRUE(list.grid->hasFocus());
    EXPECT_TRUE(list.clicked.isEmpty());

    const QPoint at = list.RowCentre(4);
    Send(list.grid, QEvent::MouseButtonPress, at);
    Send(list.grid, QEvent::MouseButtonRelease, at, Qt::NoButton);
    Send(list.grid, QEvent::MouseButtonDblClick, at);
    Send(list.grid, QEvent::MouseButtonRelease, at, Qt::NoButton);
    EXPECT_EQ(list.clicked, QStringList { PhotoName(149) });
    // Below the last record there is no row to report.
    list.Fill(3);
    list.clicked.clear();
    Send(list.grid, QEvent::MouseButtonDblClick, list.RowCentre(0) + QPoint(0, 17 * 4));
    EXPECT_EQ(list.table->RecNo(), 1);
}

TEST(DBGrid, KeysAndTheWheelMoveTheRecord)
{
    PhotoList list(300);
    list.Show();
    list.grid->setFocus();
    QTest::keyClick(list.grid, Qt::Key_Down);
    QTest::keyClick(list.grid, Qt::Key_Down);
    EXPECT_EQ(list.table->RecNo(), 3);
    QTest::keyClick(list.grid, Qt::Key_PageDown);
    EXPECT_EQ(list.table->RecNo(), 9);
    QTest::keyClick(list.grid, Qt::Key_End);
    EXPECT_EQ(list.table->RecNo(), 300);
    EXPECT_EQ(list.bar->Position(), 300);
    QTest::keyClick(list.grid, Qt::Key_Home);
    EXPECT_EQ(list.table->RecNo(), 1);

    // Without wheel support the framework grid's rule: a row at a time, within the rows
    // on screen.
    Wheel(list.grid, -120);
    EXPECT_EQ(list.table->RecNo(), 2);
    Wheel(list.grid, 120);
    Wheel(list.grid, 120);
    EXPECT_EQ(list.table->RecNo(), 1);
    list.grid->SetMouseWheelSupport(true);
    Wheel(list.grid, -120);
    Wheel(list.grid, -120);
    EXPECT_EQ(list.table->RecNo(), 3);
    Wheel(list.grid, 120);
    EXPECT_EQ(list.table->RecNo(), 2);
}

TEST(DBGrid, ColumnsComeFromTheFieldsWhenNoneAreDeclared)
{
    PhotoList list(3);
    const auto& columns = list.grid->ColumnLayout();
    ASSERT_EQ(columns.size(), 2);
    EXPECT_EQ(columns[0].FieldName, "nome_foto");
    EXPECT_EQ(columns[1].FieldName, "id_foto_escolhida");
    EXPECT_EQ(columns[1].Alignment, taRightJustify);
    EXPECT_EQ(list.grid->ColCount(), 2);
    // A field 29 characters wide is as wide as 29 zeros (and four pixels).
    const QFontMetrics m(list.grid->Font()->ToQFont());
    EXPECT_EQ(list.grid->ColWidth(0), m.horizontalAdvance('0') * 29 + 4);
    // With the skin's font the zeros are the skin font's.
    ctltest::TestSkin skin(GridRecords());
    list.grid->SetSkinData(&skin.Store());
    const QFontMetrics skinned(TFont::MakeQFont("Arial", 14, {}));
    EXPECT_EQ(list.grid->ColWidth(0), skinned.horizontalAdvance('0') * 29 + 4);
    list.grid->SetUseSkinFont(false);
    EXPECT_EQ(list.grid->ColWidth(0), m.horizontalAdvance('0') * 29 + 4);
    list.grid->SetSkinData(nullptr);

    // Declared columns replace them, in their order.
    auto* column = static_cast<TvnColumn*>(list.grid->Columns()->Add());
    column->SetFieldName("id_foto_escolhida");
    column->SetWidth(80);
    list.grid->LayoutColumns();
    ASSERT_EQ(list.grid->ColumnLayout().size(), 1);
    EXPECT_EQ(list.grid->ColWidth(0), 80);
    EXPECT_EQ(list.grid->ColumnLayout()[0].Field, list.table->FindField("id_foto_escolhida"));

    // Titles and the indicator take a fixed row and column.
    list.grid->SetOptions(list.grid->Options() | dgTitles | dgIndicator);
    EXPECT_EQ(list.grid->FixedRows(), 1);
    EXPECT_EQ(list.grid->FixedCols(), 1);
    EXPECT_EQ(list.grid->ColWidth(0), TvnSkinCustomDBGrid::kIndicatorWidth);
    EXPECT_EQ(list.grid->Row(), 1);
}

class DBGridFromDatabase : public DatabaseTest { };

TEST_F(DBGridFromDatabase, ChosenPhotosGiveTwoColumnsInFieldOrder)
{
    TForm form;
    auto* connection = new TSQLConnection(&form);
    testdb::Configure(*connection, testdb::Port());
    auto* query = new TSQLQuery(&form);
    query->SetSQLConnection(connection);
    query->SetSQL({ "SELECT nome_foto, id_foto_escolhida FROM x9_foto_escolhida",
        "WHERE id_empresa = 1 AND id_evento = 101 AND id_x9_local = 5 ORDER BY id_foto_escolhida" });
    auto* provider = new TDataSetProvider(&form);
    provider->SetName("dspFotoEscolhida");
    provider->SetDataSet(query);
    auto* table = new TClientDataSet(&form);
    table->SetProviderName("dspFotoEscolhida");
    auto* setting = static_cast<TFieldSetting*>(table->FieldSettings()->Add());
    setting->SetFieldName("nome_foto");
    setting->SetDisplayWidth(29);
    auto* source = new TDataSource(&form);
    source->SetDataSet(table);
    auto* bar = new TvnSkinScrollBar(&form);
    bar->SetKind(sbVertical);
    auto* grid = new TvnSkinDBGrid(&form);
    grid->SetParent(form.ClientWidget());
    bar->SetParent(form.ClientWidget());
    grid->SetBounds(0, 0, 407, 113);
    grid->SetOptions(dgTabs | dgRowSelect | dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
    grid->SetDefaultRowHeight(17);
    grid->SetVScrollBar(bar);
    grid->SetDataSource(source);
    table->Open();

    ASSERT_EQ(grid->ColumnLayout().size(), 2);
    EXPECT_EQ(grid->ColumnLayout()[0].FieldName, "nome_foto");
    EXPECT_EQ(grid->ColumnLayout()[1].FieldName, "id_foto_escolhida");
    const QFontMetrics m(grid->Font()->ToQFont());
    EXPECT_EQ(grid->ColWidth(0), m.horizontalAdvance('0') * 29 + 4);
    const int idWidth = table->FieldByName("id_foto_escolhida").DisplayWidth();
    EXPECT_EQ(grid->ColWidth(1), m.horizontalAdvance('0') * idWidth + 4);
    // Four chosen albums: fewer than the six rows, so no bar.
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_FALSE(bar->Visible());
    const auto snapshot = grid->TakeSnapshot();
    QStringList texts;
    for (const auto& cell : snapshot.Cells)
        texts << cell.Text;
    EXPECT_EQ(texts.mid(0, 4), (QStringList { "DSC_0301.jpg", "1007", "DSC_0302.jpg", "1008" }));
    EXPECT_EQ(texts.last(), "1010");
}

TEST(DBGrid, TheMainWindowsGridLoadsFromDeclaredData)
{
    RegisterDataClasses();
    RegisterSkinDataClasses();
    RegisterSkinControlClasses();
    TForm form;
    declared::LoadRootFromText(&form, R"(object frmTeste: TForm
  object vnSkinData1: TvnSkinData
  end
  object cdsFotoEscolhida: TClientDataSet
  end
  object dsFotoEscolhida: TDataSource
    DataSet = cdsFotoEscolhida
  end
  object gdAmpliacao: TvnSkinDBGrid
    Left = 0
    Top = 0
    Width = 407
    Height = 113
    Align = alTop
    DataSource = dsFotoEscolhida
    Options = [dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit]
    DefaultRowHeight = 17
    SkinData = vnSkinData1
    SkinDataName = 'grid'
    VScrollBar = vsbAmpliacao
    MouseWheelSupport = False
  end
  object vsbAmpliacao: TvnSkinScrollBar
    Left = 387
    Top = -1
    Width = 19
    Height = 114
    Kind = sbVertical
    SkinData = vnSkinData1
    SkinDataName = 'vscrollbar'
    Visible = False
  end
end
)",
        "frmTeste.dfm");
    auto* grid = form.ComponentByName<TvnSkinDBGrid>("gdAmpliacao");
    EXPECT_EQ(
        grid->Options(), dgTabs | dgRowSelect | dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
    EXPECT_EQ(grid->DefaultRowHeight(), 17);
    EXPECT_EQ(grid->Align(), alTop);
    EXPECT_EQ(grid->SkinDataName(), "grid");
    EXPECT_FALSE(grid->MouseWheelSupport());
    EXPECT_EQ(grid->VScrollBar(), form.FindComponent("vsbAmpliacao"));
    EXPECT_EQ(grid->DataSource(), form.FindComponent("dsFotoEscolhida"));
    EXPECT_FALSE(grid->VScrollBar()->Visible());
    // The bar, declared after the grid, is linked to it: its arrows scroll the grid.
    EXPECT_EQ(grid->VScrollBar()->LinkedControl(), grid);
    EXPECT_TRUE(grid->TCustomGrid::Options() & goRowSelect);
    EXPECT_FALSE(grid->TCustomGrid::Options() & goVertLine);
    // The chosen list arrives: the bar shows, and its arrow moves the record.
    auto* table = form.ComponentByName<TClientDataSet>("cdsFotoEscolhida");
    QList<TRow> rows;
    for (int i = 1; i <= 300; ++i)
        rows.append(TRow { PhotoName(i), i });
    table->LoadData({ { "nome_foto", db::ftString, 50 }, { "id_foto_escolhida", db::ftInteger, 0 } }, rows);
    EXPECT_TRUE(grid->VScrollBar()->Visible());
    EXPECT_EQ(grid->VScrollBar()->PageSize(), 6);
    Click(grid->VScrollBar(), grid->VScrollBar()->Layout().Increase.center());
    EXPECT_EQ(table->RecNo(), 7);
}

TEST(SkinGridGeometry, TextPlacementAndFaces)
{
    using namespace vngrid;
    const QRect cell(10, 20, 100, 17);
    const QSize text(40, 13);
    EXPECT_EQ(CellTextOrigin(cell, text, taLeftJustify, 2), QPoint(14, 22));
    EXPECT_EQ(CellTextOrigin(cell, text, taRightJustify, 2), QPoint(110 - 40 - 3, 22));
    EXPECT_EQ(CellTextOrigin(cell, text, taCenter, 2), QPoint(60 - 20, 22));
    EXPECT_EQ(CellTextOrigin(cell, text, taLeftJustify, 2, true), QPoint(67, 22));

    // The data-aware grid: the focused face only while it has the focus.
    const TGridDrawState current = gdSelected;
    EXPECT_EQ(CellFace(current, true, false, true), TvnCellFace::Selected);
    EXPECT_EQ(CellFace(current, true, true, true), TvnCellFace::Focused);
    EXPECT_EQ(CellFace(current | gdFocused, false, true, true), TvnCellFace::Focused);
    EXPECT_EQ(CellFace({}, true, true, true), TvnCellFace::Plain);
    EXPECT_EQ(CellFace(gdFixed, true, true, true), TvnCellFace::Fixed);
    // The plain engine shows every selected cell of a whole-row selection focused.
    EXPECT_EQ(CellFace(current, true, false, false), TvnCellFace::Focused);
    EXPECT_EQ(CellFace(current, false, false, false), TvnCellFace::Selected);
}

TEST(SkinGrid, ThePlainEnginesBarsRunOverAFixedRangeAndShowOnlyWhenNeeded)
{
    TForm form;
    auto* vbar = new TvnSkinScrollBar(&form);
    auto* hbar = new TvnSkinScrollBar(&form);
    auto* grid = new TvnSkinCustomGrid(&form);
    grid->SetParent(form.ClientWidget());
    vbar->SetParent(form.ClientWidget());
    hbar->SetParent(form.ClientWidget());
    vbar->SetKind(sbVertical);
    grid->SetBounds(0, 0, 300, 113);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetVScrollBar(vbar);
    grid->SetHScrollBar(hbar);
    // Three rows and three 64-pixel columns fit: no bars.
    EXPECT_FALSE(vbar->Visible());
    EXPECT_FALSE(hbar->Visible());

    grid->SetRowCount(101);
    ASSERT_TRUE(vbar->Visible());
    EXPECT_EQ(vbar->Min(), 0);
    EXPECT_EQ(vbar->Max(), TvnSkinCustomGrid::kEngineScrollMax);
    EXPECT_EQ(vbar->PageSize(), 0);
    EXPECT_EQ(vbar->Position(), 0);
    // A horizontal bar beside a visible vertical one leaves it the corner.
    grid->SetColCount(10);
    ASSERT_TRUE(hbar->Visible());
    EXPECT_TRUE(hbar->Both());

    // The last top row is the end of the range; the thumb's middle is the middle row.
    grid->SetRow(100);
    EXPECT_EQ(vbar->Position(), TvnSkinCustomGrid::kEngineScrollMax);
    const int lastTop = grid->TopRow();
    grid->Perform(msg::WM_VSCROLL, msg::SB_THUMBPOSITION, TvnSkinCustomGrid::kEngineScrollMax / 2);
    EXPECT_NEAR(grid->TopRow(), 1 + (lastTop - 1) / 2, 1);
    grid->Perform(msg::WM_VSCROLL, msg::SB_TOP, 0);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(vbar->Position(), 0);
    grid->Perform(msg::WM_VSCROLL, msg::SB_LINEDOWN, 0);
    EXPECT_EQ(grid->TopRow(), 2);
    EXPECT_GT(vbar->Position(), 0);

    grid->SetRowCount(2);
    EXPECT_FALSE(vbar->Visible());
    EXPECT_FALSE(hbar->Both());
}

TEST(SkinGrid, TheDefaultLookAndTheWallpaper)
{
    PhotoList list(300);
    list.table->SetRecNo(3);
    const QRect current = list.grid->CellRect(0, list.grid->Row());
    const QRect other = list.grid->CellRect(0, list.grid->Row() + 1);
    QImage picture = list.Picture();
    EXPECT_EQ(picture.pixel(current.right() - 2, current.center().y()), ToQColor(clr::clHighlight).rgb());
    EXPECT_EQ(picture.pixel(other.right() - 2, other.center().y()), ToQColor(list.grid->Color()).rgb());

    // A wallpaper makes the grid see-through: the picture shows between the texts.
    QImage wallpaper(8, 8, QImage::Format_RGB32);
    wallpaper.fill(QColor(0x12, 0x34, 0x56));
    list.grid->SetWallpaper(wallpaper);
    EXPECT_TRUE(list.grid->Transparent());
    picture = list.Picture();
    EXPECT_EQ(picture.pixel(other.right() - 2, other.center().y()), QColor(0x12, 0x34, 0x56).rgb());
}

TEST(DBGrid, AColumnSizedByHandKeepsItsWidthWhileTheRecordMoves)
{
    PhotoList list(300);
    list.grid->SetOptions(list.grid->Options() | dgTitles | dgColumnResize);
    list.Show();
    const int before = list.grid->ColWidth(0);
    const int line = list.grid->CellRect(0, 0).right() + 1;
    Send(list.grid, QEvent::MouseButtonPress, QPoint(line, 8));
    Send(list.grid, QEvent::MouseMove, QPoint(line - 40, 8));
    Send(list.grid, QEvent::MouseButtonRelease, QPoint(line - 40, 8), Qt::NoButton);
    EXPECT_EQ(list.grid->ColWidth(0), before - 40);
    list.table->SetRecNo(200);
    list.grid->SetHeight(150);
    EXPECT_EQ(list.grid->ColWidth(0), before - 40);
    EXPECT_EQ(list.grid->ColumnLayout()[0].Width, before - 40);
    // A new layout of the data set's fields starts from their display widths again.
    list.Fill(10);
    EXPECT_EQ(list.grid->ColWidth(0), before);
}

TEST(DBGrid, ClickAndDrawingEventsSeeTheirColumnAndRecord)
{
    PhotoList list(300);
    list.grid->SetOptions(list.grid->Options() | dgTitles);
    list.Show();
    QStringList clicks;
    list.grid->OnCellClick = [&](TvnColumn* c) { clicks << "cell " + c->FieldName(); };
    list.grid->OnTitleClick = [&](TvnColumn* c) { clicks << "title " + c->FieldName(); };
    Click(list.grid, list.grid->CellRect(1, 2).center());
    Click(list.grid, list.grid->CellRect(0, 0).center());
    EXPECT_EQ(clicks, (QStringList { "cell id_foto_escolhida", "title nome_foto" }));
    EXPECT_EQ(list.table->RecNo(), 2);

    // A handler marks the cell of record 4's id; the active record is the cell's while it
    // runs, and the current one again after.
    QStringList seen;
    list.grid->OnDrawColumnCell
        = [&](QObject*, QPainter* canvas, QRect rect, int dataCol, TvnColumn* column, TGridDrawState) {
              const QString name = list.table->FieldByName("nome_foto").AsString();
              if (dataCol == 0) seen << name;
              if (column->FieldName() == "id_foto_escolhida" && name == PhotoName(4))
                  canvas->fillRect(rect, Qt::red);
          };
    const QImage picture = list.Picture();
    EXPECT_EQ(seen, (QStringList { PhotoName(1), PhotoName(2), PhotoName(3), PhotoName(4), PhotoName(5) }));
    EXPECT_EQ(list.table->FieldByName("nome_foto").AsString(), PhotoName(2));
    const QRect marked = list.grid->CellRect(1, 4);
    EXPECT_EQ(picture.pixel(marked.center()), QColor(Qt::red).rgb());
    EXPECT_NE(picture.pixel(list.grid->CellRect(1, 3).center()), QColor(Qt::red).rgb());

    // Without default drawing the handler alone draws: the current row shows no selection.
    const QRect current = list.grid->CellRect(0, list.grid->Row());
    EXPECT_EQ(picture.pixel(current.x() + 2, current.center().y()), ToQColor(clr::clHighlight).rgb());
    list.grid->SetDefaultDrawing(false);
    EXPECT_EQ(
        list.Picture().pixel(current.x() + 2, current.center().y()), ToQColor(list.grid->Color()).rgb());
}

TEST(DBGrid, ASkinChangeTakesTheNewRowHeightAndTheBarFollows)
{
    ctltest::TestSkin skin(GridRecords());
    PhotoList list(300, &skin.Store());
    list.table->SetRecNo(100);
    ASSERT_EQ(list.grid->DefaultRowHeight(), 20);
    ASSERT_EQ(list.bar->PageSize(), 5);
    // A skin whose select face is 15 pixels high: seven rows fit.
    QByteArray records = GridRecords();
    records.replace("selectcellrect=100,0,150,20", "selectcellrect=100,0,150,15");
    list.grid->Perform(msg::SKINMSG_BEFORE_CHANGE, 0, 0);
    skin.Reload(records);
    list.grid->Perform(msg::SKINMSG_CHANGE, 0, 0);
    EXPECT_EQ(list.grid->DefaultRowHeight(), 15);
    EXPECT_EQ(list.grid->VisibleDataRows(), 7);
    EXPECT_EQ(list.bar->PageSize(), 7);
    EXPECT_EQ(list.bar->Max(), 300 + 7 - 1);
    EXPECT_EQ(list.bar->Position(), 100);
    EXPECT_EQ(list.table->RecNo(), 100);

    // A record without a fixed face is no grid record: the default look, its row height.
    records.replace("fixedcellrect=150,0,180,20", "fixedcellrect=0,0,0,0");
    list.grid->Perform(msg::SKINMSG_BEFORE_CHANGE, 0, 0);
    skin.Reload(records);
    list.grid->Perform(msg::SKINMSG_CHANGE, 0, 0);
    EXPECT_EQ(list.grid->GridRecord(), nullptr);
    EXPECT_EQ(list.grid->DefaultRowHeight(), list.grid->DefaultCellHeight());
    const QImage picture = list.Picture();
    const QRect current = list.grid->CellRect(0, list.grid->Row());
    EXPECT_EQ(picture.pixel(current.right() - 2, current.center().y()), ToQColor(clr::clHighlight).rgb());
}

// The handler reads each shown row as the active record while the snapshot is gathered;
// the data set never moves, and a handler that throws still leaves the fields on the
// current record (editing it afterwards must not write another row's values).
TEST(DBGrid, ACellParameterHandlerReadsEachRowWhileTheCurrentRecordStays)
{
    ctltest::TestSkin skin(GridRecords());
    PhotoList list(300, &skin.Store());
    list.table->SetRecNo(100);
    QStringList seen;
    QList<int> recNos;
    list.grid->OnGetCellParam = [&](QObject*, TvnColumn* column, TGridDrawState, TColor&, TFont*) {
        if (column->FieldName() == "nome_foto") seen << list.table->FieldByName("nome_foto").AsString();
        recNos << list.table->RecNo();
    };
    list.Picture();
    // Five 20-pixel rows of the test skin: records 96 to 100, two columns each.
    EXPECT_EQ(
        seen, QStringList({ PhotoName(96), PhotoName(97), PhotoName(98), PhotoName(99), PhotoName(100) }));
    EXPECT_EQ(recNos, QList<int>(10, 100));
    EXPECT_EQ(list.table->FieldByName("nome_foto").AsString(), PhotoName(100));

    list.grid->OnGetCellParam = [&](QObject*, TvnColumn*, TGridDrawState, TColor&, TFont*) {
        if (list.table->FieldByName("nome_foto").AsString() == PhotoName(97)) throw Exception("handler");
    };
    EXPECT_THROW(list.Picture(), Exception);
    EXPECT_EQ(list.table->RecNo(), 100);
    EXPECT_EQ(list.table->FieldByName("nome_foto").AsString(), PhotoName(100));
    list.table->Edit();
    list.table->FieldByName("id_foto_escolhida").SetAsInteger(1);
    list.table->Post();
    list.table->SetRecNo(97);
    EXPECT_EQ(list.table->FieldByName("id_foto_escolhida").AsInteger(), 5097);
    list.table->SetRecNo(100);
    EXPECT_EQ(list.table->FieldByName("id_foto_escolhida").AsInteger(), 1);
}

TEST(DBGrid, ACellParameterHandlerColoursTheCellsItChooses)
{
    ctltest::TestSkin skin(GridRecords());
    PhotoList list(300, &skin.Store());
    // Even ids on a blue ground: the handler reads the cell's own record.
    list.grid->OnGetCellParam
        = [&](QObject*, TvnColumn* column, TGridDrawState, TColor& background, TFont* font) {
              if (list.table->FieldByName("id_foto_escolhida").AsInteger() % 2 == 0) background = 0xFF0000;
              if (column->FieldName() == "nome_foto") font->SetColor(0x00FF00);
          };
    const QImage picture = list.Picture();
    const QRect odd = list.grid->CellRect(1, 2); // record 3, id 5003
    const QRect even = list.grid->CellRect(1, 3); // record 4, id 5004
    EXPECT_EQ(picture.pixel(odd.x() + 3, odd.center().y()), kBackground);
    EXPECT_EQ(picture.pixel(even.x() + 3, even.center().y()), QColor(0, 0, 0xFF).rgb());
    int green = 0;
    const QRect name = list.grid->CellRect(0, 2);
    for (int y = name.top(); y <= name.bottom(); ++y)
        for (int x = name.left(); x < name.left() + 100; ++x)
            green += picture.pixel(x, y) == QColor(0, 0xFF, 0).rgb();
    EXPECT_GT(green, 10);
}
