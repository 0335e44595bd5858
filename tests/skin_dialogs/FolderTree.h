#pragma once
// A folder tree of real folders in a temporary folder, as a studio keeps its photos.
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dlgtest {

class FolderTree {
public:
    FolderTree()
    {
        EXPECT_TRUE(m_dir.isValid());
        // Readable by others, so a test may look at it as an ordinary user.
        QFile::setPermissions(m_dir.path(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                | QFile::ReadGroup | QFile::ExeGroup);
    }
    QString Root() const { return QDir::cleanPath(m_dir.path()); }
    QString Path(const QString& relative) const { return Root() + QLatin1Char('/') + relative; }
    // Makes the folder and every folder above it; returns its path.
    QString Folder(const QString& relative) const
    {
        const QString path = Path(relative);
        EXPECT_TRUE(QDir().mkpath(path)) << path.toStdString();
        return path;
    }
    QString File(const QString& relative) const
    {
        QFile f(Path(relative));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("jpeg");
        return f.fileName();
    }

    // The studio's photos: events by year, some hidden work folders, a zip next to them.
    void MakePhotos() const
    {
        const FolderTree& t = *this;
        t.Folder("Fotos/Eventos 2024/Casamento Ana e Rui/alta");
        t.Folder("Fotos/Eventos 2024/Formatura Medicina");
        t.Folder("Fotos/Eventos 2023");
        t.Folder("Fotos/eventos antigos");
        t.Folder("Fotos/.miniaturas/cache");
        t.Folder("Fotos/Album 10");
        t.Folder("Fotos/Album 2");
        t.Folder("Fotos/album 3");
        t.Folder("Fotos/pacote.zip");
        t.File("Fotos/capa.jpg");
        t.File("Fotos/Eventos 2024/Casamento Ana e Rui/alta/IMG_0001.jpg");
    }

private:
    QTemporaryDir m_dir;
};

} // namespace dlgtest
