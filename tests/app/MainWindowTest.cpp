// The main window and the client search window against the real test database: the
// search, the choice, the chosen lists per category and the counts on the tabs.
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "app/uLocalizarCliente/uLocalizarCliente.h"
#include "app/uPrincipal/uPrincipal.h"
#include "framework/Application.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/Field.h"
#include "framework/data/SQLConnection.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"
#include "skin/controls/vndbctrls/DBCtrlGrid.h"
#include "skin/controls/vndbctrls/DBText.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "support/MainWindowSession.h"
#include "support/SeenBox.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

using testenv::SeenBox;

const char* const kBareCaptions[] = { "Ampliação", "Bioombo", "Outros", "Álbum", "Capa" };

class MainWindowTest : public MainWindowSession {
protected:
    void SetUp() override
    {
        MainWindowSession::SetUp();
        if (HasFatalFailure()) return;
        // As after the login of a clerk of the first studio; the window is not shown, so
        // no login window comes up.
        DM->IdEmpresa = 1;
    }

    // Types into the search edit and presses keys there as the user does.
    static void Type(TfrmLocalizar* search, const QString& text)
    {
        QLineEdit* line = search->EdtEvento->LineEdit();
        line->setFocus();
        line->clear();
        // Typed letter by letter where the test tool can (it knows ASCII keys only).
        for (QChar c : text)
            if (c.unicode() < 128)
                QTest::keyClick(line, c.toLatin1());
            else
                line->insert(QString(c));
    }
    static void Key(Qt::Key key)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "nothing has the focus";
        QTest::keyClick(target, key);
    }

    static QStringList Column(TClientDataSet* table, const char* field)
    {
        QStringList values;
        if (!table->Active()) return values;
        for (table->First(); !table->Eof(); table->Next())
            values.append(table->FieldByName(QLatin1String(field)).AsString());
        table->First();
        return values;
    }

    static QStringList TabCaptions()
    {
        return PerCategory([](const auto& c) { return c.Sheet->Caption(); });
    }
    static QStringList CountLabels()
    {
        return PerCategory([](const auto& c) { return c.CountLabel->Caption(); });
    }
    static QStringList QuantityLabels()
    {
        return PerCategory([](const auto& c) { return c.QuantityLabel->Caption(); });
    }
    static QString Text(const char* name)
    {
        return frmPrincipal->ComponentByName<TvnSkinDBText>(QLatin1String(name))->Caption();
    }
};

QStringList Utf8(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out.append(QString::fromUtf8(t));
    return out;
}

TEST(SearchPattern, OnlyTheFirstBlankBecomesAWildcard)
{
    EXPECT_EQ(TfrmLocalizar::SearchPattern(""), "%%");
    EXPECT_EQ(TfrmLocalizar::SearchPattern("Luíza"), QString::fromUtf8("%Luíza%"));
    EXPECT_EQ(TfrmLocalizar::SearchPattern("a b  c"), "%a%b  c%");
    EXPECT_EQ(TfrmLocalizar::SearchPattern(" lead"), "%%lead%");
    // Typed wildcards and case stay as typed.
    EXPECT_EQ(TfrmLocalizar::SearchPattern("Ab_%"), "%Ab_%%");
}

// The caption buttons a frame shows, by command.
QList<TvnSkinCommand> ShownButtons(TComponentBase& form)
{
    QList<TvnSkinCommand> shown;
    const auto* frame = form.ComponentByName<TvnVeneerform>(QStringLiteral("vnVeneerform1"));
    for (const veneer::TvnLayoutObject& o : frame->Objects().Layout())
        if (o.Kind == veneer::TvnObjectKind::StdButton && o.Shown) shown.append(o.Command);
    std::sort(shown.begin(), shown.end());
    return shown;
}

