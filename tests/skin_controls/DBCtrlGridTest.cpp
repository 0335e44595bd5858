// The data text and the control grid on a real in-memory table filled from the test
// database: the live panel follows the current row through every navigation, the copies
// of the other panels show their own rows, and the choice keys reach the handlers.
#include "skin/controls/vndbctrls/DBCtrlGrid.h"

#include "ControlSkin.h"
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "framework/Form.h"
#include "framework/declared/DeclaredLoader.h"
#include "framework/stdctrls/Button.h"
#include "platform/Keys.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vnSkinCtrls/SkinControlClasses.h"
#include "skin/controls/vndbctrls/DBText.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "support/QueryTable.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QDir>
#include <QMap>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>

namespace {

// The search window's list: five caption labels and five data texts per panel.
const char* const kGridForm = R"(object frmGrade: TForm
  object gdNova: TvnSkinDBCtrlGrid
    Left = 1
    Top = 1
    Width = 783
    Height = 265
    RowCount = 5
    PanelHeight = 53
    PanelWidth = 764
    object vnSkinStdLabel17: TvnSkinStdLabel
      Left = 4
      Top = 1
      Caption = 'Nome'
    end
    object vnSkinDBText12: TvnSkinDBText
      Left = 4
      Top = 11
      Width = 253
      Height = 24
      DataField = 'nome'
      Font.Height = -21
      Font.Name = 'Times New Roman'
      Font.Style = [fsBold]
      ParentFont = False
      UseSkinFont = False
      Transparent = True
      ShowAccelChar = False
    end
    object vnSkinStdLabel18: TvnSkinStdLabel
      Left = 372
      Top = 1
      Caption = 'Data Evento'
    end
    object vnSkinDBText2: TvnSkinDBText
      Left = 374
      Top = 12
      Width = 114
      Height = 18
      DataField = 'data_evento'
      Font.Height = -16
      Font.Name = 'Times New Roman'
      Font.Style = [fsBold]
      ParentFont = False
      UseSkinFont = False
    end
    object vnSkinStdLabel1: TvnSkinStdLabel
      Left = 580
      Top = 1
      Caption = 'Tipo Evento'
    end
    object vnSkinDBText1: TvnSkinDBText
      Left = 582
      Top = 11
      Width = 179
      Height = 21
      DataField = 'descricao'
      Font.Height = -21
      Font.Name = 'Times New Roman'
      Font.Style = [fsBold]
      ParentFont = False
      UseSkinFont = False
    end
    object vnSkinStdLabel2: TvnSkinStdLabel
      Left = 4
      Top = 35
      Caption = 'Hora'
    end
    object vnSkinDBText4: TvnSkinDBText
      Left = 35
      Top = 33
      Width = 114
      Height = 18
      DataField = 'hora'
      Font.Height = -16
      Font.Name = 'Times New Roman'
      Font.Style = [fsBold]
      ParentFont = False
      UseSkinFont = False
    end
    object vnSkinStdLabel4: TvnSkinStdLabel
      Left = 582
      Top = 37
      Caption = 'Codigo Cliente'
    end
    object vnSkinDBText3: TvnSkinDBText
      Left = 654
      Top = 33
      Width = 81
      Height = 18
      DataField = 'id_evento'
      Font.Height = -16
      Font.Name = 'Times New Roman'
      Font.Style = [fsBold]
      ParentFont = False
      UseSkinFont = False
    end
  end
end
)";

// Every event of the fixture, in the search window's order, with its type's name.
const char* const kAllEvents = "select e.id_evento, e.nome, e.data_evento, t.descricao, e.hora from evento e "
                               "join tipo_evento t on t.id_tipo_evento = e.id_tipo_evento "
                               "order by e.data_evento, e.nome";

// An in-memory table of the rows `sql` selects, and a data source on it.
struct EventTable : testdb::QueryTable {
    using QueryTable::QueryTable;
    QString Value(int row, int column) const { return table->Rows().at(row).at(column).toString(); }
    QString CurrentName() { return table->FieldByName("nome").AsString(); }
};

class DBCtrlGridTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (HasFatalFailure()) return;
        RegisterSkinControlClasses();
        events.reset(new EventTable(kAllEvents));
        form.reset(new TForm);
        declared::LoadRootFromText(form.get(), QString::fromLatin1(kGridForm), "grid.dfm");
        grid = form->ComponentByName<TvnSkinDBCtrlGrid>("gdNova");
        name = form->ComponentByName<TvnSkinDBText>("vnSkinDBText12");
        code = form->ComponentByName<TvnSkinDBText>("vnSkinDBText3");
        grid->SetDataSource(events->source);
        // As the search window's list: the data module declares it read-only.
        events->table->SetReadOnly(true);
        form->resize(800, 280);
    }
    void TearDown() override
    {
        form.reset();
        events.reset();
    }

    void ShowFocused()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        grid->setFocus();
        ASSERT_TRUE(testenv::waitFor([&] { return grid->hasFocus(); }));
    }

    // Lets the screen repaint what the last change asked for.
    static void Settle()
    {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            QTest::qWait(10);
        }
    }

    // The live panel sits on the active record's panel and shows the current row.
    void ExpectLivePanelAt(int recNo, int panel)
    {
        TDataSet* ds = events->table;
        EXPECT_EQ(ds->RecNo(), recNo);
        EXPECT_EQ(grid->CurrentPanel(), panel);
        EXPECT_EQ(grid->DataLink().ActiveRecord(), panel);
        EXPECT_EQ(grid->LivePanel()->geometry(), grid->PanelRect(panel));
        EXPECT_FALSE(grid->LivePanel()->isHidden());
        EXPECT_EQ(name->Caption(), events->CurrentName());
        EXPECT_EQ(code->Caption(), events->Value(recNo - 1, 0));
    }

    QPoint PanelCentre(int index) const { return grid->PanelRect(index).center(); }

    // The grid as the window's picture holds it (not painted again to be read).
    QImage OnScreen() const
    {
        const QImage window = form->screen()->grabWindow(form->winId()).toImage();
        return window.copy(QRect(grid->mapTo(form.get(), QPoint(0, 0)), grid->size()))
            .convertToFormat(QImage::Format_RGB32);
    }
    // The whole grid painted afresh.
    QImage Fresh() const { return grid->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    std::unique_ptr<EventTable> events;
    std::unique_ptr<TForm> form;
    TvnSkinDBCtrlGrid* grid = nullptr;
    TvnSkinDBText* name = nullptr;
    TvnSkinDBText* code = nullptr;
};

TEST_F(DBCtrlGridTest, DeclaredControlsLiveOnThePanelOnceAndTakeTheGridsSource)
{
    EXPECT_EQ(grid->size(), QSize(783, 265));
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->PanelCount(), 5);
    EXPECT_EQ(grid->LivePanel()->findChildren<TControl*>().size(), 10);
    EXPECT_EQ(name->parentWidget(), grid->LivePanel());
    EXPECT_EQ(name->DataSource(), events->source);
    EXPECT_TRUE(name->DataLink().DataSourceFixed());
    // Closed: no panel holds a record; the texts keep their placeholder.
    EXPECT_EQ(grid->FilledPanels(), 0);
    EXPECT_TRUE(grid->LivePanel()->isHidden());
    EXPECT_EQ(name->Caption(), "-");

    events->Open();
    EXPECT_EQ(events->table->RecordCount(), 7);
    EXPECT_EQ(grid->FilledPanels(), 5);
    ExpectLivePanelAt(1, 0);
    EXPECT_EQ(grid->ScrollBar()->Range().Min, 1);
    EXPECT_EQ(grid->ScrollBar()->Range().Max, 11);
    EXPECT_EQ(grid->ScrollBar()->Range().PageSize, 5);
}

TEST_F(DBCtrlGridTest, TheLivePanelFollowsEveryKeyAndClick)
{
    events->Open();
    ShowFocused();
    auto key = [&](Qt::Key k) { QTest::keyClick(grid, k); };
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Down);
    ExpectLivePanelAt(5, 4);
    // Past the last buffered row the rows scroll and the new one shows in the last panel.
    key(Qt::Key_Down);
    ExpectLivePanelAt(6, 4);
    key(Qt::Key_Down);
    key(Qt::Key_Down); // the last row: a read-only table appends nothing
    ExpectLivePanelAt(7, 4);
    EXPECT_EQ(events->table->RecordCount(), 7);
    key(Qt::Key_Up);
    ExpectLivePanelAt(6, 3);
    key(Qt::Key_Home);
    ExpectLivePanelAt(1, 0);
    key(Qt::Key_End);
    ExpectLivePanelAt(7, 4);
    // A page back from the last row stops at the first row's window.
    key(Qt::Key_PageUp);
    ExpectLivePanelAt(2, 1);
    key(Qt::Key_PageDown);
    ExpectLivePanelAt(7, 4);
    key(Qt::Key_Left);
    ExpectLivePanelAt(6, 3);
    key(Qt::Key_Right);
    ExpectLivePanelAt(7, 4);
    // The buffer shows rows 3 to 7; a click on the third panel makes row 5 current.
    QTest::mouseClick(grid, Qt::LeftButton, {}, PanelCentre(2));
    ExpectLivePanelAt(5, 2);
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->ScrollBar()->Position(), 5);
}

