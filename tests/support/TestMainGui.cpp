#include <QApplication>
#include <QLocale>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
QtMessageHandler DefaultHandler = nullptr;

// The off-screen platform warns about every window it cannot resize for its hints.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    DefaultHandler(type, context, message);
}
} // namespace

int main(int argc, char** argv) {
    DefaultHandler = qInstallMessageHandler(QuietHandler);
    // Windows need a platform; without a display the tests draw off screen.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Limnaset"));
    QApplication::setOrganizationName(QStringLiteral("Limnaset"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