TEST_F(MainWindowTest, BothWindowsOfferOnlyMinimizeAndCloseWhicheverLoadsFirst)
{

    const QList<TvnSkinCommand> expected = [] {
        QList<TvnSkinCommand> c { TvnSkinCommand::cmClose, TvnSkinCommand::cmMinimize };
        std::sort(c.begin(), c.end());
        return c;
    }();
    // The main window is declared before the data module, the search window after it:
    // its skin is set while its declaration is still being read.
    EXPECT_EQ(ShownButtons(*frmPrincipal), expected);
    std::unique_ptr<TfrmLocalizar> search(new TfrmLocalizar(nullptr));
    EXPECT_EQ(ShownButtons(*search), expected);
}

TEST_F(MainWindowTest, EnterSearchesDownMovesToTheListAndEnterChoosesTheEvent)
{
    Search([](TfrmLocalizar* search) {
        Type(search, QString::fromUtf8("Luíza"));
        Key(Qt::Key_Return);
        // Both rows of the event's search texts match: it is listed twice; the other
        // studio's Luíza is never found.
        EXPECT_EQ(Column(DM->cdsEvento, "id_evento"), QStringList({ "101", "101" }));
        EXPECT_EQ(search->EdtEvento->Text(), QString::fromUtf8("Luíza"));
        Key(Qt::Key_Down);
        EXPECT_TRUE(testenv::waitFor([&] { return search->gdNova->hasFocus(); }));
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(Text("vnSkinDBText5"), QString::fromUtf8("Luíza Araújo"));
    EXPECT_EQ(Text("vnSkinDBText6"), "101");
    EXPECT_EQ(Text("vnSkinDBText7"), "Casamento");
    EXPECT_EQ(Column(DM->cdsFotoEscolhida, "nome_foto"),
        Utf8({ "DSC_0001.jpg", "DSC_0002.jpg", "Cerimônia_Entrada_Noiva.jpg" }));
    // Category 4 of the fixture is none of the five: it changes nothing.
    EXPECT_EQ(TabCaptions(), Utf8({ "Ampliação (3)", "Bioombo (1)", "Outros (2)", "Álbum (4)", "Capa (1)" }));
    EXPECT_EQ(CountLabels(), QStringList({ "(3)", "(1)", "(2)", "(4)", "(1)" }));
    EXPECT_EQ(QuantityLabels(), QStringList({ "3", "3", "3", "3", "3" }));
    EXPECT_TRUE(frmPrincipal->btnTransferirFoto->Enabled());
    EXPECT_FALSE(DM->ConectMysql->Connected());
}

TEST_F(MainWindowTest, AnEmptyTextListsEveryEventOfTheCompanyWithASearchRow)
{
    Search([](TfrmLocalizar* search) {
        search->edtLocalizarClick(search->edtLocalizar);
        QStringList ids = Column(DM->cdsEvento, "id_evento");
        ids.sort();
        EXPECT_EQ(ids, QStringList({ "101", "101", "102", "103", "104", "105" }));
        search->gdNovaDblClick(search->gdNova);
    });
    EXPECT_TRUE(frmPrincipal->btnTransferirFoto->Enabled());
}

TEST_F(MainWindowTest, ChoosingFromAnEmptyListKeepsTheListAndResetsTheCounts)
{
    Search([](TfrmLocalizar* search) {
        Type(search, "Sebastião");
        Key(Qt::Key_Return);
        search->gdNovaDblClick(search->gdNova);
    });
    ASSERT_EQ(Column(DM->cdsFotoEscolhida, "nome_foto"), QStringList({ "FORM_0001.jpg", "FORM_0002.jpg" }));
    EXPECT_EQ(TabCaptions(), Utf8({ "Ampliação (2)", "Bioombo", "Outros", "Álbum (1)", "Capa" }));

    TModalResult result = mrNone;
    Search([&](TfrmLocalizar* search) {
        Type(search, "nobody by this name");
        Key(Qt::Key_Return);
        EXPECT_EQ(DM->cdsEvento->RecordCount(), 0);
        search->gdNova->setFocus();
        Key(Qt::Key_Return);
        result = search->ModalResult();
    });
    EXPECT_EQ(result, mrYes);
    // Event 0: the list stays, the counts start over, the texts are empty.
    EXPECT_EQ(Column(DM->cdsFotoEscolhida, "nome_foto"), QStringList({ "FORM_0001.jpg", "FORM_0002.jpg" }));
    EXPECT_EQ(QuantityLabels(), QStringList({ "2", "2", "2", "2", "2" }));
    EXPECT_EQ(TabCaptions(), Utf8({ "Ampliação", "Bioombo", "Outros", "Álbum", "Capa" }));
    EXPECT_EQ(CountLabels(), QStringList({ "(0)", "(0)", "(0)", "(0)", "(0)" }));
    EXPECT_EQ(Text("vnSkinDBText5"), "");
    EXPECT_EQ(Text("vnSkinDBText6"), "");
    EXPECT_TRUE(frmPrincipal->btnTransferirFoto->Enabled());
}

TEST_F(MainWindowTest, ATenThousandPhotoCountStaysWholeBesideItsCheckBox)
{
    for (const TCategoria& category : Categorias) {
        const auto& c = frmPrincipal->Category(category.TabIndex);
        const QRect declaredBox = c.CheckBox->geometry();
        const int declaredRight = c.CountLabel->geometry().right();
        const int declaredGap = declaredBox.x() - declaredRight;
        const int declaredWidth = c.CountLabel->width();
        frmPrincipal->ShowCount(category.TabIndex, QStringLiteral("(10000)"));
        // Every digit inside the group box, the frame line clear, the label still ending
        // just left of its check box.
        const QRect label = c.CountLabel->geometry();
        EXPECT_EQ(c.CountLabel->Caption(), "(10000)");
        EXPECT_GE(label.left(), 2) << category.CountLabel;
        EXPECT_GT(label.width(), 2 * declaredWidth);
        EXPECT_EQ(c.CheckBox->x() - label.right(), declaredGap) << category.CountLabel;
        EXPECT_EQ(c.CheckBox->y(), declaredBox.y());
        // A short count puts both back where the window declares them.
        frmPrincipal->ShowCount(category.TabIndex, QStringLiteral("(3)"));
        EXPECT_EQ(c.CheckBox->geometry(), declaredBox) << category.CountLabel;
        EXPECT_EQ(c.CountLabel->geometry().right(), declaredRight) << category.CountLabel;
    }
}

// Only a choice changes the event: a search closed without one (here with the frame's
// close, after it found another client) leaves every text, list and count as it was.
TEST_F(MainWindowTest, AnAbandonedSearchLeavesTheChosenEventAsItWas)
{
    Search([](TfrmLocalizar* search) {
        Type(search, QString::fromUtf8("Luíza Araújo"));
        Key(Qt::Key_Return);
        search->gdNovaDblClick(search->gdNova);
    });
    const auto shown = [this] {
        return QStringList { Text("vnSkinDBText5"), Text("vnSkinDBText6"), Text("vnSkinDBText7"),
            Text("vnSkinDBText8") }
        + Column(DM->cdsFotoEscolhida, "nome_foto") + TabCaptions() + CountLabels() + QuantityLabels();
    };
    const QStringList before = shown();
    ASSERT_EQ(before.at(1), "101");

    TModalResult result = mrNone;
    Search([&](TfrmLocalizar* search) {
        Type(search, "Sebastião");
        Key(Qt::Key_Return);
        ASSERT_EQ(Column(DM->cdsEvento, "id_evento"), QStringList({ "102" }));
        search->Close();
        result = search->ModalResult();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(DM->ChosenEventId(), 101);
    // The search window's own result stays for the next search window.
    EXPECT_EQ(Column(DM->cdsEvento, "id_evento"), QStringList({ "102" }));
}

TEST_F(MainWindowTest, CountsNeverAccumulateAndATabChangeReloadsItsCategory)
{
    // Before any search: bare captions, "(0)", "0", "-" in the texts, nothing happens
    // on a tab change.
    EXPECT_EQ(CountLabels(), QStringList({ "(0)", "(0)", "(0)", "(0)", "(0)" }));
    EXPECT_EQ(QuantityLabels(), QStringList({ "0", "0", "0", "0", "0" }));
    EXPECT_EQ(Text("vnSkinDBText5"), "-");
    EXPECT_FALSE(frmPrincipal->btnTransferirFoto->Enabled());
    frmPrincipal->pstFotos->SetTabIndex(1);
    frmPrincipal->pstFotosChange(frmPrincipal->pstFotos);
    EXPECT_FALSE(DM->cdsFotoEscolhida->Active());

    // The "Capa" tab is active when the search ends: it shows the Ampliação list.
    frmPrincipal->pstFotos->SetTabIndex(4);
    for (int round = 0; round < 2; ++round)
        Search([](TfrmLocalizar* search) {
            Type(search, QString::fromUtf8("Luíza Araújo"));
            Key(Qt::Key_Return);
            search->gdNovaDblClick(search->gdNova);
        });
    EXPECT_EQ(frmPrincipal->pstFotos->TabIndex(), 4);
    EXPECT_EQ(Column(DM->cdsFotoEscolhida, "id_foto_escolhida"), QStringList({ "1001", "1002", "1003" }));
    EXPECT_EQ(TabCaptions(), Utf8({ "Ampliação (3)", "Bioombo (1)", "Outros (2)", "Álbum (4)", "Capa (1)" }));

    // Each change loads the list of the tab now active, from the server.
    const struct {
        int tab;
        QStringList ids;
    } steps[] = { { 3, { "1007", "1008", "1009", "1010" } }, { 1, { "1004" } },
        { 0, { "1001", "1002", "1003" } }, { 1, { "1004" } } };
    for (const auto& step : steps) {
        frmPrincipal->pstFotos->SetTabIndex(step.tab);
        frmPrincipal->pstFotosChange(frmPrincipal->pstFotos);
        EXPECT_EQ(Column(DM->cdsFotoEscolhida, "id_foto_escolhida"), step.ids) << "tab " << step.tab;
        EXPECT_EQ(frmPrincipal->Category(2).QuantityLabel->Caption(), QString::number(step.ids.size()));
        EXPECT_FALSE(DM->ConectMysql->Connected());
    }
    // The tab captions kept the counts of the search, once.
    EXPECT_EQ(TabCaptions(), Utf8({ "Ampliação (3)", "Bioombo (1)", "Outros (2)", "Álbum (4)", "Capa (1)" }));
}

TEST_F(MainWindowTest, ADatabaseFailureDuringTheSearchKeepsTheWindowOpenWithAnEmptyList)
{
    testdb::PrivateServer server;
    ASSERT_TRUE(server.Start());
    testdb::Redirect(*DM->ConectMysql, server.Port());
    SeenBox seen;
    bool openAfterError = false;
    int rowsAfterError = -1;
    Search([&](TfrmLocalizar* search) {
        Type(search, QString::fromUtf8("Luíza"));
        Key(Qt::Key_Return);
        ASSERT_EQ(DM->cdsEvento->RecordCount(), 2);
        ASSERT_TRUE(server.Stop());
        testenv::onNextModal([&](QWidget* w) { testenv::AnswerBox(seen, w); });
        Key(Qt::Key_Return);
        openAfterError = search->isVisible();
        rowsAfterError = DM->cdsEvento->Active() ? DM->cdsEvento->RecordCount() : 0;
        search->Close();
    });
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_TRUE(openAfterError);
    EXPECT_EQ(rowsAfterError, 0);
    // Closed with the frame's close: Cancel, which the main window ignores.
    EXPECT_FALSE(frmPrincipal->btnTransferirFoto->Enabled());
}

// A server that stops answering holds the window only until the connection's timeout,
// under the wait cursor; the error box then tells the clerk in Portuguese above the
// driver's words, and once the server answers again the next search works.
TEST_F(MainWindowTest, AFrozenServerEndsTheSearchInTheErrorBoxWithinTheTimeoutAndTheNextSearchWorks)
{
    testdb::PrivateServer server;
    ASSERT_TRUE(server.Start());
    testdb::Redirect(*DM->ConectMysql, server.Port());
    constexpr int kTimeout = 2;
    testdb::LimitTimes(*DM->ConectMysql, kTimeout);
    SeenBox seen;
    qint64 elapsed = -1;
    std::atomic<int> cursorDuring { -1 };
    const QCursor* cursorAfter = nullptr;
    QStringList found;
    Search([&](TfrmLocalizar* search) {
        Type(search, QString::fromUtf8("Luíza"));
        ASSERT_TRUE(server.Freeze(true));
        testenv::onNextModal([&](QWidget* w) {
            cursorAfter = QGuiApplication::overrideCursor();
            testenv::AnswerBox(seen, w);
        });
        // The window's thread waits on the server meanwhile: only another thread can
        // look at the cursor then.
        std::thread look([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(700));
            const QCursor* cursor = QGuiApplication::overrideCursor();
            cursorDuring = cursor ? int(cursor->shape()) : int(Qt::ArrowCursor);
        });
        QElapsedTimer timer;
        timer.start();
        Key(Qt::Key_Return);
        elapsed = timer.elapsed();
        look.join();
        ASSERT_TRUE(server.Freeze(false));
        search->edtLocalizarClick(search->edtLocalizar);
        found = Column(DM->cdsEvento, "id_evento");
        search->Close();
    });
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    const QString first = seen.text.section(u'\n', 0, 0);
    EXPECT_TRUE(first == QString::fromUtf8("O servidor do banco de dados não respondeu a tempo.")
        || first == QString::fromUtf8("A conexão com o servidor do banco de dados foi perdida."))
        << seen.text.toStdString();
    EXPECT_FALSE(seen.text.section(u'\n', 1).isEmpty()) << "the driver's message stays";
    EXPECT_LT(elapsed, 4 * kTimeout * 1000 + 2000);
    EXPECT_EQ(cursorDuring.load(), int(Qt::WaitCursor));
    EXPECT_EQ(cursorAfter, nullptr) << "the box shows the normal cursor";
    EXPECT_EQ(found, QStringList({ "101", "101" }));
    EXPECT_FALSE(DM->ConectMysql->Connected());
}

} // namespace

// The whole job by keyboard: Tab reaches the five categories' check boxes in their
// declared order, and Space ticks the one with the focus.
TEST_F(MainWindowTest, TabReachesTheCategoryCheckBoxesInOrderAndSpaceTicksThem)
{
    ASSERT_TRUE(LogIn());
    const QStringList boxes { "cbAmpliacao", "cbBioombo", "cbOutros", "cbAlbum", "cbCapa" };
    QStringList reached;
    frmPrincipal->pstFotos->setFocus();
    for (int step = 0; step < 20 && reached.size() < boxes.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name
            = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        if (name.startsWith(QLatin1String("cb"))) reached.append(name);
    }
    EXPECT_EQ(reached, boxes);

    auto* bioombo = frmPrincipal->ComponentByName<TvnSkinCheckRadioBox>(QStringLiteral("cbBioombo"));
    bioombo->setFocus();
    ASSERT_TRUE(bioombo->hasFocus());
    QTest::keyClick(bioombo, Qt::Key_Space);
    EXPECT_TRUE(bioombo->Checked());
    QTest::keyClick(bioombo, Qt::Key_Space);
    EXPECT_FALSE(bioombo->Checked());
}