TEST_F(DBCtrlGridTest, TheScrollBarMovesTheRowsAndFollowsThem)
{
    events->Open();
    ShowFocused();
    TvnSkinScrollBar* bar = grid->ScrollBar();
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->geometry(), QRect(764, 0, 19, 265));
    // A page on from the first row runs into the end: the last row's window, one back.
    bar->OnPageDown(bar);
    ExpectLivePanelAt(6, 3);
    EXPECT_EQ(bar->Position(), 6);
    bar->OnDownButtonClick(bar); // a line back: the rows move, the panel stays
    ExpectLivePanelAt(5, 3);
    bar->OnPageUp(bar);
    ExpectLivePanelAt(1, 0);
    bar->SetPosition(4);
    bar->OnLastChange(bar);
    ExpectLivePanelAt(4, 3);
    bar->SetPosition(9); // past the last row's number: the last row
    bar->OnLastChange(bar);
    ExpectLivePanelAt(7, 4);
    bar->SetPosition(1);
    bar->OnLastChange(bar);
    ExpectLivePanelAt(1, 0);
}

TEST_F(DBCtrlGridTest, EveryPanelIsPaintedForItsOwnRecord)
{
    events->Open();
    events->table->SetRecNo(6); // the window holds rows 2 to 6, the live panel the last
    ExpectLivePanelAt(6, 4);
    // What the panel's data texts read while each panel is painted.
    QMap<int, QString> painted;
    grid->OnPaintPanel = [&](QObject* sender, int index, QPainter* canvas, QRect client) {
        EXPECT_EQ(sender, grid);
        EXPECT_NE(canvas, nullptr);
        EXPECT_EQ(client.size(), QSize(764, 53));
        painted[index] = name->FieldText() + "|" + code->FieldText();
    };
    const int before = grid->PanelsDrawn();
    const QImage picture = grid->grab().toImage();
    EXPECT_EQ(grid->PanelsDrawn() - before, 4);
    ASSERT_EQ(painted.size(), 5);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(painted.value(k), events->Value(1 + k, 1) + "|" + events->Value(1 + k, 0)) << "panel " << k;
    // Painting copies leaves the current row and the live texts as they were.
    ExpectLivePanelAt(6, 4);
    // The copies differ where their texts do: rows with other names give other pixels.
    const QImage first = picture.copy(grid->PanelRect(0));
    const QImage second = picture.copy(grid->PanelRect(1));
    EXPECT_NE(first, second);
    EXPECT_EQ(first.pixel(1, 52), second.pixel(1, 52)); // the face under the texts is one
}

TEST_F(DBCtrlGridTest, KeptPicturesFollowTheRowsAndTheCaptions)
{
    events->Open();
    auto panel = [&](const QImage& picture, int index) { return picture.copy(grid->PanelRect(index)); };
    const QImage first = grid->grab().toImage(); // rows 1 to 5, the live panel on row 1
    events->table->SetRecNo(5);
    const QImage live = grid->grab().toImage(); // the same rows, the live panel on row 5
    // A row looks the same on the live panel as on a copy.
    EXPECT_EQ(panel(live, 4), panel(first, 4));
    EXPECT_EQ(panel(live, 0), panel(first, 0));
    events->table->SetRecNo(7);
    const QImage scrolled = grid->grab().toImage(); // rows 3 to 7
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(panel(scrolled, k), panel(first, k + 2)) << "panel " << k;
    EXPECT_NE(panel(scrolled, 0), panel(first, 0));
    // A caption changed on the live panel shows on every copy at once.
    form->ComponentByName<TvnSkinStdLabel>("vnSkinStdLabel17")->SetCaption("Cliente");
    const QImage renamed = grid->grab().toImage();
    for (int k = 0; k < 5; ++k)
        EXPECT_NE(panel(renamed, k), panel(scrolled, k)) << "panel " << k;
}

TEST_F(DBCtrlGridTest, ASkinChangeRedrawsTheLivePanelAndEveryCopy)
{
    ctltest::TestSkin skin;
    new TvnVeneerform(form.get()); // relays the skin notifications to the controls
    grid->SetSkinData(&skin.Store());
    events->Open();
    // A point of each panel's middle that no text covers.
    auto middle = [&](const QImage& picture, int index) {
        return picture.pixel(grid->PanelRect(index).topLeft() + QPoint(300, 45));
    };
    const QImage skinned = grid->grab().toImage();
    EXPECT_NE(grid->LivePanel()->SkinRecordIndex(), -1);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(middle(skinned, k), ctltest::kPanelClient) << "panel " << k;
    skin.Store().BroadcastSkinMessage(msg::SKINMSG_BEFORE_CHANGE);
    skin.Store().ClearSkin();
    skin.Store().BroadcastSkinMessage(msg::SKINMSG_CHANGE);
    skin.Store().BroadcastSkinMessage(msg::SKINMSG_AFTER_CHANGE);
    const QImage plain = grid->grab().toImage();
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(middle(plain, k), ToQColor(clr::clBtnFace).rgb()) << "panel " << k;
    EXPECT_EQ(grid->size(), QSize(783, 265));
}

