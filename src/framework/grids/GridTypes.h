#pragma once
// The value types of the cell grids: options, the state a cell is drawn in, a cell's
// coordinates.
#include <QFlags>
#include <QMetaType>

namespace gridtypes {
Q_NAMESPACE

enum TGridOption {
    goFixedVertLine = 0x1,
    goFixedHorzLine = 0x2,
    goVertLine = 0x4,
    goHorzLine = 0x8,
    goRangeSelect = 0x10,
    goDrawFocusSelected = 0x20,
    goRowSizing = 0x40,
    goColSizing = 0x80,
    goRowMoving = 0x100,
    goColMoving = 0x200,
    goEditing = 0x400,
    goTabs = 0x800,
    goRowSelect = 0x1000,
    goAlwaysShowEditor = 0x2000,
    goThumbTracking = 0x4000,
    // The selection stays drawn while the grid has no focus.
    goAlwaysShowSelection = 0x8000
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_FLAG_NS(TGridOptions)

enum TGridDrawStateFlag { gdSelected = 0x1, gdFocused = 0x2, gdFixed = 0x4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)

} // namespace gridtypes

Q_DECLARE_OPERATORS_FOR_FLAGS(gridtypes::TGridOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(gridtypes::TGridDrawState)

using namespace gridtypes;

struct TGridCoord {
    int X = -1; // column
    int Y = -1; // row
    bool operator==(const TGridCoord&) const = default;
};
