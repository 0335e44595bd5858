#include "PhotoTree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

TPhotoTree::TPhotoTree()
    : m_root(m_dir.path() + "/fotos")
{
    EXPECT_TRUE(m_dir.isValid());
    EXPECT_TRUE(QDir().mkpath(m_root));
}

TPhotoTree::TPhotoTree(const QString& base)
    : m_dir(base + "/quira-tree-XXXXXX")
    , m_root(m_dir.path() + "/fotos")
{
    EXPECT_TRUE(m_dir.isValid()) << base.toStdString();
    EXPECT_TRUE(QDir().mkpath(m_root));
}

void TPhotoTree::File(const QString& relative, const QByteArray& content)
{
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content.isNull() ? relative.toUtf8() : content);
}

void TPhotoTree::Folder(const QString& relative) { ASSERT_TRUE(QDir().mkpath(Path(relative))); }

void TPhotoTree::Link(const QString& relative, const QString& target)
{
    QDir().mkpath(QFileInfo(Path(relative)).path());
    ASSERT_TRUE(QFile::link(target, Path(relative))) << relative.toStdString();
}

QByteArray TPhotoTree::Read(const QString& relative) const
{
    QFile file(Path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TPhotoTree::Exists(const QString& relative) const { return QFileInfo::exists(Path(relative)); }

QMap<QString, QByteArray> Snapshot(const QString& folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = path.mid(folder.size() + 1);
        if (info.isSymLink()) {
            char target[4096];
            const ssize_t n = readlink(QFile::encodeName(path).constData(), target, sizeof target);
            entries[relative] = "-> " + QByteArray(target, n > 0 ? int(n) : 0);
        } else if (info.isDir()) {
            entries[relative] = "/";
        } else {
            QFile file(path);
            entries[relative] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
        }
    }
    return entries;
}

QStringList EntriesOf(const QString& folder)
{
    QStringList names
        = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    names.sort();
    return names;
}

const TPhotoResult& Find(const TTransferReport& report, qsizetype category, const QString& name)
{
    for (const TPhotoResult& photo : report.Categories.at(category).Photos)
        if (photo.Name == name) return photo;
    static const TPhotoResult none { "<not reported>", TPhotoOutcome::Failed, {}, {} };
    ADD_FAILURE() << name.toStdString() << " not reported";
    return none;
}
