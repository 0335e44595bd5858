// The framework's mouse, key and drag events on controls, driven through the window as
// the window system drives it: which control hears a press, a move and a release, in
// whose coordinates, how often; the characters and key releases of the focused control;
// dragging one control onto another.
#include "framework/Control.h"
#include "framework/Form.h"
#include "framework/grids/DrawGrid.h"
#include "framework/stdctrls/Edit.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// gtest shows a QStringList as bytes; a log compares as one line.
std::string Joined(const QStringList& log) { return log.join(" | ").toStdString(); }

QString ButtonName(TMouseButton b)
{
    static const char* const kNames[] = { "left", "right", "middle" };
    return kNames[b];
}

// A form with a container holding a plain control and an edit, every control writing
// what it hears into one log.
struct EventForm {
    TForm form;
    TControl* box = new TControl(&form);
    TControl* plain = new TControl(&form);
    TEdit* edit = new TEdit(&form);
    QStringList log;

    EventForm()
    {
        form.SetBounds(60, 60, 320, 240);
        box->SetParent(form.ClientWidget());
        box->SetBounds(20, 20, 260, 180);
        plain->SetParent(box);
        plain->SetBounds(10, 10, 80, 30);
        edit->SetParent(box);
        edit->SetBounds(10, 60, 120, 21);
        for (auto [control, name] :
            { std::pair<TControl*, QString> { box, "box" }, { plain, "plain" }, { edit, "edit" } }) {
            control->OnMouseDown = [this, name](QObject*, TMouseButton b, TShiftState s, int x, int y) {
                const QString twice = s.testFlag(ssDouble) ? " double" : "";
                log << QString("%1 down %2 %3,%4%5").arg(name, ButtonName(b)).arg(x).arg(y).arg(twice);
            };
            control->OnMouseUp = [this, name](QObject*, TMouseButton b, TShiftState, int x, int y) {
                log << QString("%1 up %2 %3,%4").arg(name, ButtonName(b)).arg(x).arg(y);
            };
            control->OnMouseMove = [this, name](QObject*, TShiftState s, int x, int y) {
                log << QString("%1 move %2,%3%4")
                           .arg(name)
                           .arg(x)
                           .arg(y)
                           .arg(s.testFlag(ssLeft) ? " left" : "");
            };
        }
    }
    void Show()
    {
        form.Show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        log.clear();
    }
    // A point of `control` in the window's coordinates.
    QPoint At(QWidget* control, QPoint p) const { return control->mapTo(&form, p); }
    QWindow* Window() { return form.windowHandle(); }
    // Another control of the form, on its client area.
    template <class TKind> TKind* Place(QRect bounds)
    {
        auto* control = new TKind(&form);
        control->SetParent(form.ClientWidget());
        control->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        return control;
    }
    // Puts the pointer on `control` first: Qt reports a press somewhere else after a move.
    void PointAt(QWidget* control, QPoint p)
    {
        QTest::mouseMove(Window(), At(control, p));
        log.clear();
    }
};

} // namespace

