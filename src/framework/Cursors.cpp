#include "Cursors.h"

#include <QHash>

namespace cursors {

Qt::CursorShape ShapeOf(TCursor cursor)
{
    static const QHash<TCursor, Qt::CursorShape> kShapes = {
        { crDefault, Qt::ArrowCursor },
        { crNone, Qt::BlankCursor },
        { crArrow, Qt::ArrowCursor },
        { crCross, Qt::CrossCursor },
        { crIBeam, Qt::IBeamCursor },
        { crSizeNESW, Qt::SizeBDiagCursor },
        { crSizeNS, Qt::SizeVerCursor },
        { crSizeNWSE, Qt::SizeFDiagCursor },
        { crSizeWE, Qt::SizeHorCursor },
        { crUpArrow, Qt::UpArrowCursor },
        { crHourGlass, Qt::WaitCursor },
        { crDrag, Qt::DragMoveCursor },
        { crNoDrop, Qt::ForbiddenCursor },
        { crHSplit, Qt::SplitHCursor },
        { crVSplit, Qt::SplitVCursor },
        { crMultiDrag, Qt::DragCopyCursor },
        { crSQLWait, Qt::BusyCursor },
        { crNo, Qt::ForbiddenCursor },
        { crAppStart, Qt::BusyCursor },
        { crHelp, Qt::WhatsThisCursor },
        { crHandPoint, Qt::PointingHandCursor },
        { crSizeAll, Qt::SizeAllCursor },
    };
    return kShapes.value(cursor, Qt::ArrowCursor);
}

} // namespace cursors
