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
#include <atomic>
#include <functional>

struct TCategoryRequest {
    QString Pasta; // edit folder name below the root, such as "Edicao/Escolhidas_Capa"
    QStringList Names; // the chosen file names, as the database lists them
};

// What the transfer is at, told on the thread that runs it before each folder is read
// and before each photo is looked for.
struct TTransferProgress {
    enum class TStep { Searching, Copying };
    TStep Step = TStep::Searching;
    qsizetype Category = -1; // copying: the index of the category in the request list
    qsizetype Done = 0; // searching: folders read before this one; copying: photos finished
    qsizetype Total = 0; // copying: the photos of all categories, each name of a category once
    QString Name; // searching: the folder's path; copying: the photo's name
};

struct TTransferOptions {
    // false: hidden named temporary files even where the file system has unnamed ones
    // (the way taken on file systems without them, chosen by tests).
    bool UnnamedTemporaries = true;
    // false: copies are named without waiting for their bytes to reach the disk (for
    // measuring what waiting for the disk costs; a power cut may then leave empty photos).
    bool Durable = true;
    std::function<void(const TTransferProgress&)> OnProgress;
    // Set from any thread to stop. The photo being copied is finished first (a copy is
    // never left in part); photos not reached are NotDone, and a search not finished
    // leaves every photo NotDone, since "not found" could not be known.
    const std::atomic<bool>* Stop = nullptr;
};

// Transfers the categories in the given order. Every category's edit folder is created
// (with its parents) even when nothing is copied into it. The edit folders are made and
// opened from the root down without following links: one that is a link fails its
// category, and an entry of an edit folder that is a link is neither a photo already
// there nor a source. A copy gets its name only once its bytes are on disk, and the
// edit folder is synced before the category's result is given. A photo counts as
// already there only when a regular file of its source's size stands under its name;
// anything else there is reported as a failure and left alone.
TTransferReport TransferPhotos(
    const QString& root, const QList<TCategoryRequest>& categories, const TTransferOptions& options = {});
