// transfer-run [--named-temporaries] [--no-sync] [--peak-memory] ROOT LIST...: runs the photo transfer
// below ROOT for the categories in the LIST files, in the given order, and prints what
// happened to every photo. Each LIST file holds the edit folder's name on its first line
// and one chosen file name on each following line. For checking the engine by hand and
// from scripts; the options choose the engine's other ways (temporary files with names,
// no wait for the disk) or print the program's peak memory on the error output.
#include "app/transfer/PhotoTransfer.h"

#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <optional>

namespace {

std::optional<TCategoryRequest> ReadList(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast(); // the last line's end
    for (QString& line : lines)
        if (line.endsWith(u'\r')) line.chop(1); // lists written on Windows
    if (lines.isEmpty() || lines.first().isEmpty()) return std::nullopt;
    const QString pasta = lines.takeFirst();
    return TCategoryRequest { pasta, lines };
}

// One field of a tab-separated line: a name may hold any character but "/" and NUL.
QString Field(QString text)
{
    return text.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\t', QStringLiteral("\\t"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\r', QStringLiteral("\\r"));
}

// The largest resident set of this program since it started (not of the process it was
// forked from, which the kernel's usage counters would include).
void PrintPeakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            fprintf(stderr, "peak memory: %s\n", line.mid(6).trimmed().constData());
}

} // namespace

int main(int argc, char** argv)
{
    TTransferOptions options;
    bool peakMemory = false;
    int first = 1;
    for (; first < argc && argv[first][0] == '-' && argv[first][1] == '-'; ++first) {
        const QByteArray option = argv[first];
        if (option == "--named-temporaries")
            options.UnnamedTemporaries = false;
        else if (option == "--no-sync")
            options.Durable = false;
        else if (option == "--peak-memory")
            peakMemory = true;
        else
            first = argc; // the usage below
    }
    if (argc - first < 2) {
        fprintf(
            stderr, "usage: %s [--named-temporaries] [--no-sync] [--peak-memory] ROOT LIST...\n", argv[0]);
        return 2;
    }
    QList<TCategoryRequest> categories;
    for (int i = first + 1; i < argc; ++i) {
        const std::optional<TCategoryRequest> list = ReadList(QFile::decodeName(argv[i]));
        if (!list) {
            fprintf(stderr, "%s: cannot read an edit folder name from %s\n", argv[0], argv[i]);
            return 2;
        }
        categories.append(*list);
    }

    const TTransferReport report = TransferPhotos(QFile::decodeName(argv[first]), categories, options);
    QTextStream out(stdout);
    bool failed = false;
    for (const TCategoryResult& category : report.Categories) {
        for (const TPhotoResult& photo : category.Photos) {
            const bool isFailure = photo.Outcome == TPhotoOutcome::Failed;
            failed |= isFailure;
            out << Field(category.Pasta) << '\t' << OutcomeName(photo.Outcome) << '\t' << Field(photo.Name)
                << '\t' << Field(isFailure ? photo.Reason : photo.Path) << '\n';
        }
    }
    out.flush();
    if (report.UnreadableFolders > 0)
        fprintf(stderr, "%s: %d folder(s) could not be read\n", argv[0], report.UnreadableFolders);
    if (peakMemory) PrintPeakMemory();
    return failed ? 1 : 0;
}
