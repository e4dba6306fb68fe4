// tessel_bare_window: a bare Qt Widgets window of the game window's size, drawing no text. With
// --label it shows one line of text: the minimal Qt program, and the reference of the start-up
// goals (a window with a caption loads the fonts). The bench starts both beside Tessel.
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