TEST_F(DBCtrlGridTest, ARowMoveRepaintsOnlyThePanelsThatChange)
{
    events->Open();
    ShowFocused();
    Settle();
    int drawn = grid->PanelsDrawn();
    events->table->Next(); // inside the buffer: only the panel the live one left changes
    Settle();
    EXPECT_EQ(grid->PanelsDrawn() - drawn, 1);
    events->table->SetRecNo(5);
    Settle();
    drawn = grid->PanelsDrawn();
    // The rows scroll: the pixels of the rows still shown move, and only the panel where
    // the live panel's pixels landed is painted as a copy.
    events->table->Next();
    Settle();
    EXPECT_EQ(grid->PanelsDrawn() - drawn, 1);
    ExpectLivePanelAt(6, 4);
}

// What the screen shows after the rows scrolled by moving pixels is what painting the
// whole grid afresh gives: forwards and backwards, by one row and by several, with the
// live panel at either end.
TEST_F(DBCtrlGridTest, AScrolledGridShowsWhatAFreshPaintShows)
{
    events->Open();
    ShowFocused();
    Settle();
    ASSERT_EQ(OnScreen(), Fresh());
    const struct {
        const char* What;
        std::function<void()> Move;
        int RecNo;
        // Copies painted: inside the rows shown, the one the live panel left; when they
        // scroll, the uncovered ones but the live panel's and the one the live panel's
        // pixels landed on.
        int Copies;
    } steps[] = {
        { "to the last shown row", [&] { events->table->SetRecNo(5); }, 5, 1 },
        { "two rows on", [&] { events->table->MoveBy(2); }, 7, 2 },
        { "to the first shown row", [&] { events->table->MoveBy(-4); }, 3, 1 },
        { "one row back", [&] { events->table->Prior(); }, 2, 1 },
        { "to the last shown row again", [&] { events->table->MoveBy(4); }, 6, 1 },
        { "one row on", [&] { events->table->Next(); }, 7, 1 },
        { "two rows back", [&] { events->table->MoveBy(-6); }, 1, 2 },
    };
    for (const auto& step : steps) {
        const int drawn = grid->PanelsDrawn();
        step.Move();
        Settle();
        ASSERT_EQ(events->table->RecNo(), step.RecNo) << step.What;
        EXPECT_EQ(grid->PanelsDrawn() - drawn, step.Copies) << step.What;
        EXPECT_EQ(OnScreen(), Fresh()) << step.What;
    }
}

// The same after the rows scrolled twice before the screen was painted (the first
// scroll's uncovered panels still to be painted when the second moves them), and after
// line moves of the scroll bar, which keep the live panel inside the rows that move.
TEST_F(DBCtrlGridTest, RowsScrolledTwiceOrPastAStillLivePanelShowWhatAFreshPaintShows)
{
    events->Open();
    ShowFocused();
    Settle();
    const struct {
        const char* What;
        std::function<void()> Move;
        int RecNo;
        int Panel;
    } steps[] = {
        { "to the last shown row", [&] { events->table->SetRecNo(5); }, 5, 4 },
        { "one row on, twice", [&] { events->table->Next(), events->table->Next(); }, 7, 4 },
        { "to the first shown row", [&] { events->table->MoveBy(-4); }, 3, 0 },
        { "one row back, twice", [&] { events->table->Prior(), events->table->Prior(); }, 1, 0 },
        { "to the middle row", [&] { events->table->SetRecNo(3); }, 3, 2 },
        { "a line on", [&] { grid->ExecuteCommand(TvnSkinDBCtrlGrid::kLineForward); }, 4, 2 },
        { "a line back", [&] { grid->ExecuteCommand(TvnSkinDBCtrlGrid::kLineBack); }, 3, 2 },
    };
    for (const auto& step : steps) {
        step.Move();
        Settle();
        ASSERT_EQ(events->table->RecNo(), step.RecNo) << step.What;
        ASSERT_EQ(grid->CurrentPanel(), step.Panel) << step.What;
        EXPECT_EQ(OnScreen(), Fresh()) << step.What;
    }
}

