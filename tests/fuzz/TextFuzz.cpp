// The text parsers of the editors, in two locales: what parses formats back to a text that
// parses to the same value.
#include "FuzzCheck.h"
#include "TextFormats.h"

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

void Check(const QString& text) {
    // Round trips within the durations the editors take; the rest only must not fail.
    constexpr int Longest = 1000 * 3600;
    int seconds = 0;
    if (ParseHhMm(text, seconds) && seconds >= 0 && seconds <= Longest) {
        int again = -1;
        FUZZ_CHECK(ParseHhMm(FormatHhMm(seconds), again) && again == seconds);
    }
    if (ParseMmSs(text, seconds) && seconds >= 0 && seconds <= Longest) {
        int again = -1;
        FUZZ_CHECK(ParseMmSs(FormatMmSs(seconds), again) && again == seconds);
    }
    const TAnalogScale scale{0, 100, QStringLiteral("%")};
    int raw = 0;
    if (ParseAnalogValue(text, scale, raw)) {
        int again = -1;
        FUZZ_CHECK(ParseAnalogValue(FormatAnalogValue(raw, scale), scale, again));
    }
    for (const int units : {0, 1}) {
        int tenths = 0;
        if (ParseTemperature(text, units, tenths)) (void)FormatTemperature(tenths, units);
    }
    TDateTime value = 0;
    (void)ParseDateTime(text, value);
    double number = 0;
    (void)ParseFloatText(text, number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const char* locale : {"en_US", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        Check(text);
    }
    return 0;
}
