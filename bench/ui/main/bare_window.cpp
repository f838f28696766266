// bare_window: the reference for the main window's launch figure, the least a Qt
// widget program does before its window appears: the application object and
// one empty top-level widget of the main window's default size, shown.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    // WindowPosition::DefaultWidth and DefaultHeight; not included, so that this
    // program links Qt alone.
    window.resize(938, 708);
    window.show();
    return app.exec();
}
