// The framework's mouse, key and drag events on controls, driven through the window as
// the window system drives it: which control hears a press, a move and a release, in
// whose coordinates, how often; the characters and key releases of the focused control;
// dragging one control onto another.
#include "framework/Control.h"
#include "framework/Dock.h"
#include "framework/Form.h"
#include "framework/StandardClasses.h"
#include "framework/comctrls/PageControl.h"
#include "framework/declared/DeclaredLoader.h"
#include "framework/grids/DrawGrid.h"
#include "framework/stdctrls/Edit.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

// A window declaring a dock drag: the edit docks into the second sheet, with a dock
// object of the window's own.
class TDockingForm : public TForm {
    Q_OBJECT
public:
    TDragDockObject* own = nullptr;
    QStringList log;
public slots:
    void EdtStartDock(QObject*, TDragDockObject*& DragObject)
    {
        own = new TDragDockObject(qobject_cast<TControl*>(sender()));
        own->setParent(this);
        DragObject = own;
        log << "start";
    }
    void EdtEndDock(QObject*, QObject* Target, int, int)
    {
        log << "end " + (Target ? Target->objectName() : "none");
    }
    void SheetDockOver(QObject*, TDragDockObject* Source, int, int, TDragState, bool& Accept)
    {
        log << QString("over %1").arg(Source == own ? "own" : "other");
        Accept = true;
    }
    void SheetDockDrop(QObject*, TDragDockObject* Source, int, int)
    {
        log << QString("drop %1").arg(Source == own ? "own" : "other");
    }
};

#include "ControlEventsTest.moc"

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
    // The source's drag cursor shows over a control that takes the drag.
    f.plain->SetDragCursor(crHandPoint);
    QTest::mouseMove(f.Window(), f.At(target, { 21, 10 }));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    QTest::mouseMove(f.Window(), f.At(target, { 20, 10 }));
    f.log.clear();
    QTest::mouseRelease(f.Window(), Qt::LeftButton, {}, f.At(target, { 20, 10 }));
    EXPECT_EQ(Joined(drag),
        "start | over enter 70,10 | over move 20,10 | over move 21,10 | over move 20,10 | drop 20,10 | end "
        "target "
        "20,10");
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

