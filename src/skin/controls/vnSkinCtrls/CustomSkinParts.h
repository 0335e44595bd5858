#pragma once
// What both custom skin-control families (windowed and window-less) share: the default
// look's font and the sizing by the record's resize rules.
#include "SkinGeometry.h"

class QObject;
class TFont;

namespace vnctrls {

// The default look's font: "Arial", height 14, owned by `owner`.
TFont* NewDefaultFont(QObject* owner);

// Corrects a requested size by the record's resize mode and sets `current` to the
// geometry at the result. Without a record, or in mode None, the request stands.
void ApplySkinSize(
    bool hasRecord, const TvnControlGeometry& geometry, TvnCurrentGeometry& current, int& width, int& height);

} // namespace vnctrls
