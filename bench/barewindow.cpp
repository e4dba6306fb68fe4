// tessel_bare_window: a bare Qt Widgets window of the game window's size. The bench starts it
// beside Tessel, the same way, to show what starting Qt itself costs; with --label the window
// shows one line of text, which is what loading the fonts costs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(634, 413);
    if (app.arguments().contains(QStringLiteral("--label")))
        (new QLabel(QStringLiteral("A line of text"), &window))->move(20, 20);
    window.show();
    return app.exec();
}
