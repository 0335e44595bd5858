#pragma once
// Small value types of the application framework shared by every layer above it.
#include <QFlags>
#include <QMetaType>
#include <QtCore/qnamespace.h>
#include <cstdint>

namespace fw {
Q_NAMESPACE

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

// Whether a left press on a control starts dragging it by itself.
enum TDragMode { dmManual, dmAutomatic };
Q_ENUM_NS(TDragMode)

// Whether dragging a control moves it onto another (the drag events) or docks it: into
// a dock site, or floating in a window of its own (the dock events).
enum TDragKind { dkDrag, dkDock };
Q_ENUM_NS(TDragKind)

// The framework's standard pointer shapes, by their framework numbers (see
// framework/Cursors.h for the shape each one shows).
enum TCursor {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHSplit = -14,
    crVSplit = -15,
    crMultiDrag = -16,
    crSQLWait = -17,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22
};
Q_ENUM_NS(TCursor)

// Where a drag stands towards the control it passes over.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
Q_ENUM_NS(TDragState)

enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
Q_ENUM_NS(TPosition)

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TFormBorderStyle)

// A control's own border: none or a single line.
enum TBorderStyle { bsNoBorder = 0, bsSingleBorder = 1 };
Q_ENUM_NS(TBorderStyle)

enum TBorderIcon { biSystemMenu = 0x1, biMinimize = 0x2, biMaximize = 0x4, biHelp = 0x8 };
Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)
Q_FLAG_NS(TBorderIcons)

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

// Where a label's text sits vertically.
enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
Q_ENUM_NS(TEditCharCase)

enum TScrollBarKind { sbHorizontal, sbVertical };
Q_ENUM_NS(TScrollBarKind)

// The side of a page control its row of tabs runs along.
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
Q_ENUM_NS(TTabPosition)

enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

enum TShiftStateFlag {
    ssShift = 0x1,
    ssAlt = 0x2,
    ssCtrl = 0x4,
    ssLeft = 0x8,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_FLAG_NS(TShiftState)

} // namespace fw

Q_DECLARE_OPERATORS_FOR_FLAGS(fw::TShiftState)

namespace fw {
// The keys of a shift state held with a key or mouse event.
inline TShiftState ShiftFromModifiers(Qt::KeyboardModifiers modifiers)
{
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    return shift;
}
} // namespace fw
Q_DECLARE_OPERATORS_FOR_FLAGS(fw::TBorderIcons)
Q_DECLARE_OPERATORS_FOR_FLAGS(fw::TFontStyles)

using namespace fw;

// Modal results as the framework numbers them.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
