#pragma once
// The pictures of the skin container: complete Windows BMP files, one after another
// with no length prefix (each is as long as its file header's total size), alone or as
// a picture record (a flag byte, 0 when a bitmap follows).
//
// Pictures read from a container are 32-bit RGB images, the format composition and
// effects work on.
#include "ByteReader.h"

#include <QImage>

// Raises "Bitmap image is not valid" when the bytes are not a readable BMP file.
QImage ReadBitmap(TvnByteReader& reader);
// A null image for a record flagged empty.
QImage ReadPictureRecord(TvnByteReader& reader);

void AppendBitmap(QByteArray& out, const QImage& image);
// Flag 1 for a null image, else 0 and the bitmap.
void AppendPictureRecord(QByteArray& out, const QImage& image);

// A BMP file from disk, in the depth it has there (a 1-bit mask stays 1-bit when it is
// written into a container). A file that cannot be opened raises the file system's error; one
// that is no bitmap raises "Bitmap image is not valid".
QImage LoadBitmapFile(const QString& path);
