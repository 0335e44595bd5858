// The tree view: lazy filling on expansion, the keyboard habits of every tree, the mouse
// on the expander and the row, and the scroll state an external bar follows.
#include "framework/comctrls/TreeView.h"

#include "framework/Form.h"
#include "support/TestEnv.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// A folder tree filled as it is opened: every node of "fotos" has three children.
struct FolderTree {
    TForm form;
    TTreeView tree { &form };
    QStringList expanding;
    TTreeNode* home = nullptr;
    TTreeNode* root = nullptr;

    FolderTree()
    {
        form.SetBounds(70, 70, 300, 260);
        tree.SetParent(form.ClientWidget());
        tree.SetBounds(8, 8, 250, 200);
        tree.SetSearchTimeout(60 * 60 * 1000);
        home = tree.AddChild(nullptr, "home");
        root = tree.AddChild(nullptr, "/");
        for (const char* name : { "bin", "etc", "fotos", "Festa", "srv", "usr" }) {
            TTreeNode* n = root->AddChild(name);
            n->SetHasChildren(QString(name) == "fotos");
        }
        home->SetHasChildren(true);
        tree.OnExpanding = [this](QObject*, TTreeNode* node, bool&) {
            expanding.append(node->Text());
            if (node->Count() > 0) return;
            if (node->Text() == "fotos")
                for (const char* name : { "Ampliacao", "Bioombo", "Capa" })
                    node->AddChild(name);
            // "home" turns out to be empty.
        };
    }
    void Show()
    {
        form.Show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        tree.setFocus();
        ASSERT_TRUE(testenv::waitFor([&] { return tree.hasFocus(); }));
    }
    TTreeNode* Fotos() const { return root->Item(2); }
    QString SelectedText() const { return tree.Selected() ? tree.Selected()->Text() : QString(); }
};

} // namespace

TEST(TreeView, ExpandingFillsANodeOnceAndAnEmptyOneLosesItsExpander)
{
    FolderTree t;
    t.Show();
    t.tree.SetNodeExpanded(t.root, true);
    EXPECT_EQ(t.tree.VisibleNodes().size(), 8);
    const QRect button = tree::ButtonRect(t.tree.RowLayout(), t.tree.RowOf(t.Fotos()), 1);
    QTest::mouseClick(&t.tree, Qt::LeftButton, {}, button.center());
    EXPECT_EQ(t.expanding, QStringList({ "/", "fotos" }));
    ASSERT_EQ(t.Fotos()->Count(), 3);
    EXPECT_TRUE(t.Fotos()->Expanded());
    EXPECT_EQ(t.tree.Selected(), nullptr) << "the expander does not select";
    QTest::mouseClick(&t.tree, Qt::LeftButton, {}, button.center());
    EXPECT_FALSE(t.Fotos()->Expanded());
    EXPECT_EQ(t.Fotos()->Count(), 3) << "closing keeps the children";

    // Expanding a node that turns out to be empty leaves it closed and without expander.
    EXPECT_TRUE(t.home->HasChildren());
    EXPECT_FALSE(t.tree.SetNodeExpanded(t.home, true));
    EXPECT_FALSE(t.home->Expanded());
    EXPECT_FALSE(t.home->HasChildren());
    EXPECT_EQ(t.expanding.count("home"), 1);
}

TEST(TreeView, DoubleClickTogglesOnceAndAClickSelects)
{
    FolderTree t;
    t.Show();
    t.tree.SetNodeExpanded(t.root, true);
    t.expanding.clear();
    const QRect label = t.tree.NodeRect(t.Fotos());
    ASSERT_FALSE(label.isEmpty());
    const QPoint onText = tree::LabelRect(t.tree.RowLayout(), t.tree.RowOf(t.Fotos()), 1, 10).center();
    QTest::mouseDClick(&t.tree, Qt::LeftButton, {}, onText);
    EXPECT_EQ(t.SelectedText(), "fotos");
    EXPECT_TRUE(t.Fotos()->Expanded());
    EXPECT_EQ(t.expanding, QStringList({ "fotos" }));
    QTest::mouseDClick(&t.tree, Qt::LeftButton, {}, onText);
    EXPECT_FALSE(t.Fotos()->Expanded());
    EXPECT_EQ(t.tree.HitTest(QPoint(onText.x(), label.top())), tree::THitPart::Label);
    EXPECT_EQ(t.tree.HitTest(QPoint(t.tree.RowLayout().Area.right(), label.top())), tree::THitPart::Right);
}

