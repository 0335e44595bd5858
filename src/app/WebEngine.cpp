#include "WebEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QList>
#include <unistd.h>

namespace {

void AddSwitch(QList<QByteArray>& switches, const QByteArray& name)
{
    if (!switches.contains(name)) switches.append(name);
}

} // namespace

QByteArray WebEngineSwitches(const QByteArray& given, bool runAsRoot, bool hasGpu)
{
    QList<QByteArray> switches;
    for (const QByteArray& part : given.split(' '))
        if (!part.isEmpty()) switches.append(part);
    if (runAsRoot) AddSwitch(switches, "--no-sandbox");
    if (!hasGpu) AddSwitch(switches, "--disable-gpu");
    return switches.join(' ');
}

bool HasGpuRenderNode()
{
    return !QDir(QStringLiteral("/dev/dri"))
                .entryList({ QStringLiteral("renderD*") }, QDir::System)
                .isEmpty();
}

void PrepareWebEngine()
{
    // The engine's widgets share one OpenGL context with the rest of the program.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    const bool runAsRoot = geteuid() == 0;
    const bool hasGpu = HasGpuRenderNode();
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
        WebEngineSwitches(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), runAsRoot, hasGpu));
    if (runAsRoot) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Without a GPU the engine's frames are drawn by Qt Quick's software renderer, not
    // through an OpenGL that would itself be emulated.
    if (!hasGpu && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) qputenv("QT_QUICK_BACKEND", "software");
}
