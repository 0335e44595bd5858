#include "framework/Form.h"

#include "framework/Application.h"
#include "framework/declared/DeclaredLoader.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "platform/Keys.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A small component that takes over a form's frame the way the skinned frame will:
// it saves the window procedure, puts its own in front, and passes on what it does not
// answer.
class FrameHook {
public:
    explicit FrameHook(TForm* form)
        : m_form(form)
        , m_saved(form->WindowProc())
    {
        form->SetWindowProc([this](TMessage& m) { handle(m); });
    }
    ~FrameHook() { m_form->SetWindowProc(m_saved); }

    QMargins insets;
    QList<UINT> seen;
    int ncPaints = 0;

private:
    TForm* m_form;
    TWndMethod m_saved;

    void handle(TMessage& m)
    {
        seen.append(m.Msg);
        switch (m.Msg) {
        case msg::WM_NCCALCSIZE: {
            auto* r = reinterpret_cast<QRect*>(m.LParam);
            *r = r->marginsRemoved(insets);
            return;
        }
        case msg::WM_NCHITTEST: {
            const QPoint p = m_form->mapFromGlobal(QPoint(LoWordSigned(m.LParam), HiWordSigned(m.LParam)));
            if (p.y() < insets.top())
                m.Result = ht::HTCAPTION;
            else if (p.x() >= m_form->width() - insets.right())
                m.Result = ht::HTRIGHT;
            else
                m_saved(m);
            return;
        }
        case msg::WM_NCPAINT:
            ++ncPaints;
            return;
        default:
            m_saved(m);
        }
    }
};

} // namespace

TEST(Form, AHookChangesTheNonClientInsetsAndAnswersHitTests)
{
    TForm form;
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(form.ClientWidget()->geometry(), QRect(0, 0, 300, 200));

    FrameHook hook(&form);
    hook.insets = QMargins(8, 24, 8, 4);
    form.FrameChanged();
    EXPECT_EQ(form.ClientWidget()->geometry(), QRect(8, 24, 284, 172));
    EXPECT_EQ(form.ClientWidth(), 284);
    EXPECT_EQ(form.ClientHeight(), 172);

    // Client size drives the window size through the same insets.
    form.SetClientWidth(800);
    form.SetClientHeight(351);
    EXPECT_EQ(form.size(), QSize(816, 379));
    EXPECT_EQ(form.ClientWidget()->geometry(), QRect(8, 24, 800, 351));

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint caption = form.mapToGlobal(QPoint(100, 10));
    EXPECT_EQ(form.Perform(msg::WM_NCHITTEST, 0, MakeLParam(caption.x(), caption.y())), ht::HTCAPTION);
    const QPoint right = form.mapToGlobal(QPoint(form.width() - 3, 100));
    EXPECT_EQ(form.Perform(msg::WM_NCHITTEST, 0, MakeLParam(right.x(), right.y())), ht::HTRIGHT);
    const QPoint inside = form.mapToGlobal(QPoint(100, 100));
    EXPECT_EQ(form.Perform(msg::WM_NCHITTEST, 0, MakeLParam(inside.x(), inside.y())), ht::HTCLIENT);

    // A click on the frame arrives as hit test, then the non-client button message.
    hook.seen.clear();
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(form.width() - 3, 100));
    ASSERT_TRUE(hook.seen.contains(msg::WM_NCLBUTTONDOWN));
    EXPECT_LT(hook.seen.indexOf(msg::WM_NCHITTEST), hook.seen.indexOf(msg::WM_NCLBUTTONDOWN));
    EXPECT_TRUE(testenv::waitFor([&] { return hook.ncPaints > 0; }));

    // Caption changes go through the window procedure too.
    hook.seen.clear();
    form.SetCaption("Quira");
    EXPECT_TRUE(hook.seen.contains(msg::WM_SETTEXT));
    EXPECT_EQ(form.windowTitle(), "Quira");
}

TEST(Form, PostedMessagesAndTimersArriveThroughTheWindowProcedure)
{
    TForm form;
    FrameHook hook(&form);
    constexpr UINT kCustom = msg::WM_USER + 42;
    form.PostMessage(kCustom, 7, 9);
    EXPECT_FALSE(hook.seen.contains(kCustom)); // not before the loop runs
    ASSERT_TRUE(testenv::waitFor([&] { return hook.seen.contains(kCustom); }));

    int ticks = 0;
    TWndMethod inner = form.WindowProc();
    form.SetWindowProc([&](TMessage& m) {
        if (m.Msg == msg::WM_TIMER && m.WParam == 3 && ++ticks == 3) form.KillTimer(3);
        inner(m);
    });
    form.SetTimer(3, 5);
    EXPECT_TRUE(form.HasTimer(3));
    ASSERT_TRUE(testenv::waitFor([&] { return !form.HasTimer(3); }));
    EXPECT_EQ(ticks, 3);
    form.SetWindowProc(inner);

    hook.seen.clear();
    form.Show();
    form.Hide();
    EXPECT_EQ(hook.seen.count(msg::WM_SHOWWINDOW), 2);
}

