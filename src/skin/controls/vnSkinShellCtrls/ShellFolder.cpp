#include "ShellFolder.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QStorageInfo>
#include <algorithm>

namespace vnshell {

namespace {

QDir::Filters FiltersFor(TvnObjectTypes types)
{
    QDir::Filters filters = QDir::NoDotAndDotDot;
    if (types & otFolders) filters |= QDir::Dirs;
    if (types & otNonFolders) filters |= QDir::Files;
    if (types & otHidden) filters |= QDir::Hidden | QDir::System;
    return filters;
}

bool EndsInZip(const QString& path) { return path.toUpper().endsWith(QLatin1String(".ZIP")); }

QString Clean(const QString& path) { return QDir::cleanPath(path); }

bool IsBelowOrSame(const QString& base, const QString& path)
{
    if (base == QLatin1String("/")) return path.startsWith(QLatin1Char('/'));
    return path == base || path.startsWith(base + QLatin1Char('/'));
}

// The mounts a user reaches from the desktop: each mounted folder under /media/$USER
// (or /media, where the desktop mounts without a user folder) and /mnt.
QStringList MountPaths()
{
    QStringList mounts;
    const QString user = QDir::home().dirName();
    QStringList bases { QStringLiteral("/media/") + user, QStringLiteral("/media"), QStringLiteral("/mnt") };
    for (const QString& base : bases) {
        const QDir dir(base);
        if (!dir.exists()) continue;
        QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        SortNames(names);
        for (const QString& name : names) {
            const QString path = Clean(dir.filePath(name));
            if (path == QStringLiteral("/media/") + user) continue;
            const QStorageInfo storage(path);
            if (storage.isValid() && Clean(storage.rootPath()) == path && !mounts.contains(path))
                mounts << path;
        }
    }
    return mounts;
}

} // namespace

QStringList VirtualRootPaths()
{
    QStringList paths { Clean(QDir::homePath()) };
    if (!paths.contains(QStringLiteral("/"))) paths << QStringLiteral("/");
    for (const QString& mount : MountPaths())
        if (!paths.contains(mount)) paths << mount;
    return paths;
}

QString VirtualRootName() { return QStringLiteral("Computer"); }

QString DisplayName(const QString& path, bool underVirtualRoot)
{
    if (path.isEmpty()) return VirtualRootName();
    if (underVirtualRoot) {
        if (path == Clean(QDir::homePath())) return QStringLiteral("Home");
        if (path == QLatin1String("/")) return QStringLiteral("File System");
    }
    if (path == QLatin1String("/")) return path;
    return QFileInfo(path).fileName();
}

bool IsFolder(const QString& path)
{
    if (path.isEmpty()) return true;
    return QFileInfo(path).isDir() && !EndsInZip(path);
}

bool HasSubItems(const QString& path, TvnObjectTypes types)
{
    if (path.isEmpty()) return true;
    const QFileInfo info(path);
    if (!info.isDir()) return false;
    if (!info.isReadable() || !info.isExecutable()) return true;
    QDirIterator it(path, FiltersFor(types));
    return it.hasNext();
}

QStringList ListFolder(const QString& path, TvnObjectTypes types, bool* ok)
{
    if (path.isEmpty()) {
        if (ok) *ok = true;
        return VirtualRootPaths();
    }
    QStringList items;
    const QDir dir(path);
    // QDir reads nothing from a folder it may not open; that is told apart from an empty
    // folder so the tree can say why.
    const QFileInfo info(path);
    const bool readable = info.isDir() && info.isReadable() && info.isExecutable();
    if (ok) *ok = readable;
    if (!readable) return items;
    for (const QFileInfo& entry : dir.entryInfoList(FiltersFor(types), QDir::NoSort)) {
        if (!(types & otNonFolders) && EndsInZip(entry.fileName())) continue;
        items << Clean(entry.absoluteFilePath());
    }
    return items;
}

bool NameLess(const QString& a, const QString& b)
{
    static const QCollator collator = [] {
        // The "C" locale collates by code point only; names are then ordered as in
        // English, the way the desktop orders them without a language set.
        const QLocale system;
        QCollator c(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    const int order = collator.compare(a, b);
    // Names that collate equal still need one order, so a refresh keeps them in place.
    return order != 0 ? order < 0 : a < b;
}

void SortNames(QStringList& names) { std::stable_sort(names.begin(), names.end(), NameLess); }

std::optional<QString> SpecialFolderPath(const QString& name, bool* known)
{
    using SP = QStandardPaths;
    auto first = [](SP::StandardLocation location) -> std::optional<QString> {
        const QStringList paths = SP::standardLocations(location);
        for (const QString& p : paths)
            if (QFileInfo(p).isDir()) return Clean(p);
        return std::nullopt;
    };
    auto existing = [](const QString& p) -> std::optional<QString> {
        if (QFileInfo(p).isDir()) return Clean(p);
        return std::nullopt;
    };
    const QString home = QDir::homePath();
    if (known) *known = true;
    if (name == QLatin1String("rfDesktop")) return QString();
    if (name == QLatin1String("rfMyComputer")) return QStringLiteral("/");
    if (name == QLatin1String("rfPersonal")) return Clean(home);
    if (name == QLatin1String("rfDesktopDirectory")) return first(SP::DesktopLocation);
    if (name == QLatin1String("rfAppData")) return first(SP::GenericDataLocation);
    if (name == QLatin1String("rfFonts")) return first(SP::FontsLocation);
    if (name == QLatin1String("rfPrograms") || name == QLatin1String("rfStartMenu"))
        return first(SP::ApplicationsLocation);
    if (name == QLatin1String("rfCommonPrograms") || name == QLatin1String("rfCommonStartMenu"))
        return existing(QStringLiteral("/usr/share/applications"));
    if (name == QLatin1String("rfStartup")) return existing(home + QStringLiteral("/.config/autostart"));
    if (name == QLatin1String("rfCommonStartup")) return existing(QStringLiteral("/etc/xdg/autostart"));
    if (name == QLatin1String("rfCommonDesktopDirectory")) return first(SP::DesktopLocation);
    if (name == QLatin1String("rfTemplates")) return existing(home + QStringLiteral("/Templates"));
    if (name == QLatin1String("rfRecycleBin"))
        return existing(home + QStringLiteral("/.local/share/Trash/files"));
    if (name == QLatin1String("rfRecent"))
        return existing(home + QStringLiteral("/.local/share/recently-used"));
    // Windows folders without a Linux desktop equivalent.
    static const char* const kWithout[] = { "rfNetwork", "rfControlPanel", "rfFavorites", "rfInternet",
        "rfPrinters", "rfPrintHood", "rfSendTo" };
    for (const char* n : kWithout)
        if (name == QLatin1String(n)) return std::nullopt;
    if (known) *known = false;
    return std::nullopt;
}

std::optional<QString> ParseFolderPath(const QString& path)
{
    QString p = path.trimmed();
    if (p.isEmpty()) return std::nullopt;
    if (p == QLatin1String("~") || p.startsWith(QLatin1String("~/"))) p = QDir::homePath() + p.mid(1);
    if (!QDir::isAbsolutePath(p)) return std::nullopt;
    p = Clean(p);
    if (!QFileInfo(p).isDir()) return std::nullopt;
    return p;
}

std::optional<QString> ResolveRoot(const QString& root)
{
    bool known = false;
    std::optional<QString> special = SpecialFolderPath(root, &known);
    if (known) return special;
    return ParseFolderPath(root);
}

QStringList ChainTo(const QString& rootPath, const QString& path)
{
    const QString target = Clean(path);
    QString base;
    if (rootPath.isEmpty()) {
        for (const QString& candidate : VirtualRootPaths())
            if (IsBelowOrSame(candidate, target) && candidate.size() > base.size()) base = candidate;
        if (base.isEmpty()) return {};
    } else {
        base = Clean(rootPath);
        if (!IsBelowOrSame(base, target)) return {};
    }
    QStringList chain;
    if (rootPath.isEmpty()) chain << base;
    QString rest = target.mid(base.size());
    QString at = base;
    for (const QString& part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        at = at == QLatin1String("/") ? at + part : at + QLatin1Char('/') + part;
        chain << at;
    }
    return chain;
}

QIcon FolderIcon(const QString& path, bool open)
{
    static const QIcon themed = QIcon::fromTheme(QStringLiteral("folder"));
    static const QIcon themedOpen = QIcon::fromTheme(QStringLiteral("folder-open"));
    if (path.isEmpty()) {
        static const QIcon computer = QIcon::fromTheme(QStringLiteral("computer"));
        if (!computer.isNull()) return computer;
        static const QFileIconProvider provider;
        return provider.icon(QFileIconProvider::Computer);
    }
    if (open && !themedOpen.isNull()) return themedOpen;
    if (!themed.isNull()) return themed;
    static const QFileIconProvider provider;
    if (path == QLatin1String("/")) return provider.icon(QFileIconProvider::Drive);
    return provider.icon(QFileIconProvider::Folder);
}

} // namespace vnshell
