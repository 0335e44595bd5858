#pragma once
// A photo tree in a fresh temporary folder, built by the test, and a snapshot of what
// lies below a folder afterwards.
#include "app/transfer/TransferReport.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

class TPhotoTree {
public:
    TPhotoTree();
    // In a temporary folder below `base` (another file system, say).
    explicit TPhotoTree(const QString& base);
    // The root of the photo tree; it lies one level below the temporary folder, so that
    // tests can check that nothing is written beside it.
    QString Root() const { return m_root; }
    QString Outside() const { return m_dir.path(); }
    QString Path(const QString& relative) const { return m_root + "/" + relative; }

    // Writes a file (and its missing folders); the content defaults to the path, so that
    // two photos of one name can be told apart after the copy.
    void File(const QString& relative, const QByteArray& content = {});
    void Folder(const QString& relative);
    void Link(const QString& relative, const QString& target);
    QByteArray Read(const QString& relative) const;
    bool Exists(const QString& relative) const;

private:
    QTemporaryDir m_dir;
    QString m_root;
};

// Every entry below `folder` (hidden ones too, links not followed): folders as "/",
// links as "-> target", files as their bytes.
QMap<QString, QByteArray> Snapshot(const QString& folder);

// The names in `folder`, hidden ones included, sorted.
QStringList EntriesOf(const QString& folder);

// The result of `name` in the report's category `category`; a test failure when absent.
const TPhotoResult& Find(const TTransferReport& report, qsizetype category, const QString& name);
