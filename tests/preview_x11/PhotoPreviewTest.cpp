// The photo preview window on a real X server, with the real browser engine, against a
// small web site of the test's own on the program's built-in web host: the address each
// preview asks for, the page it shows, the ways it closes, and the browser processes it
// leaves (none). With QUIRA_SHOT_DIR set, the window showing a photo page is saved there.
#include "app/Registration.h"
#include "app/WebEngine.h"
#include "app/uVerImg/WebBrowser.h"
#include "app/uVerImg/uVerImg.h"
#include "framework/Application.h"
#include "preview_x11/PhotoSite.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using previewtest::PhotoSite;

// The engine reads its switches when the Qt application starts, which the shared test
// main does right after the test framework: this runs before both.
const bool kEnginePrepared = [] {
    PrepareWebEngine();
    return true;
}();

// The engine's processes started by this test program (children of its children
// included). The zygotes start with the engine and stay for the program's life; a page's
// render process is forked from a zygote, and shows the zygote's command line.
struct EngineProcesses {
    int all = 0;
    int pages = 0;
};

EngineProcesses CountEngineProcesses()
{
    struct Process {
        QString parent;
        bool engine = false;
    };
    QHash<QString, Process> table;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (pid.toInt() <= 0) continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!stat.open(QIODevice::ReadOnly) || !cmdline.open(QIODevice::ReadOnly)) continue;
        const QByteArray line = stat.readAll();
        // pid (name) state ppid ...: the name may hold blanks and parentheses.
        const QList<QByteArray> rest = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (rest.size() < 2) continue;
        table.insert(
            pid, { QString::fromLatin1(rest.at(1)), cmdline.readAll().contains("QtWebEngineProcess") });
    }
    const QString self = QString::number(getpid());
    EngineProcesses count;
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        if (!it->engine) continue;
        bool ours = false;
        QString up = it->parent;
        for (int depth = 0; depth < 8 && !ours && table.contains(up); ++depth) {
            ours = up == self;
            up = table.value(up).parent;
        }
        if (!ours) continue;
        ++count.all;
        if (table.value(it->parent).engine) ++count.pages;
    }
    return count;
}

QString PlainText(QWebEnginePage* page)
{
    QString text;
    bool done = false;
    page->toPlainText([&](const QString& t) {
        text = t;
        done = true;
    });
    testenv::waitFor([&] { return done; });
    return text;
}

class PhotoPreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(kEnginePrepared);
        RegisterQuiraClasses();
        Application()->Reset();
        ASSERT_TRUE(m_site.Listen()) << "the built-in web host " QUIRA_WEB_HOST
                                        " is taken by another program";
        // The main window is the first form, as in the program.
        m_main = new TForm(nullptr);
        m_main->SetCaption(QStringLiteral("Principal"));
        m_main->SetBounds(0, 0, 400, 300);
        m_main->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main));
    }

    void TearDown() override
    {
        // The next test's site listens on the same address: nothing of this test's pages
        // may still be on its way to it.
        testenv::waitFor([] { return CountEngineProcesses().pages == 0; }, 15000);
        delete m_main;
        Application()->Reset();
    }

    // Opens the preview for `id` and runs `inside` on it once it is up; returns the
    // modal result.
    int Preview(const QString& id, const std::function<void(TfrmVerImg*)>& inside)
    {
        testenv::onNextModal([&](QWidget* modal) {
            QPointer<TfrmVerImg> form = qobject_cast<TfrmVerImg*>(modal);
            EXPECT_TRUE(form);
            EXPECT_EQ(form, frmVerImg);
            if (form) inside(form);
            // A failed check must not leave the test waiting in the modal loop.
            if (form && form->ModalResult() == mrNone) form->Close();
            if (!form && modal) modal->close();
        });
        return ShowPhotoPreview(m_main, id);
    }

    // Waits for the page to finish loading and returns whether it loaded.
    static bool Loaded(TfrmVerImg* form)
    {
        QWebEngineView* view = form->WebBrowser1->View();
        bool finished = false;
        bool ok = false;
        QObject::connect(view, &QWebEngineView::loadFinished, view, [&](bool success) {
            finished = true;
            ok = success;
        });
        testenv::waitFor([&] { return finished; }, 20000);
        return ok;
    }

    PhotoSite m_site;
    TForm* m_main = nullptr;
};

