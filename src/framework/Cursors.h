#pragma once
// The pointer shape each of the framework's cursor numbers shows.
#include "framework/Types.h"

#include <QCursor>

namespace cursors {

// A number the table does not know shows the arrow.
Qt::CursorShape ShapeOf(TCursor cursor);

} // namespace cursors