TEST(ControlEvents, TheControlUnderThePointerHearsEachMouseEventOnceInItsOwnCoordinates)
{
    EventForm f;
    f.Show();
    // The plain control ignores presses, so Qt offers them to the box as well: the box
    // does not hear them as its own.
    f.PointAt(f.plain, { 5, 6 });
    QTest::mousePress(f.Window(), Qt::RightButton, {}, f.At(f.plain, { 5, 6 }));
    QTest::mouseRelease(f.Window(), Qt::RightButton, {}, f.At(f.plain, { 5, 6 }));
    EXPECT_EQ(Joined(f.log), "plain down right 5,6 | plain up right 5,6");
    f.log.clear();

    // The edit takes presses in its line edit; the edit hears them, in its coordinates.
    f.PointAt(f.edit, { 7, 8 });
    QTest::mousePress(f.Window(), Qt::LeftButton, {}, f.At(f.edit, { 7, 8 }));
    QTest::mouseRelease(f.Window(), Qt::LeftButton, {}, f.At(f.edit, { 7, 8 }));
    EXPECT_EQ(Joined(f.log), "edit down left 7,8 | edit up left 7,8");
    f.log.clear();

    // A move without a button reaches the control under the pointer, tracked or not.
    QTest::mouseMove(f.Window(), f.At(f.box, { 200, 150 }));
    EXPECT_EQ(Joined(f.log), "box move 200,150");
    f.log.clear();

    // The control that took the press keeps the pointer until the release, outside too.
    f.PointAt(f.plain, { 20, 10 });
    QTest::mousePress(f.Window(), Qt::LeftButton, {}, f.At(f.plain, { 20, 10 }));
    QTest::mouseMove(f.Window(), f.At(f.plain, { 120, 90 }));
    QTest::mouseRelease(f.Window(), Qt::LeftButton, {}, f.At(f.plain, { 120, 90 }));
    EXPECT_EQ(Joined(f.log), "plain down left 20,10 | plain move 120,90 left | plain up left 120,90");
    f.log.clear();

    // The second press of a double click is a press with the double flag.
    f.PointAt(f.box, { 150, 20 });
    QTest::mouseDClick(f.Window(), Qt::LeftButton, {}, f.At(f.box, { 150, 20 }));
    EXPECT_EQ(Joined(f.log),
        "box down left 150,20 | box up left 150,20 | box down left 150,20 double | box up left 150,20");
    f.log.clear();

    // A disabled control hears nothing; its parent hears the press in its place.
    f.plain->SetEnabled(false);
    f.PointAt(f.plain, { 5, 5 });
    QTest::mouseClick(f.Window(), Qt::LeftButton, {}, f.At(f.plain, { 5, 5 }));
    EXPECT_EQ(Joined(f.log), "box down left 15,15 | box up left 15,15");
}

TEST(ControlEvents, CharactersAndKeyReleasesReachTheFocusedControlAndMayBeSwallowed)
{
    EventForm f;
    auto* grid = f.Place<TDrawGrid>({ 10, 200, 200, 30 });
    f.Show();
    QStringList keys;
    f.edit->OnKeyPress = [&](QObject* sender, QChar& key) {
        EXPECT_EQ(sender, f.edit);
        keys << QString("press %1").arg(key);
        if (key == u'x') key = QChar();
        if (key == u'a') key = u'b';
    };
    f.edit->OnKeyUp = [&](QObject*, int& key, TShiftState shift) {
        keys << QString("up %1%2").arg(key).arg(shift.testFlag(ssShift) ? " shift" : "");
    };
    f.edit->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return f.edit->LineEdit()->hasFocus(); }));
    QTest::keyClicks(f.edit->LineEdit(), "xay");
    // x is swallowed, a typed as b.
    EXPECT_EQ(f.edit->Text(), "by");
    EXPECT_EQ(Joined(keys), "press x | up 88 | press a | up 65 | press y | up 89");
    keys.clear();
    QTest::keyClick(f.edit->LineEdit(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_TRUE(keys.contains(QString("up %1 shift").arg(0x25))) << keys.join(", ").toStdString();
    keys.clear();
    // A held key repeats its press, not its release.
    QTest::keyPress(f.edit->LineEdit(), Qt::Key_Z);
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Z, {}, "z", true);
    QApplication::sendEvent(f.edit->LineEdit(), &repeatUp);
    QTest::keyRelease(f.edit->LineEdit(), Qt::Key_Z);
    EXPECT_EQ(Joined(keys), "press z | up 90");

    // A grid hears the characters typed on it too.
    QList<QChar> typed;
    grid->OnKeyPress = [&](QObject* sender, QChar& key) {
        EXPECT_EQ(sender, grid);
        typed << key;
    };
    int released = 0;
    grid->OnKeyUp = [&](QObject*, int&, TShiftState) { ++released; };
    grid->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return grid->hasFocus(); }));
    QTest::keyClicks(grid, "q1");
    EXPECT_EQ(typed, QList<QChar>({ u'q', u'1' }));
    EXPECT_EQ(released, 2);
    // Tab moves the focus and is no character of the grid's.
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(typed.size(), 2);
}

