#pragma once
// The photo transfer: the chosen photos of each category, found by name anywhere in the
// photo tree, copied into the category's edit folder below the root.
//
// The outcome is, file for file, what transferring the categories one after the other
// gives when each walks the whole tree again and compares every chosen name with every
// photo of every folder: the first folder in walk order that holds a photo of the
// chosen name (exactly, case-sensitively) is its source, the category's own edit folder
// is never a source, and an edit folder filled by an earlier category is a source for
// the later ones. Here one walk serves all categories and an index by name replaces
// the comparisons. Existing files are never replaced and no partial file is ever left.
#include "app/transfer/TransferReport.h"

#include <QList>
#include <QString>
#include <QStringList>

struct TCategoryRequest {
    QString Pasta; // edit folder name below the root, such as "Edicao/Escolhidas_Capa"
    QStringList Names; // the chosen file names, as the database lists them
};

struct TTransferOptions {
    // false: hidden named temporary files even where the file system has unnamed ones
    // (the way taken on file systems without them, chosen by tests).
    bool UnnamedTemporaries = true;
    // false: a category's copies may still be in the machine's memory when its result
    // is reported (for measuring what waiting for the disk costs).
    bool SyncEachCategory = true;
};

// Transfers the categories in the given order. Every category's edit folder is created
// (with its parents) even when nothing is copied into it. The edit folders are made and
// opened from the root down without following links: one that is a link fails its
// category, and an entry of an edit folder that is a link is neither a photo already
// there nor a source. The copies of a category are on disk before its result is given.
TTransferReport TransferPhotos(
    const QString& root, const QList<TCategoryRequest>& categories, const TTransferOptions& options = {});
