#pragma once
// The program as it starts, for tests of its windows: the main window first, then the
// data module (whose load resolves the window's references to it), the module pointed at
// the test database; both freed afterwards. LogIn runs the first show's handshake with
// a clerk of the first studio; the main window is active afterwards (the program makes it so).
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "app/uLocalizarCliente/uLocalizarCliente.h"
#include "app/uLogin/uLogin.h"
#include "app/uPrincipal/uPrincipal.h"
#include "framework/Application.h"
#include "framework/data/SQLConnection.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

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

    // Runs the "Localizar Cliente" flow with `script` acting on the search window, once
    // that window is active.
    static void Search(const std::function<void(TfrmLocalizar*)>& script)
    {
        testenv::onNextModal([script](QWidget* w) {
            auto* search = qobject_cast<TfrmLocalizar*>(w);
            ASSERT_NE(search, nullptr);
            search->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(search));
            script(search);
        });
        frmPrincipal->btnLocalizarClienteClick(frmPrincipal->btnLocalizarCliente);
        // The released window goes when the event loop next runs, as after a click.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // One text per category, in tab order, read from the main window's controls of it.
    template <class Read> static QStringList PerCategory(Read read)
    {
        QStringList texts;
        for (int i = 0; i < 5; ++i)
            texts.append(read(frmPrincipal->Category(i)));
        return texts;
    }

    // Says which step it stuck at. The waits are long: on a machine busy with builds the
    // log-in's query and a window manager's activation each have taken over five seconds.
    static ::testing::AssertionResult LogIn()
    {
        constexpr int kPatience = 15000;
        QPointer<TfrmLogin> seen;
        testenv::onNextModal([&](QWidget* w) {
            seen = qobject_cast<TfrmLogin*>(w);
            if (!seen) return;
            seen->edtNome->SetText("ana");
            seen->edtSenha->SetText("SOL123");
            seen->btnLogar->Click();
        });
        frmPrincipal->Show();
        if (!testenv::waitFor([&] { return seen.isNull(); }, kPatience))
            return ::testing::AssertionFailure() << "the log-in window stayed open";
        if (!QTest::qWaitForWindowExposed(frmPrincipal, kPatience))
            return ::testing::AssertionFailure() << "the main window was never shown";
        // Nobody but the program itself hands it the activation.
        if (!QTest::qWaitForWindowActive(frmPrincipal, kPatience))
            return ::testing::AssertionFailure() << "the main window never became active";
        return ::testing::AssertionSuccess();
    }
};
