#pragma once
// What every picture of the control sheet does alike: its window, its labels, and the
// saving of the window's client area.
#include <QString>

class QWidget;
class TForm;
class TvnSkinData;

// The window: caption, a client area `width` x `height`, the skin's button face.
void PrepareSheetForm(TForm& form, const char* caption, int width, int height, TvnSkinData* skin);
void SheetLabel(QWidget* parent, TvnSkinData* skin, int x, int y, const QString& caption);
// Saves the client area as `name` in `folder` and says so; false when it was not written.
bool SaveSheetPicture(QWidget* client, const QString& folder, const QString& name);
