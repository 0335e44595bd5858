// The mask edit as a dialog field: read-only protection, Enter and Esc reaching the
// form, selection on entry, masks, and the transparent text-only mode.
#include "framework/stdctrls/MaskEdit.h"

#include "framework/Form.h"
#include "platform/Keys.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Stands for the form's default and cancel buttons: answers the dialog keys.
class DialogKeyListener : public TControl {
public:
    using TControl::TControl;
    QList<int> keys;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == msg::CM_DIALOGKEY) {
            keys.append(static_cast<int>(m.WParam));
            m.Result = 1;
        }
    }
};

struct Field {
    TForm form;
    TMaskEdit edit { &form };
    // The next field, where the focus goes when it leaves the first.
    TMaskEdit other { &form };
    DialogKeyListener buttons { &form };

    Field()
    {
        form.SetBounds(80, 80, 300, 120);
        edit.SetParent(form.ClientWidget());
        edit.SetBounds(10, 10, 200, 21);
        other.SetParent(form.ClientWidget());
        other.SetBounds(10, 40, 200, 21);
        buttons.SetParent(form.ClientWidget());
    }
    void Focus()
    {
        form.Show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        edit.LineEdit()->setFocus();
        ASSERT_TRUE(testenv::waitFor([&] { return edit.LineEdit()->hasFocus(); }));
    }
};

} // namespace

TEST(MaskEdit, ReadOnlyFieldRefusesEveryChangeButCopiesAndSelects)
{
    Field f;
    f.edit.SetText("/fotos/evento");
    f.edit.SetReadOnly(true);
    f.Focus();
    QLineEdit* line = f.edit.LineEdit();
    QApplication::clipboard()->setText("colado");

    QTest::keyClicks(line, "xyz");
    QTest::keyClick(line, Qt::Key_Home);
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClick(line, Qt::Key_End);
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keySequence(line, QKeySequence::Paste);
    EXPECT_EQ(f.edit.Text(), "/fotos/evento");

    QTest::keySequence(line, QKeySequence::SelectAll);
    EXPECT_EQ(f.edit.SelText(), "/fotos/evento");
    QTest::keySequence(line, QKeySequence::Cut);
    EXPECT_EQ(f.edit.Text(), "/fotos/evento");
    QTest::keySequence(line, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), "/fotos/evento");

    // The same through the control's own commands.
    QApplication::clipboard()->setText("colado");
    f.edit.CutToClipboard();
    f.edit.PasteFromClipboard();
    f.edit.ClearSelection();
    f.edit.Undo();
    EXPECT_EQ(f.edit.Text(), "/fotos/evento");
    EXPECT_EQ(QApplication::clipboard()->text(), "colado");
    const TEditCommands c = f.edit.Commands();
    EXPECT_TRUE(c.Copy);
    EXPECT_FALSE(c.Cut);
    EXPECT_FALSE(c.Paste);
    EXPECT_FALSE(c.Delete);
    EXPECT_FALSE(c.Undo);
    EXPECT_FALSE(c.SelectAll) << "everything is already selected";

    f.edit.SetReadOnly(false);
    QTest::keyClick(line, Qt::Key_End);
    QTest::keyClicks(line, "/a");
    EXPECT_EQ(f.edit.Text(), "/fotos/evento/a");
    EXPECT_TRUE(f.edit.Commands().Undo);
}

TEST(MaskEdit, EnterAndEscRunOnKeyPressAndReachTheFormsButtons)
{
    Field f;
    QList<ushort> pressed;
    f.edit.OnKeyPress = [&](QObject*, QChar& key) { pressed.append(key.unicode()); };
    int returnPressed = 0;
    QObject::connect(f.edit.LineEdit(), &QLineEdit::returnPressed, [&] { ++returnPressed; });
    f.Focus();
    QTest::keyClick(f.edit.LineEdit(), Qt::Key_A);
    QTest::keyClick(f.edit.LineEdit(), Qt::Key_Return);
    QTest::keyClick(f.edit.LineEdit(), Qt::Key_Escape);
    EXPECT_EQ(pressed, QList<ushort>({ 'a', 13, 27 }));
    EXPECT_EQ(f.buttons.keys, QList<int>({ vk::VK_RETURN, vk::VK_ESCAPE }));
    EXPECT_EQ(returnPressed, 0) << "Enter never reaches the line edit";
    EXPECT_EQ(f.edit.Text(), "a");

    // A handler that clears the key keeps it from the form.
    f.edit.OnKeyPress = [](QObject*, QChar& key) { key = QChar(); };
    QTest::keyClick(f.edit.LineEdit(), Qt::Key_Return);
    QTest::keyClick(f.edit.LineEdit(), Qt::Key_B);
    EXPECT_EQ(f.buttons.keys.size(), 2);
    EXPECT_EQ(f.edit.Text(), "a");
}