TEST_F(DBCtrlGridTest, EnterAndDoubleClickReachTheHandlersWithTheRowUnchanged)
{
    events->Open();
    ShowFocused();
    events->table->SetRecNo(3);
    QList<int> keys;
    int recNoAtKey = 0;
    grid->OnKeyDown = [&](QObject* sender, int& key, TShiftState) {
        EXPECT_EQ(sender, grid);
        keys << key;
        recNoAtKey = events->table->RecNo();
    };
    int doubleClicks = 0;
    grid->OnDblClick = [&](QObject* sender) {
        EXPECT_EQ(sender, grid);
        ++doubleClicks;
    };
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(keys, QList<int> { vk::VK_RETURN });
    EXPECT_EQ(recNoAtKey, 3);
    ExpectLivePanelAt(3, 2);
    QTest::mouseDClick(grid, Qt::LeftButton, {}, PanelCentre(2));
    EXPECT_EQ(doubleClicks, 1);
    ExpectLivePanelAt(3, 2);
    // A double click on another panel makes its row current first, then chooses it.
    QTest::mouseDClick(grid, Qt::LeftButton, {}, PanelCentre(0));
    EXPECT_EQ(doubleClicks, 2);
    ExpectLivePanelAt(1, 0);
    // A handler that takes the key away keeps it from the grid.
    grid->OnKeyDown = [&](QObject*, int& key, TShiftState) { key = 0; };
    QTest::keyClick(grid, Qt::Key_Down);
    ExpectLivePanelAt(1, 0);
}

TEST_F(DBCtrlGridTest, ThePanelsClicksAreTheGridsAndALabelOnTheLivePanelHearsItsOwn)
{
    events->Open();
    ShowFocused();
    QStringList heard;
    grid->OnMouseDown = [&](QObject* sender, TMouseButton, TShiftState, int x, int y) {
        EXPECT_EQ(sender, grid);
        heard << QString("grid %1,%2 row %3").arg(x).arg(y).arg(events->table->RecNo());
    };
    name->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int x, int y) {
        heard << QString("name %1,%2").arg(x).arg(y);
    };
    QWindow* window = form->windowHandle();
    auto click = [&](QWidget* w, QPoint p) {
        QTest::mouseClick(window, Qt::LeftButton, {}, w->mapTo(form.get(), p));
    };
    // Another panel: the row moves first, then the grid hears the press.
    const QPoint onThird = PanelCentre(2) + QPoint(200, 0);
    click(grid, onThird);
    ExpectLivePanelAt(3, 2);
    EXPECT_EQ(heard, QStringList({ QString("grid %1,%2 row 3").arg(onThird.x()).arg(onThird.y()) }));
    heard.clear();
    // The live panel lets its empty parts' presses through to the grid.
    QWidget* panel = grid->LivePanel();
    QPoint empty(panel->width() - 4, panel->height() - 4);
    ASSERT_EQ(panel->childAt(empty), nullptr);
    click(panel, empty);
    const QPoint inGrid = panel->mapTo(grid, empty);
    EXPECT_EQ(heard, QStringList({ QString("grid %1,%2 row 3").arg(inGrid.x()).arg(inGrid.y()) }));
    heard.clear();
    // A label on the live panel is a control of its own.
    click(name, { 5, 6 });
    EXPECT_EQ(heard, QStringList({ "name 5,6" }));
}

TEST_F(DBCtrlGridTest, InsertAppendDeleteAndCancelChangeAModifiableCopyOnly)
{
    events->table->SetReadOnly(false);
    events->Open();
    ShowFocused();
    TDataSet* ds = events->table;
    auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(grid, k, m); };
    events->table->SetRecNo(2);
    key(Qt::Key_Insert);
    EXPECT_EQ(ds->State(), db::dsInsert);
    EXPECT_EQ(ds->RecordCount(), 8);
    ExpectLivePanelAt(2, 1);
    EXPECT_EQ(name->Caption(), "") << "the new record's panel shows empty fields";
    key(Qt::Key_Escape);
    EXPECT_EQ(ds->State(), db::dsBrowse);
    EXPECT_EQ(ds->RecordCount(), 7);
    ExpectLivePanelAt(2, 1);

    // Ctrl+Insert appends at the end, and the panels follow it there.
    key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(ds->State(), db::dsInsert);
    EXPECT_EQ(ds->RecNo(), 8);
    EXPECT_EQ(grid->CurrentPanel(), 4);
    // Moving back from a new record nobody typed into drops it.
    key(Qt::Key_Up);
    EXPECT_EQ(ds->RecordCount(), 7);
    EXPECT_EQ(ds->State(), db::dsBrowse);

    // Down from the last record appends one; Down again leaves the untouched one alone.
    key(Qt::Key_End);
    key(Qt::Key_Down);
    EXPECT_EQ(ds->State(), db::dsInsert);
    EXPECT_EQ(ds->RecordCount(), 8);
    key(Qt::Key_Down);
    EXPECT_EQ(ds->RecordCount(), 8);
    key(Qt::Key_Escape);
    EXPECT_EQ(ds->RecordCount(), 7);

    // Ctrl+Delete deletes the current record; the next one takes its panel.
    events->table->SetRecNo(3);
    const QString next = events->Value(3, 1);
    key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(ds->RecordCount(), 6);
    EXPECT_EQ(events->CurrentName(), next);
    EXPECT_EQ(name->Caption(), next);

    // Refused where the grid or the table does not allow it.
    grid->SetAllowDelete(false);
    key(Qt::Key_Delete, Qt::ControlModifier);
    grid->SetAllowInsert(false);
    key(Qt::Key_Insert);
    key(Qt::Key_End);
    key(Qt::Key_Down);
    EXPECT_EQ(ds->RecordCount(), 6);
    EXPECT_EQ(ds->State(), db::dsBrowse);
}

