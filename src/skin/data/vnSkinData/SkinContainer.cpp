#include "SkinContainer.h"

#include "AnsiText.h"
#include "ByteReader.h"
#include "MemIniFile.h"
#include "SkinBitmaps.h"
#include "SkinValues.h"
#include "framework/Exception.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kPictures = QStringLiteral("PICTURES");

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return file.readAll();
}

// Skins written on Windows may name pictures in subfolders with backslashes.
QString PicturePath(const QString& folder, const QString& name)
{
    return folder + QString(name).replace(u'\\', u'/');
}

} // namespace

std::optional<QByteArray> BuildSkinContainer(const QString& descriptionPath)
{
    const QList<QByteArray> lines = SplitTextLines(ReadWholeFile(descriptionPath));
    QStringList decoded;
    for (const QByteArray& line : lines)
        decoded.append(AnsiToString(line));
    const TMemIniFile ini(decoded);
    for (const char* section : { "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS" })
        if (!ini.SectionExists(QLatin1String(section))) return std::nullopt;

    const QString folder = QFileInfo(descriptionPath).absolutePath() + u'/';
    QByteArray container;
    AppendInt32(container, kSkinContainerVersion);
    for (const char* key : { "picture", "inactivepicture", "mask" }) {
        const QString name = ini.ReadString(kPictures, QLatin1String(key), QString());
        AppendPictureRecord(container, name.isEmpty() ? QImage() : LoadBitmapFile(PicturePath(folder, name)));
    }
    const QStringList names = ReadSkinList(ini, kPictures, QStringLiteral("activepictures"));
    AppendInt32(container, static_cast<qint32>(names.size()));
    for (const QString& name : names)
        AppendBitmap(container, LoadBitmapFile(PicturePath(folder, name)));
    for (const QByteArray& line : lines) {
        container.append(line);
        container.append("\r\n");
    }
    return container;
}
