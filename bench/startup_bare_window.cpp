// The yardstick of the start-up benchmark: the barest window Qt Widgets can show, built against
// the same Qt as the game, so that what the game adds to a start is all that is left over.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return QApplication::exec();
}
