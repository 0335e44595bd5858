// The whole job as a clerk does it, on a real X server, with real key presses and mouse
// clicks sent through the X server by xdotool: log in, find an event, choose it, and
// read back what the windows show. The windows run in this process, so what they show
// is read through their controls.
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "app/uLocalizarCliente/uLocalizarCliente.h"
#include "app/uLogin/uLogin.h"
#include "app/uPrincipal/uPrincipal.h"
#include "app/uProgresso/uProgresso.h"
#include "framework/Application.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/Field.h"
#include "framework/data/SQLConnection.h"
#include "framework/stdctrls/ListBox.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"
#include "skin/controls/vnSkinShellCtrls/DirTreeView.h"
#include "skin/controls/vnSkinShellCtrls/SelDirDlg.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"
#include "skin/controls/vndbctrls/DBCtrlGrid.h"
#include "skin/controls/vndbctrls/DBText.h"
#include "support/MainWindowSession.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"
#include "support/XDesktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <random>

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
using testenv::ClickOn;

template <class T> T* WaitForModal()
{
    T* found = nullptr;
    testenv::waitFor([&] {
        found = qobject_cast<T*>(QApplication::activeModalWidget());
        return found && found->isVisible();
    });
    // A modal window takes the keyboard by itself, with or without a window manager; the
    // clerk types once the X server has given it the keyboard.
    if (!found) return nullptr;
    if (!QTest::qWaitForWindowActive(found)) {
        ADD_FAILURE() << "the modal window did not become active";
    } else if (!testenv::WaitForKeyboard(found)) {
        ADD_FAILURE() << "the X server did not give it the keyboard";
    } else {
        return found;
    }
    return nullptr;
}

class EndToEndTest : public MainWindowSession {
protected:
    static QString Text(const char* name)
    {
        return frmPrincipal->ComponentByName<TvnSkinDBText>(QLatin1String(name))->Caption();
    }

    // Logs in with the keyboard as a clerk does; the main window is up afterwards.
    void LogInByKeyboard()
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
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmPrincipal));
    }

    // Finds event 101 with the keyboard and chooses it.
    void ChooseEvent()
    {
        bool chose = false;
        testenv::onNextModal([&](QWidget*) {
            TfrmLocalizar* search = WaitForModal<TfrmLocalizar>();
            ASSERT_NE(search, nullptr);
            Type("Casamento Lu");
            Press("Return");
            EXPECT_TRUE(testenv::waitFor([] { return DM->cdsEvento->Active(); }));
            Press("Down");
            Press("Return");
            chose = true;
        });
        ClickOn(frmPrincipal->btnLocalizarCliente);
        ASSERT_TRUE(testenv::waitFor([&] { return chose && !QApplication::activeModalWidget(); }, 20000));
        ASSERT_EQ(Text("vnSkinDBText6"), "101");
    }

    // Searches for another client's event, then closes the search window with its caption
    // close button, as a clerk who changed their mind does. Nothing of the main window
    // may change.
    void AbandonASearch()
    {
        const QStringList before
            = { Text("vnSkinDBText5"), Text("vnSkinDBText6"), Text("vnSkinDBText7"), Text("vnSkinDBText8") };
        bool closed = false;
        testenv::onNextModal([&](QWidget*) {
            TfrmLocalizar* search = WaitForModal<TfrmLocalizar>();
            ASSERT_NE(search, nullptr);
            Type("Magalh");
            Press("Return");
            ASSERT_TRUE(testenv::waitFor([] {
                return DM->cdsEvento->Active() && DM->cdsEvento->RecordCount() == 1
                    && DM->cdsEvento->FieldByName("id_evento").AsInteger() == 102;
            })) << "the other client's event is found";
            auto* frame = search->ComponentByName<TvnVeneerform>("vnVeneerform1");
            ASSERT_NE(frame, nullptr);
            const QRect close = testenv::PlaceOf(*frame, "closebutton");
            ASSERT_FALSE(close.isEmpty());
            testenv::ClickAt(testenv::OnScreen(search, close.center()));
            closed = true;
        });
        ClickOn(frmPrincipal->btnLocalizarCliente);
        ASSERT_TRUE(testenv::waitFor([&] { return closed && !QApplication::activeModalWidget(); }, 20000));
        EXPECT_EQ(QStringList({ Text("vnSkinDBText5"), Text("vnSkinDBText6"), Text("vnSkinDBText7"),
                      Text("vnSkinDBText8") }),
            before);
    }
};

// What the message box that ends a transfer said; it is answered with Enter. The
// progress window before it is passed over: the script must not wait inside its loop.
void AnswerTheEndOfTheTransfer(QString* text, QStringList* buttons)
{
    testenv::onNextModal([text, buttons](QWidget* w) {
        if (qobject_cast<TfrmProgresso*>(w)) {
            AnswerTheEndOfTheTransfer(text, buttons);
            return;
        }
        auto* box = WaitForModal<QMessageBox>();
        ASSERT_NE(box, nullptr) << w->metaObject()->className();
        *text = box->text();
        for (QAbstractButton* b : box->buttons())
            buttons->append(b->text());
        Press("Return");
    });
}

