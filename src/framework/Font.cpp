#include "Font.h"

#include "framework/StoreChanged.h"
#include "platform/Fonts.h"

#include <QCoreApplication>
#include <QThread>
#include <vector>

namespace {

constexpr std::size_t kMaxKeptFonts = 32;

struct TMadeFont {
    QString Name;
    int Height;
    TFontStyles Style;
    QFont Font;
};

// The kept fonts live only in the application's thread and go with the application, so
// none outlives the font database.
std::vector<TMadeFont>* MadeFonts()
{
    static std::vector<TMadeFont> made;
    static const QCoreApplication* clearedWith = nullptr;
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) return nullptr;
    if (app != clearedWith) {
        qAddPostRoutine([] {
            made.clear();
            clearedWith = nullptr;
        });
        clearedWith = app;
    }
    return &made;
}

} // namespace

TFont::TFont(QObject* parent)
    : QObject(parent)
{
}

void TFont::SetName(const QString& name)
{
    if (StoreChanged(m_name, name)) emit Changed();
}

void TFont::SetHeight(int height)
{
    if (StoreChanged(m_height, height)) emit Changed();
}

int TFont::Size() const { return fonts::SizeFromHeight(m_height); }

void TFont::SetSize(int points) { SetHeight(fonts::HeightFromSize(points)); }

void TFont::SetStyle(TFontStyles style)
{
    if (StoreChanged(m_style, style)) emit Changed();
}

void TFont::SetColor(TColor color)
{
    if (StoreChanged(m_color, color)) emit Changed();
}

void TFont::Assign(const TFont& other)
{
    m_name = other.m_name;
    m_height = other.m_height;
    m_style = other.m_style;
    m_color = other.m_color;
    m_charset = other.m_charset;
    emit Changed();
}

QFont TFont::ToQFont() const { return MakeQFont(m_name, m_height, m_style); }

QFont TFont::MakeQFont(const QString& name, int height, TFontStyles style)
{
    // Every paint of a control asks for its font again; building a QFont resolves it
    // against the application font each time, so the few fonts a program uses are kept.
    std::vector<TMadeFont>* made = MadeFonts();
    if (made)
        for (const TMadeFont& m : *made)
            if (m.Height == height && m.Style == style && m.Name == name) return m.Font;
    QFont f(fonts::InstalledFamily(name));
    f.setPixelSize(std::max(1, fonts::PixelSizeForHeight(name, height)));
    f.setBold(style.testFlag(fsBold));
    f.setItalic(style.testFlag(fsItalic));
    f.setUnderline(style.testFlag(fsUnderline));
    f.setStrikeOut(style.testFlag(fsStrikeOut));
    if (!made) return f;
    if (made->size() >= kMaxKeptFonts) made->erase(made->begin());
    made->push_back({ name, height, style, f });
    return f;
}