TEST(TreeView, ArrowsMoveThroughTheTreeAndLeftGoesToTheParent)
{
    FolderTree t;
    t.Show();
    QTest::keyClick(&t.tree, Qt::Key_Down);
    EXPECT_EQ(t.SelectedText(), "home");
    QTest::keyClick(&t.tree, Qt::Key_Down);
    QTest::keyClick(&t.tree, Qt::Key_Right);
    EXPECT_TRUE(t.root->Expanded()) << "Right opens";
    QTest::keyClick(&t.tree, Qt::Key_Right);
    EXPECT_EQ(t.SelectedText(), "bin") << "Right on an open node goes to its first child";
    QTest::keyClick(&t.tree, Qt::Key_Down);
    QTest::keyClick(&t.tree, Qt::Key_Down);
    QTest::keyClick(&t.tree, Qt::Key_Right);
    QTest::keyClick(&t.tree, Qt::Key_Right);
    EXPECT_EQ(t.SelectedText(), "Ampliacao");
    QTest::keyClick(&t.tree, Qt::Key_Left);
    EXPECT_EQ(t.SelectedText(), "fotos") << "Left on a child goes to its parent";
    QTest::keyClick(&t.tree, Qt::Key_Left);
    EXPECT_FALSE(t.Fotos()->Expanded()) << "Left on an open node closes it";
    EXPECT_EQ(t.SelectedText(), "fotos");
    QTest::keyClick(&t.tree, Qt::Key_End);
    EXPECT_EQ(t.SelectedText(), "usr");
    QTest::keyClick(&t.tree, Qt::Key_Down);
    EXPECT_EQ(t.SelectedText(), "usr");
    QTest::keyClick(&t.tree, Qt::Key_Home);
    EXPECT_EQ(t.SelectedText(), "home");
    QTest::keyClick(&t.tree, Qt::Key_Up);
    EXPECT_EQ(t.SelectedText(), "home");

    // The keypad's signs open and close; the main keyboard's minus is searched for.
    t.tree.SetSelected(t.Fotos());
    QTest::keyClick(&t.tree, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_FALSE(t.Fotos()->Expanded());
    QTest::keyClick(&t.tree, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_TRUE(t.Fotos()->Expanded());
    QTest::keyClick(&t.tree, Qt::Key_Minus);
    EXPECT_TRUE(t.Fotos()->Expanded()) << "a minus typed into a name leaves the node open";

    // Closing a node with the selection inside moves the selection up to it.
    t.tree.SetSelected(t.Fotos()->Item(1));
    EXPECT_TRUE(t.Fotos()->Expanded()) << "selecting opens the way to the node";
    t.tree.SetNodeExpanded(t.root, false);
    EXPECT_EQ(t.tree.Selected(), t.root);
}

TEST(TreeView, TypingFirstLettersSelectsAndRepeatingGoesToTheNextMatch)
{
    FolderTree t;
    t.Show();
    t.tree.SetNodeExpanded(t.root, true);
    QTest::keyClicks(&t.tree, "fo");
    EXPECT_EQ(t.SelectedText(), "fotos");
    t.tree.SetSelected(t.root);
    t.tree.SetSearchTimeout(-1); // every letter starts a new search
    QTest::keyClicks(&t.tree, "f");
    EXPECT_EQ(t.SelectedText(), "fotos");
    t.tree.SetSearchTimeout(60 * 60 * 1000);
    QTest::keyClicks(&t.tree, "f");
    EXPECT_EQ(t.SelectedText(), "Festa") << "the same letter again: the next node it begins, any case";
    QTest::keyClicks(&t.tree, "f");
    EXPECT_EQ(t.SelectedText(), "fotos") << "round again";
    t.tree.SetSearchTimeout(-1);
    QTest::keyClicks(&t.tree, "x");
    EXPECT_EQ(t.SelectedText(), "fotos") << "no match keeps the selection";
}

TEST(TreeView, ScrollStateFollowsTheRowsAndAnExternalBarDrivesIt)
{
    FolderTree t;
    QList<TScrollInfo> published;
    t.tree.AddScrollListener(&t, [&](TScrollBarKind kind, const TScrollInfo& info) {
        if (kind == sbVertical) published.append(info);
    });
    t.tree.BeginUpdate();
    for (int i = 0; i < 40; ++i)
        t.Fotos()->AddChild(QString("evento %1").arg(i, 2, 10, QChar('0')));
    t.tree.EndUpdate();
    EXPECT_TRUE(published.isEmpty()) << "closed nodes change no rows";
    EXPECT_FALSE(t.tree.ScrollInfo(sbVertical).Needed());
    t.tree.SetSelected(t.Fotos()->Item(39));
    ASSERT_FALSE(published.isEmpty());
    const TScrollInfo v = published.last();
    EXPECT_EQ(v.Max, 2 + 6 + 40 - 1);
    EXPECT_EQ(v.PageSize, t.tree.VisibleRowCount());
    EXPECT_TRUE(v.Needed());
    EXPECT_EQ(v.Position + v.PageSize - 1, t.tree.RowOf(t.Fotos()->Item(39)))
        << "the selection shows at the bottom";
    t.tree.Perform(msg::WM_VSCROLL, msg::SB_THUMBPOSITION, 5);
    EXPECT_EQ(t.tree.TopRow(), 5);
    EXPECT_EQ(t.tree.NodeAt(t.tree.RowLayout().Area.topLeft()), t.tree.VisibleNodes()[5]);
    t.tree.Perform(msg::WM_VSCROLL, msg::SB_BOTTOM, 0);
    EXPECT_EQ(t.tree.TopRow(), v.Max + 1 - v.PageSize);
    t.tree.Perform(msg::WM_VSCROLL, msg::SB_PAGEUP, 0);
    EXPECT_EQ(t.tree.TopRow(), v.Max + 1 - 2 * v.PageSize);
}
