#pragma once
// The uncompressed skin container, little-endian throughout:
//
//   version (int32, written as 3)
//   picture records "picture", "inactivepicture", "mask" (flag byte, then a BMP when 0)
//   [version 2 only: two more picture records, read and dropped]
//   count N (int32), then N bare BMPs: the numbered pictures, in [PICTURES] order
//   the description text, to the end of the data (no length, no terminator)
//
// The store reads it (TvnSkinData::LoadCompressedSkin); building it from a skin folder
// is the packer's side.
#include <QByteArray>
#include <QString>
#include <optional>

inline constexpr qint32 kSkinContainerVersion = 3;
// A container or compressed stream of a later version is not read.
inline constexpr qint32 kNewestSkinVersion = 3;

// The container for a skin description file and the BMP files beside it, or nullopt
// when the description lacks one of the sections [VERSION], [PICTURES], [FORMINFO],
// [SKINOBJECTS] and [SKINCONTROLS]. The text is stored line by line with CR LF.
// Raises the file system's error for a missing file, "Bitmap image is not valid" for a
// picture that is no BMP.
std::optional<QByteArray> BuildSkinContainer(const QString& descriptionPath);
