// The whole job as a clerk does it, on a real X server, with real key presses and mouse
// clicks sent through the X server by xdotool: log in, find an event, choose it, and
// read back what the windows show. The windows run in this process, so what they show
// is read through their controls.
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "app/uLocalizarCliente/uLocalizarCliente.h"
#include "app/uLogin/uLogin.h"
#include "app/uPrincipal/uPrincipal.h"
#include "framework/Application.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/Field.h"
#include "framework/data/SQLConnection.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"
#include "skin/controls/vndbctrls/DBCtrlGrid.h"
#include "skin/controls/vndbctrls/DBText.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTimer>

namespace {

// Runs xdotool with `args` while this process keeps handling its events (the windows
// must answer the X server while the tool types into them).
void Xdo(const QStringList& args)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    ASSERT_TRUE(tool.waitForStarted()) << "xdotool is missing";
    ASSERT_TRUE(testenv::waitFor([&] { return tool.state() == QProcess::NotRunning; }, 20000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    // Let the events the tool caused arrive.
    QTest::qWait(150);
}

void Type(const QString& text) { Xdo({ "type", "--delay", "30", text }); }
void Press(const char* key) { Xdo({ "key", QLatin1String(key) }); }
void ClickOn(QWidget* w)
{
    const QPoint at = w->mapToGlobal(w->rect().center());
    Xdo({ "mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1" });
}

template <class T> T* WaitForModal()
{
    T* found = nullptr;
    testenv::waitFor([&] {
        found = qobject_cast<T*>(QApplication::activeModalWidget());
        return found && found->isVisible();
    });
    // Without a window manager a new window is not given the focus by anybody; Qt asks
    // for it as a window manager would give it.
    if (found) {
        found->activateWindow();
        if (!QTest::qWaitForWindowActive(found)) return nullptr;
    }
    return found;
}

class EndToEndTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (HasFatalFailure()) return;
        RegisterQuiraClasses();
        Application()->Reset();
        frmPrincipal = new TfrmPrincipal(nullptr);
        DM = new TDM;
        testdb::Redirect(*DM->ConectMysql, testdb::Port());
    }

    void TearDown() override
    {
        delete frmPrincipal;
        frmPrincipal = nullptr;
        delete DM;
        DM = nullptr;
        Application()->Reset();
    }

    static QString Text(const char* name)
    {
        return frmPrincipal->ComponentByName<TvnSkinDBText>(QLatin1String(name))->Caption();
    }

    // Logs in with the keyboard as a clerk does; the main window is up afterwards.
    void LogIn()
    {
        // The handshake runs inside Show (the login is modal): the clerk types from a
        // timer of this loop.
        bool typed = false;
        testenv::onNextModal([&](QWidget*) {
            TfrmLogin* login = WaitForModal<TfrmLogin>();
            ASSERT_NE(login, nullptr);
            Type("ana");
            Press("Return");
            Type("sol123");
            Press("Return");
            Press("Return");
            typed = true;
        });
        frmPrincipal->Show();
        ASSERT_TRUE(testenv::waitFor([&] { return typed && frmPrincipal->isVisible(); }, 20000));
        ASSERT_EQ(DM->IdEmpresa, 1);
        // With no window manager nobody hands the focus back to the main window: the
        // clerk's click does, as on a desktop.
        ClickOn(frmPrincipal->ComponentByName<QWidget>("vnSkinGroupBox4"));
        frmPrincipal->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmPrincipal));
    }
};

TEST_F(EndToEndTest, AClerkFindsAnEventByKeyboardAndSeesItsPhotosAndCounts)
{
    LogIn();
    EXPECT_EQ(frmPrincipal->Caption(), QString::fromUtf8("Foto Estúdio Ação Ltda."));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QString::fromUtf8("Estúdio Ação"));

    bool chose = false;
    // The script runs inside the search window's own modal loop.
    testenv::onNextModal([&](QWidget*) {
        TfrmLocalizar* search = WaitForModal<TfrmLocalizar>();
        ASSERT_NE(search, nullptr);
        // Only the first blank becomes a wildcard: "%Casamento%Lu%" finds one row.
        Type("Casamento Lu");
        Press("Return");
        EXPECT_TRUE(testenv::waitFor([] { return DM->cdsEvento->Active(); }));
        EXPECT_EQ(DM->cdsEvento->RecordCount(), 1);
        Press("Down");
        EXPECT_TRUE(search->gdNova->hasFocus() || search->gdNova->isAncestorOf(QApplication::focusWidget()));
        Press("Return");
        chose = true;
    });
    ClickOn(frmPrincipal->btnLocalizarCliente);
    ASSERT_TRUE(testenv::waitFor([&] { return chose && !QApplication::activeModalWidget(); }, 20000));

    EXPECT_EQ(Text("vnSkinDBText5"), QString::fromUtf8("Luíza Araújo"));
    EXPECT_EQ(Text("vnSkinDBText7"), "Casamento");
    EXPECT_EQ(Text("vnSkinDBText6"), "101");
    EXPECT_FALSE(Text("vnSkinDBText8").isEmpty());
    QStringList captions;
    for (int i = 0; i < 5; ++i)
        captions.append(frmPrincipal->Category(i).Sheet->Caption());
    EXPECT_EQ(
        captions.join('|'), QString::fromUtf8("Ampliação (3)|Bioombo (1)|Outros (2)|Álbum (4)|Capa (1)"));
    // The rows the Ampliação tab's grid draws: name and id, in the server's order.
    auto* grid = frmPrincipal->ComponentByName<TvnSkinDBGrid>("vnSkinDBGrid1");
    QStringList cells;
    for (const auto& cell : grid->TakeSnapshot().Cells)
        if (!cell.Text.isEmpty()) cells.append(cell.Text);
    EXPECT_EQ(cells.join('|'),
        QString::fromUtf8("DSC_0001.jpg|1001|DSC_0002.jpg|1002|Cerimônia_Entrada_Noiva.jpg|1003"));
    EXPECT_TRUE(frmPrincipal->btnTransferirFoto->Enabled());
}

} // namespace
