#include "app/transfer/PhotoTransfer.h"

#include "app/transfer/Categories.h"
#include "app/transfer/FileCopy.h"
#include "app/transfer/FolderWalk.h"
#include "app/transfer/NameIndex.h"
#include "app/transfer/PhotoNames.h"
#include "app/transfer/SystemErrors.h"
#include "app/transfer/UniqueFd.h"

#include <QFile>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QString PathText(const QByteArray& path) { return QFile::decodeName(path); }

QString ErrorText(int error) { return SystemErrorText(error); }

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

QString FolderReason(const QByteArray& path, const QString& reason)
{
    return PathText(path) + QStringLiteral(": ") + reason;
}

// The root as the user chose it (links followed), created when it does not exist yet.
struct TRoot {
    TUniqueFd Fd;
    QString Error;

    explicit TRoot(const QByteArray& path)
    {
        int error = MakeFolderPath(path);
        if (error == 0) Fd.Reset(open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (error == 0 && !Fd.IsOpen()) error = errno;
        if (error != 0) Error = FolderReason(path, ErrorText(error));
    }
};

// One category's edit folder, open for the whole transfer.
struct TTarget {
    QByteArray Path;
    TUniqueFd Fd;
    QString Error; // why the folder cannot be used; set exactly when Fd is not open
    std::vector<TFolderIdentity> Chain; // every folder made or opened below the root, the edit folder last
    qsizetype SkippedFolder = -1; // the walk's entry of the same text: never a source
    qsizetype WalkFolder = -1; // where the walk met this folder: photos copied here are found there

