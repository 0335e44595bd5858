#include "SeenBox.h"

#include <QAbstractButton>
#include <QStringList>

namespace testenv {

bool AnswerBox(SeenBox& seen, QWidget* w)
{
    auto* box = qobject_cast<QMessageBox*>(w);
    if (!box) return false;
    ++seen.count;
    seen.text = box->text();
    seen.caption = box->windowTitle();
    seen.icon = box->icon();
    QStringList texts;
    for (QAbstractButton* b : box->buttons())
        texts << b->text();
    seen.buttons = texts.join('|');
    box->buttons().first()->click();
    return true;
}

} // namespace testenv
