#pragma once

#include <QLocale>
#include <QString>
#include <QTemporaryDir>

// Restores the default locale when the test ends.
class TLocaleGuard {
public:
    explicit TLocaleGuard(const QString& name) : Saved(QLocale()) { QLocale::setDefault(QLocale(name)); }
    ~TLocaleGuard() { QLocale::setDefault(Saved); }
    TLocaleGuard(const TLocaleGuard&) = delete;
    TLocaleGuard& operator=(const TLocaleGuard&) = delete;

private:
    QLocale Saved;
};

// Path of a built program (tools, emulator) for end-to-end tests.
QString BuiltProgram(const QString& name);
