// The activation a clerk expects, with the pointer and keys of the real X server
// (xdotool), on a bare X server (the kiosk case) and under a window manager: after a
// modal window closes its owner is active again with the keyboard on the control it
// had, and one click on a window that is not active both activates it and acts.
#include "app/uLocalizarCliente/uLocalizarCliente.h"
#include "app/uPrincipal/uPrincipal.h"
#include "app/uProgresso/uProgresso.h"
#include "app/uRelatorio/uRelatorio.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinShellCtrls/DirTreeView.h"
#include "skin/controls/vnSkinShellCtrls/SelDirDlg.h"
#include "skin/controls/vndbctrls/DBCtrlGrid.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "support/MainWindowSession.h"
#include "support/SeenBox.h"
#include "support/XDesktop.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

using testenv::ClickOn;
using testenv::KeepScreen;
using testenv::waitFor;

class ActivationTest : public MainWindowSession {
protected:
    static bool MainActive() { return frmPrincipal->isActiveWindow(); }

    // One click on "Localizar Cliente" opens the search; closed, the main window has the
    // keyboard again on that button. Returns the search window's WM_TRANSIENT_FOR.
    static QString OneClickOpensTheSearch()
    {
        bool opened = false;
        QString transientFor;
        testenv::onNextModal([&](QWidget* w) {
            opened = qobject_cast<TfrmLocalizar*>(w) != nullptr;
            transientFor = testenv::XProperty(w, "WM_TRANSIENT_FOR");
            // The modal window takes the keyboard by itself.
            EXPECT_TRUE(waitFor([w] { return w->isActiveWindow(); }, 3000)) << "the search is active";
            static_cast<TForm*>(w)->Close();
        });
        ClickOn(frmPrincipal->btnLocalizarCliente);
        EXPECT_TRUE(waitFor([&] { return opened && !QApplication::activeModalWidget(); }, 5000))
            << "one click opened the search";
        EXPECT_TRUE(waitFor(MainActive, 3000)) << "the main window is active again";
        EXPECT_EQ(QApplication::focusWidget(), frmPrincipal->btnLocalizarCliente)
            << "with the keyboard on the button";
        return transientFor;
    }

    // Answers whatever the transfer opens: the progress window passes, a message box
    // takes its first button, the report closes.
    static void AnswerTheTransfer(bool* ended)
    {
        testenv::onNextModal(
            [ended](QWidget* w) {
                if (qobject_cast<TfrmProgresso*>(w)) return AnswerTheTransfer(ended);
                if (auto* report = qobject_cast<TfrmRelatorio*>(w)) {
                    report->Close();
                } else {
                    testenv::SeenBox seen;
                    EXPECT_TRUE(testenv::AnswerBox(seen, w)) << w->metaObject()->className();
                }
                *ended = true;
            },
            20000);
    }

    // The clerk's first clicks, each once: after the log-in, after the search, after the
    // folder dialog. `desktop` names the pictures kept for people to look at.
    void TheFirstClicksWork(const QString& desktop)
    {
        ASSERT_TRUE(LogIn()) << "the main window is active after the log-in";
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->window(), frmPrincipal) << "and has the keyboard";
        KeepScreen(desktop + QStringLiteral("-after-login"));

        const QString transientFor = OneClickOpensTheSearch();
        EXPECT_TRUE(transientFor.contains(QString::number(frmPrincipal->winId(), 16)))
            << "the search is a dialog of the main window: " << transientFor.toStdString();

        Search([](TfrmLocalizar* search) {
            search->EdtEvento->SetText(QString::fromUtf8("Luíza Araújo"));
            search->edtLocalizarClick(search->edtLocalizar);
            search->gdNovaDblClick(search->gdNova);
        });
        ASSERT_TRUE(frmPrincipal->btnTransferirFoto->Enabled());
        ASSERT_TRUE(waitFor(MainActive, 3000));

        // The folder dialog, confirmed with a click on its OK button.
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString root = dir.path();
        testenv::onNextModal([&](QWidget* w) {
            auto* dialog = qobject_cast<TvnSelDirDlgForm*>(w);
            ASSERT_NE(dialog, nullptr);
            ASSERT_TRUE(waitFor([&] { return dialog->isActiveWindow(); }, 3000));
            dialog->Tree()->SetPath(root);
            ClickOn(dialog->OkButton());
        });
        ClickOn(frmPrincipal->vnSkinButton3);
        ASSERT_TRUE(waitFor(
            [&] { return frmPrincipal->edtSalvarEM->Text() == root && !QApplication::activeModalWidget(); },
            10000));
        EXPECT_TRUE(waitFor(MainActive, 3000)) << "the main window is active after the folder dialog";
        EXPECT_EQ(QApplication::focusWidget(), frmPrincipal->vnSkinButton3);
        KeepScreen(desktop + QStringLiteral("-after-folder"));

        // One click on "Transferir Fotos" transfers the ticked category.
        frmPrincipal->Category(4).CheckBox->SetChecked(true);
        bool ended = false;
        AnswerTheTransfer(&ended);
        ClickOn(frmPrincipal->btnTransferirFoto);
        EXPECT_TRUE(waitFor([&] { return ended && !QApplication::activeModalWidget(); }, 30000))
            << "one click started the transfer";
        EXPECT_TRUE(QDir(root + QStringLiteral("/Edicao/Escolhidas_Capa")).exists());
        EXPECT_TRUE(waitFor(MainActive, 3000));
    }
};

} // namespace

TEST_F(ActivationTest, WithoutAWindowManagerEveryFirstClickActs)
{
    TheFirstClicksWork(QStringLiteral("bare"));
}

TEST_F(ActivationTest, UnderAWindowManagerEveryFirstClickActs)
{
    testenv::WindowManager wm;
    if (!wm.Start()) GTEST_SKIP() << "openbox is not installed (scripts/setup installs it)";
    TheFirstClicksWork(QStringLiteral("openbox"));
}

TEST_F(ActivationTest, AClickOnAWindowThatIsNotActiveActivatesItAndActs)
{
    ASSERT_TRUE(LogIn());
    QWidget other;
    other.setGeometry(20, 20, 200, 120);
    other.show();
    const auto otherFirst = [&] {
        other.activateWindow();
        return waitFor([&] { return other.isActiveWindow(); }, 3000);
    };

    // A control: the button is pressed by the click that activates its window.
    ASSERT_TRUE(otherFirst());
    OneClickOpensTheSearch();

    // A caption button: the frame acts on the same click (the close button ends the
    // program).
    auto* frame = frmPrincipal->ComponentByName<TvnVeneerform>("vnVeneerform1");
    QRect close;
    for (int i = 0; i < frame->Objects().Count(); ++i)
        if (frame->Objects().State(i).IDName == QLatin1String("closebutton"))
            close = frame->Objects().LayoutAt(i).Rect;
    ASSERT_FALSE(close.isEmpty());
    ASSERT_TRUE(otherFirst());
    testenv::ClickAt(frmPrincipal->mapToGlobal(close.center()));
    EXPECT_TRUE(waitFor([] { return Application()->Terminated(); }, 3000)) << "one click closed the window";
}
