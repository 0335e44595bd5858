#pragma once
// Builds a component tree from declared data.
//
// The root (a form or data module) is constructed by its class and then loads its
// own file: the root's properties are set, nested components are created from the
// class registry with the root as their owner (controls inside a control are placed in
// it), published properties are set by name, handlers are bound to the root's slots,
// and references are resolved — within the file, or to another loaded module
// ("DM.vnSkinData1"). A reference to a module that is not loaded yet waits in a fix-up
// list and is resolved when that module loads.
#include <QObject>
#include <QString>
#include <QStringList>

namespace declared {

// Loads `fileName` (a resource path such as ":/forms/uDM.dfm", or a plain file) into
// `root`. Throws Exception naming file and line on any error.
void LoadRoot(QObject* root, const QString& fileName);
// The same from text already in memory; `fileName` names it in errors.
void LoadRootFromText(QObject* root, const QString& text, const QString& fileName);

// Loaded roots that other files may refer to by name.
QObject* FindRoot(const QString& name);

// References still waiting for their module, as "file:line: Module.Name".
QStringList PendingReferences();
// Throws Exception naming file and line for the first reference never resolved.
void CheckPendingReferences();

// Integer constants that declared data may write by name for integer properties
// (colour names are known already).
void RegisterIntegerConstant(const QString& name, qint64 value);

} // namespace declared
