#pragma once

#include <QString>
#include <cstdint>

// Texts of the Connector image: one byte per character in the Windows-1252 code page,
// NUL-terminated inside a fixed field.
class TAnsiText {
public:
    // Writes at most size - 1 characters and NUL-fills the rest of the field, so the last
    // byte is always 0. A character the code page cannot hold is stored as "?".
    static void Store(const QString& text, uint8_t* field, int size);
    // Reads up to the first NUL, but never more than maxLength bytes.
    static QString Load(const uint8_t* field, int maxLength);

    static uint8_t ToByte(char32_t c);
    static char32_t FromByte(uint8_t b);
};