TEST(ControlEvents, DraggingAControlOntoAnotherAsksEachControlOnTheWayAndDropsWhereAccepted)
{
    EventForm f;
    auto* target = f.Place<TControl>({ 200, 200, 100, 30 });
    f.Show();
    QStringList drag;
    QObject* startedWith = nullptr;
    f.plain->OnStartDrag = [&](QObject* sender, QObject*&) {
        startedWith = sender;
        drag << "start";
    };
    f.plain->OnEndDrag = [&](QObject*, QObject* at, int x, int y) {
        drag << QString("end %1 %2,%3").arg(at == target ? "target" : at ? "other" : "none").arg(x).arg(y);
    };
    target->OnDragOver = [&](QObject*, QObject* source, int x, int y, TDragState state, bool& accept) {
        static const char* const kStates[] = { "enter", "leave", "move" };
        drag << QString("over %1 %2,%3").arg(kStates[state]).arg(x).arg(y);
        EXPECT_EQ(source, f.plain);
        // The target takes drops on its left half only.
        accept = x < 50;
    };
    target->OnDragDrop = [&](QObject*, QObject* source, int x, int y) {
        EXPECT_EQ(source, f.plain);
        drag << QString("drop %1,%2").arg(x).arg(y);
    };
    // Manual: the control begins the drag from its own press; below the distance nothing
    // starts and the release is an ordinary one.
    f.plain->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) { f.plain->BeginDrag(false); };
    f.PointAt(f.plain, { 10, 10 });
    QTest::mousePress(f.Window(), Qt::LeftButton, {}, f.At(f.plain, { 10, 10 }));
    EXPECT_TRUE(f.plain->Dragging());
    QTest::mouseMove(f.Window(), f.At(f.plain, { 12, 12 }));
    QTest::mouseRelease(f.Window(), Qt::LeftButton, {}, f.At(f.plain, { 12, 12 }));
    EXPECT_TRUE(drag.isEmpty()) << drag.join(", ").toStdString();
    EXPECT_FALSE(f.plain->Dragging());

    QTest::mousePress(f.Window(), Qt::LeftButton, {}, f.At(f.plain, { 10, 10 }));
    QTest::mouseMove(f.Window(), f.At(f.plain, { 30, 10 }));
    EXPECT_EQ(Joined(drag), "start");
    EXPECT_EQ(startedWith, f.plain);
    QTest::mouseMove(f.Window(), f.At(target, { 70, 10 }));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    QTest::mouseMove(f.Window(), f.At(target, { 20, 10 }));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
    f.log.clear();
    QTest::mouseRelease(f.Window(), Qt::LeftButton, {}, f.At(target, { 20, 10 }));
    EXPECT_EQ(Joined(drag), "start | over enter 70,10 | over move 20,10 | drop 20,10 | end target 20,10");
    // The drag took the release: no control heard it as a mouse event.
    EXPECT_TRUE(f.log.isEmpty()) << f.log.join(", ").toStdString();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    drag.clear();

    // Automatic: a left press begins the drag by itself, and the control does not hear
    // the press. Esc cancels: the target hears the drag leave, the source that nobody
    // took it.
    f.plain->OnMouseDown = nullptr;
    f.plain->SetDragMode(dmAutomatic);
    f.PointAt(f.plain, { 10, 10 });
    QTest::mousePress(f.Window(), Qt::LeftButton, {}, f.At(f.plain, { 10, 10 }));
    EXPECT_TRUE(f.log.isEmpty()) << f.log.join(", ").toStdString();
    QTest::mouseMove(f.Window(), f.At(target, { 10, 10 }));
    QTest::keyClick(f.Window(), Qt::Key_Escape);
    EXPECT_EQ(Joined(drag), "start | over enter 10,10 | over leave 10,10 | end none 0,0");
    EXPECT_FALSE(f.plain->Dragging());
    QTest::mouseRelease(f.Window(), Qt::LeftButton, {}, f.At(target, { 10, 10 }));
    drag.clear();

    // A release over a control that refuses is no drop either.
    QTest::mousePress(f.Window(), Qt::LeftButton, {}, f.At(f.plain, { 10, 10 }));
    QTest::mouseMove(f.Window(), f.At(target, { 80, 5 }));
    QTest::mouseRelease(f.Window(), Qt::LeftButton, {}, f.At(target, { 80, 5 }));
    EXPECT_EQ(Joined(drag), "start | over enter 80,5 | over leave 80,5 | end none 0,0");
}
