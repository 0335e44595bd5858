// The main window's transfer against the real test database and real files: the
// checks and their messages, the copies into the edit folders, the progress window and
// its cancel, the report when something is missing, and the state the window ends in.
#include "app/Registration.h"
#include "app/transfer/Categories.h"
#include "app/uDM/uDM.h"
#include "app/uLocalizarCliente/uLocalizarCliente.h"
#include "app/uPrincipal/uPrincipal.h"
#include "app/uProgresso/uProgresso.h"
#include "app/uRelatorio/uRelatorio.h"
#include "framework/Application.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/SQLConnection.h"
#include "framework/stdctrls/ListBox.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"
#include "skin/controls/vnSkinShellCtrls/DirTreeView.h"
#include "skin/controls/vnSkinShellCtrls/SelDirDlg.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"
#include "skin/controls/vndbctrls/DBCtrlGrid.h"
#include "support/MainWindowSession.h"
#include "support/SeenBox.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <condition_variable>
#include <csignal>
#include <memory>
#include <mutex>
#include <sys/resource.h>

namespace {

using testenv::SeenBox;

// The categories in tab order, as the category table lists them.
enum { kAmpliacao, kBioombo, kOutros, kAlbum, kCapa };

// What one press of "Transferir Fotos" showed, in order.
struct TShown {
    QStringList order; // "box", "report"
    QWidget* seenProgress = nullptr;
    QList<SeenBox> boxes;
    QStringList report;
    QString reportSummary;
    int progressWindows = 0;
    int saves = 0; // times to press "Salvar relatório" before closing the report
    QStringList saved; // the paths the report window said it saved to
    QString savedCaption;
};

// Answers each modal window the transfer opens until its last one: the progress window
// is watched (and `during` acts on it once), a message box is answered with its first
// button, the report is read and closed.
void Watch(TShown* shown, std::function<void(TfrmProgresso*)> during)
{
    testenv::onNextModal([shown, during](QWidget* w) {
        if (auto* progress = qobject_cast<TfrmProgresso*>(w)) {
            // A short transfer may end before it is seen: only its last windows count.
            if (shown->seenProgress != progress) {
                shown->seenProgress = progress;
                ++shown->progressWindows;
                if (during) during(progress);
            }
            Watch(shown, nullptr);
            return;
        }
        if (auto* report = qobject_cast<TfrmRelatorio*>(w)) {
            shown->order.append("report");
            shown->report = report->lstRelatorio->Items();
            shown->reportSummary = report->lbResumo->Caption();
            for (int i = 0; i < shown->saves; ++i) {
                report->btnSalvar->Click();
                shown->saved.append(report->SavedPath());
            }
            shown->savedCaption = report->lbSalvo->Caption();
            if (shown->report.join(u'\n').contains(QString::fromUtf8("Fotos não encontradas:")))
                testenv::KeepPicture(report, "transfer-report-missing");
            report->btnFechar->Click();
            return;
        }
        SeenBox seen;
        if (!testenv::AnswerBox(seen, w)) {
            ADD_FAILURE() << "an unexpected window: " << w->metaObject()->className();
            w->close();
            return;
        }
        shown->order.append("box");
        shown->boxes.append(seen);
        // The error box of a database failure comes before the report.
        if (seen.icon == QMessageBox::Critical) Watch(shown, nullptr);
    });
}

class TransferWindowTest : public MainWindowSession {
protected:
    void SetUp() override
    {
        MainWindowSession::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(m_dir.isValid());
        m_root = m_dir.path() + QStringLiteral("/Evento 101");
        ASSERT_TRUE(QDir().mkpath(m_root));
        DM->IdEmpresa = 1;
    }

    // Chooses event 101 ("Luíza Araújo") through the search window.
    static void ChooseEvent101() { ChooseEvent(QString::fromUtf8("Luíza Araújo")); }
    static void ChooseEvent(const QString& who)
    {
        Search([who](TfrmLocalizar* search) {
            search->EdtEvento->SetText(who);
            search->edtLocalizarClick(search->edtLocalizar);
            ASSERT_GT(DM->cdsEvento->RecordCount(), 0);
            search->gdNovaDblClick(search->gdNova);
        });
    }

