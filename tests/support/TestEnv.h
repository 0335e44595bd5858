#pragma once
// Small helpers shared by the tests: where the source and build trees are, and a way to
// answer the modal windows a handler opens (message boxes, dialogs) from inside its
// own modal loop.
#include <QString>
#include <functional>

class QImage;
class QWidget;

namespace testenv {

QString sourceDir();
QString buildDir();

// Runs `answer` on the next modal widget that becomes active, from the event loop,
// then returns. Used before calling code that blocks in a modal loop.
void onNextModal(std::function<void(QWidget*)> answer, int timeoutMs = 5000);

// Pumps the event loop until `done` holds or the time runs out; returns `done()`.
bool waitFor(const std::function<bool()>& done, int timeoutMs = 5000);

// Pictures for people to look at: with QUIRA_SHOT_DIR set (scripts/pictures sets it),
// `picture` is saved there as <name>.png. True when it is saved or none is asked for.
bool KeepPicture(const QImage& picture, const QString& name);
bool KeepPicture(QWidget* widget, const QString& name);

} // namespace testenv
