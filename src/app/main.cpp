#include "Application.h"
#include "Languages.h"
#include "MainForm.h"
#include "Version.h"
#include "Workplace.h"

#include <QLocale>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TApplication::setApplicationName(QStringLiteral("Limnaset"));
    TApplication::setOrganizationName(QStringLiteral("Limnaset"));
    TApplication::setApplicationVersion(QStringLiteral(LIMNASET_VERSION));

    // The language chosen in Properties, else the one that fits the user's locale.
    QString code = TWorkplace::StoredLanguageCode(QCoreApplication::applicationFilePath());
    if (code.isEmpty()) code = TLanguages::CodeForLocale(QLocale::system());
    TLanguages::Install(app, code);

    int result = 0;
    TApplication::Guarded([&] {
        TWorkplace workplace;
        TMainForm form(workplace);
        form.show();
        result = TApplication::exec();
        return true;
    });
    return result;
}