    static void Check(std::initializer_list<int> tabs)
    {
        for (int i = 0; i < 5; ++i)
            frmPrincipal->Category(i).CheckBox->SetChecked(false);
        for (int tab : tabs)
            frmPrincipal->Category(tab).CheckBox->SetChecked(true);
    }

    void SetRoot() { frmPrincipal->edtSalvarEM->SetText(m_root); }

    static TShown Transfer(std::function<void(TfrmProgresso*)> during = nullptr, int saves = 0)
    {
        TShown shown;
        shown.saves = saves;
        Watch(&shown, std::move(during));
        frmPrincipal->btnTransferirFotoClick(frmPrincipal->btnTransferirFoto);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return shown;
    }

    // A photo whose content names its place, so that the source of a copy shows.
    void Photo(const QString& relative, const QByteArray& content = {})
    {
        const QString path = m_root + u'/' + relative;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content.isEmpty() ? relative.toUtf8() : content);
    }
    QByteArray Read(const QString& relative) const
    {
        QFile f(m_root + u'/' + relative);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    // The files (not folders) below the root, relative, sorted.
    QStringList Files() const
    {
        QStringList files;
        QDirIterator it(m_root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(QDir(m_root).relativeFilePath(it.next()));
        files.sort();
        return files;
    }
    // What the edit folder of category `k` holds.
    QStringList Entries(int k) const
    {
        return QDir(m_root + u'/' + Categorias[k].Pasta.toString())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir m_dir;
    QString m_root;
};

QString U(const char* text) { return QString::fromUtf8(text); }

bool Mentions(const QStringList& lines, const QString& text)
{
    return std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.contains(text); });
}

TEST_F(TransferWindowTest, WithoutARootOrACategoryOnlyTheMessageShowsAndNothingIsWritten)
{
    ChooseEvent101();
    Photo("fotos/DSC_0001.jpg");
    const QStringList before = Files();

    Check({ kAmpliacao });
    TShown shown = Transfer();
    ASSERT_EQ(shown.order, QStringList({ "box" }));
    EXPECT_EQ(shown.boxes[0].text, U("Selecione uma diretório antes de proceguir"));
    EXPECT_EQ(shown.boxes[0].caption, "Information");
    EXPECT_EQ(shown.boxes[0].icon, QMessageBox::Information);
    EXPECT_EQ(shown.boxes[0].buttons, "&Yes");

    // The root comes first: with neither, the root's message shows.
    Check({});
    shown = Transfer();
    ASSERT_EQ(shown.order, QStringList({ "box" }));
    EXPECT_EQ(shown.boxes[0].text, U("Selecione uma diretório antes de proceguir"));

    SetRoot();
    shown = Transfer();
    ASSERT_EQ(shown.order, QStringList({ "box" }));
    EXPECT_EQ(shown.boxes[0].text, "Selecione uma das opções para salvar as fotos");
    EXPECT_EQ(shown.boxes[0].caption, "Information");
    EXPECT_EQ(shown.boxes[0].icon, QMessageBox::Information);
    EXPECT_EQ(shown.boxes[0].buttons, "&Yes");
    EXPECT_EQ(Files(), before);
    EXPECT_FALSE(QFileInfo::exists(m_root + "/Edicao"));
}

// An empty result chosen leaves the previous event's list in the grids; the transfer
// must not copy it into the edit folders as if it were a client's choice.
TEST_F(TransferWindowTest, AfterChoosingFromAnEmptyResultNothingIsCopiedAndTheClerkIsTold)
{
    ChooseEvent101();
    SetRoot();
    Photo("a/DSC_0001.jpg");
    Search([](TfrmLocalizar* search) {
        search->EdtEvento->SetText("nobody by this name");
        search->edtLocalizarClick(search->edtLocalizar);
        search->gdNovaDblClick(search->gdNova);
    });
    ASSERT_TRUE(DM->cdsFotoEscolhida->Active()); // the earlier list is still shown
    const QStringList before = Files();
    Check({ kAmpliacao, kCapa });
    const TShown shown = Transfer();
    ASSERT_EQ(shown.order, QStringList({ "box" }));
    EXPECT_TRUE(shown.boxes[0].text.startsWith(U("Nenhum cliente selecionado")))
        << shown.boxes[0].text.toStdString();
    EXPECT_EQ(shown.boxes[0].icon, QMessageBox::Information);
    EXPECT_EQ(shown.progressWindows, 0);
    EXPECT_EQ(Files(), before);
    EXPECT_FALSE(QFileInfo::exists(m_root + "/Edicao"));
}

TEST_F(TransferWindowTest, EverythingFoundIsCopiedOnceAndTheRepeatCopiesNothingButStillSucceeds)
{
    ChooseEvent101();
    SetRoot();
    // Ampliação: DSC_0001, DSC_0002, Cerimônia_Entrada_Noiva; Capa: Capa_Luíza. The
    // first folder in walk order is the source; the root's own photos come last.
    Photo("a/DSC_0001.jpg");
    Photo("a/sub/DSC_0002.jpg");
    Photo("b/DSC_0002.jpg");
    Photo(U("Cerimônia_Entrada_Noiva.jpg"));
    Photo(U("a/Capa_Luíza.jpg"));
    Photo("a/sub/Other.jpg");
    // Differs only in case: listed, but never the chosen photo.
    Photo("b/dsc_0001.JPG");
    Check({ kAmpliacao, kCapa });
    frmPrincipal->pstFotos->SetTabIndex(kBioombo);

    TShown shown = Transfer();
    ASSERT_EQ(shown.order, QStringList({ "box" })) << shown.report.join('\n').toStdString();
    EXPECT_EQ(shown.boxes[0].text, "Fotos Transferida com sucesso");
    EXPECT_EQ(shown.boxes[0].icon, QMessageBox::Information);
    EXPECT_EQ(shown.boxes[0].buttons, "OK");
    EXPECT_EQ(Entries(kAmpliacao),
        QStringList({ U("Cerimônia_Entrada_Noiva.jpg"), "DSC_0001.jpg", "DSC_0002.jpg" }));
    EXPECT_EQ(Read("Edicao/Escolhidas_Ampliacao/DSC_0001.jpg"), "a/DSC_0001.jpg");
    EXPECT_EQ(Read("Edicao/Escolhidas_Ampliacao/DSC_0002.jpg"), "a/sub/DSC_0002.jpg");
    EXPECT_EQ(Read(U("Edicao/Escolhidas_Ampliacao/Cerimônia_Entrada_Noiva.jpg")),
        U("Cerimônia_Entrada_Noiva.jpg").toUtf8());
    EXPECT_EQ(Entries(kCapa), QStringList({ U("Capa_Luíza.jpg") }));
    EXPECT_EQ(Read(U("Edicao/Escolhidas_Capa/Capa_Luíza.jpg")), U("a/Capa_Luíza.jpg").toUtf8());
    // Only the checked categories' folders are made.
    EXPECT_EQ(QDir(m_root + "/Edicao").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
        QStringList({ "Escolhidas_Ampliacao", "Escolhidas_Capa" }));

    // The end state: the last checked category's tab and list, the folders of the walk
    // with the root last, the root's photos and their count.
    EXPECT_EQ(frmPrincipal->pstFotos->TabIndex(), kCapa);
    ASSERT_TRUE(DM->cdsFotoEscolhida->Active());
    EXPECT_EQ(DM->cdsFotoEscolhida->RecordCount(), 1);
    const QStringList folders = frmPrincipal->ListBoxDiretorio->Items();
    ASSERT_FALSE(folders.isEmpty());
    EXPECT_EQ(folders.last(), m_root);
    const auto at
        = [&](const char* rel) { return folders.indexOf(QDir(m_root).filePath(QLatin1String(rel))); };
    EXPECT_GE(at("a"), 0);
    EXPECT_EQ(at("a/sub"), at("a") + 1) << "each folder directly before the ones below it";
    EXPECT_GE(at("b"), 0);
    EXPECT_GE(at("Edicao"), 0);
    EXPECT_EQ(
        frmPrincipal->ListBoxCienteSelecionou->Items(), QStringList({ U("Cerimônia_Entrada_Noiva.jpg") }));
    EXPECT_EQ(frmPrincipal->lbQtoFotos->Caption(), "1");

    // Again: nothing to copy, nothing replaced, and still the success message.
    const QStringList files = Files();
    Photo("c/DSC_0001.jpg", "a newer photo of the same name");
    shown = Transfer();
    ASSERT_EQ(shown.order, QStringList({ "box" })) << shown.report.join('\n').toStdString();
    EXPECT_EQ(shown.boxes[0].text, "Fotos Transferida com sucesso");
    EXPECT_EQ(Read("Edicao/Escolhidas_Ampliacao/DSC_0001.jpg"), "a/DSC_0001.jpg");
    QStringList expected = files;
    expected.append("c/DSC_0001.jpg");
    expected.sort();
    EXPECT_EQ(Files(), expected);
}

TEST_F(TransferWindowTest, ACategoryWithNothingChosenStillGetsItsFolderAndTheSuccessMessage)
{
    // Event 102 has photos chosen for Ampliação and Álbum only.
    ChooseEvent(QString::fromUtf8("Sebastião"));
    SetRoot();
    Photo("fotos/FORM_0001.jpg");
    Photo("fotos/FORM_0002.jpg");
    Check({ kAmpliacao, kBioombo });
    const TShown shown = Transfer();
    ASSERT_EQ(shown.order, QStringList({ "box" })) << shown.report.join('\n').toStdString();
    EXPECT_EQ(shown.boxes[0].text, "Fotos Transferida com sucesso");
    EXPECT_EQ(Entries(kAmpliacao), QStringList({ "FORM_0001.jpg", "FORM_0002.jpg" }));
    EXPECT_TRUE(QFileInfo(m_root + "/Edicao/Escolhidas_Bioombo").isDir());
    EXPECT_EQ(Entries(kBioombo), QStringList());
    EXPECT_EQ(frmPrincipal->pstFotos->TabIndex(), kBioombo);
    EXPECT_EQ(DM->cdsFotoEscolhida->RecordCount(), 0);
    EXPECT_EQ(frmPrincipal->ListBoxCienteSelecionou->Items(), QStringList());
    EXPECT_EQ(frmPrincipal->lbQtoFotos->Caption(), "0");
}

TEST_F(TransferWindowTest, AMissingPhotoLeadsToTheReportNamingItAndTheRestIsCopied)
{
    ChooseEvent101();
    SetRoot();
    // Álbum: DSC_0301, DSC_0302, DSC_0303 and the long name; two are not in the tree.
    Photo("x/DSC_0301.jpg");
    Photo("x/DSC_0303.jpg");
    Photo("x/y/DSC_0302.JPG");
    Check({ kAlbum });

    const TShown shown = Transfer(nullptr, 2);
    ASSERT_EQ(shown.order, QStringList({ "report" }));
    EXPECT_EQ(Entries(kAlbum), QStringList({ "DSC_0301.jpg", "DSC_0303.jpg" }));
    // Saved twice: two files beside the edit folders, each the report as shown.
    ASSERT_EQ(shown.saved.size(), 2);
    EXPECT_NE(shown.saved[0], shown.saved[1]);
    for (const QString& path : shown.saved) {
        EXPECT_EQ(QFileInfo(path).path(), m_root + "/Edicao") << path.toStdString();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_EQ(QString::fromUtf8(f.readAll()), shown.report.join(u'\n') + u'\n');
    }
    EXPECT_TRUE(shown.savedCaption.endsWith(shown.saved[1])) << shown.savedCaption.toStdString();
    EXPECT_TRUE(Mentions(shown.report, "Copiadas: 2   Já existiam: 0   Não encontradas: 2   Com erro: 0"))
        << shown.report.join('\n').toStdString();
    EXPECT_TRUE(Mentions(shown.report, "DSC_0302.jpg"));
    EXPECT_TRUE(Mentions(shown.report, U("Álbum_Família_Araújo_Conceição_Recepção_000001.jpg")));
    EXPECT_FALSE(Mentions(shown.report, "DSC_0301.jpg")) << "only what went wrong is named";
    EXPECT_FALSE(shown.reportSummary.isEmpty());
}

TEST_F(TransferWindowTest, ACopyThatFailsIsReportedWithItsReasonAndLeavesNoPartialFile)
{
    ChooseEvent101();
    SetRoot();
    Photo("fotos/DSC_0001.jpg", QByteArray(64 * 1024, 'a'));
    Photo("fotos/DSC_0002.jpg", "small");
    Photo(U("fotos/Cerimônia_Entrada_Noiva.jpg"), "small too");
    Check({ kAmpliacao });

    // Files may not grow beyond 16 KiB while the transfer runs (root passes over
    // permissions, not over this limit).
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old;
    limit.rlim_cur = 16 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const TShown shown = Transfer();
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(shown.order, QStringList({ "report" }));
    EXPECT_EQ(Entries(kAmpliacao), QStringList({ U("Cerimônia_Entrada_Noiva.jpg"), "DSC_0002.jpg" }))
        << "no partial file, no temporary left behind";
    EXPECT_TRUE(Mentions(shown.report, "Copiadas: 2   Já existiam: 0   Não encontradas: 0   Com erro: 1"))
        << shown.report.join('\n').toStdString();
    const auto line = std::find_if(shown.report.begin(), shown.report.end(),
        [](const QString& l) { return l.contains("DSC_0001.jpg"); });
    ASSERT_NE(line, shown.report.end());
    // The reason in the clerk's language, not the system's English.
    EXPECT_TRUE(line->contains(U(" — "))) << line->toStdString();
    EXPECT_FALSE(line->contains("File too large")) << line->toStdString();

    // With the limit gone, the next transfer completes the category.
    const TShown again = Transfer();
    ASSERT_EQ(again.order, QStringList({ "box" }));
    EXPECT_EQ(Read("Edicao/Escolhidas_Ampliacao/DSC_0001.jpg"), QByteArray(64 * 1024, 'a'));
}

// Holds the transfer's thread at its first copying step once a photo is done, until it
// is let go: a cancel then comes while photos are left, however loaded the machine.
class TTransferGate {
public:
    TTransferGate()
    {
        TfrmProgresso::SetStepHook([this](const TTransferProgress& p) {
            if (p.Step != TTransferProgress::TStep::Copying || p.Done < 1) return;
            std::unique_lock lock(m_mutex);
            if (m_passed) return;
            m_held = true;
            // Bounded: a test that fails before letting go still ends.
            m_changed.wait_for(lock, std::chrono::seconds(20), [this] { return m_released; });
            m_passed = true;
        });
    }
    ~TTransferGate()
    {
        Release();
        TfrmProgresso::SetStepHook({});
    }
    bool Held()
    {
        return testenv::waitFor(
            [this] {
                std::lock_guard lock(m_mutex);
                return m_held;
            },
            10000);
    }
    void Release()
    {
        std::lock_guard lock(m_mutex);
        m_released = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false, m_released = false, m_passed = false;
};

TEST_F(TransferWindowTest, CancelAndCloseStopAfterThePhotoAtHandAndTheNextTransferCompletesTheRest)
{
    // Many chosen photos; the gate holds the copying part-way while Cancelar is pressed.
    constexpr int kMany = 1000;
    testdb::PrivateServer server;
    ASSERT_TRUE(server.Start());
    ASSERT_TRUE(
        server.Execute(QStringLiteral("INSERT INTO x9_foto_escolhida (id_foto_escolhida, id_empresa, "
                                      "id_evento, id_x9_local, nome_foto) SELECT 100000 + seq, 1, 101, 5, "
                                      "CONCAT('P_', LPAD(seq, 5, '0'), '.jpg') FROM seq_1_to_%1;")
                           .arg(kMany)));
    testdb::Redirect(*DM->ConectMysql, server.Port());
    ChooseEvent101();
    SetRoot();
    QStringList all;
    for (const char* name : { "DSC_0301.jpg", "DSC_0302.jpg", "DSC_0303.jpg" })
        all.append(QLatin1String(name));
    all.append(U("Álbum_Família_Araújo_Conceição_Recepção_000001.jpg"));
    for (int i = 1; i <= kMany; ++i)
        all.append(QStringLiteral("P_%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
    const QByteArray content(2048, 'p');
    for (const QString& name : all)
        Photo(QStringLiteral("fotos/") + name, content);
    all.sort();
    const QSet<QString> known(all.begin(), all.end());
    Check({ kAlbum });
    const QString edit = m_root + "/Edicao/Escolhidas_Album/";
    // Whatever is in the edit folder is a whole photo, never a part or a temporary.
    const auto allWhole = [&] {
        const QStringList done = Entries(kAlbum);
        for (const QString& name : done) {
            EXPECT_TRUE(known.contains(name)) << name.toStdString();
            EXPECT_EQ(QFileInfo(edit + name).size(), content.size()) << name.toStdString();
        }
        return done.size();
    };

    QString categoryShown, countShown, fileShown;
    bool cancelEnabledBefore = false, cancelEnabledAfter = true, modal = false, mainBlocked = false;
    auto gate = std::make_unique<TTransferGate>();
    TShown shown = Transfer([&](TfrmProgresso* progress) {
        ASSERT_TRUE(gate->Held());
        modal = QApplication::activeModalWidget() == progress;
        mainBlocked = QApplication::activeModalWidget() != frmPrincipal;
        cancelEnabledBefore = progress->btnCancelar->Enabled();
        testenv::waitFor([&] { return progress->lbContagem->Caption().startsWith("Fotos:"); }, 10000);
        categoryShown = progress->lbCategoria->Caption();
        countShown = progress->lbContagem->Caption();
        fileShown = progress->lbArquivo->Caption();
        testenv::KeepPicture(progress, "transfer-progress");
        EXPECT_TRUE(progress->Running());
        progress->btnCancelar->Click();
        cancelEnabledAfter = progress->btnCancelar->Enabled();
        gate->Release();
    });
    gate.reset();
    EXPECT_TRUE(modal);
    EXPECT_TRUE(mainBlocked);
    EXPECT_TRUE(cancelEnabledBefore);
    EXPECT_FALSE(cancelEnabledAfter);
    EXPECT_EQ(categoryShown, U("Copiando: Álbum"));
    EXPECT_TRUE(countShown.endsWith(QStringLiteral(" de %1").arg(kMany + 4))) << countShown.toStdString();
    EXPECT_TRUE(all.contains(fileShown)) << fileShown.toStdString();
    ASSERT_EQ(shown.order, QStringList({ "report" }));
    EXPECT_TRUE(Mentions(shown.report, U("A transferência foi cancelada antes do fim.")));
    EXPECT_TRUE(Mentions(shown.report, U("Não transferidas (cancelado):")))
        << shown.report.join('\n').toStdString();
    const qsizetype afterCancel = allWhole();
    EXPECT_LT(afterCancel, all.size());

    // Closing the window is cancelling too: it stays until the photo at hand is done. A
    // stray Enter (the clerk's second press on "Transferir Fotos") cancels nothing.
    bool stillOpen = false, runningAfterEnter = false;
    gate = std::make_unique<TTransferGate>();
    shown = Transfer([&](TfrmProgresso* progress) {
        ASSERT_TRUE(gate->Held());
        testenv::waitFor([&] { return progress->lbContagem->Caption().startsWith("Fotos:"); }, 10000);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : progress, Qt::Key_Return);
        QCoreApplication::processEvents();
        runningAfterEnter = progress->Running() && progress->btnCancelar->Enabled();
        progress->Close();
        stillOpen = progress->isVisible();
        gate->Release();
    });
    gate.reset();
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(runningAfterEnter);
    ASSERT_EQ(shown.order, QStringList({ "report" }));
    EXPECT_TRUE(Mentions(shown.report, U("A transferência foi cancelada antes do fim.")));
    const qsizetype afterClose = allWhole();
    EXPECT_GE(afterClose, afterCancel);
    EXPECT_LT(afterClose, all.size());

    shown = Transfer();
    ASSERT_EQ(shown.order, QStringList({ "box" })) << shown.report.join('\n').toStdString();
    EXPECT_EQ(shown.boxes[0].text, "Fotos Transferida com sucesso");
    EXPECT_EQ(allWhole(), all.size());
    EXPECT_EQ(Entries(kAlbum), all);
}

TEST_F(TransferWindowTest, APhotoOfTwoCategoriesGoesIntoBothEditFolders)
{
    // A server of the test's own, so that a photo can be chosen in a second category.
    testdb::PrivateServer server;
    ASSERT_TRUE(server.Start());
    testdb::Redirect(*DM->ConectMysql, server.Port());
    ASSERT_TRUE(server.Execute("INSERT INTO x9_foto_escolhida (id_foto_escolhida, id_empresa, id_evento, "
                               "id_x9_local, nome_foto) VALUES (9001, 1, 101, 8, 'DSC_0001.jpg');"));
    ChooseEvent101();
    SetRoot();
    Photo("fotos/DSC_0001.jpg");
    Photo("fotos/DSC_0002.jpg");
    Photo(U("fotos/Cerimônia_Entrada_Noiva.jpg"));
    Photo("fotos/DSC_0101.jpg");
    Check({ kBioombo, kAmpliacao });

    const TShown shown = Transfer();
    ASSERT_EQ(shown.order, QStringList({ "box" })) << shown.report.join('\n').toStdString();
    EXPECT_EQ(shown.boxes[0].text, "Fotos Transferida com sucesso");
    EXPECT_EQ(Read("Edicao/Escolhidas_Ampliacao/DSC_0001.jpg"), "fotos/DSC_0001.jpg");
    EXPECT_EQ(Read("Edicao/Escolhidas_Bioombo/DSC_0001.jpg"), "fotos/DSC_0001.jpg");
    EXPECT_EQ(Entries(kBioombo), QStringList({ "DSC_0001.jpg", "DSC_0101.jpg" }));
    EXPECT_EQ(frmPrincipal->pstFotos->TabIndex(), kBioombo) << "the last checked in tab order";
}

TEST_F(TransferWindowTest, ADatabaseFailureEndsTheTransferWithTheErrorBoxAndTheReport)
{
    testdb::PrivateServer server;
    ASSERT_TRUE(server.Start());
    testdb::Redirect(*DM->ConectMysql, server.Port());
    ChooseEvent101();
    SetRoot();
    Photo("fotos/DSC_0001.jpg");
    Check({ kAmpliacao, kCapa });
    ASSERT_TRUE(server.Stop());

    const TShown shown = Transfer();
    // Nothing could be loaded: no progress window, the error box, then the report.
    ASSERT_EQ(shown.order, QStringList({ "box", "report" }));
    EXPECT_EQ(shown.boxes[0].icon, QMessageBox::Critical);
    EXPECT_FALSE(shown.boxes[0].text.isEmpty());
    EXPECT_TRUE(Mentions(shown.report, U("A transferência parou por um erro no banco de dados")))
        << shown.report.join('\n').toStdString();
    EXPECT_TRUE(Mentions(shown.report, U("Categorias não transferidas: Ampliação, Capa")));
    EXPECT_FALSE(QFileInfo::exists(m_root + "/Edicao/Escolhidas_Ampliacao/DSC_0001.jpg"));
}

// Stops `server` when `sheet` is made the active page: the moment the transfer turns to
// that category, before its list is loaded.
class TStopOnShow : public QObject {
public:
    TStopOnShow(testdb::PrivateServer& server, QWidget* sheet)
        : m_server(server)
    {
        sheet->installEventFilter(this);
    }
    bool stopped = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ShowToParent && !stopped) stopped = m_server.Stop();
        return false;
    }

private:
    testdb::PrivateServer& m_server;
};

TEST_F(TransferWindowTest, ADatabaseFailureAtALaterCategoryKeepsTheCopiesOfTheEarlierOnes)
{
    testdb::PrivateServer server;
    ASSERT_TRUE(server.Start());
    testdb::Redirect(*DM->ConectMysql, server.Port());
    ChooseEvent101();
    SetRoot();
    Photo("fotos/DSC_0001.jpg");
    Photo("fotos/DSC_0002.jpg");
    Photo(U("fotos/Cerimônia_Entrada_Noiva.jpg"));
    Photo(U("fotos/Capa_Luíza.jpg"));
    Check({ kAmpliacao, kCapa });
    frmPrincipal->pstFotos->SetTabIndex(kBioombo);
    TStopOnShow stopper(server, frmPrincipal->Category(kCapa).Sheet);

    const TShown shown = Transfer();
    EXPECT_TRUE(stopper.stopped);
    ASSERT_EQ(shown.order, QStringList({ "box", "report" }));
    EXPECT_EQ(shown.boxes[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(Mentions(shown.report, U("Categorias não transferidas: Capa")))
        << shown.report.join('\n').toStdString();
    EXPECT_TRUE(Mentions(shown.report, "Copiadas: 3   Já existiam: 0   Não encontradas: 0   Com erro: 0"));
    EXPECT_EQ(Entries(kAmpliacao),
        QStringList({ U("Cerimônia_Entrada_Noiva.jpg"), "DSC_0001.jpg", "DSC_0002.jpg" }));
    EXPECT_FALSE(QFileInfo::exists(m_root + "/Edicao/Escolhidas_Capa"));
    EXPECT_EQ(frmPrincipal->ListBoxDiretorio->Items().last(), m_root);
}

TEST_F(TransferWindowTest, TheFolderButtonSetsTheRootThroughTheDialogAndCancelKeepsIt)
{
    QString title;
    testenv::onNextModal([&](QWidget* w) {
        auto* form = qobject_cast<TvnSelDirDlgForm*>(w);
        ASSERT_NE(form, nullptr) << w->metaObject()->className();
        title = form->Caption();
        // The window has no tool bar: the folder is chosen in the tree.
        EXPECT_EQ(form->PathEdit(), nullptr);
        form->Tree()->SetPath(m_root);
        EXPECT_EQ(form->Tree()->SelectedPath(), m_root);
        form->OkButton()->Click();
    });
    frmPrincipal->vnSkinButton3Click(nullptr);
    EXPECT_EQ(title, "Select folder");
    EXPECT_EQ(frmPrincipal->edtSalvarEM->Text(), m_root);
    EXPECT_EQ(frmPrincipal->lbDiretorio->Caption(), m_root);

    // Opened again on the folder chosen last; Cancel changes nothing.
    QString openedOn;
    testenv::onNextModal([&](QWidget* w) {
        auto* form = qobject_cast<TvnSelDirDlgForm*>(w);
        ASSERT_NE(form, nullptr);
        openedOn = form->Tree()->SelectedPath();
        form->Tree()->SetPath(m_dir.path());
        form->CancelButton()->Click();
    });
    frmPrincipal->vnSkinButton3Click(nullptr);
    EXPECT_EQ(openedOn, m_root);
    EXPECT_EQ(frmPrincipal->edtSalvarEM->Text(), m_root);
    EXPECT_EQ(frmPrincipal->lbDiretorio->Caption(), m_root);
}

} // namespace

TEST_F(TransferWindowTest, ARootThatIsTheHomeFolderItselfIsAskedAboutAndEnterOrEscWritesNothing)
{
    // The test's own home: a slip in the folder dialog lands on the home folder itself.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(m_root));
    ChooseEvent101();
    Photo("fotos/DSC_0001.jpg");
    SetRoot();
    Check({ kAmpliacao });

    // Answers the question with `key`, after reading it.
    const auto answer = [](Qt::Key key, SeenBox* seen, QString* defaultButton) {
        testenv::onNextModal([=](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr) << w->metaObject()->className();
            seen->text = box->text();
            seen->icon = box->icon();
            *defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            QTest::keyClick(box, key);
        });
    };
    for (const Qt::Key key : { Qt::Key_Escape, Qt::Key_Return }) {
        SeenBox seen;
        QString defaultButton;
        answer(key, &seen, &defaultButton);
        frmPrincipal->btnTransferirFotoClick(frmPrincipal->btnTransferirFoto);
        EXPECT_EQ(seen.text,
            U("As pastas de edição serão criadas diretamente em \"%1\". Deseja transferir as fotos para "
              "esta pasta?")
                .arg(m_root));
        EXPECT_EQ(seen.icon, QMessageBox::Question);
        EXPECT_EQ(defaultButton, "&No");
        EXPECT_FALSE(QFileInfo::exists(m_root + "/Edicao")) << "nothing written after " << key;
        EXPECT_EQ(frmPrincipal->ListBoxDiretorio->Count(), 0);
    }

    // Yes transfers there, as asked.
    TShown after;
    testenv::onNextModal([&after](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        Watch(&after, nullptr);
        box->buttons().first()->click();
    });
    frmPrincipal->btnTransferirFotoClick(frmPrincipal->btnTransferirFoto);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(QFileInfo::exists(m_root + "/Edicao/Escolhidas_Ampliacao"));
    EXPECT_FALSE(after.order.isEmpty()) << "the transfer ran to its end";
    qputenv("HOME", home);
}
