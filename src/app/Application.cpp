#include "Application.h"

#include <QMessageBox>
#include <cstdio>
#include <exception>

namespace {
// An exception raised while its box is open (a timer tick, say) must not stack boxes.
bool ShowingException = false;
} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    Guarded([&] {
        result = QApplication::notify(receiver, event);
        return result;
    });
    return result;
}

bool TApplication::Guarded(const std::function<bool()>& call) {
    try {
        return call();
    } catch (const std::exception& error) {
        ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowException(QStringLiteral("Unknown exception"));
    }
    return false;
}

void TApplication::ShowException(const QString& message) {
    if (ShowingException) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return;
    }
    ShowingException = true;
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ExceptionBox"));
    box.exec();
    ShowingException = false;
}
