#pragma once
// The desktop's folders as the folder tree shows them, on a Linux desktop: the file system
// seen from a virtual root ("Computer") that holds the user's home folder, the file
// system root "/" and the removable and other mounts under /media/$USER and /mnt. A folder
// item is its path (empty for the virtual root); the platform's special folders map to
// the XDG folders where the desktop has an equivalent.
//
// Everything here is a pure function of the file system: the tree view and its tests
// call the same listing, sorting and naming.
#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace vnshell {
Q_NAMESPACE

// What a folder's listing holds.
enum TvnObjectType { otFolders = 0x1, otNonFolders = 0x2, otHidden = 0x4 };
Q_DECLARE_FLAGS(TvnObjectTypes, TvnObjectType)
Q_FLAG_NS(TvnObjectTypes)

// One item of the tree: a folder (or, with otNonFolders, a file) of the file system, or
// the virtual root.
struct TvnShellFolder {
    // Absolute, clean path; empty for the virtual root.
    QString Path;
    // Depth below the root node (the root node is 0).
    int Depth = 0;

    bool IsVirtualRoot() const { return Path.isEmpty(); }
    bool operator==(const TvnShellFolder&) const = default;
};

// The virtual root's items: home, "/" and the mounts, in that order.
QStringList VirtualRootPaths();
// The name shown for an item: "Home" for the home folder and "File System" for "/" when
// they hang from the virtual root, the folder's own name elsewhere.
QString DisplayName(const QString& path, bool underVirtualRoot);
QString VirtualRootName();

// A directory the user can open in the tree (not a file; a ".zip" never counts).
bool IsFolder(const QString& path);
// Whether expanding it may show anything: false only when it is known to hold no item of
// `types`. A folder that cannot be read says true, as file managers offer to open it.
bool HasSubItems(const QString& path, TvnObjectTypes types);

// The items of one folder, unsorted. Empty (never an error) when the folder cannot be
// read; `ok` says whether it could.
QStringList ListFolder(const QString& path, TvnObjectTypes types, bool* ok = nullptr);
// As a desktop file manager orders names: case-insensitive, locale-aware, digits as
// numbers ("photo 2" before "photo 10").
bool NameLess(const QString& a, const QString& b);
void SortNames(QStringList& names);

// The path a special-folder name ("rfPersonal", ...) stands for; an empty text for
// "rfDesktop" (the virtual root); nothing when the name is no special folder or the
// desktop has no such folder.
std::optional<QString> SpecialFolderPath(const QString& name, bool* known = nullptr);
// The folder item a `Root` text names: a special folder or an existing absolute folder.
std::optional<QString> ResolveRoot(const QString& root);
// An absolute, clean path of an existing folder; nothing otherwise ("~" is the home).
std::optional<QString> ParseFolderPath(const QString& path);

// The chain of items from the virtual root's child (or from `rootPath` when the tree is
// rooted elsewhere) down to `path`, each a path; empty when `path` is not below the root.
// Under the virtual root the longest of its paths that holds `path` is the way in
// (home before "/" for a folder of the home).
QStringList ChainTo(const QString& rootPath, const QString& path);

// The icons of a folder: the theme's "folder" and "folder-open" where the desktop has an
// icon theme, else the platform's file icons.
QIcon FolderIcon(const QString& path, bool open);

} // namespace vnshell

Q_DECLARE_OPERATORS_FOR_FLAGS(vnshell::TvnObjectTypes)
