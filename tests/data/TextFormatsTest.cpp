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

TDateTime Encode(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    TDateTime value = 0;
    EXPECT_TRUE(TryEncodeDateTime(y, mo, d, h, mi, s, 0, value));
    return value;
}

} // namespace

TEST(DurationText, FormatsHoursMinutesAndSeconds) {
    EXPECT_EQ(FormatHhMm(0), "00:00");
    EXPECT_EQ(FormatHhMm(600), "00:10");
    EXPECT_EQ(FormatHhMm(3600), "01:00");
    EXPECT_EQ(FormatHhMm(90), "00:01:30");
    EXPECT_EQ(FormatHhMm(2160000), "600:00");
    EXPECT_EQ(FormatHhMm(359940), "99:59");
    EXPECT_EQ(FormatMmSs(0), "00:00");
    EXPECT_EQ(FormatMmSs(60), "01:00");
    EXPECT_EQ(FormatMmSs(5), "00:05");
    EXPECT_EQ(FormatMmSs(3600), "01:00:00");
    EXPECT_EQ(FormatMmSs(57600), "16:00:00");
    EXPECT_EQ(FormatHhMmRange(120, 359940), "00:02..99:59");
    EXPECT_EQ(FormatMmSsRange(5, 57600), "00:05..16:00:00");
}

TEST(DurationText, ParsesLikeAtol) {
    EXPECT_EQ(Seconds(ParseHhMm, "1:30"), 5400);
    EXPECT_EQ(Seconds(ParseHhMm, "1:"), 3600);
    EXPECT_EQ(Seconds(ParseHhMm, ":45"), 2700);
    EXPECT_EQ(Seconds(ParseHhMm, " 2:05"), 7500);
    EXPECT_EQ(Seconds(ParseHhMm, "2:5"), 7500);
    EXPECT_EQ(Seconds(ParseHhMm, "-1:00"), -3600);
    EXPECT_EQ(Seconds(ParseHhMm, "1:02:03"), 3723);
    EXPECT_EQ(Seconds(ParseHhMm, "01:00 h"), 3600);
    EXPECT_TRUE(Rejects(ParseHhMm, "0:90"));
    EXPECT_TRUE(Rejects(ParseHhMm, "90"));
    EXPECT_TRUE(Rejects(ParseHhMm, "1:-1"));
    EXPECT_TRUE(Rejects(ParseHhMm, "1:00:60"));
    EXPECT_TRUE(Rejects(ParseHhMm, ""));

    EXPECT_EQ(Seconds(ParseMmSs, "05:00"), 300);
    EXPECT_EQ(Seconds(ParseMmSs, "59:59"), 3599);
    EXPECT_EQ(Seconds(ParseMmSs, "1:00:00"), 3600);
    EXPECT_TRUE(Rejects(ParseMmSs, "90:00"));
    EXPECT_TRUE(Rejects(ParseMmSs, "60:00"));
    EXPECT_TRUE(Rejects(ParseMmSs, "1:60:00"));
    EXPECT_TRUE(Rejects(ParseMmSs, "5"));
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
    EXPECT_EQ(AnalogDecimals(Scale(0, 100)), 1);
    EXPECT_EQ(AnalogDecimals(Scale(100, 0)), 1);
    EXPECT_EQ(AnalogDecimals(Scale(0, 20)), 2);
    EXPECT_EQ(AnalogDecimals(Scale(0, 5)), 3);
    EXPECT_EQ(AnalogDecimals(Scale(0, 1)), 3);
    EXPECT_EQ(AnalogDecimals(Scale(0, 10000)), 0);
    EXPECT_EQ(AnalogDecimals(Scale(0, 0.5)), 4);
    EXPECT_EQ(AnalogDecimals(Scale(0, 0.05)), 5);
    EXPECT_EQ(AnalogDecimals(Scale(3, 3)), 3);
    // No positive bound: the magnitude stands in for the bound.
    EXPECT_EQ(AnalogDecimals(Scale(-10, -1)), 2);
    EXPECT_EQ(AnalogDecimals(Scale(-5, 0)), 3);
    EXPECT_EQ(AnalogDecimals(Scale(0, 0)), 0);
    EXPECT_EQ(AnalogDecimals(Scale(0, 1e-300)), 18);
}

