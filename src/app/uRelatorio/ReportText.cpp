#include "ReportText.h"

#include "app/transfer/SystemErrors.h"
#include "app/transfer/UniqueFd.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Line(const char* format) { return QString::fromUtf8(format); }

// The photos of one outcome, one per line, with the reason for the failures.
void AppendNames(
    QStringList& lines, const TCategoryResult& category, TPhotoOutcome outcome, const char* title)
{
    bool first = true;
    for (const TPhotoResult& photo : category.Photos) {
        if (photo.Outcome != outcome) continue;
        if (first) lines.append(QStringLiteral("  ") + Line(title));
        first = false;
        QString text = QStringLiteral("    ") + photo.Name;
        if (outcome == TPhotoOutcome::Failed && !photo.Reason.isEmpty())
            text += QStringLiteral(" — ") + photo.Reason;
        lines.append(text);
    }
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

} // namespace

bool TransferComplete(const TReportInput& input)
{
    if (!input.LoadError.isEmpty() || input.Report.Stopped) return false;
    for (const TCategoryResult& c : input.Report.Categories) {
        if (!c.Error.isEmpty()) return false;
        for (const TPhotoResult& p : c.Photos)
            if (p.Outcome != TPhotoOutcome::Copied && p.Outcome != TPhotoOutcome::Present) return false;
    }
    return true;
}

QStringList ReportLines(const TReportInput& input)
{
    QStringList lines;
    lines.append(Line("Relatório da transferência de fotos"));
    lines.append(Line("Diretório principal: ") + input.Root);
    if (input.Report.Stopped) lines.append(Line("A transferência foi cancelada antes do fim."));
    if (!input.LoadError.isEmpty())
        lines.append(Line("A transferência parou por um erro no banco de dados: ") + input.LoadError);
    if (!input.NotReached.isEmpty()) lines.append(Line("Categorias não transferidas: ") + input.NotReached);
    for (qsizetype i = 0; i < input.Report.Categories.size(); ++i) {
        const TCategoryResult& c = input.Report.Categories.at(i);
        lines.append(QString());
        lines.append((i < input.Captions.size() ? input.Captions.at(i) : c.Pasta) + QStringLiteral(" (")
            + c.Pasta + u')');
        if (!c.Error.isEmpty()) lines.append(Line("  A pasta de edição não pôde ser usada: ") + c.Error);
        lines.append(Line("  Copiadas: %1   Já existiam: %2   Não encontradas: %3   Com erro: %4")
                         .arg(c.Count(TPhotoOutcome::Copied))
                         .arg(c.Count(TPhotoOutcome::Present))
                         .arg(c.Count(TPhotoOutcome::Missing))
                         .arg(c.Count(TPhotoOutcome::Failed)));
        if (const qsizetype notDone = c.Count(TPhotoOutcome::NotDone))
            lines.append(Line("  Não transferidas (cancelado): %1").arg(notDone));
        AppendNames(lines, c, TPhotoOutcome::Missing, "Fotos não encontradas:");
        AppendNames(lines, c, TPhotoOutcome::Failed, "Fotos com erro:");
    }
    if (input.Report.UnreadableFolders > 0) {
        lines.append(QString());
        lines.append(Line("Pastas que não puderam ser lidas: %1").arg(input.Report.UnreadableFolders));
    }
    return lines;
}

QString SaveReport(const QString& root, const QStringList& lines, const QDateTime& when, QString* error)
{
    const auto fail = [&](const QString& reason) {
        if (error) *error = reason;
        return QString();
    };
    // The root as the user chose it (links followed, as the transfer takes it); "Edicao"
    // below it without following a link, which would put the report outside the tree.
    const QByteArray rootPath = QFile::encodeName(root);
    if (mkdir(rootPath.constData(), 0777) != 0 && errno != EEXIST)
        return fail(QFile::decodeName(rootPath) + QStringLiteral(": ") + SystemErrorText(errno));
    const TUniqueFd rootFd(open(rootPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!rootFd.IsOpen())
        return fail(QFile::decodeName(rootPath) + QStringLiteral(": ") + SystemErrorText(errno));
    const char* const edicao = "Edicao";
    const QString folder = QDir(root).filePath(QLatin1String(edicao));
    if (mkdirat(rootFd.Get(), edicao, 0777) != 0 && errno != EEXIST)
        return fail(folder + QStringLiteral(": ") + SystemErrorText(errno));
    const TUniqueFd folderFd(openat(rootFd.Get(), edicao, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folderFd.IsOpen()) {
        const int openError = errno;
        struct stat st;
        const bool isLink
            = fstatat(rootFd.Get(), edicao, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
        return fail(folder + QStringLiteral(": ")
            + (isLink ? QStringLiteral(
                   "a pasta \"Edicao\" é um link simbólico; o relatório não é gravado através de links")
                      : SystemErrorText(openError)));
    }
    const QString stem
        = QStringLiteral("Relatorio_Transferencia_") + when.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    const QByteArray text = (lines.join(u'\n') + u'\n').toUtf8();
    for (int n = 1; n < 10000; ++n) {
        const QString name = n == 1 ? stem + QStringLiteral(".txt") : stem + QStringLiteral("_%1.txt").arg(n);
        const QByteArray file = QFile::encodeName(name);
        // O_EXCL: an earlier report of the same second is never replaced.
        TUniqueFd fd(openat(folderFd.Get(), file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
        if (!fd.IsOpen() && errno == EEXIST) continue;
        if (!fd.IsOpen()) return fail(SystemErrorText(errno));
        int writeError = 0;
        if (!WriteAll(fd.Get(), text) || fsync(fd.Get()) != 0) writeError = errno;
        if (fd.Close() != 0 && writeError == 0) writeError = errno;
        if (writeError == 0 && fsync(folderFd.Get()) != 0) writeError = errno;
        if (writeError == 0) return QDir(folder).filePath(name);
        unlinkat(folderFd.Get(), file.constData(), 0);
        return fail(SystemErrorText(writeError));
    }
    return fail(SystemErrorText(EEXIST));
}
