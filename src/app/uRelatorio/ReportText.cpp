#include "ReportText.h"

#include "app/transfer/SystemErrors.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
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
    const QString folder = QDir(root).filePath(QStringLiteral("Edicao"));
    if (!QDir().mkpath(folder)) {
        if (error) *error = SystemErrorText(EACCES);
        return {};
    }
    const QString stem
        = QStringLiteral("Relatorio_Transferencia_") + when.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    const QByteArray text = (lines.join(u'\n') + u'\n').toUtf8();
    for (int n = 1; n < 10000; ++n) {
        const QString name = n == 1 ? stem + QStringLiteral(".txt") : stem + QStringLiteral("_%1.txt").arg(n);
        const QString path = QDir(folder).filePath(name);
        // O_EXCL: an earlier report of the same second is never replaced.
        const int fd
            = open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) {
            if (error) *error = SystemErrorText(errno);
            return {};
        }
        const bool written = WriteAll(fd, text) && fsync(fd) == 0;
        const int writeError = errno;
        close(fd);
        if (written) return path;
        unlink(QFile::encodeName(path).constData());
        if (error) *error = SystemErrorText(writeError);
        return {};
    }
    if (error) *error = SystemErrorText(EEXIST);
    return {};
}
