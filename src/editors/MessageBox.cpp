#include "MessageBox.h"

#include <QApplication>

namespace {

// The toolkit's standard buttons that our boxes and the archive window show. Debian's Qt
// translations lack them for Lithuanian, Romanian and Slovak, so ours carry them for every
// language, as Qt words them where it has them.
[[maybe_unused]] constexpr const char* ToolkitButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"), QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"), QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close")};

} // namespace

QMessageBox::StandardButton TMessageBox::Show(const QString& text, const QString& caption,
                                              TButtons buttons, QWidget* parent) {
    QMessageBox::StandardButtons set;
    QMessageBox::StandardButton escape;
    QMessageBox::StandardButton preferred;
    switch (buttons) {
    case OkCancel:
        set = QMessageBox::Ok | QMessageBox::Cancel;
        preferred = QMessageBox::Ok;
        escape = QMessageBox::Cancel;
        break;
    case YesNoCancel:
        set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        preferred = QMessageBox::Yes;
        escape = QMessageBox::Cancel;
        break;
    default:
        set = QMessageBox::Ok;
        preferred = QMessageBox::Ok;
        escape = QMessageBox::Ok;
        break;
    }
    if (!parent) parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, caption, text, set, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setDefaultButton(preferred);
    box.setEscapeButton(escape);
    const int result = box.exec();
    const auto pressed = QMessageBox::StandardButton(result);
    return (set & pressed) ? pressed : escape;
}
