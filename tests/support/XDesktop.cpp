#include "XDesktop.h"

#include "TestEnv.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <csignal>
#include <sys/prctl.h>

namespace testenv {

QString RunTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(5000)) return QStringLiteral("(%1 did not start)").arg(program);
    // A click may open a modal window whose loop runs inside processEvents until it
    // closes, long after the tool ended: its state, not waitForFinished, says so.
    while (p.state() != QProcess::NotRunning) {
        p.waitForFinished(10);
        QCoreApplication::processEvents();
    }
    QTest::qWait(30);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

void Xdo(const QStringList& args) { RunTool(QStringLiteral("xdotool"), args); }

void ClickOn(QWidget* w)
{
    const QPoint at = w->mapToGlobal(w->rect().center());
    Xdo({ "mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1" });
    // Let the events of the click arrive.
    QTest::qWait(150);
}

void KeepScreen(const QString& name)
{
    const QString dir = qEnvironmentVariable("QUIRA_SHOT_DIR");
    if (dir.isEmpty()) return;
    QTest::qWait(150);
    RunTool(QStringLiteral("import"), { "-window", "root", dir + u'/' + name + QStringLiteral(".png") });
}

XWindow XState(QWidget* w)
{
    const QString out = RunTool(QStringLiteral("xwininfo"), { "-id", QString::number(w->winId()) });
    const auto field = [&](const char* name) {
        return QRegularExpression(QLatin1String(name) + QStringLiteral(":\\s*(-?\\d+)"))
            .match(out)
            .captured(1)
            .toInt();
    };
    return { QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                 field("Height")),
        out.contains(QLatin1String("IsViewable")),
        out.contains(QRegularExpression(QStringLiteral("Override Redirect State:\\s*yes"))) };
}

QString XProperty(QWidget* w, const char* name)
{
    const QString out
        = RunTool(QStringLiteral("xprop"), { "-id", QString::number(w->winId()), QLatin1String(name) });
    return out.contains(QLatin1String("not found")) ? QString() : out.trimmed();
}

bool WindowManager::Start(const QString& program, const QStringList& args)
{
    // It goes with the test, even when the test dies: a window manager left behind
    // would manage the windows of the tests after it.
    m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process.start(program, args);
    if (!m_process.waitForStarted(5000)) return false;
    // Ready once it names itself on the root window.
    return waitFor(
        [] {
            return RunTool(QStringLiteral("xprop"), { "-root", "_NET_SUPPORTING_WM_CHECK" }).contains(u'#');
        },
        5000);
}

WindowManager::~WindowManager()
{
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) m_process.kill();
    m_process.waitForFinished(3000);
}

} // namespace testenv
