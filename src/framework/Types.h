#pragma once
// Small value types of the application framework shared by every layer above it.
#include <QFlags>
#include <QMetaType>
#include <cstdint>

namespace fw {
Q_NAMESPACE

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

enum TShiftStateFlag { ssShift = 0x1, ssAlt = 0x2, ssCtrl = 0x4, ssLeft = 0x8, ssRight = 0x10, ssMiddle = 0x20, ssDouble = 0x40 };
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_FLAG_NS(TShiftState)

} // namespace fw

Q_DECLARE_OPERATORS_FOR_FLAGS(fw::TShiftState)

using fw::TAlignment;
using fw::TMouseButton;
using fw::TShiftState;

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