TEST_F(EndToEndTest, AClerkFindsAnEventByKeyboardAndSeesItsPhotosAndCounts)
{
    LogInByKeyboard();
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
    const QStringList captions = PerCategory([](const auto& c) { return c.Sheet->Caption(); });
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

TEST_F(EndToEndTest, AClerkChoosesTheFolderTicksTwoCategoriesAndGetsTheChosenPhotosByteForByte)
{
    // The event's photo tree: the chosen photos spread over the camera folders, with
    // others beside them.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + QStringLiteral("/Casamento 101");
    std::mt19937 random(3);
    QMap<QString, QByteArray> sources; // chosen name -> its bytes
    const auto write = [&](const QString& relative) {
        const QString path = root + u'/' + relative;
        QDir().mkpath(QFileInfo(path).path());
        QByteArray bytes(int(3000 + random() % 5000), Qt::Uninitialized);
        for (char& c : bytes)
            c = char(random());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()) << path.toStdString();
        return bytes;
    };
    for (const char* name : { "Camera A/DSC_0001.jpg", "Camera A/DSC_0002.jpg",
             "Camera B/Igreja/DSC_0301.jpg", "Camera B/DSC_0302.jpg", "DSC_0303.jpg" })
        sources[QFileInfo(QLatin1String(name)).fileName()] = write(QLatin1String(name));
    sources[QString::fromUtf8("Cerimônia_Entrada_Noiva.jpg")]
        = write(QString::fromUtf8("Camera B/Cerimônia_Entrada_Noiva.jpg"));
    sources[QString::fromUtf8("Álbum_Família_Araújo_Conceição_Recepção_000001.jpg")]
        = write(QString::fromUtf8("Recepção/Álbum_Família_Araújo_Conceição_Recepção_000001.jpg"));
    write("Camera A/DSC_0009.jpg");
    write("Camera B/DSC_0101.jpg");
    // The photos of the event a search found and the clerk abandoned.
    for (const char* name : { "Camera A/FORM_0001.jpg", "Camera A/FORM_0002.jpg", "Camera B/FORM_0100.jpg" })
        write(QLatin1String(name));

    LogInByKeyboard();
    ChooseEvent();
    AbandonASearch();

    // The "..." button: the folder is chosen in the dialog's tree, confirmed with a click.
    QString caption;
    testenv::onNextModal([&](QWidget*) {
        auto* form = WaitForModal<TvnSelDirDlgForm>();
        ASSERT_NE(form, nullptr);
        caption = form->Caption();
        form->Tree()->SetPath(root);
        ASSERT_EQ(form->Tree()->SelectedPath(), root);
        ClickOn(form->OkButton());
    });
    auto* folderButton = frmPrincipal->ComponentByName<TvnSkinButton>("vnSkinButton3");
    ASSERT_NE(folderButton, nullptr);
    ASSERT_TRUE(folderButton->isVisible());
    ClickOn(folderButton);
    ASSERT_TRUE(
        testenv::waitFor([&] { return !caption.isEmpty() && !QApplication::activeModalWidget(); }, 20000))
        << "caption " << caption.toStdString() << ", modal "
        << (QApplication::activeModalWidget() ? QApplication::activeModalWidget()->metaObject()->className()
                                              : "none");
    EXPECT_EQ(caption, "Select folder");
    EXPECT_EQ(frmPrincipal->edtSalvarEM->Text(), root);
    EXPECT_EQ(frmPrincipal->lbDiretorio->Caption(), root);

    // Ampliação and Álbum ticked with the mouse.
    for (int tab : { 0, 3 }) {
        ClickOn(frmPrincipal->Category(tab).CheckBox);
        EXPECT_TRUE(frmPrincipal->Category(tab).CheckBox->Checked()) << tab;
    }
    QString text;
    QStringList buttons;
    AnswerTheEndOfTheTransfer(&text, &buttons);
    ClickOn(frmPrincipal->btnTransferirFoto);
    ASSERT_TRUE(
        testenv::waitFor([&] { return !text.isEmpty() && !QApplication::activeModalWidget(); }, 30000));
    EXPECT_EQ(text, "Fotos Transferida com sucesso");
    EXPECT_EQ(buttons, QStringList({ "OK" }));

    const struct {
        const char* folder;
        QStringList names;
    } expected[] = {
        { "Edicao/Escolhidas_Ampliacao",
            { QString::fromUtf8("Cerimônia_Entrada_Noiva.jpg"), "DSC_0001.jpg", "DSC_0002.jpg" } },
        { "Edicao/Escolhidas_Album",
            { "DSC_0301.jpg", "DSC_0302.jpg", "DSC_0303.jpg",
                QString::fromUtf8("Álbum_Família_Araújo_Conceição_Recepção_000001.jpg") } },
    };
    for (const auto& e : expected) {
        const QString folder = root + u'/' + QLatin1String(e.folder);
        QStringList names = e.names;
        names.sort();
        EXPECT_EQ(
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), names)
            << e.folder;
        for (const QString& name : names) {
            QFile f(folder + u'/' + name);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
            EXPECT_TRUE(f.readAll() == sources.value(name))
                << name.toStdString() << " differs from its source";
        }
    }
    EXPECT_EQ(QDir(root + "/Edicao").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
        QStringList({ "Escolhidas_Album", "Escolhidas_Ampliacao" }));
    EXPECT_EQ(frmPrincipal->pstFotos->TabIndex(), 3);
    EXPECT_EQ(frmPrincipal->ListBoxDiretorio->Items().last(), root);
    EXPECT_EQ(frmPrincipal->ListBoxCienteSelecionou->Items(), QStringList({ "DSC_0303.jpg" }));
    EXPECT_EQ(frmPrincipal->lbQtoFotos->Caption(), "1");
}

} // namespace
