#pragma once
// What assistive technology (a screen reader, a magnifier's focus tracking, voice control,
// our own end-to-end tests) learns of the skinned windows: every skinned control paints
// itself, so Qt's accessibility framework knows nothing of them until this factory tells
// it each control's role, name, state, actions and value. On Linux Qt hands the tree to
// AT-SPI over the accessibility bus.

class QObject;
class QString;
class QWidget;

namespace vnaccess {

// Installs the factory once; later calls do nothing.
void InstallSkinAccessibility();

// The name a user hears for `control`: its own accessible name when the window declares
// one, its caption, or else the text of the label that stands to its left or above it in
// the same container (the edits have no caption of their own).
QString ControlName(const QWidget* control);

// The text of the label to the left of `control` or above it, or empty.
QString DescribingLabel(const QWidget* control);

} // namespace vnaccess
