#include "app/transfer/PhotoTransfer.h"

#include "app/transfer/FileCopy.h"
#include "app/transfer/FolderWalk.h"
#include "app/transfer/NameIndex.h"
#include "app/transfer/PhotoNames.h"
#include "app/transfer/UniqueFd.h"

#include <QFile>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QString PathText(const QByteArray& path) { return QFile::decodeName(path); }

QString ErrorText(int error) { return QString::fromLocal8Bit(strerror(error)); }

// Creates `path` with every missing parent; 0 or the errno of the step that failed.
int MakeFolderPath(const QByteArray& path)
{
    if (mkdir(path.constData(), 0777) == 0 || errno == EEXIST) return 0;
    if (errno != ENOENT) return errno;
    for (qsizetype end = path.indexOf('/', 1); end > 0; end = path.indexOf('/', end + 1)) {
        if (path[end - 1] == '/') continue;
        if (mkdir(path.left(end).constData(), 0777) != 0 && errno != EEXIST) return errno;
    }
    return mkdir(path.constData(), 0777) == 0 || errno == EEXIST ? 0 : errno;
}

// One category's edit folder, open for the whole transfer.
struct TTarget {
    QByteArray Path;
    TUniqueFd Fd;
    int Error = 0; // why the folder could not be made or opened
    qsizetype SkippedFolder = -1; // the walk's entry of the same text: never a source
    qsizetype WalkFolder = -1; // where the walk met this folder: photos copied here are found there

    explicit TTarget(QByteArray path)
        : Path(std::move(path))
    {
        Error = MakeFolderPath(Path);
        if (Error == 0) Fd.Reset(open(Path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!Fd.IsOpen() && Error == 0) Error = errno;
    }

    void Locate(const TFolderWalk& walk)
    {
        struct stat st;
        const bool known = Fd.IsOpen() && fstat(Fd.Get(), &st) == 0;
        for (qsizetype i = 0; i < walk.Folders.size(); ++i) {
            const TWalkedFolder& folder = walk.Folders[i];
            if (folder.Path == Path) SkippedFolder = i;
            if (known && WalkFolder < 0 && folder.Identity == TFolderIdentity { st.st_dev, st.st_ino })
                WalkFolder = i;
        }
    }
};

class TTransfer {
public:
    TTransfer(const TFolderWalk& walk, TNameIndex& index)
        : m_walk(walk)
        , m_index(index)
    {
    }

    TPhotoResult Photo(const QString& name, const TTarget& target)
    {
        TPhotoResult result { name, TPhotoOutcome::Missing, {}, {} };
        if (!IsPlainFileName(name)) return Fail(result, {}, QStringLiteral("Not a plain file name"));
        const QByteArray file = QFile::encodeName(name);
        const std::string_view key(file.constData(), size_t(file.size()));
        const QByteArray targetFile = target.Path + '/' + file;

        int firstError = 0;
        QByteArray firstSource;
        for (const qsizetype folder : m_index.Folders(key)) {
            if (folder == target.SkippedFolder) continue;
            const QByteArray source = m_walk.Folders[folder].Path + '/' + file;
            const TCopyResult copy = target.Fd.IsOpen()
                ? CopyFileNoReplace(source.constData(), target.Fd.Get(), file.constData())
                : TCopyResult { TCopyStatus::Failed, target.Error };
            if (copy.Status == TCopyStatus::Exists) return Found(result, TPhotoOutcome::Present, targetFile);
            if (copy.Status == TCopyStatus::Copied) {
                // Later categories find the new copy where the walk met this edit folder
                // (the index is changed here only because the loop ends here).
                if (target.WalkFolder >= 0) m_index.Add(key, target.WalkFolder);
                return Found(result, TPhotoOutcome::Copied, source);
            }
            // Another folder may still hold a good copy; the first failure is the one told.
            if (firstError == 0) {
                firstError = copy.Error;
                firstSource = source;
            }
        }
        if (firstError != 0) {
            const QString reason = ErrorText(firstError);
            return Fail(result, firstSource,
                target.Fd.IsOpen() ? reason : PathText(target.Path) + QStringLiteral(": ") + reason);
        }
        struct stat st;
        if (target.Fd.IsOpen() && fstatat(target.Fd.Get(), file.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            return Found(result, TPhotoOutcome::Present, targetFile);
        return result;
    }

private:
    static TPhotoResult Found(TPhotoResult& result, TPhotoOutcome outcome, const QByteArray& path)
    {
        result.Outcome = outcome;
        result.Path = PathText(path);
        return result;
    }
    static TPhotoResult Fail(TPhotoResult& result, const QByteArray& source, const QString& reason)
    {
        result.Outcome = TPhotoOutcome::Failed;
        result.Path = PathText(source);
        result.Reason = reason;
        return result;
    }

    const TFolderWalk& m_walk;
    TNameIndex& m_index;
};

} // namespace

TTransferReport TransferPhotos(const QString& root, const QList<TCategoryRequest>& categories)
{
    const QByteArray rootPath = QFile::encodeName(root);
    // All edit folders first: an empty folder changes no category's outcome, and so one
    // walk also sees the folders that earlier categories fill.
    std::vector<std::unique_ptr<TTarget>> targets;
    TNameIndex index;
    for (const TCategoryRequest& category : categories) {
        targets.push_back(std::make_unique<TTarget>(rootPath + '/' + QFile::encodeName(category.Pasta)));
        for (const QString& name : category.Names)
            if (IsPlainFileName(name)) index.Want(QFile::encodeName(name).toStdString());
    }

    const TFolderWalk walk
        = WalkFolders(rootPath, [&](qsizetype folder, std::string_view name) { index.Add(name, folder); });
    for (const auto& target : targets)
        target->Locate(walk);

    TTransferReport report;
    TTransfer transfer(walk, index);
    for (qsizetype c = 0; c < categories.size(); ++c) {
        TCategoryResult result { categories[c].Pasta, {} };
        QSet<QString> seen;
        for (const QString& name : categories[c].Names) {
            if (seen.contains(name)) continue; // a name listed twice is one photo
            seen.insert(name);
            result.Photos.append(transfer.Photo(name, *targets[size_t(c)]));
        }
        report.Categories.append(std::move(result));
    }
    for (const TWalkedFolder& folder : walk.Folders)
        report.Folders.append(PathText(folder.Path));
    for (const QByteArray& photo : walk.RootPhotos)
        report.RootPhotos.append(PathText(photo));
    report.UnreadableFolders = walk.UnreadableFolders;
    return report;
}
