#pragma once

#include "DateTime.h"
#include "InternalError.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Restores the default locale when the test ends.
class TLocaleGuard {
public:
    explicit TLocaleGuard(const QString& name) : Saved(QLocale()) {
        QLocale::setDefault(QLocale(name));
    }
    ~TLocaleGuard() { QLocale::setDefault(Saved); }
    TLocaleGuard(const TLocaleGuard&) = delete;
    TLocaleGuard& operator=(const TLocaleGuard&) = delete;

private:
    QLocale Saved;
};

// Pins "now" and lets the clock run again when the test ends.
class TFixedClock {
public:
    explicit TFixedClock(TDateTime now) { TClock::SetFixed(now); }
    ~TFixedClock() { TClock::SetFixed(std::nullopt); }
    TFixedClock(const TFixedClock&) = delete;
    TFixedClock& operator=(const TFixedClock&) = delete;
};

// Sets (or, with no value, removes) an environment variable and puts the old state back.
class TEnvironmentGuard {
public:
    TEnvironmentGuard(const char* name, const QString& value);
    ~TEnvironmentGuard();
    TEnvironmentGuard(const TEnvironmentGuard&) = delete;
    TEnvironmentGuard& operator=(const TEnvironmentGuard&) = delete;

private:
    const char* Name;
    bool Had;
    QByteArray Old;
};

// A local date and time that the test expects to be valid.
TDateTime Moment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Seconds from 2000-01-01 to the moment, by Qt's calendar and without any daylight saving.
uint32_t SecondsSince2000(int year, int month, int day, int hour, int minute, int second = 0);

// The message of the internal error the action raises, or a text saying there was none.
template <class F> std::string InternalErrorOf(F&& action) {
    try {
        action();
    } catch (const TInternalError& error) {
        return error.what();
    }
    return "no internal error";
}

// Bytes that differ from block to block and from seed to seed, so that a block moved to the
// wrong place or taken from the wrong source shows.
std::vector<uint8_t> BytePattern(int length, int seed = 0);
// How many bits differ between two byte ranges of the same length.
int DifferingBits(const uint8_t* a, const uint8_t* b, int count);

// A file's bytes, or "<missing>" when it cannot be read.
QByteArray FileBytes(const QString& path);
void WriteFileBytes(const QString& path, const QByteArray& bytes);

// Runs the action with files limited to `limit` bytes, as a full disk would stop a write.
bool WithFileSizeLimit(qint64 limit, const std::function<bool()>& action);

// Path of a built program (tools, emulator) for end-to-end tests.
QString BuiltProgram(const QString& name);
