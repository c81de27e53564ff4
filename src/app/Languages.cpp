#include "Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <iterator>

namespace {

struct TLanguage {
    const char* Code;
    QLocale::Language Language;
};

// Index = list position in the Properties dialog; 0 is "<Default>".
const TLanguage Table[TLanguages::Count] = {
    {"", QLocale::AnyLanguage}, {"bgr", QLocale::Bulgarian},  {"csy", QLocale::Czech},
    {"enu", QLocale::English},  {"fra", QLocale::French},     {"deu", QLocale::German},
    {"ita", QLocale::Italian},  {"lth", QLocale::Lithuanian}, {"plk", QLocale::Polish},
    {"rom", QLocale::Romanian}, {"rus", QLocale::Russian},    {"sky", QLocale::Slovak},
    {"esp", QLocale::Spanish},
};

} // namespace

QString TLanguages::Code(int languageId) {
    if (languageId < 0 || languageId >= Count) return {};
    return QString::fromLatin1(Table[languageId].Code);
}

int TLanguages::IdOfCode(const QString& code) {
    if (code.isEmpty()) return -1;
    for (int i = 1; i < Count; ++i)
        if (code.compare(QLatin1String(Table[i].Code), Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QLocale::Language TLanguages::LanguageOf(const QString& code) {
    const int id = IdOfCode(code);
    return id < 0 ? QLocale::system().language() : Table[id].Language;
}

QString TLanguages::CodeForLocale(const QLocale& locale) {
    for (int i = 1; i < Count; ++i)
        if (Table[i].Language == locale.language()) return QString::fromLatin1(Table[i].Code);
    return {};
}

bool TLanguages::Install(QCoreApplication& app, const QString& code) {
    const int id = IdOfCode(code);
    if (id < 0) return false;
    // Standard buttons, file dialogs and key names come from the toolkit's own
    // translation, also for a language that has no set of ours.
    auto toolkit = new QTranslator(&app);
    if (toolkit->load(QLocale(Table[id].Language), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
    else
        delete toolkit;

    const QString file = QStringLiteral("limnaset_") + code.toLower();
    const QString folders[] = {QCoreApplication::applicationDirPath(),
                               QStringLiteral(LIMNASET_TRANSLATIONS_DIR),
                               QStringLiteral(":/translations")};
    auto own = new QTranslator(&app);
    for (const QString& folder : folders) {
        if (own->load(file, folder)) {
            QCoreApplication::installTranslator(own);
            return true;
        }
    }
    delete own;
    return false;
}