    // `create`: missing folders are made; otherwise the folder is only looked for.
    TTarget(const TRoot& root, const QByteArray& rootPath, const QString& pasta, bool create = true)
        : Path(rootPath + '/' + QFile::encodeName(pasta))
    {
        if (!IsEditFolderName(pasta)) {
            Error = QStringLiteral("Nome de pasta de edição inválido: \"%1\"").arg(pasta);
            return;
        }
        if (!root.Fd.IsOpen()) {
            Error = root.Error;
            return;
        }
        // Step by step from the root, each folder opened by its descriptor: a link
        // anywhere on the way would put the copies outside the tree.
        TUniqueFd current;
        int parent = root.Fd.Get();
        for (const QByteArray& part : QFile::encodeName(pasta).split('/')) {
            if (create && mkdirat(parent, part.constData(), 0777) != 0 && errno != EEXIST) {
                Error = FolderReason(Path, ErrorText(errno));
                return;
            }
            const int next
                = openat(parent, part.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (next < 0) {
                const int error = errno;
                struct stat st;
                const bool isLink
                    = fstatat(parent, part.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
                Error = FolderReason(Path,
                    isLink ? QStringLiteral(
                        "a pasta \"%1\" é um link simbólico; as fotos não são gravadas através de links")
                                 .arg(QFile::decodeName(part))
                           : ErrorText(error));
                return;
            }
            current.Reset(next);
            parent = next;
            struct stat st;
            if (fstat(next, &st) == 0) Chain.push_back({ st.st_dev, st.st_ino });
        }
        Fd.Reset(current.Release());
    }

    void Locate(const TFolderWalk& walk)
    {
        for (qsizetype i = 0; i < walk.Folders.size(); ++i) {
            const TWalkedFolder& folder = walk.Folders[i];
            if (folder.Path == Path) SkippedFolder = i;
            if (Fd.IsOpen() && WalkFolder < 0 && !Chain.empty() && folder.Identity == Chain.back())
                WalkFolder = i;
        }
    }
};

const QString kLinkInEditFolder
    = QStringLiteral("na pasta de edição há um link simbólico com este nome; ele não é substituído");
const QString kNotPlainName = QStringLiteral("o nome da foto não é um nome de arquivo simples");

// What stands under a photo's name in its edit folder, when it is not the photo: the
// reason it is neither counted as there nor replaced. Empty when it is the photo: a
// regular file of the source's size (any non-empty one when no source was found).
QString StandingEntryReason(const struct stat& st, off_t sourceSize)
{
    if (S_ISLNK(st.st_mode)) return kLinkInEditFolder;
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("na pasta de edição já existe uma pasta com este nome; ela não é substituída");
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("na pasta de edição já existe com este nome algo que não é um arquivo comum; "
                              "não é substituído");
    if (sourceSize >= 0 ? st.st_size != sourceSize : st.st_size == 0)
        return QStringLiteral("já existe um arquivo diferente com este nome (de outro tamanho); ele não é "
                              "substituído");
    return {};
}

class TTransfer {
public:
    TTransfer(const TFolderWalk& walk, TNameIndex& index, const std::vector<TFolderIdentity>& editFolders,
        const TTransferOptions& options)
        : m_walk(walk)
        , m_index(index)
        , m_options(options)
        , m_inEditFolder(size_t(walk.Folders.size()), false)
    {
        // Wherever the walk met an edit folder (or "Edicao"), by whatever path: links
        // there are nobody's photos.
        for (qsizetype i = 0; i < walk.Folders.size(); ++i)
            m_inEditFolder[size_t(i)]
                = std::find(editFolders.begin(), editFolders.end(), walk.Folders[i].Identity)
                != editFolders.end();
    }

    // The photo's result is appended to `result`; a copy still in `window` is settled by
    // the next Settle.
    void Photo(const QString& name, const TTarget& target, TCopyWindow& window, TCategoryResult& result)
    {
        result.Photos.append({ name, TPhotoOutcome::Missing, {}, {} });
        TPhotoResult& photo = result.Photos.back();
        if (!IsPlainFileName(name)) return Fail(photo, {}, kNotPlainName);
        const QByteArray file = QFile::encodeName(name);
        const std::string_view key(file.constData(), size_t(file.size()));

        if (!target.Fd.IsOpen()) return Fail(photo, {}, target.Error);

        int firstError = 0;
        QByteArray firstSource;
        for (const qsizetype folder : m_index.Folders(key)) {
            if (folder == target.SkippedFolder) continue;
            const QByteArray source = m_walk.Folders[folder].Path + '/' + file;
            const TCopyResult copy
                = window.Start(source.constData(), file.constData(), !m_inEditFolder[size_t(folder)]);
            switch (copy.Status) {
            case TCopyStatus::Pending:
                photo.Path = PathText(source);
                m_pending.push_back({ result.Photos.size() - 1, file });
                return;
            case TCopyStatus::SourceIsLink:
                continue;
            case TCopyStatus::Failed:
                // Another folder may still hold a good copy; the first failure is the one told.
                if (firstError == 0) {
                    firstError = copy.Error;
                    firstSource = source;
                }
                continue;
            default:
                return Standing(photo, target, file, copy.SourceSize);
            }
        }
        if (firstError != 0) return Fail(photo, firstSource, ErrorText(firstError));
        Standing(photo, target, file, -1);
    }

    // Syncs and names the copies written so far, and gives their photos their outcome.
    void Settle(TCopyWindow& window, const TTarget& target, TCategoryResult& result)
    {
        const std::vector<TCopyResult> copies = window.Finish();
        for (size_t i = 0; i < copies.size() && i < m_pending.size(); ++i) {
            const TPendingPhoto& pending = m_pending[i];
            TPhotoResult& photo = result.Photos[pending.Index];
            const TCopyResult& copy = copies[i];
            switch (copy.Status) {
            case TCopyStatus::Copied:
            case TCopyStatus::Unsynced:
                // Later categories find the new copy where the walk met this edit folder.
                if (target.WalkFolder >= 0)
                    m_index.Add(std::string_view(pending.File.constData(), size_t(pending.File.size())),
                        target.WalkFolder);
                if (copy.Status == TCopyStatus::Copied) {
                    photo.Outcome = TPhotoOutcome::Copied;
                    break;
                }
                Fail(photo, QFile::encodeName(photo.Path),
                    QStringLiteral("a cópia pode não ter chegado ao disco: ") + ErrorText(copy.Error));
                break;
            case TCopyStatus::Exists:
            case TCopyStatus::TargetIsLink: // taken while the copy was written
                Standing(photo, target, pending.File, copy.SourceSize);
                break;
            default:
                Fail(photo, QFile::encodeName(photo.Path), ErrorText(copy.Error));
                break;
            }
        }
        m_pending.clear();
    }

private:
    struct TPendingPhoto {
        qsizetype Index; // in the category's results
        QByteArray File;
    };

    // The photo's name is taken in the edit folder: there only when it is the photo.
    static void Standing(TPhotoResult& photo, const TTarget& target, const QByteArray& file, off_t sourceSize)
    {
        struct stat st;
        if (fstatat(target.Fd.Get(), file.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            photo.Outcome = TPhotoOutcome::Missing; // nothing there, and no source either
            photo.Path.clear();
            return;
        }
        const QString reason = StandingEntryReason(st, sourceSize);
        if (!reason.isEmpty()) return Fail(photo, {}, reason);
        photo.Outcome = TPhotoOutcome::Present;
        photo.Path = PathText(target.Path + '/' + file);
        photo.Reason.clear();
    }
    static void Fail(TPhotoResult& photo, const QByteArray& source, const QString& reason)
    {
        photo.Outcome = TPhotoOutcome::Failed;
        photo.Path = PathText(source);
        photo.Reason = reason;
    }

    const TFolderWalk& m_walk;
    TNameIndex& m_index;
    const TTransferOptions& m_options;
    std::vector<bool> m_inEditFolder; // by walk index
    std::vector<TPendingPhoto> m_pending; // in the order the window started them
};

} // namespace

TTransferReport TransferPhotos(
    const QString& root, const QList<TCategoryRequest>& categories, const TTransferOptions& options)
{
    const QByteArray rootPath = QFile::encodeName(root);
    const TRoot rootFolder(rootPath);
    // All edit folders first: an empty folder changes no category's outcome, and so one
    // walk also sees the folders that earlier categories fill.
    std::vector<std::unique_ptr<TTarget>> targets;
    TNameIndex index;
    for (const TCategoryRequest& category : categories) {
        targets.push_back(std::make_unique<TTarget>(rootFolder, rootPath, category.Pasta));
        if (targets.back()->Fd.IsOpen()) RemoveStaleCopies(targets.back()->Fd.Get());
        for (const QString& name : category.Names)
            if (IsPlainFileName(name)) index.Want(QFile::encodeName(name).toStdString());
    }

    const auto stopRequested = [&] { return options.Stop && options.Stop->load(std::memory_order_relaxed); };
    TTransferProgress progress;
    const TFolderWalk walk = WalkFolders(
        rootPath, [&](qsizetype folder, std::string_view name) { index.Add(name, folder); },
        [&](const QByteArray& path) {
            if (options.OnProgress) {
                progress.Name = PathText(path);
                options.OnProgress(progress);
                ++progress.Done;
            }
            return !stopRequested();
        });
    for (const auto& target : targets)
        target->Locate(walk);

    TTransferReport report;
    // Every edit folder of the category table counts, whether transferred now or not.
    std::vector<TFolderIdentity> editFolders;
    for (const TCategoria& categoria : Categorias) {
        const TTarget existing(rootFolder, rootPath, categoria.Pasta.toString(), false);
        editFolders.insert(editFolders.end(), existing.Chain.begin(), existing.Chain.end());
    }
    for (const auto& target : targets)
        editFolders.insert(editFolders.end(), target->Chain.begin(), target->Chain.end());
    TTransfer transfer(walk, index, editFolders, options);
    // Each chosen name of a category once, in the chosen list's order.
    std::vector<QStringList> photos(size_t(categories.size()));
    progress = { TTransferProgress::TStep::Copying, -1, 0, 0, {} };
    for (qsizetype c = 0; c < categories.size(); ++c) {
        QSet<QString> seen;
        for (const QString& name : categories[c].Names)
            if (!seen.contains(name)) { // a name listed twice is one photo
                seen.insert(name);
                photos[size_t(c)].append(name);
            }
        progress.Total += photos[size_t(c)].size();
    }
    report.Stopped = walk.Stopped;
    for (qsizetype c = 0; c < categories.size(); ++c) {
        const TTarget& target = *targets[size_t(c)];
        TCategoryResult result { categories[c].Pasta, target.Error, {} };
        TCopyWindow window(target.Fd.Get(), { options.UnnamedTemporaries, options.Durable });
        progress.Category = c;
        for (const QString& name : photos[size_t(c)]) {
            if (!report.Stopped && options.OnProgress) {
                progress.Name = name;
                options.OnProgress(progress);
            }
            report.Stopped = report.Stopped || stopRequested();
            if (report.Stopped)
                result.Photos.append({ name, TPhotoOutcome::NotDone, {}, {} });
            else
                transfer.Photo(name, target, window, result);
            if (window.Full()) transfer.Settle(window, target, result);
            ++progress.Done;
        }
        // Written copies are whole: a stop names them too.
        transfer.Settle(window, target, result);
        report.Categories.append(std::move(result));
    }
    for (const TWalkedFolder& folder : walk.Folders)
        report.Folders.append(PathText(folder.Path));
    for (const QByteArray& photo : walk.RootPhotos)
        report.RootPhotos.append(PathText(photo));
    report.UnreadableFolders = walk.UnreadableFolders;
    return report;
}
