#include "TextFormats.h"
#include "ConnectorCalendar.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TAnalogScale Scale(double min, double max, const QString& units = QStringLiteral("%")) {
    TAnalogScale scale;
    scale.Min = min;
    scale.Max = max;
    scale.Units = units;
    return scale;
}

int Seconds(bool (*parse)(const QString&, int&), const QString& text) {
    int seconds = -999;
    EXPECT_TRUE(parse(text, seconds)) << text.toStdString();
    return seconds;
}

bool Rejects(bool (*parse)(const QString&, int&), const QString& text) {
    int seconds = -999;
    return !parse(text, seconds);
}

int Raw(const QString& text, const TAnalogScale& scale) {
    int raw = -1;
    EXPECT_TRUE(ParseAnalogValue(text, scale, raw)) << text.toStdString();
    return raw;
}

int Tenths(const QString& text, int units) {
    int tenths = -99999;
    EXPECT_TRUE(ParseTemperature(text, units, tenths)) << text.toStdString();
    return tenths;
}

} // namespace

TEST(DurationText, FormatsHoursMinutesAndSeconds) {
    const std::pair<int, const char*> hhmm[] = {{0, "00:00"},        {600, "00:10"},
                                                {3600, "01:00"},     {90, "00:01:30"},
                                                {2160000, "600:00"}, {359940, "99:59"}};
    for (const auto& [seconds, text] : hhmm)
        EXPECT_EQ(FormatHhMm(seconds), text) << seconds;
    const std::pair<int, const char*> mmss[] = {
        {0, "00:00"}, {60, "01:00"}, {5, "00:05"}, {3600, "01:00:00"}, {57600, "16:00:00"}};
    for (const auto& [seconds, text] : mmss)
        EXPECT_EQ(FormatMmSs(seconds), text) << seconds;
    EXPECT_EQ(FormatHhMmRange(120, 359940), "00:02..99:59");
    EXPECT_EQ(FormatMmSsRange(5, 57600), "00:05..16:00:00");
}

TEST(DurationText, ParsesLikeAtol) {
    const std::pair<const char*, int> hhmm[] = {
        {"1:30", 5400}, {"1:", 3600},     {":45", 2700},     {" 2:05", 7500},
        {"2:5", 7500},  {"-1:00", -3600}, {"1:02:03", 3723}, {"01:00 h", 3600}};
    for (const auto& [text, seconds] : hhmm)
        EXPECT_EQ(Seconds(ParseHhMm, text), seconds) << text;
    for (const char* text : {"0:90", "90", "1:-1", "1:00:60", ""})
        EXPECT_TRUE(Rejects(ParseHhMm, text)) << text;

    const std::pair<const char*, int> mmss[] = {{"05:00", 300}, {"59:59", 3599}, {"1:00:00", 3600}};
    for (const auto& [text, seconds] : mmss)
        EXPECT_EQ(Seconds(ParseMmSs, text), seconds) << text;
    for (const char* text : {"90:00", "60:00", "1:60:00", "5"})
        EXPECT_TRUE(Rejects(ParseMmSs, text)) << text;
}

TEST(DurationText, LargeHoursSaturateInsteadOfWrapping) {
    // 1193047 h is 2^32 + 1200 s: a 32-bit product would come back as 20:00.
    EXPECT_EQ(Seconds(ParseHhMm, "1193047:00"), INT_MAX);
    EXPECT_EQ(Seconds(ParseMmSs, "1193047:00:00"), INT_MAX);
    EXPECT_EQ(Seconds(ParseHhMm, "-1193047:00"), INT_MIN);
    EXPECT_EQ(Seconds(ParseHhMm, QString(100000, u'9') + ":00"), INT_MAX);
    EXPECT_EQ(Seconds(ParseHhMm, "1:" + QString(100000, u'0') + "7"), 4020);
    EXPECT_TRUE(Rejects(ParseHhMm, "1:" + QString(100000, u'9')));
    EXPECT_TRUE(Rejects(ParseHhMm, QString(200000, u'1')));
}

