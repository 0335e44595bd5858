// The plain page control: where its tabs are hit, which changes raise its events, and
// how the keyboard moves between tabs.
#include "framework/comctrls/PageControl.h"

#include "framework/Form.h"
#include "framework/stdctrls/Edit.h"
#include "support/TestEnv.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList kCategories { "Ampliação (12)", "Bioombo", "Outros (3)", "Álbum", "Capa" };

struct Notebook {
    TForm form;
    TPageControl pages { &form };
    QList<TTabSheet*> sheets;
    int changes = 0;
    int changing = 0;
    bool allow = true;

    Notebook()
    {
        form.SetBounds(50, 50, 460, 240);
        pages.SetParent(form.ClientWidget());
        pages.SetBounds(8, 8, 409, 156);
        for (const QString& caption : kCategories) {
            auto* sheet = new TTabSheet(&form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(&pages);
            sheets.append(sheet);
        }
        pages.OnChange = [this](QObject*) { ++changes; };
        pages.OnChanging = [this](QObject*, bool& ok) {
            ++changing;
            ok = allow;
        };
    }
    void Show()
    {
        form.Show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

} // namespace

TEST(PageControl, TabsFollowTheirCaptionsInOneRowAndTheHitTestEndsAtTheirEdges)
{
    Notebook n;
    const QList<QRect> rects = n.pages.TabRects();
    ASSERT_EQ(rects.size(), 5);
    for (int i = 1; i < rects.size(); ++i) {
        EXPECT_EQ(rects[i].left(), rects[i - 1].right() + 1) << "tabs touch, one row";
        EXPECT_EQ(rects[i].top(), rects[0].top());
        EXPECT_EQ(rects[i].height(), rects[0].height()) << "one fixed height";
    }
    EXPECT_GT(rects[0].width(), rects[1].width()) << "a longer caption makes a longer tab";
    for (int i = 0; i < rects.size(); ++i) {
        EXPECT_EQ(n.pages.TabAt(rects[i].topLeft()), i);
        EXPECT_EQ(n.pages.TabAt(rects[i].bottomRight()), i);
    }
    EXPECT_EQ(n.pages.TabAt(rects[4].topRight() + QPoint(1, 0)), -1);
    EXPECT_EQ(n.pages.TabAt(rects[0].bottomLeft() + QPoint(0, 1)), -1) << "the body is no tab";

    // A fixed tab width and a hidden tab: the row closes up and the indices follow.
    n.pages.SetTabWidth(60);
    n.sheets[1]->SetTabVisible(false);
    const QList<QRect> fixed = n.pages.TabRects();
    ASSERT_EQ(fixed.size(), 4);
    EXPECT_EQ(fixed[1].width(), 60);
    EXPECT_EQ(n.pages.TabPage(1), n.sheets[2]);
    EXPECT_EQ(n.sheets[2]->TabIndex(), 1);
    EXPECT_EQ(n.sheets[1]->TabIndex(), -1);
}

TEST(PageControl, PageAreaHoldsTheActiveSheetOnly)
{
    Notebook n;
    n.Show();
    const QRect page = n.pages.PageRect();
    EXPECT_GT(page.top(), n.pages.TabRect(0).bottom()) << "the page lies under the tabs";
    EXPECT_TRUE(n.pages.rect().contains(page));
    EXPECT_EQ(n.sheets[0]->geometry(), page);
    EXPECT_TRUE(n.sheets[0]->isVisible());
    EXPECT_FALSE(n.sheets[3]->isVisible());
    n.pages.SetTabPosition(tpBottom);
    EXPECT_LT(n.pages.PageRect().bottom(), n.pages.TabRect(0).top());
    EXPECT_EQ(n.sheets[0]->geometry(), n.pages.PageRect()) << "sheets follow the moved page area";
}

TEST(PageControl, OnChangeRunsOncePerUserChangeAndNeverForCode)
{
    Notebook n;
    n.Show();
    n.pages.SetActivePage(n.sheets[2]);
    n.pages.SetTabIndex(4);
    EXPECT_EQ(n.changes, 0);
    EXPECT_EQ(n.changing, 0);
    EXPECT_EQ(n.pages.ActivePage(), n.sheets[4]);

    QTest::mouseClick(&n.pages, Qt::LeftButton, {}, n.pages.TabRect(1).center());
    EXPECT_EQ(n.changes, 1);
    EXPECT_EQ(n.pages.TabIndex(), 1);
    EXPECT_TRUE(n.sheets[1]->isVisible());
    EXPECT_FALSE(n.sheets[4]->isVisible());
    // A click on the tab that is already active is no change.
    QTest::mouseClick(&n.pages, Qt::LeftButton, {}, n.pages.TabRect(1).center());
    EXPECT_EQ(n.changes, 1);

    n.allow = false;
    QTest::mouseClick(&n.pages, Qt::LeftButton, {}, n.pages.TabRect(3).center());
    EXPECT_EQ(n.pages.TabIndex(), 1) << "OnChanging refused";
    EXPECT_EQ(n.changes, 1);
    EXPECT_EQ(n.changing, 2);
}

TEST(PageControl, KeyboardSwitchesTabsAndCtrlTabWraps)
{
    Notebook n;
    auto* edit = new TEdit(&n.form);
    edit->SetParent(n.sheets[0]);
    edit->SetBounds(10, 10, 100, 21);
    n.Show();
    n.pages.setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return n.pages.hasFocus(); }));

    QTest::keyClick(&n.pages, Qt::Key_Right);
    EXPECT_EQ(n.pages.TabIndex(), 1);
    QTest::keyClick(&n.pages, Qt::Key_Left);
    QTest::keyClick(&n.pages, Qt::Key_Left);
    EXPECT_EQ(n.pages.TabIndex(), 0) << "arrows stop at the first tab";
    EXPECT_EQ(n.changes, 2);

    QTest::keyClick(&n.pages, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(n.pages.TabIndex(), 4) << "Ctrl+Shift+Tab wraps to the last tab";
    QTest::keyClick(&n.pages, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(n.pages.TabIndex(), 0) << "Ctrl+Tab wraps to the first tab";
    EXPECT_EQ(n.changes, 4);

    // From a control on a page, Ctrl+Tab still turns the page; plain arrows stay with it.
    edit->LineEdit()->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return edit->LineEdit()->hasFocus(); }));
    QTest::keyClick(edit->LineEdit(), Qt::Key_Right);
    EXPECT_EQ(n.pages.TabIndex(), 0);
    QTest::keyClick(edit->LineEdit(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(n.pages.TabIndex(), 1);
}

TEST(PageControl, TabsThatOutgrowTheRowScrollToShowTheActiveOne)
{
    Notebook n;
    n.pages.SetWidth(160);
    n.pages.SetTabIndex(4);
    EXPECT_GT(n.pages.FirstVisibleTab(), 0);
    const QRect active = n.pages.TabRect(4);
    EXPECT_GE(active.left(), 0);
    EXPECT_LE(active.right(), n.pages.Width());
    EXPECT_LT(n.pages.TabRect(0).right(), 0) << "tabs before the first visible one lie off the row";
    n.pages.SetTabIndex(0);
    EXPECT_EQ(n.pages.FirstVisibleTab(), 0);
}

TEST(PageControl, RemovingTheActiveSheetActivatesTheFirstTab)
{
    Notebook n;
    n.pages.SetTabIndex(2);
    delete n.sheets[2];
    EXPECT_EQ(n.pages.PageCount(), 4);
    EXPECT_EQ(n.pages.ActivePage(), n.sheets[0]);
    EXPECT_EQ(n.changes, 0);
}