TEST(Form, ModalResultEndsTheLoopAndTheFormIsReleasedAfterwards)
{
    TForm owner;
    owner.show();
    QPointer<TForm> dialog = new TForm(&owner);
    auto* ok = new TButton(dialog);
    ok->SetParent(dialog->ClientWidget());
    ok->SetModalResult(mrYes);
    ok->SetBounds(10, 10, 80, 25);

    bool blockedOwner = false;
    QTimer::singleShot(20, [&] {
        blockedOwner = QApplication::activeModalWidget() == dialog;
        ok->Click();
    });
    EXPECT_EQ(dialog->ShowModal(), mrYes);
    EXPECT_TRUE(blockedOwner);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    dialog->Release();
    EXPECT_TRUE(dialog);
    EXPECT_TRUE(testenv::waitFor([&] { return dialog.isNull(); }));
}

TEST(Form, ClosingAModalFormCancelsAndCloseQueryMayRefuse)
{
    TForm dialog;
    bool allow = false;
    int asked = 0;
    dialog.OnCloseQuery = [&](QObject*, bool& canClose) {
        ++asked;
        canClose = allow;
    };
    QTimer::singleShot(20, [&] {
        dialog.Close(); // refused
        QTimer::singleShot(20, [&] {
            allow = true;
            dialog.close(); // the window manager's close takes the same path
        });
    });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
}

TEST(Form, OnShowRunsBeforeTheWindowAppearsAndCentresOnTheDesktop)
{
    TForm form;
    form.SetPosition(poDesktopCenter);
    form.SetBounds(0, 0, 200, 100);
    bool visibleDuringShow = true;
    int shows = 0;
    form.OnShow = [&](QObject*) {
        ++shows;
        visibleDuringShow = form.isVisible();
    };
    form.Show();
    EXPECT_EQ(shows, 1);
    EXPECT_FALSE(visibleDuringShow);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form.x(), screen.x() + (screen.width() - 200) / 2);
    EXPECT_EQ(form.y(), screen.y() + (screen.height() - 100) / 2);
    form.Show();
    EXPECT_EQ(shows, 1);
}

TEST(Form, KeyPreviewSeesCharactersFirstAndEnterMovesThroughTabOrder)
{
    TForm form;
    form.SetKeyPreview(true);
    auto* first = new TEdit(&form);
    auto* second = new TEdit(&form);
    auto* button = new TButton(&form);
    first->SetParent(form.ClientWidget());
    second->SetParent(form.ClientWidget());
    button->SetParent(form.ClientWidget());
    first->SetBounds(10, 10, 100, 20);
    second->SetBounds(10, 40, 100, 20);
    button->SetBounds(10, 70, 100, 25);
    first->SetTabOrder(0);
    second->SetTabOrder(1);
    button->SetTabOrder(2);
    TControl::ApplyTabOrder(form.ClientWidget());
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    // The Enter rule of the login window: swallow Enter and go to the next control.
    form.OnKeyPress = [&](QObject*, QChar& key) {
        if (key == QChar(13)) {
            key = QChar();
            form.PostMessage(msg::WM_NEXTDLGCTL, 0, 0);
        }
    };
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    first->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "ab");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(testenv::waitFor([&] { return second->LineEdit()->hasFocus(); }));
    EXPECT_EQ(first->Text(), "ab");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(testenv::waitFor([&] { return button->PushButton()->hasFocus(); }));
    EXPECT_EQ(clicks, 0);
    // On the button, Enter presses it before it can become a character.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    QApplication::processEvents();
    EXPECT_TRUE(button->PushButton()->hasFocus());
}

TEST(Form, WithoutPreviewTheFormSeesOnlyKeysTypedIntoItself)
{
    TForm form;
    auto* edit = new TEdit(&form);
    edit->SetParent(form.ClientWidget());
    edit->SetBounds(10, 10, 100, 20);
    QList<int> seen;
    form.OnKeyDown = [&](QObject*, int& key, TShiftState) { seen.append(key); };
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    edit->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return edit->LineEdit()->hasFocus(); }));
    // Typed into the edit, the key is the edit's.
    QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
    QTest::keyClick(form.windowHandle(), Qt::Key_A);
    EXPECT_TRUE(seen.isEmpty());
    // With no control focused, the key reaches the form itself, once.
    edit->LineEdit()->clearFocus();
    ASSERT_TRUE(testenv::waitFor([] { return QApplication::focusWidget() == nullptr; }));
    QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(seen, QList<int> { vk::VK_ESCAPE });
}

