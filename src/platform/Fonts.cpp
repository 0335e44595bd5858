#include "Fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QStringList>
#include <QThread>
#include <algorithm>
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

// What each family name asked for resolves to, with the list of installed families it
// was resolved against; both go with the application (their fonts go with it).
struct TResolvedFamilies {
    QStringList Installed;
    QHash<QString, QString> Families;
};

TResolvedFamilies& Resolved()
{
    static TResolvedFamilies resolved;
    static const QCoreApplication* resolvedWith = nullptr;
    const QCoreApplication* app = QCoreApplication::instance();
    if (app != resolvedWith) {
        resolved = {};
        resolvedWith = app;
    }
    return resolved;
}

} // namespace

QString InstalledFamily(const QString& family)
{
    // Kept for a GUI application's own thread only (the font database needs one); a font
    // made elsewhere resolves the usual way.
    const QCoreApplication* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread()) return family;
    TResolvedFamilies& resolved = Resolved();
    auto found = resolved.Families.constFind(family);
    if (found != resolved.Families.constEnd()) return *found;
    if (resolved.Installed.isEmpty()) resolved.Installed = QFontDatabase::families();
    // The order Qt's own matching tries: the name, then its substitutes.
    QString result = family;
    for (const QString& candidate : QStringList { family } + QFont::substitutes(family)) {
        const auto installed = std::find_if(resolved.Installed.cbegin(), resolved.Installed.cend(),
            [&](const QString& f) { return f.compare(candidate, Qt::CaseInsensitive) == 0; });
        if (installed != resolved.Installed.cend()) {
            result = *installed;
            break;
        }
    }
    return *resolved.Families.insert(family, result);
}

namespace {

// Ascent plus descent of `family` at `pixelSize` pixels of em size.
double Cell(const QString& family, int pixelSize)
{
    QFont f(InstalledFamily(family));
    f.setPixelSize(pixelSize);
    const QFontMetricsF m(f);
    return m.ascent() + m.descent();
}

} // namespace

int CellHeight(const QString& family, int pixelSize)
{
    return static_cast<int>(std::lround(Cell(family, pixelSize)));
}

int PixelSizeForHeight(const QString& family, int height)
{
    if (height < 0) return -height;
    if (height == 0) return 0;
    auto cell = ReferenceCells().constFind(family);
    if (cell == ReferenceCells().constEnd()) {
        // Cell height scales linearly with the em size; measure once at a large size so
        // the ratio is exact enough for any requested height.
        cell = ReferenceCells().insert(family, Cell(family, kReference));
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
    Resolved() = {};
}

} // namespace fonts
