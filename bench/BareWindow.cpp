// A bare Qt main window of the window program's size: the yardstick of bench/start-memory.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("BareWindow"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
