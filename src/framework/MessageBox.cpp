#include "MessageBox.h"

#include "Application.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

struct ButtonInfo {
    TMsgDlgButtonInfo info;
    QMessageBox::ButtonRole role;
};

// The framework's button order and texts.
constexpr ButtonInfo kButtons[] = {
    { { mbYes, "&Yes", mrYes }, QMessageBox::YesRole },
    { { mbNo, "&No", mrNo }, QMessageBox::NoRole },
    { { mbOK, "OK", mrOk }, QMessageBox::AcceptRole },
    { { mbCancel, "Cancel", mrCancel }, QMessageBox::RejectRole },
    { { mbAbort, "&Abort", mrAbort }, QMessageBox::RejectRole },
    { { mbRetry, "&Retry", mrRetry }, QMessageBox::AcceptRole },
    { { mbIgnore, "&Ignore", mrIgnore }, QMessageBox::AcceptRole },
};

struct TypeInfo {
    const char* caption;
    QMessageBox::Icon icon;
};

TypeInfo DialogTypeInfo(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning:
        return { "Warning", QMessageBox::Warning };
    case TMsgDlgType::mtError:
        return { "Error", QMessageBox::Critical };
    case TMsgDlgType::mtInformation:
        return { "Information", QMessageBox::Information };
    case TMsgDlgType::mtConfirmation:
        return { "Confirm", QMessageBox::Question };
    case TMsgDlgType::mtCustom:
        break;
    }
    return { "", QMessageBox::NoIcon };
}

} // namespace

TModalResult MessageBoxWithCaption(const QString& text, const QString& caption, TMsgDlgType type,
    TMsgDlgButtons buttons, TMsgDlgBtn defaultButton)
{
    QMessageBox box(
        DialogTypeInfo(type).icon, caption, text, QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    QList<std::pair<QAbstractButton*, TModalResult>> made;
    for (const ButtonInfo& b : kButtons) {
        if (!buttons.testFlag(b.info.Button)) continue;
        QPushButton* button = box.addButton(QString::fromLatin1(b.info.Text), b.role);
        made.append({ button, b.info.Result });
        if (made.size() == 1 || b.info.Button == defaultButton) box.setDefaultButton(button);
    }
    if (made.size() == 1) box.setEscapeButton(made.front().first);
    // The box takes the keyboard when it opens and gives it back when it closes, with or
    // without a window manager.
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QTimer::singleShot(0, &box, [&box] { TApplication::ActivateNow(&box); });
    box.exec();
    TApplication::ActivateNow(owner);
    for (const auto& [button, result] : made)
        if (box.clickedButton() == button) return result;
    return mrCancel;
}

TModalResult MessageDlg(
    const QString& text, TMsgDlgType type, TMsgDlgButtons buttons, TMsgDlgBtn defaultButton)
{
    return MessageBoxWithCaption(
        text, QString::fromLatin1(MsgDlgCaption(type)), type, buttons, defaultButton);
}

QList<TMsgDlgButtonInfo> MsgDlgButtons(TMsgDlgButtons buttons)
{
    QList<TMsgDlgButtonInfo> asked;
    for (const ButtonInfo& b : kButtons)
        if (buttons.testFlag(b.info.Button)) asked.append(b.info);
    return asked;
}

const char* MsgDlgCaption(TMsgDlgType type) { return DialogTypeInfo(type).caption; }