TEST(MaskEdit, AutoSelectSelectsOnEntryButNotOnAClick)
{
    Field f;
    TMaskEdit& other = f.other;
    f.edit.SetText("Maria Silva");
    other.SetText("Capa");
    other.SetAutoSelect(false);
    f.Focus();
    EXPECT_EQ(f.edit.SelText(), "Maria Silva");

    QTest::keyClick(f.edit.LineEdit(), Qt::Key_Tab);
    ASSERT_TRUE(testenv::waitFor([&] { return other.LineEdit()->hasFocus(); }));
    EXPECT_EQ(other.SelLength(), 0) << "AutoSelect off: nothing selected, even from Tab";

    QTest::mouseClick(f.edit.LineEdit(), Qt::LeftButton, {}, QPoint(5, 10));
    ASSERT_TRUE(testenv::waitFor([&] { return f.edit.LineEdit()->hasFocus(); }));
    EXPECT_EQ(f.edit.SelLength(), 0) << "a click places the caret";
}

TEST(MaskEdit, MaskShapesWhatIsTyped)
{
    Field f;
    f.edit.SetEditMask("99/99/9999;_");
    f.Focus();
    QTest::keyClick(f.edit.LineEdit(), Qt::Key_Home);
    QTest::keyClicks(f.edit.LineEdit(), "1a203x2024");
    EXPECT_EQ(f.edit.Text(), "12/03/2024");
}

namespace {
// A face of its own behind the text, as a skinned field paints it.
class GreenFaceEdit : public TMaskEdit {
public:
    using TMaskEdit::TMaskEdit;

protected:
    void PaintFace(QPainter& painter) override { painter.fillRect(rect(), QColor(0, 200, 0)); }
};
} // namespace

TEST(MaskEdit, TransparentFieldDrawsOnlyItsTextOverTheFace)
{
    TForm form;
    form.SetBounds(80, 80, 300, 120);
    GreenFaceEdit edit(&form);
    edit.SetParent(form.ClientWidget());
    edit.SetBounds(10, 10, 200, 21);
    edit.SetColor(0x0000FF);
    edit.SetText("Capa");
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint empty(190, 10);
    EXPECT_EQ(edit.grab().toImage().pixelColor(empty), QColor(255, 0, 0)) << "opaque: the field's colour";
    edit.SetTransparent(true);
    const QImage shown = edit.grab().toImage();
    EXPECT_EQ(shown.pixelColor(empty), QColor(0, 200, 0)) << "transparent: the face shows through";
    int textPixels = 0;
    for (int x = 2; x < 60; ++x)
        for (int y = 2; y < 19; ++y)
            if (shown.pixelColor(x, y) != QColor(0, 200, 0)) ++textPixels;
    EXPECT_GT(textPixels, 10) << "the text is still drawn";
}

TEST(MaskEdit, TheSelectionOutlivesTheFocusAndShowsWithoutItOnlyWhenNotHidden)
{
    Field f;
    TMaskEdit& other = f.other;
    f.edit.SetText("Ampliacao");
    f.Focus();
    f.edit.SetSelStart(2);
    f.edit.SetSelLength(4);
    const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    auto highlighted = [&] {
        const QImage shown = f.edit.LineEdit()->grab().toImage();
        int count = 0;
        for (int x = 0; x < shown.width(); ++x)
            for (int y = 0; y < shown.height(); ++y)
                if (shown.pixelColor(x, y) == highlight) ++count;
        return count;
    };
    EXPECT_TRUE(f.edit.HideSelection()) << "the framework's default";
    EXPECT_GT(highlighted(), 20) << "focused: the selection shows";

    other.LineEdit()->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return other.LineEdit()->hasFocus(); }));
    EXPECT_EQ(f.edit.SelText(), "plia") << "the selection stays for code and for the user's return";
    EXPECT_EQ(highlighted(), 0) << "hidden while the focus is elsewhere";
    f.edit.SetHideSelection(false);
    EXPECT_GT(highlighted(), 20) << "shown without the focus when not hidden";
    f.edit.SetHideSelection(true);
    EXPECT_EQ(highlighted(), 0);
}
