// The login window and the start-up handshake, against the real test database.
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "app/uLogin/uLogin.h"
#include "app/uPrincipal/uPrincipal.h"
#include "framework/Application.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/SQLConnection.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "support/SeenBox.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using testenv::SeenBox;

void AnswerNextBox(SeenBox& seen)
{
    testenv::onNextModal([&seen](QWidget* w) { testenv::AnswerBox(seen, w); });
}

class LoginTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        RegisterQuiraClasses();
        Application()->Reset();
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

    // A login window over a main form, shown, with the focus in the login edit.
    TfrmLogin* ShownLogin()
    {
        main = std::make_unique<TForm>();
        auto* login = new TfrmLogin(main.get());
        login->show();
        login->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(login));
        login->edtNome->LineEdit()->setFocus();
        return login;
    }

    static void Type(TEdit* edit, const char* text)
    {
        edit->LineEdit()->clear();
        QTest::keyClicks(edit->LineEdit(), QString::fromLatin1(text));
    }

    static void Press(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    std::unique_ptr<TForm> main;
};

TEST_F(LoginTest, AWrongPasswordIsRefusedAndTheNextAttemptAsksAgain)
{
    TfrmLogin* login = ShownLogin();
    Type(login->edtNome, "ana");
    Type(login->edtSenha, "errada");
    SeenBox seen;
    AnswerNextBox(seen);
    Press(login->btnLogar->PushButton());
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.text, QString::fromUtf8("Senha ou Login Inválido, verifique"));
    EXPECT_EQ(seen.caption, "Error");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, "OK");
    // Nothing else changed: both texts stay, the window stays, nobody is logged in.
    EXPECT_EQ(login->edtNome->Text(), "ana");
    EXPECT_EQ(login->edtSenha->Text(), "ERRADA");
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(login->Logado);
    EXPECT_EQ(DM->IdEmpresa, 0);
    EXPECT_FALSE(DM->ConectMysql->Connected());

    Type(login->edtSenha, "sol123");
    Press(login->btnLogar->PushButton());
    EXPECT_EQ(seen.count, 1);
    EXPECT_TRUE(login->Logado);
    EXPECT_EQ(DM->IdEmpresa, 1);
    EXPECT_FALSE(login->isVisible());
    EXPECT_FALSE(DM->ConectMysql->Connected());
}

TEST_F(LoginTest, TheLoginIsSentInLowerCaseAndThePasswordInUpperCase)
{
    TfrmLogin* login = ShownLogin();
    Type(login->edtNome, "JOAO");
    Type(login->edtSenha, "lua-456");
    EXPECT_EQ(login->edtNome->Text(), "joao");
    EXPECT_EQ(login->edtSenha->Text(), "LUA-456");
    EXPECT_EQ(login->edtSenha->DisplayText(), QString(7, QChar(0xF8)));
    Press(login->btnLogar->PushButton());
    EXPECT_TRUE(login->Logado);
    EXPECT_EQ(DM->IdEmpresa, 1);
}

TEST_F(LoginTest, AnEmptyLoginNeverGetsIn)
{
    // The user table has a row with an empty login and password.
    TfrmLogin* login = ShownLogin();
    SeenBox seen;
    AnswerNextBox(seen);
    Press(login->btnLogar->PushButton());
    EXPECT_EQ(seen.count, 1);
    EXPECT_FALSE(login->Logado);
    EXPECT_EQ(DM->IdEmpresa, 0);
}

TEST_F(LoginTest, EnterMovesFromEditToEditToButtonAndPressesTheButton)
{
    TfrmLogin* login = ShownLogin();
    QTest::keyClicks(QApplication::focusWidget(), "marcia");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(testenv::waitFor([&] { return login->edtSenha->LineEdit()->hasFocus(); }));
    QTest::keyClicks(QApplication::focusWidget(), "mar789");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(testenv::waitFor([&] { return login->btnLogar->PushButton()->hasFocus(); }));
    // Enter never reached the edits as a character.
    EXPECT_EQ(login->edtNome->Text(), "marcia");
    EXPECT_EQ(login->edtSenha->Text(), "MAR789");
    EXPECT_FALSE(login->Logado);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(login->Logado);
    EXPECT_EQ(DM->IdEmpresa, 2);
}

// Runs the main window's first show with `script` acting on the login window once it
// is up; returns whether the login window was released afterwards.
bool RunHandshake(const std::function<void(TfrmLogin*)>& script)
{
    QPointer<TfrmLogin> seen;
    testenv::onNextModal([&](QWidget* w) {
        seen = qobject_cast<TfrmLogin*>(w);
        if (seen) script(seen);
    });
    frmPrincipal->Show();
    return testenv::waitFor([&] { return seen.isNull(); }) && seen.isNull();
}