TEST(ControlEvents, ADockDragDocksTheControlIntoASiteFloatsItElsewhereAndIsCancelledByEscOrTheRightButton)
{
    EventForm f;
    f.form.SetBounds(60, 60, 520, 320);
    auto* site = f.Place<TControl>({ 300, 20, 160, 120 });
    auto* other = f.Place<TControl>({ 300, 160, 160, 100 });
    site->SetDockSite(true);
    other->SetDockSite(true);
    f.Show();
    auto* plain = f.plain;
    plain->SetName("pnlSolto");
    plain->SetDragKind(dkDock);
    plain->SetDragCursor(crHandPoint);
    QStringList dock;
    TDragDockObject* carried = nullptr;
    plain->OnStartDock = [&](QObject* sender, TDragDockObject*& object) {
        EXPECT_EQ(sender, plain);
        EXPECT_EQ(object, nullptr);
        dock << "start";
    };
    const auto hostName = [&](QObject* at) {
        if (!at) return QString("none");
        if (at == site) return QString("site");
        if (at == other) return QString("other");
        return QString(qobject_cast<TFloatingHost*>(at) ? "floating" : "elsewhere");
    };
    plain->OnEndDock = [&](QObject*, QObject* at, int x, int y) {
        dock << QString("end %1 %2,%3").arg(hostName(at)).arg(x).arg(y);
    };
    // A dock drag raises none of the drag events.
    plain->OnStartDrag = [&](QObject*, QObject*&) { dock << "drag start"; };
    plain->OnEndDrag = [&](QObject*, QObject*, int, int) { dock << "drag end"; };
    site->OnDockOver = [&](QObject*, TDragDockObject* source, int x, int y, TDragState state, bool& accept) {
        static const char* const kStates[] = { "enter", "leave", "move" };
        dock << QString("over %1 %2,%3").arg(kStates[state]).arg(x).arg(y);
        carried = source;
        EXPECT_EQ(source->Control(), plain);
        // The site takes the control on its upper part only.
        accept = y < 80;
    };
    site->OnDockDrop = [&](QObject*, TDragDockObject* source, int x, int y) {
        EXPECT_EQ(source, carried);
        dock << QString("drop %1,%2").arg(x).arg(y);
    };
    const auto shape = [] {
        return QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape()
                                                 : Qt::BitmapCursor;
    };

    // Begun by hand, dropped on the site: the control becomes the site's child where it
    // was let go, the point it was held by under the pointer.
    plain->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) { plain->BeginDrag(false); };
    f.PointAt(plain, { 10, 10 });
    QTest::mousePress(f.Window(), Qt::LeftButton, {}, f.At(plain, { 10, 10 }));
    QTest::mouseMove(f.Window(), f.At(plain, { 30, 10 }));
    EXPECT_EQ(Joined(dock), "start");
    EXPECT_EQ(shape(), Qt::ArrowCursor);
    QTest::mouseMove(f.Window(), f.At(site, { 40, 90 }));
    EXPECT_EQ(shape(), Qt::ArrowCursor);
    QTest::mouseMove(f.Window(), f.At(site, { 50, 30 }));
    EXPECT_EQ(shape(), Qt::PointingHandCursor);
    ASSERT_NE(carried, nullptr);
    EXPECT_FALSE(carried->Floating());
    EXPECT_EQ(carried->DockRect(), QRect(site->mapToGlobal(QPoint(40, 20)), plain->size()));
    QTest::mouseRelease(f.Window(), Qt::LeftButton, {}, f.At(site, { 50, 30 }));
    EXPECT_EQ(Joined(dock), "start | over enter 40,90 | over move 50,30 | drop 50,30 | end site 50,30");
    EXPECT_EQ(plain->parentWidget(), site);
    EXPECT_EQ(plain->pos(), QPoint(40, 20));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    dock.clear();

    // Automatic, let go outside every window: the control floats in a tool window of its
    // own, its corner where it was let go.
    plain->OnMouseDown = nullptr;
    plain->SetDragMode(dmAutomatic);
    f.PointAt(plain, { 10, 10 });
    QTest::mousePress(f.Window(), Qt::LeftButton, {}, f.At(plain, { 10, 10 }));
    QTest::mouseMove(f.Window(), f.At(plain, { 30, 10 }));
    const QPoint outside = f.At(&f.form, { 600, 100 });
    QTest::mouseMove(f.Window(), outside);
    EXPECT_EQ(shape(), Qt::ArrowCursor);
    QTest::mouseRelease(f.Window(), Qt::LeftButton, {}, outside);
    const QPoint left = site->mapFromGlobal(f.form.mapToGlobal(outside));
    EXPECT_EQ(Joined(dock),
        QString("start | over enter 70,30 | over leave %1,%2 | end floating 10,10")
            .arg(left.x())
            .arg(left.y())
            .toStdString());
    QPointer<TFloatingHost> host = qobject_cast<TFloatingHost*>(plain->window());
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(host->isVisible());
    EXPECT_EQ(host->BorderStyle(), bsSizeToolWin);
    // A control without a caption of its own names the window.
    EXPECT_EQ(host->Caption(), "pnlSolto");
    EXPECT_EQ(plain->parentWidget(), host->ClientWidget());
    EXPECT_EQ(plain->mapToGlobal(QPoint(0, 0)), f.form.mapToGlobal(outside) - QPoint(10, 10));
    EXPECT_EQ(host->ClientWidget()->size(), plain->size());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host));
    dock.clear();

    // Esc and the right button cancel: the control stays in its window, the site hears the
    // drag leave, the control that nobody took it.
    QWindow* floating = host->windowHandle();
    const auto onFloating = [&](QWidget* w, QPoint p) { return host->mapFromGlobal(w->mapToGlobal(p)); };
    for (const bool byEsc : { true, false }) {
        QTest::mouseMove(floating, onFloating(plain, { 10, 10 }));
        QTest::mousePress(floating, Qt::LeftButton, {}, onFloating(plain, { 10, 10 }));
        QTest::mouseMove(floating, onFloating(site, { 20, 20 }));
        if (byEsc)
            QTest::keyClick(floating, Qt::Key_Escape);
        else
            QTest::mousePress(floating, Qt::RightButton, {}, onFloating(site, { 20, 20 }));
        EXPECT_EQ(Joined(dock), "start | over enter 20,20 | over leave 20,20 | end none 0,0") << byEsc;
        EXPECT_FALSE(plain->Dragging());
        EXPECT_EQ(plain->window(), host.data());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        if (!byEsc) QTest::mouseRelease(floating, Qt::RightButton, {}, onFloating(site, { 20, 20 }));
        QTest::mouseRelease(floating, Qt::LeftButton, {}, onFloating(site, { 20, 20 }));
        dock.clear();
    }

    // A site without OnDockOver takes the control; the floating window goes away.
    QTest::mouseMove(floating, onFloating(plain, { 10, 10 }));
    QTest::mousePress(floating, Qt::LeftButton, {}, onFloating(plain, { 10, 10 }));
    QTest::mouseMove(floating, onFloating(other, { 30, 30 }));
    EXPECT_EQ(shape(), Qt::PointingHandCursor);
    QTest::mouseRelease(floating, Qt::LeftButton, {}, onFloating(other, { 30, 30 }));
    EXPECT_EQ(Joined(dock), "start | end other 30,30");
    EXPECT_EQ(plain->parentWidget(), other);
    EXPECT_EQ(plain->pos(), QPoint(20, 20));
    EXPECT_TRUE(testenv::waitFor([&] { return host.isNull(); }));

    // A floating window goes with the window that declared its control.
    {
        EventForm g;
        g.Show();
        g.plain->SetDragKind(dkDock);
        g.plain->SetDragMode(dmAutomatic);
        g.PointAt(g.plain, { 5, 5 });
        QTest::mousePress(g.Window(), Qt::LeftButton, {}, g.At(g.plain, { 5, 5 }));
        QTest::mouseMove(g.Window(), g.At(&g.form, { 600, 100 }));
        QTest::mouseRelease(g.Window(), Qt::LeftButton, {}, g.At(&g.form, { 600, 100 }));
        host = qobject_cast<TFloatingHost*>(g.plain->window());
        ASSERT_NE(host, nullptr);
    }
    EXPECT_TRUE(host.isNull());
}

