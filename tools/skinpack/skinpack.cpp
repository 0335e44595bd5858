// skinpack: builds and opens compressed skins with the store's own code.
//
//   skinpack pack DESCRIPTION OUT.skn   compressed skin file (version, length, block)
//   skinpack block DESCRIPTION OUT      the bare compressed block, as declared data hold it
//   skinpack unpack IN.skn OUT          the uncompressed container of a compressed skin file
//
// DESCRIPTION is a skin description file; the BMP files it names lie beside it.
// Errors go to standard error and end the program with exit code 1 (2 for bad usage).
#include "framework/Exception.h"
#include "skin/data/vnSkinData/CompressedStoredSkin.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>
#include <functional>

namespace {

int Usage()
{
    std::fputs("usage: skinpack pack DESCRIPTION OUT.skn\n"
               "       skinpack block DESCRIPTION OUT\n"
               "       skinpack unpack IN.skn OUT\n",
        stderr);
    return 2;
}

void WriteFile(const QString& path, const std::function<void(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Exception(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    write(file);
    if (!file.commit())
        throw Exception(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

void Compress(TvnCompressedStoredSkin& skin, const QString& description)
{
    if (!skin.CompressFromIniFile(description))
        throw Exception(
            QStringLiteral("%1 is no skin description: it needs the sections [VERSION], [PICTURES], "
                           "[FORMINFO], [SKINOBJECTS] and [SKINCONTROLS]")
                .arg(description));
}

int Run(const QString& command, const QString& in, const QString& out)
{
    TvnCompressedStoredSkin skin;
    if (command == u"pack") {
        Compress(skin, in);
        WriteFile(out, [&](QIODevice& file) { skin.WriteCompressedStream(file); });
    } else if (command == u"block") {
        Compress(skin, in);
        WriteFile(out, [&](QIODevice& file) { file.write(skin.CompressedStream()); });
    } else if (command == u"unpack") {
        skin.LoadCompressedFile(in);
        if (skin.IsEmptySkin())
            throw Exception(QStringLiteral("%1 holds no skin this program can read").arg(in));
        const QByteArray container = skin.Decompress();
        WriteFile(out, [&](QIODevice& file) { file.write(container); });
    } else {
        return Usage();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) return Usage();
    try {
        return Run(args[1], args[2], args[3]);
    } catch (const Exception& error) {
        QTextStream(stderr) << "skinpack: " << error.Message() << '\n';
        return 1;
    }
}
