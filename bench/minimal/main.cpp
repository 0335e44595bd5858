// The least a Qt Widgets program does to show a login-sized window: the start-up
// baseline of bench_startup.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Login"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Usuário")));
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QLabel(QStringLiteral("Senha")));
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    window.resize(300, 190);
    window.show();
    return app.exec();
}
