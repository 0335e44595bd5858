#pragma once
// What counts as a photo, a hidden entry and a plain file name in the photo tree, and
// the order in which the entries of one folder are taken. File names are bytes on
// disk; the chosen names come from the database as text and are encoded as UTF-8.
#include <QString>
#include <string_view>

// Dot-files and dot-folders are what the studio's machines treat as hidden.
constexpr bool IsHiddenName(std::string_view name) { return !name.empty() && name.front() == '.'; }

// Matches "*.jpg" without regard to case, as the studio's photo listing always has.
bool IsPhotoName(std::string_view name);

// A name that can only ever denote an entry of one folder: not empty, not "." or "..",
// no "/" and no NUL. Anything else must never be joined to a folder path.
bool IsPlainFileName(const QString& name);

// An edit folder name below the root: plain file names joined by "/" ("Edicao/
// Escolhidas_Capa"), none of them with a "\", which on the studio's other machines
// separates folders. Nothing else may be joined to the root.
bool IsEditFolderName(const QString& pasta);

// By name without regard to case, ties by bytes, so that the order is total and the
// same on every machine whatever the folder's order on disk.
bool EntryNameLess(std::string_view a, std::string_view b);
