#pragma once
// Small skins built by the tests: pictures of known pixels written as BMP files beside a
// description text, and containers assembled byte by byte for layouts the packer never
// writes (other versions, empty records, text without a final line end).
#include "skin/data/SkinTypes.h"
#include "skin/data/vnSkinData/CompressedStoredSkin.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QImage>
#include <QList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <ostream>

namespace skintest {

QImage SolidImage(int width, int height, QRgb color);
// A 1-bit mask: black (0) inside `shape`, white elsewhere.
QImage MaskImage(int width, int height, const QRect& shape);

class SkinFolder {
public:
    SkinFolder();
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    void AddPicture(const QString& name, const QImage& image) const;
    // Writes the description as "skin.ini" (bytes as given) and returns its path.
    QString WriteDescription(const QByteArray& text) const;

private:
    QTemporaryDir m_dir;
};

// A description with the sections a packer requires, the given pictures and further
// sections appended. Lines end in CR LF.
QByteArray Description(const QByteArray& pictures, const QByteArray& more = QByteArray());

// version, picture records (a null image writes flag 1), N, N bitmaps, text.
QByteArray ContainerBytes(
    qint32 version, const QList<QImage>& records, const QList<QImage>& numbered, const QByteArray& text);

// A stored skin holding `container`, compressed.
std::unique_ptr<TvnCompressedStoredSkin> StoredSkinOf(const QByteArray& container);

// The text of a description that names the given lines as one section.
QByteArray Section(const char* name, std::initializer_list<const char*> lines);

// The message an Exception thrown by `action` carries, or an empty text.
QString ErrorOf(const std::function<void()>& action);

} // namespace skintest

// Readable failure messages for the values these tests compare.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* out)
{
    *out << '(' << r.x() << ',' << r.y() << ',' << vnutils::RectRight(r) << ',' << vnutils::RectBottom(r)
         << ')';
}
inline void PrintTo(const QPoint& p, std::ostream* out) { *out << '(' << p.x() << ',' << p.y() << ')'; }
