#include "SkinBuilder.h"

#include "BmpWriter.h"
#include "skin/data/vnSkinData/MemIniFile.h"

#include <QDir>
#include <QSaveFile>
#include <stdexcept>

namespace art {

void TSkinBuilder::SetPicture(int index, const QString& fileName, const QImage& image, bool mask)
{
    if (index >= int(m_pictures.size())) m_pictures.resize(index + 1);
    m_pictures[index] = { fileName, image, mask };
}

namespace {

template <class List> void WriteList(TMemIniFile& ini, const QString& section, const List& list)
{
    ini.WriteInteger(section, QStringLiteral("count"), int(list.size()));
    for (size_t i = 0; i < list.size(); ++i)
        ini.WriteString(section, QString::number(i), list[i].Item->IDName + u':' + list[i].Kind);
}

} // namespace

QByteArray TSkinBuilder::Description() const
{
    TMemIniFile ini;
    const QString version = QStringLiteral("VERSION");
    ini.WriteString(version, QStringLiteral("ver"), QStringLiteral("3"));
    ini.WriteString(version, QStringLiteral("skinname"), SkinName);
    ini.WriteString(version, QStringLiteral("skinauthor"), SkinAuthor);
    ini.WriteString(version, QStringLiteral("authoremail"), QString());
    ini.WriteString(version, QStringLiteral("authorurl"), QString());
    ini.WriteString(version, QStringLiteral("skincomments"), SkinComments);

    const QString pictures = QStringLiteral("PICTURES");
    ini.WriteString(pictures, QStringLiteral("picture"), MainPicture.FileName);
    ini.WriteString(pictures, QStringLiteral("inactivepicture"), QString());
    ini.WriteString(pictures, QStringLiteral("mask"), MainMask.FileName);
    ini.WriteInteger(pictures, QStringLiteral("activepicturescount"), int(m_pictures.size()));
    for (size_t i = 0; i < m_pictures.size(); ++i)
        ini.WriteString(pictures, QString::number(i), m_pictures[i].FileName);

    FormInfo.SaveFormInfo(ini);
    PopupWindow.SaveToIni(ini);
    HintWindow.SaveToIni(ini);
    SkinColors.SaveToIni(ini);
    WriteList(ini, QStringLiteral("SKINOBJECTS"), m_objects);
    WriteList(ini, QStringLiteral("SKINCONTROLS"), m_controls);
    for (const auto& object : m_objects)
        object.Item->SaveToIni(ini);
    for (const auto& control : m_controls)
        control.Item->SaveToIni(ini);

    QByteArray text;
    const QStringList lines = ini.GetStrings();
    for (const QString& line : lines)
        text += line.toLatin1() + "\r\n";
    return text;
}

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(
            QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
}

void WritePicture(const QDir& dir, const TSkinPicture& picture)
{
    if (picture.Image.isNull())
        throw std::runtime_error(
            QStringLiteral("picture %1 was not painted").arg(picture.FileName).toStdString());
    WriteFile(dir.filePath(picture.FileName), picture.Mask ? Bmp1(picture.Image) : Bmp24(picture.Image));
}

} // namespace

void TSkinBuilder::Write(const QString& folder, const QString& descriptionName) const
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        throw std::runtime_error(QStringLiteral("cannot create %1").arg(folder).toStdString());
    // Pictures of earlier runs that the skin no longer names would be packed by nobody
    // but would linger in the committed folder.
    for (const QString& old : dir.entryList({ QStringLiteral("*.bmp") }, QDir::Files))
        dir.remove(old);

    WritePicture(dir, MainPicture);
    WritePicture(dir, MainMask);
    for (const TSkinPicture& picture : m_pictures)
        WritePicture(dir, picture);
    WriteFile(dir.filePath(descriptionName), Description());
}

} // namespace art
