#pragma once
// The program as it starts, for tests of its windows: the main window first, then the
// data module (whose load resolves the window's references to it), the module pointed at
// the test database; both freed afterwards. LogIn runs the first show's handshake with
// a clerk of the first studio and leaves the main window active.
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "app/uLogin/uLogin.h"
#include "app/uPrincipal/uPrincipal.h"
#include "framework/Application.h"
#include "framework/data/SQLConnection.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"

#include <QPointer>
#include <QTest>

class MainWindowSession : public DatabaseTest {
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

    static bool LogIn()
    {
        QPointer<TfrmLogin> seen;
        testenv::onNextModal([&](QWidget* w) {
            seen = qobject_cast<TfrmLogin*>(w);
            if (!seen) return;
            seen->edtNome->SetText("ana");
            seen->edtSenha->SetText("SOL123");
            seen->btnLogar->Click();
        });
        frmPrincipal->Show();
        if (!testenv::waitFor([&] { return seen.isNull(); }) || !QTest::qWaitForWindowExposed(frmPrincipal))
            return false;
        frmPrincipal->activateWindow();
        return QTest::qWaitForWindowActive(frmPrincipal);
    }
};
