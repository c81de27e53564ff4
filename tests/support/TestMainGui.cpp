#include <QApplication>
#include <QLocale>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
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
