// A bare Qt main window of the window program's size: the yardstick of bench/start-memory.
// With --text it shows a menu, a label and a status bar, so that its fonts are loaded too.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("BareWindow"));
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Open"));
        window.setCentralWidget(new QLabel(QStringLiteral("Connector")));
        window.statusBar()->showMessage(QStringLiteral("OK"));
    }
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