TEST(DurationText, EveryFormattedDurationReadsBack) {
    for (int s = 0; s <= 359940; ++s)
        ASSERT_EQ(Seconds(ParseHhMm, FormatHhMm(s)), s);
    for (int s = 0; s <= 57600; ++s)
        ASSERT_EQ(Seconds(ParseMmSs, FormatMmSs(s)), s);
}

TEST(AnalogText, DecimalsFollowTheLargerBound) {
    // No positive bound: the magnitude stands in for the bound.
    const struct {
        double Min, Max;
        int Decimals;
    } cases[] = {{0, 100, 1},   {100, 0, 1}, {0, 20, 2},     {0, 5, 3}, {0, 1, 3},
                 {0, 10000, 0}, {0, 0.5, 4}, {0, 0.05, 5},   {3, 3, 3}, {-10, -1, 2},
                 {-5, 0, 3},    {0, 0, 0},   {0, 1e-300, 18}};
    for (const auto& c : cases)
        EXPECT_EQ(AnalogDecimals(Scale(c.Min, c.Max)), c.Decimals) << c.Min << ".." << c.Max;
}

TEST(AnalogText, FormatsInTheLocale) {
    const struct {
        int Raw;
        double Min, Max;
        const char* Text;
    } cases[] = {
        {500, 0, 100, "50.0"},    {1000, 4, 20, "20.00"},    {0, 0, 100, "0.0"},
        {1234, 0, 100, "123.4"},  {1000, 0, 10000, "10000"}, {1000, 0, 2000000, "2.00000E+06"},
        {0, -0.0001, 100, "0.0"}, {0, -10, -1, "-10.00"},    {500, -1, 0, "-0.500"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatAnalogValue(c.Raw, Scale(c.Min, c.Max)), c.Text) << c.Raw;
    EXPECT_EQ(FormatAnalogRange(Scale(0, 100)), "0.0..100.0 %");
    EXPECT_EQ(FormatAnalogRange(Scale(4, 20, "mA")), "4.00..20.00 mA");
    {
        TLocaleGuard german(QStringLiteral("de_DE"));
        EXPECT_EQ(FormatAnalogValue(500, Scale(0, 100)), "50,0");
        EXPECT_EQ(FormatAnalogValue(12345, Scale(0, 100)), "1234,5");
        EXPECT_EQ(FormatAnalogRange(Scale(0, 100)), "0,0..100,0 %");
    }
}

TEST(AnalogText, ParsesRoundedAndNeverWrapsIntoRange) {
    const TAnalogScale percent = Scale(0, 100);
    // Out of range, either way, is the "no value" word, never a value that wrapped.
    const std::pair<const char*, int> cases[] = {
        {"50", 500},       {" 2.9 ", 29},     {"2.96", 30},       {"1e1", 100},
        {"-1", 65535},     {"6553.6", 65535}, {"-6553.6", 65535}, {"1e300", 65535},
        {"6553.5", 65535}, {"6553.4", 65534}};
    for (const auto& [text, raw] : cases)
        EXPECT_EQ(Raw(text, percent), raw) << text;
    EXPECT_EQ(Raw("4.02", Scale(4, 20)), 1);
    EXPECT_EQ(Raw("0", Scale(100, 0)), 1000);

    int raw = 7;
    for (const char* text : {"", "abc", "1,5", "1.5.1", "--1", "1e", "inf", "nan", "1e999", "0x10"})
        EXPECT_FALSE(ParseAnalogValue(text, percent, raw)) << text;
    EXPECT_FALSE(ParseAnalogValue("5", Scale(5, 5), raw));
    EXPECT_EQ(raw, 7);

    TLocaleGuard german(QStringLiteral("de_DE"));
    EXPECT_EQ(Raw("2,9", percent), 29);
    EXPECT_FALSE(ParseAnalogValue("2.9", percent, raw));
    EXPECT_FALSE(ParseAnalogValue("1.000", percent, raw));
}

TEST(AnalogText, EveryRawReadsBackExactly) {
    const TAnalogScale scales[] = {Scale(0, 100),   Scale(4, 20),   Scale(0, 20),    Scale(0, 5),
                                   Scale(0, 1),     Scale(-50, 50), Scale(0, 10000), Scale(0, 0.5),
                                   Scale(0, 0.05),  Scale(100, 0),  Scale(0, 15),    Scale(-40, 85),
                                   Scale(0.2, 1.7), Scale(0, 9),    Scale(0, 0.002), Scale(-1, 0),
                                   Scale(-100, 0),  Scale(-0.05, 0)};
    for (const char* locale : {"en_US", "de_DE"}) {
        TLocaleGuard guard(QString::fromLatin1(locale));
        for (const TAnalogScale& scale : scales) {
            for (int raw = 0; raw <= 1000; ++raw) {
                const QString text = FormatAnalogValue(raw, scale);
                int back = -1;
                ASSERT_TRUE(ParseAnalogValue(text, scale, back)) << text.toStdString();
                ASSERT_EQ(back, raw)
                    << locale << " " << scale.Min << ".." << scale.Max << " " << text.toStdString();
            }
        }
    }
}

TEST(TemperatureText, FormatsClampedInTheUnit) {
    EXPECT_EQ(TemperatureUnitText(0), " \u00B0C");
    EXPECT_EQ(TemperatureUnitText(1), " F");
    EXPECT_EQ(TemperatureUnitText(7), " \u00B0C");
    // Taken as 16 bits: 0xFFFF is -0.1.
    const struct {
        int Tenths, Units;
        const char* Text;
    } cases[] = {{250, 0, "25.0"},   {250, 1, "77.0"},   {251, 1, "77.1"},  {850, 1, "185.0"},
                 {-400, 0, "-40.0"}, {-400, 1, "-40.0"}, {1000, 0, "85.0"}, {-500, 0, "-40.0"},
                 {-5, 0, "-0.5"},    {-1, 1, "31.9"},    {0, 0, "0.0"},     {0xFFFF, 0, "-0.1"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatTemperature(c.Tenths, c.Units), c.Text) << c.Tenths << " " << c.Units;
    EXPECT_EQ(FormatTemperatureRange(-400, 850, 0), "-40.0..85.0  \u00B0C");
    EXPECT_EQ(FormatTemperatureRange(-400, 850, 1), "-40.0..185.0  F");
    TLocaleGuard german(QStringLiteral("de_DE"));
    EXPECT_EQ(FormatTemperature(250, 1), "77,0");
    EXPECT_EQ(FormatTemperatureRange(-400, 850, 0), "-40,0..85,0  \u00B0C");
}

TEST(TemperatureText, ParsesRoundedToTheNearestTenth) {
    const struct {
        const char* Text;
        int Units, Tenths;
    } cases[] = {{"25.06", 0, 251}, {"25.04", 0, 250},    {"-25.06", 0, -251},
                 {"212", 1, 1000},  {"77", 1, 250},       {"77.1", 1, 251},
                 {"-40", 1, -400},  {"1e12", 0, INT_MAX}, {"-1e12", 1, INT_MIN},
                 {"100", 1, 378}}; // 37.78 degrees Celsius: nearest, not toward zero
    for (const auto& c : cases)
        EXPECT_EQ(Tenths(c.Text, c.Units), c.Tenths) << c.Text;
    int tenths = 3;
    EXPECT_FALSE(ParseTemperature("", 0, tenths));
    EXPECT_FALSE(ParseTemperature("25 C", 0, tenths));
    EXPECT_EQ(tenths, 3);
    TLocaleGuard german(QStringLiteral("de_DE"));
    EXPECT_EQ(Tenths("25,5", 0), 255);
    EXPECT_FALSE(ParseTemperature("25.5", 0, tenths));
}

TEST(TemperatureText, EveryShownTemperatureReadsBackExactly) {
    for (const char* locale : {"en_US", "de_DE"}) {
        TLocaleGuard guard(QString::fromLatin1(locale));
        for (int units : {0, 1}) {
            for (int t = -400; t <= 850; ++t)
                ASSERT_EQ(Tenths(FormatTemperature(t, units), units), t) << locale << units;
        }
    }
}

TEST(DateTimeText, ReadsBackWhatTheDisplayTextsWrite) {
    const TDateTime moments[] = {
        Moment(2000, 1, 1),
        Moment(2000, 2, 29, 12, 0, 0),
        Moment(2024, 12, 31, 23, 59, 59),
        Moment(2099, 6, 15, 1, 2, 3),
        Moment(2011, 3, 27, 0, 30, 15),
        Moment(2035, 10, 5, 12, 30, 0),
    };
    for (const char* locale : {"en_US", "de_DE", "en_GB", "fi_FI", "hu_HU", "ko_KR", "bg_BG",
                               "ar_EG", "ja_JP", "es_ES", "sk_SK", "ccp_BD", "ff_Adlm_SN"}) {
        TLocaleGuard guard(QString::fromLatin1(locale));
        for (const TDateTime moment : moments) {
            int y, mo, d, h, mi, s, ms;
            DecodeDateTime(moment, y, mo, d, h, mi, s, ms);
            TDateTime value = 0;
            const QString shortText = DateShortTimeText(moment);
            ASSERT_TRUE(ParseDateTime(shortText, value))
                << locale << " " << shortText.toStdString();
            EXPECT_EQ(value, Moment(y, mo, d, h, mi)) << locale << " " << shortText.toStdString();
            const QString longText = DateTimeText(moment);
            ASSERT_TRUE(ParseDateTime(longText, value)) << locale << " " << longText.toStdString();
            EXPECT_EQ(value, moment) << locale << " " << longText.toStdString();
        }
    }
}

TEST(DateTimeText, TwoDigitYearsAreThisCentury) {
    TDateTime value = 0;
    ASSERT_TRUE(ParseDateTime("1/2/99 3:04 PM", value));
    EXPECT_EQ(value, Moment(2099, 1, 2, 15, 4));
    ASSERT_TRUE(ParseDateTime("2/29/00 12:00 AM", value));
    EXPECT_EQ(value, Moment(2000, 2, 29));
    ASSERT_TRUE(ParseDateTime(" 1/2/2024 15:04 ", value));
    EXPECT_EQ(value, Moment(2024, 1, 2, 15, 4));
    ASSERT_TRUE(ParseDateTime("1/2/24", value));
    EXPECT_EQ(value, Moment(2024, 1, 2));

    TLocaleGuard german(QStringLiteral("de_DE"));
    ASSERT_TRUE(ParseDateTime("29.02.00 13:05:09", value));
    EXPECT_EQ(value, Moment(2000, 2, 29, 13, 5, 9));
    ASSERT_TRUE(ParseDateTime("1.2.24 7:05", value));
    EXPECT_EQ(value, Moment(2024, 2, 1, 7, 5));
}

TEST(DateTimeText, RejectsWhatIsNotADate) {
    TDateTime value = 5;
    for (const char* text :
         {"", "hello", "12:00", "2/30/24 1:00 PM", "13/1/24", "1/2/24 25:00", "1/2/24 13:00 PM",
          "1/2/24 3:04 PM junk", "1/2", "1/2/24 3:60 PM", "0/1/24", "1/2/0000"}) {
        EXPECT_FALSE(ParseDateTime(text, value)) << text;
        EXPECT_EQ(value, 0);
    }
    TLocaleGuard german(QStringLiteral("de_DE"));
    EXPECT_FALSE(ParseDateTime("2/1/24 12:00", value));
    EXPECT_FALSE(ParseDateTime("31.04.24", value));
}
