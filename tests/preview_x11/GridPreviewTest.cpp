// The main window's five photo grids open the chosen photo's page: a double click on a
// row asks the studio's web site (a site of the test's own on the built-in web host) for
// exactly that row's photo, on every tab, and an empty grid asks with no id.
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "app/uLogin/uLogin.h"
#include "app/uPrincipal/uPrincipal.h"
#include "app/uVerImg/uVerImg.h"
#include "framework/Application.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/SQLConnection.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "preview_x11/PhotoSite.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"
#include "support/MainWindowSession.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

namespace {

class GridPreviewTest : public MainWindowSession {
protected:
    void SetUp() override
    {
        MainWindowSession::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(m_site.Listen()) << "the built-in web host's port is taken";
        ASSERT_TRUE(LogIn());
    }

    // Double-clicks row `row` of the grid of tab `tab` and returns the page path asked
    // for while the preview was up (it is closed once the page has been asked for).
    QString DoubleClickRow(int tab, int row)
    {
        frmPrincipal->pstFotos->SetTabIndex(tab);
        auto* grid = frmPrincipal->Category(tab).Sheet->findChild<TvnSkinDBGrid*>();
        EXPECT_NE(grid, nullptr);
        if (!grid) return {};
        EXPECT_TRUE(testenv::waitFor([&] { return grid->isVisible(); }));
        const qsizetype before = m_site.PagePaths().size();
        bool previewed = false;
        testenv::onNextModal([&](QWidget* w) {
            auto* preview = qobject_cast<TfrmVerImg*>(w);
            if (!preview) return;
            previewed = true;
            testenv::waitFor([&] { return m_site.PagePaths().size() > before; }, 20000);
            preview->Close();
        });
        const QPoint at = grid->CellRect(0, grid->FirstDataRow() + row).center();
        QTest::mouseClick(grid, Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid, Qt::LeftButton, {}, at);
        EXPECT_TRUE(testenv::waitFor([&] { return previewed && !frmVerImg; }, 20000));
        const QStringList paths = m_site.PagePaths();
        return paths.size() > before ? paths.at(before) : QString();
    }

    previewtest::PhotoSite m_site;
};

TEST_F(GridPreviewTest, EachGridAsksForThePhotoOfTheRowDoubleClicked)
{
    // Event 101's enlargements: 1001, 1002, 1003, in the server's order.
    frmPrincipal->CarregarFotosEscolhidas(101, 7);
    ASSERT_EQ(DM->cdsFotoEscolhida->RecordCount(), 3);
    for (int tab = 0; tab < 5; ++tab) {
        const int row = (tab + 1) % 3;
        EXPECT_EQ(DoubleClickRow(tab, row), QStringLiteral("/quira_desktop.php?id=%1").arg(1001 + row))
            << "tab " << tab;
    }
    EXPECT_TRUE(frmPrincipal->isEnabled());
}

TEST_F(GridPreviewTest, AnEmptyGridAsksWithNoId)
{
    // Before any search the list is closed: the grids are empty.
    ASSERT_FALSE(DM->cdsFotoEscolhida->Active());
    EXPECT_EQ(DoubleClickRow(0, 0), QStringLiteral("/quira_desktop.php?id="));
}

} // namespace
