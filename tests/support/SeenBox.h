#pragma once
// Answering the message boxes a handler opens, and remembering what they showed.
#include <QMessageBox>
#include <QString>

namespace testenv {

// What a message box showed: its text, caption, icon and button texts ("|" between them),
// and how many boxes were read into it.
struct SeenBox {
    QString text, caption, buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int count = 0;
};

// Reads `w` into `seen` and presses its first button when it is a message box; returns
// whether it was one.
bool AnswerBox(SeenBox& seen, QWidget* w);

} // namespace testenv
