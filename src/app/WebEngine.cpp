#include "WebEngine.h"

#include "framework/Exception.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QList>
#include <QOpenGLContext>
#include <unistd.h>

// Qt's one context that every OpenGL context of the program shares with (Qt GUI).
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

void AddSwitch(QList<QByteArray>& switches, const QByteArray& name)
{
    if (!switches.contains(name)) switches.append(name);
}

void SetWebEngineSwitches()
{
    const bool runAsRoot = geteuid() == 0;
    const bool hasGpu = HasGpuRenderNode();
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
        WebEngineSwitches(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), runAsRoot, hasGpu));
    if (runAsRoot) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Without a GPU the engine's frames are drawn by Qt Quick's software renderer, not
    // through an OpenGL that would itself be emulated.
    if (!hasGpu && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) qputenv("QT_QUICK_BACKEND", "software");
}

void DeleteShareContext()
{
    delete QOpenGLContext::globalShareContext();
    qt_gl_set_global_share_context(nullptr);
}

// The context the engine's views share with the program. Qt makes it while the
// application object starts when asked to share (and the engine's library asks as soon
// as it is loaded): that would start OpenGL with every start-up. The program draws
// nothing with OpenGL, so no context exists that would have to share with it, and one
// made now serves the same. It ends before the application's platform does.
void MakeShareContext()
{
    if (QOpenGLContext::globalShareContext()) return;
    auto* context = new QOpenGLContext;
    context->create();
    qt_gl_set_global_share_context(context);
    qAddPostRoutine(DeleteShareContext);
    // Qt warns that the attribute comes after the application object: it would matter
    // for contexts made before, and there are none. Widgets made from now on share.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

QString WebLibraryPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/quira/libquira_web.so");
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
    SetWebEngineSwitches();
}

TWebViewFactory StartWebEngine()
{
    static TWebViewFactory factory = nullptr;
    if (factory) return factory;
    SetWebEngineSwitches();
    MakeShareContext();
    // A program linked with the library (a test) has it loaded already, under its name.
    QLibrary library(WebLibraryPath());
    if (!library.load()) library.setFileName(QStringLiteral("libquira_web.so"));
    factory = reinterpret_cast<TWebViewFactory>(library.resolve("QuiraNewWebView"));
    if (!factory)
        throw Exception(QStringLiteral("O navegador não pôde ser iniciado: %1").arg(library.errorString()));
    return factory;
}
