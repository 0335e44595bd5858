// What the form passes on to its controls: focus changes to all of them, depth first and
// parent before children; Enter, Esc and accelerators to the first control that answers.
#include "framework/Form.h"
#include "framework/stdctrls/Edit.h"
#include "support/TestEnv.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Listener : public TControl {
public:
    Listener(const QString& name, QWidget* parent, QStringList& log, UINT answers = 0)
        : m_log(log)
        , m_answers(answers)
    {
        SetName(name);
        SetParent(parent);
    }
    void WndProc(TMessage& m) override
    {
        if (m.Msg >= msg::SKINMSG_BEFORE_CHANGE) {
            if (m.Msg == msg::CM_MOUSEENTER || m.Msg == msg::CM_MOUSELEAVE) return;
            m_log << QStringLiteral("%1:%2").arg(Name()).arg(m.Msg, 0, 16);
            if (m.Msg == m_answers) m.Result = 1;
        }
    }

private:
    QStringList& m_log;
    UINT m_answers;
};

} // namespace

TEST(FormRelay, FocusChangesReachEveryControlParentFirstSkinMessagesAreTheFramesToRelay)
{
    TForm form;
    QStringList log;
    Listener a("a", form.ClientWidget(), log);
    Listener inner("inner", &a, log);
    Listener b("b", form.ClientWidget(), log);
    form.Perform(msg::CM_FOCUSCHANGED, 0, 0);
    EXPECT_EQ(log, QStringList({ "a:b007", "inner:b007", "b:b007" }));
    log.clear();
    form.Perform(msg::SKINMSG_BEFORE_CHANGE, 0, 1000);
    form.Perform(msg::SKINMSG_CHANGE, 0, 1000);
    EXPECT_TRUE(log.isEmpty()) << "a form without a frame component relays no skin message";
}

TEST(FormRelay, DialogKeysStopAtTheFirstControlThatAnswers)
{
    TForm form;
    form.SetBounds(100, 100, 300, 200);
    QStringList log;
    Listener first("first", form.ClientWidget(), log);
    Listener answering("answering", form.ClientWidget(), log, msg::CM_DIALOGKEY);
    Listener last("last", form.ClientWidget(), log, msg::CM_DIALOGKEY);
    TEdit edit(&form);
    edit.SetParent(form.ClientWidget());
    form.Show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    edit.LineEdit()->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return edit.LineEdit()->hasFocus(); }));
    EXPECT_EQ(form.ActiveControl(), &edit);
    EXPECT_TRUE(log.contains("first:b007")) << "the focus change reached the controls";
    log.clear();

    QTest::keyClick(edit.LineEdit(), Qt::Key_Escape);
    EXPECT_EQ(log, QStringList({ "first:b005", "answering:b005" }));
    log.clear();
    // A character typed into an edit is text, not an accelerator; with Alt it is one.
    QTest::keyClick(edit.LineEdit(), Qt::Key_L);
    EXPECT_TRUE(log.isEmpty());
    QTest::keyClick(edit.LineEdit(), Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(log, QStringList({ "first:b006", "answering:b006", "last:b006" }));
}