TEST_F(LoginTest, TheHandshakeLogsInAndNamesTheCompany)
{
    frmPrincipal = new TfrmPrincipal(nullptr);
    const QString programName = Application()->Title();
    EXPECT_EQ(frmPrincipal->Caption(), "Quira");
    EXPECT_FALSE(programName.isEmpty());
    const bool released = RunHandshake([](TfrmLogin* login) {
        login->edtNome->SetText("ana");
        login->edtSenha->SetText("SOL123");
        login->btnLogar->Click();
    });
    EXPECT_TRUE(released);
    EXPECT_EQ(DM->IdEmpresa, 1);
    EXPECT_EQ(Application()->Title(), QString::fromUtf8("Estúdio Ação"));
    EXPECT_EQ(frmPrincipal->Caption(), QString::fromUtf8("Foto Estúdio Ação Ltda."));
    EXPECT_FALSE(Application()->Terminated());
    EXPECT_FALSE(DM->ConectMysql->Connected());
}

TEST_F(LoginTest, ClosingWithoutLoginEndsTheProgramWithoutLoadingTheCompany)
{
    frmPrincipal = new TfrmPrincipal(nullptr);
    const QString programName = Application()->Title();
    const bool released = RunHandshake([](TfrmLogin* login) { login->Close(); });
    EXPECT_TRUE(released);
    EXPECT_TRUE(Application()->Terminated());
    EXPECT_EQ(Application()->Title(), programName);
    EXPECT_EQ(frmPrincipal->Caption(), "Quira");
    EXPECT_FALSE(DM->cdsEmpresa->Active());
}

TEST_F(LoginTest, AMissingCompanyRowLeavesTitleAndCaptionEmpty)
{
    frmPrincipal = new TfrmPrincipal(nullptr);
    RunHandshake([](TfrmLogin* login) {
        login->edtNome->SetText("orfao");
        login->edtSenha->SetText("SEM");
        login->btnLogar->Click();
    });
    EXPECT_EQ(DM->IdEmpresa, 3);
    EXPECT_EQ(Application()->Title(), "");
    EXPECT_EQ(frmPrincipal->Caption(), "");
}

TEST_F(LoginTest, AStoppedServerShowsTheDriversMessageAndTheWindowStaysUsable)
{
    testdb::PrivateServer server;
    ASSERT_TRUE(server.Start());
    testdb::Redirect(*DM->ConectMysql, server.Port());
    ASSERT_TRUE(server.Stop());

    Application()->SetTitle("Quira");
    TfrmLogin* login = ShownLogin();
    Type(login->edtNome, "ana");
    Type(login->edtSenha, "sol123");
    SeenBox seen;
    AnswerNextBox(seen);
    Press(login->btnLogar->PushButton());
    ASSERT_EQ(seen.count, 1);
    EXPECT_TRUE(seen.text.contains("connect", Qt::CaseInsensitive)) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.endsWith('.') || seen.text.endsWith(')')) << seen.text.toStdString();
    EXPECT_EQ(seen.caption, "Quira");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(login->Logado);

    // The server comes back: the same window logs in.
    ASSERT_TRUE(server.Start());
    testdb::Redirect(*DM->ConectMysql, server.Port());
    Press(login->btnLogar->PushButton());
    EXPECT_TRUE(login->Logado);
    EXPECT_EQ(DM->IdEmpresa, 1);
}

TEST_F(LoginTest, ACompanyQueryFailingAfterTheLoginIsReportedAndTheMainWindowComesUpAnyway)
{
    testdb::PrivateServer server;
    ASSERT_TRUE(server.Start());
    testdb::Redirect(*DM->ConectMysql, server.Port());
    frmPrincipal = new TfrmPrincipal(nullptr);
    const QString programName = Application()->Title();

    SeenBox seen;
    bool windowUpUnderTheBox = false;
    bool loopRan = false;
    testenv::onNextModal([&](QWidget* w) {
        auto* login = qobject_cast<TfrmLogin*>(w);
        if (!login) return;
        login->edtNome->SetText("ana");
        login->edtSenha->SetText("SOL123");
        login->btnLogar->Click();
        // The user is in; the server goes away before the company is read.
        server.Stop();
        testenv::onNextModal([&](QWidget* box) {
            windowUpUnderTheBox = frmPrincipal->isVisible();
            testenv::AnswerBox(seen, box);
        });
    });
    // The program's own loop must run after the error; it ends when told to (or, should
    // it never start, after a long while, so that the failures below are reported).
    QTimer stopper;
    int ticks = 0;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        loopRan = Application()->Running();
        if (loopRan || ++ticks > 3000) Application()->Terminate();
    });
    stopper.start(10);
    const int result = Application()->Run();

    EXPECT_EQ(result, 0);
    EXPECT_TRUE(loopRan);
    EXPECT_EQ(DM->IdEmpresa, 1);
    ASSERT_EQ(seen.count, 1);
    EXPECT_TRUE(seen.text.contains("connect", Qt::CaseInsensitive)) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.endsWith('.') || seen.text.endsWith(')')) << seen.text.toStdString();
    EXPECT_EQ(seen.caption, programName);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, "OK");
    EXPECT_TRUE(windowUpUnderTheBox);
    EXPECT_TRUE(frmPrincipal->isVisible());
    EXPECT_EQ(Application()->Title(), programName);
    EXPECT_EQ(frmPrincipal->Caption(), "Quira");
    EXPECT_FALSE(DM->cdsEmpresa->Active());
}

} // namespace
