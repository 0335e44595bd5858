#pragma once
// Modal message boxes with fixed texts, as the windows answer wrong or missing input.
// Button texts are the product's own ("OK", "&Yes"), not the desktop's translation.
#include "framework/Types.h"

#include <QFlags>
#include <QList>
#include <QString>

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn {
    mbYes = 0x1,
    mbNo = 0x2,
    mbOK = 0x4,
    mbCancel = 0x8,
    mbAbort = 0x10,
    mbRetry = 0x20,
    mbIgnore = 0x40
};
Q_DECLARE_FLAGS(TMsgDlgButtons, TMsgDlgBtn)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgDlgButtons)

// Shows `text` with the caption and icon of `type` ("Warning", "Error", "Information",
// "Confirm") and the buttons given, in the framework's order; returns the modal result
// of the button pressed (mrYes, mrOK, ...), or mrCancel when the box is closed otherwise.
// Enter presses `defaultButton` when it is one of them, else the first.
TModalResult MessageDlg(
    const QString& text, TMsgDlgType type, TMsgDlgButtons buttons, TMsgDlgBtn defaultButton = {});

// The same with an explicit caption.
TModalResult MessageBoxWithCaption(const QString& text, const QString& caption, TMsgDlgType type,
    TMsgDlgButtons buttons, TMsgDlgBtn defaultButton = {});

// One button of a message box: which, its text and the modal result it gives.
struct TMsgDlgButtonInfo {
    TMsgDlgBtn Button;
    const char* Text;
    TModalResult Result;
};

// The buttons asked for, in the framework's order (Yes, No, OK, Cancel, Abort, Retry,
// Ignore), so every message box, skinned or not, lays them out alike.
QList<TMsgDlgButtonInfo> MsgDlgButtons(TMsgDlgButtons buttons);

// The caption of a box of `type` ("Warning", "Error", "Information", "Confirm", or empty).
const char* MsgDlgCaption(TMsgDlgType type);
