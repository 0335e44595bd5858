#pragma once
// Readies Qt WebEngine for the machine the program runs on and starts it. The engine
// reads its switches once, when it starts.
//
// Chromium's sandbox stays on, except for a program run as root, where Chromium refuses
// to start with it. A machine without a GPU render node (a virtual display such as Xvfb,
// a remote desktop) renders in software. The user sets nothing; switches the user did
// give (QTWEBENGINE_CHROMIUM_FLAGS) are kept.
#include <QByteArray>

class QWidget;

// The Chromium switches to add for a program run as root or not, on a machine with or
// without a GPU, to the switches already given.
QByteArray WebEngineSwitches(const QByteArray& given, bool runAsRoot, bool hasGpu);

// True when the machine has a GPU render node Chromium could use.
bool HasGpuRenderNode();

// For a program linked with the engine: its switches and the shared OpenGL context the
// engine asks for. Runs before the Qt application object exists.
void PrepareWebEngine();

// Makes a browser view (a QWebEngineView) on `parent`.
using TWebViewFactory = QWidget* (*)(QWidget* parent);

// Starts the engine in the running program, the first time a page is to be shown: its
// switches, the shared OpenGL context, then the engine library (libquira_web.so, in
// ../lib/quira beside the program). Returns the engine's view maker; throws Exception
// when the engine cannot be loaded.
TWebViewFactory StartWebEngine();
