#pragma once

#include <QApplication>
#include <functional>

// The application object. No exception crosses the event loop: whatever a handler
// throws is shown in the standard exception box, and the program goes on.
class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs the call; an exception it throws is shown and gives false.
    static bool Guarded(const std::function<bool()>& call);
    // The standard exception box: the message and an OK button.
    static void ShowException(const QString& message);
};
