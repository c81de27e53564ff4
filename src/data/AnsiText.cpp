#include "AnsiText.h"

#include <QList>
#include <algorithm>
#include <cstring>

namespace {

// 0x80..0x9F; the five code points the code page leaves undefined map to the C1 controls.
constexpr char16_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

uint8_t TAnsiText::ToByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return uint8_t(c);
    const auto* hit = std::find(std::begin(High), std::end(High), c);
    return hit != std::end(High) ? uint8_t(0x80 + (hit - std::begin(High))) : uint8_t('?');
}

char32_t TAnsiText::FromByte(uint8_t b) {
    return b >= 0x80 && b < 0xA0 ? High[b - 0x80] : b;
}

void TAnsiText::Store(const QString& text, uint8_t* field, int size) {
    std::memset(field, 0, size_t(size));
    int n = 0;
    for (const char32_t c : text.toUcs4()) {
        if (n == size - 1) break;
        field[n++] = ToByte(c);
    }
}

QString TAnsiText::Load(const uint8_t* field, int maxLength) {
    QString text;
    for (int i = 0; i < maxLength && field[i] != 0; ++i) {
        const char32_t c = FromByte(field[i]);
        text += QChar(char16_t(c));
    }
    return text;
}