TEST(AnalogText, FormatsInTheLocale) {
    EXPECT_EQ(FormatAnalogValue(500, Scale(0, 100)), "50.0");
    EXPECT_EQ(FormatAnalogValue(1000, Scale(4, 20)), "20.00");
    EXPECT_EQ(FormatAnalogValue(0, Scale(0, 100)), "0.0");
    EXPECT_EQ(FormatAnalogValue(1234, Scale(0, 100)), "123.4");
    EXPECT_EQ(FormatAnalogValue(1000, Scale(0, 10000)), "10000");
    EXPECT_EQ(FormatAnalogValue(1000, Scale(0, 2000000)), "2.00000E+06");
    EXPECT_EQ(FormatAnalogValue(0, Scale(-0.0001, 100)), "0.0");
    EXPECT_EQ(FormatAnalogValue(0, Scale(-10, -1)), "-10.00");
    EXPECT_EQ(FormatAnalogValue(500, Scale(-1, 0)), "-0.500");
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
    EXPECT_EQ(Raw("50", percent), 500);
    EXPECT_EQ(Raw(" 2.9 ", percent), 29);
    EXPECT_EQ(Raw("2.96", percent), 30);
    EXPECT_EQ(Raw("1e1", percent), 100);
    EXPECT_EQ(Raw("-1", percent), 65535);
    EXPECT_EQ(Raw("6553.6", percent), 65535);
    EXPECT_EQ(Raw("-6553.6", percent), 65535);
    EXPECT_EQ(Raw("1e300", percent), 65535);
    EXPECT_EQ(Raw("6553.5", percent), 65535);
    EXPECT_EQ(Raw("6553.4", percent), 65534);
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
    EXPECT_EQ(FormatTemperature(250, 0), "25.0");
    EXPECT_EQ(FormatTemperature(250, 1), "77.0");
    EXPECT_EQ(FormatTemperature(251, 1), "77.1");
    EXPECT_EQ(FormatTemperature(850, 1), "185.0");
    EXPECT_EQ(FormatTemperature(-400, 0), "-40.0");
    EXPECT_EQ(FormatTemperature(-400, 1), "-40.0");
    EXPECT_EQ(FormatTemperature(1000, 0), "85.0");
    EXPECT_EQ(FormatTemperature(-500, 0), "-40.0");
    EXPECT_EQ(FormatTemperature(-5, 0), "-0.5");
    EXPECT_EQ(FormatTemperature(-1, 1), "31.9");
    EXPECT_EQ(FormatTemperature(0, 0), "0.0");
    // Taken as 16 bits: 0xFFFF is -0.1.
    EXPECT_EQ(FormatTemperature(0xFFFF, 0), "-0.1");
    EXPECT_EQ(FormatTemperatureRange(-400, 850, 0), "-40.0..85.0  \u00B0C");
    EXPECT_EQ(FormatTemperatureRange(-400, 850, 1), "-40.0..185.0  F");
    TLocaleGuard german(QStringLiteral("de_DE"));
    EXPECT_EQ(FormatTemperature(250, 1), "77,0");
    EXPECT_EQ(FormatTemperatureRange(-400, 850, 0), "-40,0..85,0  \u00B0C");
}

TEST(TemperatureText, ParsesRoundedToTheNearestTenth) {
    EXPECT_EQ(Tenths("25.06", 0), 251);
    EXPECT_EQ(Tenths("25.04", 0), 250);
    EXPECT_EQ(Tenths("-25.06", 0), -251);
    EXPECT_EQ(Tenths("212", 1), 1000);
    EXPECT_EQ(Tenths("77", 1), 250);
    EXPECT_EQ(Tenths("77.1", 1), 251);
    EXPECT_EQ(Tenths("-40", 1), -400);
    EXPECT_EQ(Tenths("1e12", 0), INT_MAX);
    EXPECT_EQ(Tenths("-1e12", 1), INT_MIN);
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
        Encode(2000, 1, 1),
        Encode(2000, 2, 29, 12, 0, 0),
        Encode(2024, 12, 31, 23, 59, 59),
        Encode(2099, 6, 15, 1, 2, 3),
        Encode(2011, 3, 27, 0, 30, 15),
        Encode(2035, 10, 5, 12, 30, 0),
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
            EXPECT_EQ(value, Encode(y, mo, d, h, mi)) << locale << " " << shortText.toStdString();
            const QString longText = DateTimeText(moment);
            ASSERT_TRUE(ParseDateTime(longText, value)) << locale << " " << longText.toStdString();
            EXPECT_EQ(value, moment) << locale << " " << longText.toStdString();
        }
    }
}

TEST(DateTimeText, TwoDigitYearsAreThisCentury) {
    TDateTime value = 0;
    ASSERT_TRUE(ParseDateTime("1/2/99 3:04 PM", value));
    EXPECT_EQ(value, Encode(2099, 1, 2, 15, 4));
    ASSERT_TRUE(ParseDateTime("2/29/00 12:00 AM", value));
    EXPECT_EQ(value, Encode(2000, 2, 29));
    ASSERT_TRUE(ParseDateTime(" 1/2/2024 15:04 ", value));
    EXPECT_EQ(value, Encode(2024, 1, 2, 15, 4));
    ASSERT_TRUE(ParseDateTime("1/2/24", value));
    EXPECT_EQ(value, Encode(2024, 1, 2));

    TLocaleGuard german(QStringLiteral("de_DE"));
    ASSERT_TRUE(ParseDateTime("29.02.00 13:05:09", value));
    EXPECT_EQ(value, Encode(2000, 2, 29, 13, 5, 9));
    ASSERT_TRUE(ParseDateTime("1.2.24 7:05", value));
    EXPECT_EQ(value, Encode(2024, 2, 1, 7, 5));
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
