#pragma once
// Readies Qt WebEngine for the machine the program runs on. Must run before the Qt
// application object exists: the engine reads its switches once, when it starts.
//
// Chromium's sandbox stays on, except for a program run as root, where Chromium refuses
// to start with it. A machine without a GPU render node (a virtual display such as Xvfb,
// a remote desktop) renders in software. The user sets nothing; switches the user did
// give (QTWEBENGINE_CHROMIUM_FLAGS) are kept.
#include <QByteArray>

// The Chromium switches to add for a program run as root or not, on a machine with or
// without a GPU, to the switches already given.
QByteArray WebEngineSwitches(const QByteArray& given, bool runAsRoot, bool hasGpu);

// True when the machine has a GPU render node Chromium could use.
bool HasGpuRenderNode();

void PrepareWebEngine();
