// The program's own login window written in plain Qt Widgets: the same frameless
// 709 x 532 window titled "Login", the same JPEG background decoded the same way, the
// same title label, two edits and button in the fonts the program's resolve to on this
// machine. The second start-up baseline of bench_startup: beside it, what is left of the
// program's start is what comes before its login window (the main window, the data
// module and its skin) and the framework the program's windows are made with.
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

namespace {

QFont PixelFont(const char* family, int pixelSize, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QPalette TextColour(QPalette palette)
{
    palette.setColor(QPalette::WindowText, QColor(0x595959));
    palette.setColor(QPalette::Text, QColor(0x595959));
    palette.setColor(QPalette::Base, Qt::white);
    return palette;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Login"));
    window.setFixedSize(709, 532);

    auto* background = new QLabel(&window);
    background->setGeometry(0, 0, 709, 533);
    background->setPixmap(QPixmap::fromImage(QImageReader(QStringLiteral(":/login.jpg")).read()));

    auto* title = new QLabel(QStringLiteral("Quira"), &window);
    title->setFont(PixelFont("Comic Neue", 21, true));
    title->setPalette(TextColour(title->palette()));
    title->move(233, 143);

    const QRect edits[] = { { 270, 213, 163, 20 }, { 270, 254, 172, 20 } };
    QLineEdit* first = nullptr;
    for (const QRect& place : edits) {
        auto* edit = new QLineEdit(&window);
        if (!first) first = edit;
        edit->setFrame(false);
        edit->setFont(PixelFont("Liberation Sans", 13, true));
        edit->setPalette(TextColour(edit->palette()));
        edit->setGeometry(place);
    }
    auto* button = new QPushButton(QStringLiteral("Logar"), &window);
    button->setFont(PixelFont("Liberation Sans", 11, false));
    button->setGeometry(311, 304, 95, 33);

    // The login window opens with the caret in its first edit.
    first->setFocus();
    window.show();
    return app.exec();
}
