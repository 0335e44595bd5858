#pragma once
// Font heights as the design states them, and the families it names.
//
// A height below zero is the character height in pixels (the em square, Qt's pixel
// size); a height above zero is the cell height (ascent + descent). Sizes in points
// assume 96 pixels per inch, the density the windows were laid out at.
#include <QFont>
#include <QString>

namespace fonts {

inline constexpr int kPixelsPerInch = 96;

// The installed family a font of `family` is drawn with: the name itself when it is
// installed, else its first installed substitute, else the name (the platform's
// fallback then chooses). A font made with it draws exactly as one made with the name,
// without the platform searching its fallbacks for a family it does not have (a sort
// of every installed font, each time a font of another missing family is first used).
QString InstalledFamily(const QString& family);

// Pixel size (em height) that gives a font of `family` the requested height.
int PixelSizeForHeight(const QString& family, int height);

// The height a Windows-era font record would store for a font: always the negative
// character height, as fonts are created from sizes.
int HeightForPixelSize(int pixelSize);

// The cell height (ascent + descent) of `family` at `pixelSize`.
int CellHeight(const QString& family, int pixelSize);

// Points from a character height and back, rounded half away from zero as the
// classic MulDiv does: height -11 is 8 pt, 8 pt is height -11.
int SizeFromHeight(int height);
int HeightFromSize(int size);

// Maps the families the windows and skins name ("Arial", "Times New Roman", "MS Sans
// Serif", "Comic Sans MS", "Tahoma", "Verdana") to installed look-alikes. Called once at
// start-up; harmless to call again.
void InstallSubstitutes();

} // namespace fonts