TEST_F(PhotoPreviewTest, WindowIsAPlainDialogFilledByTheBrowser)
{
    Preview(QStringLiteral("5001"), [&](TfrmVerImg* form) {
        EXPECT_EQ(form->Caption(), QStringLiteral("Foto"));
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Foto"));
        EXPECT_FALSE(form->OwnFrame());
        EXPECT_FALSE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(form->windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
        EXPECT_FALSE(form->KeyPreview());
        EXPECT_EQ(form->ClientWidth(), 790);
        EXPECT_EQ(form->ClientHeight(), 567);
        EXPECT_EQ(form->minimumSize(), form->maximumSize());
        EXPECT_EQ(form->WebBrowser1->geometry(), QRect(0, 0, 790, 567));
        EXPECT_EQ(form->WebBrowser1->View()->geometry(), QRect(0, 0, 790, 567));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_LE(std::abs(form->geometry().center().x() - screen.center().x()), 1);
        EXPECT_LE(std::abs(form->geometry().center().y() - screen.center().y()), 1);
        EXPECT_TRUE(form->IsModal());
        EXPECT_EQ(form->windowModality(), Qt::ApplicationModal);
        EXPECT_FALSE(m_main->isEnabled());
        EXPECT_TRUE(Loaded(form));
        form->Close();
    });
    EXPECT_TRUE(m_main->isEnabled());
    EXPECT_EQ(frmVerImg, nullptr);
}

TEST_F(PhotoPreviewTest, EachPreviewAsksForItsPhotoAndShowsThePage)
{
    QList<QPointer<TfrmVerImg>> seen;
    QList<QPointer<QWebEngineView>> views;
    for (const QString& id : { QStringLiteral("5001"), QStringLiteral("5037"), QStringLiteral("17") }) {
        const int before = static_cast<int>(m_site.PagePaths().size());
        Preview(id, [&](TfrmVerImg* form) {
            seen.append(form);
            views.append(form->WebBrowser1->View());
            EXPECT_EQ(form->WebBrowser1->LocationURL(),
                QStringLiteral("http://" QUIRA_WEB_HOST "/quira_desktop.php?id=") + id);
            ASSERT_TRUE(Loaded(form));
            QWebEngineView* view = form->WebBrowser1->View();
            EXPECT_EQ(view->title(), QStringLiteral("Foto ") + id);
            EXPECT_EQ(PlainText(view->page()), QStringLiteral("Página da foto nº ") + id);
            if (id == QLatin1String("5001")) {
                QTest::qWait(300);
                testenv::KeepPicture(form, "preview");
            }
            form->Close();
        });
        EXPECT_EQ(
            m_site.PagePaths().mid(before), QStringList { QStringLiteral("/quira_desktop.php?id=") + id });
    }
    // A fresh window and a fresh browser every time, all of them freed.
    ASSERT_EQ(seen.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(seen.at(i).isNull());
        EXPECT_TRUE(views.at(i).isNull());
    }
}

TEST_F(PhotoPreviewTest, EmptyIdAsksForNothingAfterTheEqualsSign)
{
    Preview(QString(), [&](TfrmVerImg* form) {
        ASSERT_TRUE(Loaded(form));
        EXPECT_EQ(form->WebBrowser1->View()->title(), QStringLiteral("Foto sem id"));
        form->Close();
    });
    EXPECT_EQ(m_site.PagePaths(), QStringList { QStringLiteral("/quira_desktop.php?id=") });
    EXPECT_EQ(PhotoPageUrl(QString()), QStringLiteral("http://" QUIRA_WEB_HOST "/quira_desktop.php?id="));
}

TEST_F(PhotoPreviewTest, EscClosesTheWindowButNotThePage)
{
    bool stillOpenAfterPageEsc = false;
    const int result = Preview(QStringLiteral("5002"), [&](TfrmVerImg* form) {
        ASSERT_TRUE(Loaded(form));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        // The browser, first in tab order, has the focus once the window is active.
        ASSERT_TRUE(testenv::waitFor([&] { return form->WebBrowser1->View()->hasFocus(); }));
        EXPECT_TRUE(form->WebBrowser1->isAncestorOf(QApplication::focusWidget()));
        // Typed into the page, Esc is the page's key: the window stays.
        QTest::keyClick(form->windowHandle(), Qt::Key_Escape);
        QTest::qWait(200);
        stillOpenAfterPageEsc = form->isVisible() && form->ModalResult() == mrNone;
        // With the focus on the window itself, Esc closes it.
        form->WebBrowser1->View()->clearFocus();
        ASSERT_TRUE(testenv::waitFor([&] { return !form->WebBrowser1->View()->hasFocus(); }));
        QTest::keyClick(form->windowHandle(), Qt::Key_Escape);
    });
    EXPECT_TRUE(stillOpenAfterPageEsc);
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(frmVerImg, nullptr);
    EXPECT_TRUE(m_main->isEnabled());
}

TEST_F(PhotoPreviewTest, ClosingWhileThePageLoadsLeavesNoBrowserProcess)
{
    // One whole preview first: the engine's own processes are then running.
    Preview(QStringLiteral("5004"), [&](TfrmVerImg* form) {
        EXPECT_TRUE(Loaded(form));
        form->Close();
    });
    ASSERT_TRUE(testenv::waitFor([] { return CountEngineProcesses().pages == 0; }, 15000));
    const int engineAlone = CountEngineProcesses().all;

    bool wasLoading = false;
    int pagesWhileOpen = 0;
    const int result = Preview(QString::fromLatin1(PhotoSite::kHeldId), [&](TfrmVerImg* form) {
        bool finished = false;
        QObject::connect(
            form->WebBrowser1->View(), &QWebEngineView::loadFinished, form, [&] { finished = true; });
        ASSERT_TRUE(testenv::waitFor(
            [&] {
                return m_site.PagePaths().contains(
                    QStringLiteral("/quira_desktop.php?id=") + PhotoSite::kHeldId);
            },
            20000));
        testenv::waitFor([&] { return CountEngineProcesses().pages > 0; }, 10000);
        pagesWhileOpen = CountEngineProcesses().pages;
        QTest::qWait(300);
        wasLoading = !finished;
        // What the frame's close button does: the window manager asks the window to close.
        form->close();
    });
    EXPECT_TRUE(wasLoading);
    EXPECT_GE(pagesWhileOpen, 1);
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(frmVerImg, nullptr);
    EXPECT_TRUE(m_main->isEnabled());
    EXPECT_TRUE(testenv::waitFor([] { return CountEngineProcesses().pages == 0; }, 15000))
        << CountEngineProcesses().pages << " page processes are left";
    EXPECT_EQ(CountEngineProcesses().all, engineAlone);
}

TEST_F(PhotoPreviewTest, AnEndingProgramStillFreesThePreviewAndEnablesTheOwner)
{
    // A modal loop that ends before it starts (the program is ending) leaves neither the
    // preview nor a disabled main window behind.
    Application()->Terminate();
    const int result = ShowPhotoPreview(m_main, QStringLiteral("5003"));
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(frmVerImg, nullptr);
    EXPECT_TRUE(m_main->isEnabled());
    EXPECT_TRUE(testenv::waitFor([] { return CountEngineProcesses().pages == 0; }, 15000));
}

TEST(WebEngineSwitches, SandboxOffOnlyForRootAndSoftwareOnlyWithoutGpu)
{
    EXPECT_EQ(WebEngineSwitches("", false, true), QByteArray());
    EXPECT_EQ(WebEngineSwitches("", true, true), QByteArray("--no-sandbox"));
    EXPECT_EQ(WebEngineSwitches("", false, false), QByteArray("--disable-gpu"));
    EXPECT_EQ(WebEngineSwitches("", true, false), QByteArray("--no-sandbox --disable-gpu"));
    // The user's own switches stay, once each.
    EXPECT_EQ(
        WebEngineSwitches("--lang=pt-BR  --no-sandbox", true, true), QByteArray("--lang=pt-BR --no-sandbox"));
    EXPECT_EQ(WebEngineSwitches("--lang=pt-BR", false, true), QByteArray("--lang=pt-BR"));
}

TEST(WebEngineSwitches, TheProgramsSwitchesMatchTheMachine)
{
    const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    EXPECT_EQ(flags.split(' ').contains("--no-sandbox"), geteuid() == 0);
    EXPECT_EQ(flags.split(' ').contains("--disable-gpu"), !HasGpuRenderNode());
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
}

} // namespace
