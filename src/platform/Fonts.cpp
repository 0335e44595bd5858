#include "Fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>
#include <cmath>

namespace fonts {

namespace {

int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

// Cell height at kReference pixels of em size, per family. Every skinned control makes its font
// at each paint; measuring means a font engine lookup, so each family is measured once
// (again after the substitutes change what a family name resolves to).
constexpr int kReference = 1000;

QHash<QString, double>& ReferenceCells()
{
    static QHash<QString, double> cells;
    return cells;
}

} // namespace

int CellHeight(const QString& family, int pixelSize)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    QFontMetricsF m(f);
    return static_cast<int>(std::lround(m.ascent() + m.descent()));
}

int PixelSizeForHeight(const QString& family, int height)
{
    if (height < 0) return -height;
    if (height == 0) return 0;
    auto cell = ReferenceCells().constFind(family);
    if (cell == ReferenceCells().constEnd()) {
        // Cell height scales linearly with the em size; measure once at a large size so
        // the ratio is exact enough for any requested height.
        QFont f(family);
        f.setPixelSize(kReference);
        QFontMetricsF m(f);
        cell = ReferenceCells().insert(family, m.ascent() + m.descent());
    }
    if (*cell <= 0) return height;
    return std::max(1, static_cast<int>(std::lround(height * kReference / *cell)));
}

int HeightForPixelSize(int pixelSize) { return -pixelSize; }

int SizeFromHeight(int height) { return MulDiv(-height, 72, kPixelsPerInch); }

int HeightFromSize(int size) { return -MulDiv(size, kPixelsPerInch, 72); }

void InstallSubstitutes()
{
    struct Substitute {
        const char* family;
        QStringList lookAlikes;
    };
    // Liberation fonts share Arial's and Times New Roman's metrics; Comic Neue is drawn
    // after Comic Sans; MS Sans Serif was a bitmap face close to a plain sans.
    const Substitute table[] = {
        { "Arial", { "Liberation Sans", "Arimo", "DejaVu Sans" } },
        { "Times New Roman", { "Liberation Serif", "Tinos", "DejaVu Serif" } },
        { "MS Sans Serif", { "Liberation Sans", "DejaVu Sans" } },
        { "Microsoft Sans Serif", { "Liberation Sans", "DejaVu Sans" } },
        { "Tahoma", { "DejaVu Sans", "Liberation Sans" } },
        { "Verdana", { "DejaVu Sans", "Liberation Sans" } },
        { "Comic Sans MS", { "Comic Neue", "Liberation Sans" } },
    };
    for (const auto& s : table)
        QFont::insertSubstitutions(QString::fromLatin1(s.family), s.lookAlikes);
    ReferenceCells().clear();
}

} // namespace fonts