TEST_F(DBCtrlGridTest, AnEmptyOrClosedTableStillLetsADoubleClickChoose)
{
    int doubleClicks = 0;
    grid->OnDblClick = [&](QObject*) { ++doubleClicks; };
    ShowFocused();
    // Closed: no panel at all, only empty copies; a double click anywhere still chooses.
    QTest::mouseDClick(grid, Qt::LeftButton, {}, PanelCentre(3));
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(grid->FilledPanels(), 0);
    EXPECT_TRUE(grid->LivePanel()->isHidden());
    QTest::keyClick(grid, Qt::Key_Down); // nothing to move
    EXPECT_EQ(grid->FilledPanels(), 0);

    // Open but empty: the live panel stands alone with empty texts.
    EventTable empty("select id_evento, nome from evento where id_empresa = 99");
    grid->SetDataSource(empty.source);
    empty.Open();
    EXPECT_EQ(empty.table->RecordCount(), 0);
    EXPECT_EQ(grid->FilledPanels(), 1);
    EXPECT_EQ(grid->CurrentPanel(), 0);
    EXPECT_EQ(name->Caption(), "");
    EXPECT_EQ(name->DataSource(), empty.source);
    QTest::mouseDClick(grid, Qt::LeftButton, {}, PanelCentre(3));
    EXPECT_EQ(doubleClicks, 2);
    grid->SetDataSource(nullptr);
}

TEST_F(DBCtrlGridTest, AControlOnThePanelIsReachedByF2AndItsKeysGoThroughTheGrid)
{
    auto* button = new TButton(form.get());
    button->SetParent(grid->LivePanel());
    button->SetBounds(300, 30, 60, 20);
    button->SetTabStop(true);
    events->Open();
    ShowFocused();
    QList<QObject*> senders;
    grid->OnKeyDown = [&](QObject* sender, int&, TShiftState) { senders << sender; };
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_TRUE(testenv::waitFor(
        [&] { return button->isAncestorOf(QApplication::focusWidget()) || button->hasFocus(); }));
    // Esc on the panel's control: the grid's handler sees it first, then the grid
    // takes the focus back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(testenv::waitFor([&] { return grid->hasFocus(); }));
    ASSERT_EQ(senders.size(), 2);
    EXPECT_EQ(senders.at(0), grid);
    EXPECT_EQ(senders.at(1), button);
    // The copies of the other panels show the button too: the same picture on every
    // copy, not the bare face beside it.
    const QImage picture = grid->grab().toImage();
    auto area = [&](int panel, int left) {
        return picture.copy(QRect(grid->PanelRect(panel).topLeft() + QPoint(left, 30), QSize(60, 20)));
    };
    EXPECT_EQ(area(1, 300), area(2, 300));
    EXPECT_EQ(area(1, 300), area(3, 300));
    EXPECT_NE(area(1, 300), area(1, 200));
}

