#pragma once
// What a transfer did, photo by photo, so that nothing that went wrong stays hidden.
#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>

enum class TPhotoOutcome {
    Copied, // copied from Path
    Present, // already in the edit folder (Path), left as it was
    Missing, // no photo of that name anywhere in the tree
    Failed, // Reason says why; Path is the source tried first, if any
    NotDone, // the transfer was stopped before this photo was looked for
};

struct TPhotoResult {
    QString Name;
    TPhotoOutcome Outcome;
    QString Path;
    QString Reason;
};

struct TCategoryResult {
    QString Pasta; // the edit folder's name below the root
    QString Error; // why the edit folder could not be used; then every photo failed
    QList<TPhotoResult> Photos; // each chosen name once, in the chosen list's order

    qsizetype Count(TPhotoOutcome outcome) const
    {
        return std::count_if(
            Photos.begin(), Photos.end(), [&](const TPhotoResult& p) { return p.Outcome == outcome; });
    }
};

struct TTransferReport {
    QList<TCategoryResult> Categories; // in the order they were transferred
    QStringList Folders; // every folder searched, in walk order, the root last
    QStringList RootPhotos; // the photos directly in the root
    int UnreadableFolders = 0;
    bool Stopped = false; // stopped on request: the photos not reached are NotDone
};

// The word the reports and the developer's tools use for an outcome.
const char* OutcomeName(TPhotoOutcome outcome);