TEST(ControlEvents, DeclaredDataSetsTheDragCursorTheDragKindTheDockSiteAndTheDockHandlers)
{
    RegisterStandardClasses();
    TDockingForm form;
    declared::LoadRootFromText(&form, R"(
object frmDocas: TDockingForm
  Left = 60
  Top = 60
  ClientWidth = 420
  ClientHeight = 260
  object edtNome: TEdit
    Left = 8
    Top = 8
    Width = 120
    Height = 21
    DragCursor = crHandPoint
    DragKind = dkDock
    DragMode = dmAutomatic
    OnStartDock = EdtStartDock
    OnEndDock = EdtEndDock
  end
  object pgcDocas: TPageControl
    Left = 8
    Top = 40
    Width = 400
    Height = 200
    object tsDoca: TTabSheet
      Caption = 'Doca'
      DockSite = True
      OnDockOver = SheetDockOver
      OnDockDrop = SheetDockDrop
    end
  end
end
)",
        "docas.dfm");
    auto* edit = form.findChild<TEdit*>("edtNome");
    auto* sheet = form.findChild<TTabSheet*>("tsDoca");
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(edit->DragCursor(), crHandPoint);
    EXPECT_EQ(edit->DragKind(), dkDock);
    EXPECT_TRUE(sheet->DockSite());
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QWindow* window = form.windowHandle();
    const auto at = [&](QWidget* w, QPoint p) { return w->mapTo(&form, p); };
    QTest::mouseMove(window, at(edit, { 5, 5 }));
    QTest::mousePress(window, Qt::LeftButton, {}, at(edit, { 5, 5 }));
    QTest::mouseMove(window, at(sheet, { 30, 30 }));
    QTest::mouseMove(window, at(sheet, { 32, 30 }));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(sheet, { 32, 30 }));
    EXPECT_EQ(Joined(form.log), "start | over own | over own | drop own | end tsDoca");
    EXPECT_EQ(edit->parentWidget(), sheet);
}
