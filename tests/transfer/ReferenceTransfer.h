#pragma once
// The transfer done the plain way, one category after the other, each walking the whole
// tree again and comparing every chosen name with every photo of every folder. The
// engine must leave the same files in the edit folders; the benchmark measures both.
#include "app/transfer/PhotoTransfer.h"

void ReferenceTransfer(const QString& root, const QList<TCategoryRequest>& categories);
