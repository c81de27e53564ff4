#include "Application.h"
#include "Languages.h"
#include "MainForm.h"
#include "Version.h"
#include "Workplace.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TApplication::setApplicationName(QStringLiteral("Limnaset"));
    TApplication::setOrganizationName(QStringLiteral("Limnaset"));
    TApplication::setApplicationVersion(QStringLiteral(LIMNASET_VERSION));

    // The language chosen in Properties, else the one that fits the user's locale.
    QString code = TWorkplace::StoredLanguageCode(QCoreApplication::applicationFilePath());
    if (code.isEmpty()) code = TLanguages::CodeForLocale(QLocale::system());
    TLanguages::Install(app, code);

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("an .r72 file to open"),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    int result = 0;
    TApplication::Guarded([&] {
        TWorkplace workplace;
        // Connector texts are in the code page of the language the window speaks.
        workplace.SetUiLanguage(TLanguages::LanguageOf(code));
        TMainForm form(workplace);
        form.show();
        // Once the window is up, as if chosen in File Open after the first File New.
        if (!files.isEmpty())
            QTimer::singleShot(0, &form,
                               [&form, file = QFileInfo(files.first()).absoluteFilePath()] {
                                   form.OpenDocument(file);
                               });
        result = TApplication::exec();
        return true;
    });
    return result;
}
