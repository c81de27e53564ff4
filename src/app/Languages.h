#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;
class QTranslator;

// The user-interface languages of the Properties list, by index, with the three-letter
// code that names their translation file (limnaset_<code>.qm).
class TLanguages {
public:
    static constexpr int Count = 13;

    // "" for index 0 (the default: chosen by the user's locale) and for indexes outside the list.
    static QString Code(int languageId);
    // The list index of a code; -1 when there is none.
    static int IdOfCode(const QString& code);
    // The language a code names; the system locale's for "" and unknown codes.
    static QLocale::Language LanguageOf(const QString& code);
    // The code of the translation that fits a locale; "" when none does.
    static QString CodeForLocale(const QLocale& locale);

    // Loads the toolkit's own texts for that language when they are installed, and
    // limnaset_<code>.qm from beside the executable, the installed translations or the
    // built-in resources; false when there is no set of ours.
    static bool Install(QCoreApplication& app, const QString& code);
};