TEST(Form, AControlsOnKeyDownRunsAfterThePreviewAndMaySwallowTheKey)
{
    TForm form;
    form.SetKeyPreview(true);
    auto* edit = new TEdit(&form);
    auto* button = new TButton(&form);
    edit->SetParent(form.ClientWidget());
    button->SetParent(form.ClientWidget());
    edit->SetBounds(10, 10, 100, 20);
    button->SetBounds(10, 40, 100, 25);
    QStringList seen;
    form.OnKeyDown = [&](QObject*, int& key, TShiftState) { seen << QStringLiteral("form %1").arg(key); };
    edit->OnKeyDown = [&](QObject* sender, int& key, TShiftState shift) {
        EXPECT_EQ(sender, edit);
        seen << QStringLiteral("edit %1%2").arg(key).arg(shift.testFlag(ssShift) ? " shift" : "");
        if (key == 'B') key = 0;
    };
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    bool swallowEnter = true;
    button->OnKeyDown = [&](QObject*, int& key, TShiftState) {
        if (swallowEnter && key == vk::VK_RETURN) key = 0;
    };
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    edit->LineEdit()->setFocus();
    QTest::keyClick(edit->LineEdit(), Qt::Key_A, Qt::ShiftModifier);
    QTest::keyClick(edit->LineEdit(), Qt::Key_B);
    QTest::keyClick(edit->LineEdit(), Qt::Key_Down);
    // The preview first, then the control (QTest presses Shift itself first); a key taken
    // away never becomes a character.
    EXPECT_EQ(seen,
        (QStringList { "form 16", "edit 16 shift", "form 65", "edit 65 shift", "form 66", "edit 66",
            "form 40", "edit 40" }));
    EXPECT_EQ(edit->Text().size(), 1);
    EXPECT_FALSE(edit->Text().contains(u'b', Qt::CaseInsensitive));
    // Enter taken by the handler does not press the button; passed on, it does.
    button->PushButton()->setFocus();
    QTest::keyClick(button->PushButton(), Qt::Key_Return);
    EXPECT_EQ(clicks, 0);
    swallowEnter = false;
    QTest::keyClick(button->PushButton(), Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
}

TEST(Form, DeclaredFormPropertiesWinOverQtsOwnNames)
{
    TForm form;
    declared::LoadRootFromText(&form, R"(
object frmDeclared: TForm
  Caption = 'Quira'
  ClientHeight = 351
  ClientWidth = 800
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = [fsBold]
  Position = poDesktopCenter
  BorderIcons = []
end)",
        "declared.dfm");
    EXPECT_EQ(form.Caption(), "Quira");
    EXPECT_EQ(form.ClientWidth(), 800);
    EXPECT_EQ(form.ClientHeight(), 351);
    EXPECT_EQ(form.Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_TRUE(form.font().bold());
    EXPECT_EQ(form.Position(), poDesktopCenter);
    EXPECT_EQ(form.BorderIcons(), TBorderIcons());
}

TEST(Form, EnterAndExitFollowTheFocusThroughContainers)
{
    TForm form;
    auto* box = new TControl(&form);
    box->SetParent(form.ClientWidget());
    box->SetBounds(0, 0, 200, 80);
    auto* first = new TEdit(&form);
    auto* second = new TEdit(&form);
    auto* outside = new TEdit(&form);
    first->SetParent(box);
    second->SetParent(box);
    outside->SetParent(form.ClientWidget());
    first->SetBounds(10, 10, 100, 20);
    second->SetBounds(10, 40, 100, 20);
    outside->SetBounds(10, 100, 100, 20);
    QStringList log;
    for (auto [control, name] : { std::pair<TControl*, QString> { box, "box" }, { first, "first" },
             { second, "second" }, { outside, "outside" } }) {
        control->OnEnter = [&log, name](QObject*) { log << "enter " + name; };
        control->OnExit = [&log, name](QObject*) { log << "exit " + name; };
    }
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto focus = [&](TEdit* edit) {
        edit->setFocus();
        ASSERT_TRUE(testenv::waitFor([&] { return edit->LineEdit()->hasFocus(); }));
    };
    focus(first);
    EXPECT_EQ(log, QStringList({ "enter box", "enter first" }));
    log.clear();
    // Within the box only the edits hear of it.
    focus(second);
    EXPECT_EQ(log, QStringList({ "exit first", "enter second" }));
    log.clear();
    focus(outside);
    EXPECT_EQ(log, QStringList({ "exit second", "exit box", "enter outside" }));
    log.clear();
    // Another window taking the focus and giving it back changes nothing.
    TForm other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(testenv::waitFor([&] { return outside->LineEdit()->hasFocus(); }));
    EXPECT_TRUE(log.isEmpty()) << log.join(", ").toStdString();
}