TEST_F(DBCtrlGridTest, TabMovesThroughThePanelsControlsAndOnToTheNextRecord)
{
    auto* first = new TButton(form.get());
    auto* second = new TButton(form.get());
    first->SetParent(grid->LivePanel());
    second->SetParent(grid->LivePanel());
    first->SetBounds(300, 5, 60, 20);
    second->SetBounds(300, 28, 60, 20);
    first->SetTabOrder(0);
    second->SetTabOrder(1);
    events->Open();
    ShowFocused();
    auto focusedIn = [](TButton* b) { return b->PushButton()->hasFocus(); };
    QTest::keyClick(grid, Qt::Key_Return); // Enter on the grid goes into the panel
    ASSERT_TRUE(testenv::waitFor([&] { return focusedIn(first); }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(testenv::waitFor([&] { return focusedIn(second); }));
    EXPECT_EQ(events->table->RecNo(), 1);
    // Past the last control: the next record, its first control.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(testenv::waitFor([&] { return focusedIn(first); }));
    ExpectLivePanelAt(2, 1);
    // Back past the first control: the record before, its last control.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(testenv::waitFor([&] { return focusedIn(second); }));
    ExpectLivePanelAt(1, 0);
}

TEST_F(DBCtrlGridTest, ADataTextShowsADashUntilOpenedThenTheValueThenNothing)
{
    TvnSkinDBText text;
    EXPECT_EQ(text.Caption(), "-");
    EXPECT_FALSE(text.AutoSize());
    EXPECT_FALSE(text.ShowAccelChar());
    text.SetDataSource(events->source);
    text.SetDataField("nome");
    EXPECT_EQ(text.Caption(), "-");
    events->Open();
    EXPECT_EQ(text.Caption(), events->Value(0, 1));
    events->table->Next();
    EXPECT_EQ(text.Caption(), events->Value(1, 1));
    text.SetDataField("hora");
    EXPECT_EQ(text.Caption(), events->Value(1, 4));
    events->table->Close();
    EXPECT_EQ(text.Caption(), "");
    EXPECT_EQ(text.FieldText(), "");
}

// The pictures a data text keeps (drawn one after the other on one scratch picture) are
// each what drawing the label afresh on a clear picture gives: nothing of a longer text
// drawn before shows through a shorter one.
TEST_F(DBCtrlGridTest, ADataTextsKeptPicturesAreItsFreshDrawings)
{
    events->Open();
    const int rows = events->table->RecordCount();
    ASSERT_GE(rows, 5);
    for (int recNo = 1; recNo <= rows; ++recNo) {
        events->table->SetRecNo(recNo);
        for (TvnSkinDBText* text : { name, code }) {
            QImage fresh(text->size(), QImage::Format_ARGB32_Premultiplied);
            fresh.fill(Qt::transparent);
            QPainter painter(&fresh);
            text->DrawTo(painter, QPoint(0, 0));
            painter.end();
            EXPECT_EQ(text->Picture(false), fresh)
                << "row " << recNo << ", " << text->Caption().toStdString();
            // The copy of the current row is the same drawing.
            EXPECT_EQ(text->Picture(true).cacheKey(), text->Picture(false).cacheKey());
        }
    }
}

TEST_F(DBCtrlGridTest, ASourceThatGoesAwayReleasesTheFixedLinks)
{
    auto table = std::make_unique<EventTable>(kAllEvents);
    grid->SetDataSource(table->source);
    table->Open();
    EXPECT_EQ(grid->FilledPanels(), 5);
    table.reset();
    EXPECT_EQ(grid->DataSource(), nullptr);
    EXPECT_EQ(name->DataSource(), nullptr);
    EXPECT_EQ(grid->FilledPanels(), 0);
    EXPECT_TRUE(grid->LivePanel()->isHidden());
    // The grid takes a new source again.
    grid->SetDataSource(events->source);
    events->Open();
    ExpectLivePanelAt(1, 0);
}

// A row of the studio skin's search list, the way the user sees it: saved to
// $QUIRA_SHOT_DIR/dbctrlgrid_studio.png when that is set.
TEST_F(DBCtrlGridTest, TheSearchListInTheStudioSkin)
{
    RegisterQuiraClasses();
    static TDM* dm = new TDM;
    TvnSkinData* skin = dm->vnSkinData1;
    ASSERT_FALSE(skin->Empty());
    auto* frame = new TvnSkinPanel(form.get());
    frame->SetParent(form->ClientWidget());
    frame->SetBounds(8, 40, 785, 273);
    frame->SetSkinData(skin);
    grid->SetParent(frame);
    grid->SetAlign(alTop);
    for (TControl* c : grid->LivePanel()->findChildren<TControl*>())
        if (auto* label = qobject_cast<TvnSkinStdLabel*>(c)) label->SetSkinData(skin);
    grid->SetSkinData(skin);
    events->Open();
    events->table->SetRecNo(2);
    form->resize(801, 321);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_NE(grid->LivePanel()->SkinRecordIndex(), -1);
    EXPECT_EQ(grid->PanelWidth(), grid->width() - grid->ScrollBar()->width());
    EXPECT_EQ(grid->PanelHeight(), 53);
    QMap<int, QString> painted;
    grid->OnPaintPanel = [&](QObject*, int index, QPainter*, QRect) { painted[index] = name->FieldText(); };
    const QImage picture = frame->grab().toImage();
    ASSERT_EQ(painted.size(), 5);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(painted.value(k), events->Value(k, 1));
    EXPECT_TRUE(testenv::KeepPicture(picture, "dbctrlgrid_studio"));
}

} // namespace

// ---- Layout, without data --------------------------------------------------------------------

TEST(DBCtrlGridLayout, SizesFollowThePanelsAndTheCountsAreClamped)
{
    TvnSkinDBCtrlGrid grid;
    EXPECT_EQ(grid.size(), QSize(200 + 19, 3 * 72));
    grid.SetRowCount(0);
    EXPECT_EQ(grid.RowCount(), 1);
    grid.SetRowCount(101);
    EXPECT_EQ(grid.RowCount(), 100);
    grid.SetPanelWidth(0);
    EXPECT_EQ(grid.PanelWidth(), 1);
    grid.SetRowCount(5);
    grid.SetPanelWidth(764);
    grid.SetPanelHeight(53);
    EXPECT_EQ(grid.size(), QSize(783, 265));
    EXPECT_EQ(grid.DataLink().BufferCount(), 5);
    // A new size gives the panels their size.
    grid.SetBounds(0, 0, 419, 300);
    EXPECT_EQ(grid.PanelWidth(), 400);
    EXPECT_EQ(grid.PanelHeight(), 60);
    EXPECT_EQ(grid.ScrollBar()->geometry(), QRect(400, 0, 19, 300));
    grid.SetColCount(2);
    EXPECT_EQ(grid.size(), QSize(819, 300));
    EXPECT_EQ(grid.DataLink().BufferCount(), 10);
    grid.SetOrientation(vngoHorizontal);
    EXPECT_EQ(grid.size(), QSize(800, 319));
    EXPECT_EQ(grid.ScrollBar()->geometry(), QRect(0, 300, 800, 19));
}

TEST(DBCtrlGridLayout, PanelsFillRowsOrColumnsAndHitTestingFindsThemAgain)
{
    for (const auto orientation :
        { vndb::TvnGridOrientation::Vertical, vndb::TvnGridOrientation::Horizontal }) {
        const vndb::TvnGridLayout layout { 3, 4, 50, 20, orientation };
        for (int i = 0; i < layout.PanelCount(); ++i) {
            const QRect r = vndb::PanelRect(layout, i);
            EXPECT_EQ(vndb::PanelAt(layout, r.topLeft()), i);
            EXPECT_EQ(vndb::PanelAt(layout, r.bottomRight()), i);
        }
        EXPECT_EQ(vndb::PanelAt(layout, QPoint(150, 0)), -1);
        EXPECT_EQ(vndb::PanelAt(layout, QPoint(0, 80)), -1);
    }
    const vndb::TvnGridLayout vertical { 3, 4, 50, 20, vndb::TvnGridOrientation::Vertical };
    const vndb::TvnGridLayout horizontal { 3, 4, 50, 20, vndb::TvnGridOrientation::Horizontal };
    EXPECT_EQ(vndb::PanelRect(vertical, 4), QRect(50, 20, 50, 20));
    EXPECT_EQ(vndb::PanelRect(horizontal, 5), QRect(50, 20, 50, 20));
    EXPECT_EQ(vndb::StepDown(vertical), 3);
    EXPECT_EQ(vndb::StepAcross(horizontal), 4);
    // Scrolling past the buffer keeps whole rows of three together.
    EXPECT_EQ(vndb::AlignmentMove(vertical, 12, 1), 2);
    EXPECT_EQ(vndb::AlignmentMove(vertical, 14, 3), 0);
    EXPECT_EQ(vndb::AlignmentMove(vertical, -1, -1), -2);
    EXPECT_EQ(vndb::AlignmentMove(vertical, -3, -3), 0);
}

TEST(DBCtrlGridLayout, TheStripsBesideThePanelsTakeTheSkinsPanelColourAndTheGridsColour)
{
    ctltest::TestSkin skin;
    for (const bool skinned : { false, true }) {
        TvnSkinDBCtrlGrid grid;
        grid.SetColCount(2);
        grid.SetRowCount(3);
        grid.SetColor(0x0000FF);
        if (skinned) grid.SetSkinData(&skin.Store());
        // One column of pixels and one row left over by the division into panels.
        grid.SetBounds(0, 0, 2 * 100 + 19 + 1, 3 * 33 + 1);
        ASSERT_EQ(grid.PanelWidth(), 100);
        ASSERT_EQ(grid.PanelHeight(), 33);
        const QImage picture = ctltest::Grab(&grid);
        const QRgb gridColour = ToQColor(0x0000FF).rgb();
        // Right of the panels the skin's panel client colour (without a skin the grid's),
        // below them the grid's colour.
        EXPECT_EQ(picture.pixel(200, 10), skinned ? ctltest::kPanelClient : gridColour);
        EXPECT_EQ(picture.pixel(10, 99), gridColour);
        if (skinned) {
            EXPECT_EQ(picture.pixel(50, 16), ctltest::kPanelClient); // an empty panel's middle
            EXPECT_EQ(picture.pixel(0, 0), ctltest::kPanelFrame);
        }
    }
}
