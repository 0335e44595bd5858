#pragma once
// A skin stored inside the program: the compressed container bytes, carried by declared
// data as the binary property "CompressedData".
//
// A compressed skin stream (and a ".skn" file) puts a version (int32, 3) and the block's
// length (int32) before the compressed bytes.
#include "framework/Component.h"

#include <QByteArray>

class QIODevice;

class TvnCompressedStoredSkin : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Description READ Description WRITE SetDescription)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QString CompressedFileName READ CompressedFileName WRITE SetCompressedFileName)
    Q_PROPERTY(QByteArray CompressedData READ CompressedStream WRITE SetCompressedStream STORED true)
public:
    explicit TvnCompressedStoredSkin(QObject* owner = nullptr);

    QString Description() const { return m_description; }
    void SetDescription(const QString& value) { m_description = value; }
    // Names of the files the block was built or loaded from; at run time only labels.
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& value) { m_fileName = value; }
    QString CompressedFileName() const { return m_compressedFileName; }
    void SetCompressedFileName(const QString& value) { m_compressedFileName = value; }

    // The compressed container: one zlib stream, no header of its own.
    const QByteArray& CompressedStream() const { return m_compressed; }
    void SetCompressedStream(const QByteArray& bytes) { m_compressed = bytes; }
    bool IsEmptySkin() const { return m_compressed.isEmpty(); }

    // Builds the container from a skin description file and the BMP files beside it and
    // compresses it. A description without the required sections changes nothing and
    // returns false.
    bool CompressFromIniFile(const QString& path);
    // Replaces the block by that of a compressed skin file (raises the file system's
    // error when it cannot be opened).
    void LoadCompressedFile(const QString& path);
    // The compressed skin stream format, read from position 0 of `source`. A version
    // above 3 leaves the block empty; a stream cut short raises "Stream read error".
    void ReadCompressedStream(QIODevice& source);
    void WriteCompressedStream(QIODevice& target) const;
    // The same format as bytes.
    QByteArray CompressedStreamBytes() const;
    void SetCompressedStreamBytes(const QByteArray& bytes);

    // The uncompressed container; raises "compression error" for a damaged block.
    QByteArray Decompress() const;

private:
    void ReadCompressedFrom(QIODevice& source);

    QString m_description;
    QString m_fileName;
    QString m_compressedFileName;
    QByteArray m_compressed;
};
