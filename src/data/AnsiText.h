#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

// The Windows code pages the Connector's texts are written in, by their numbers.
enum class TCodePage {
    CentralEuropean = 1250,
    Cyrillic = 1251,
    Western = 1252,
    Baltic = 1257,
};

// Texts of the Connector image and of the CSV export: one byte per character in the code
// page in effect, NUL-terminated inside a fixed field. The code page is process-wide, as
// the system's ANSI code page is for the sampler's own tools.
class TAnsiText {
public:
    static TCodePage CodePage();
    static void SetCodePage(TCodePage page);
    // The code page whose users write that language: Central European for Czech, Slovak,
    // Polish and Romanian, Cyrillic for Bulgarian and Russian, Baltic for Lithuanian,
    // Western for the rest.
    static TCodePage CodePageFor(QLocale::Language language);
    // 1250, 1251, 1252 and 1257; nothing for other numbers.
    static std::optional<TCodePage> CodePageOfNumber(int number);

    // Writes at most size - 1 characters and NUL-fills the rest of the field, so the last
    // byte is always 0. A character the code page cannot hold is stored as "?".
    static void Store(const QString& text, uint8_t* field, int size);
    // Reads up to the first NUL, but never more than maxLength bytes.
    static QString Load(const uint8_t* field, int maxLength);
    static QByteArray Encode(const QString& text);
    // The text as the other code page reads the bytes this one wrote: what a record read
    // under the wrong code page shows once the right one is chosen.
    static QString Recode(const QString& text, TCodePage from, TCodePage to);
    // The distinct characters of a text the code page cannot hold, in their order, those of
    // the bytes it leaves undefined included: typed text never produces such a byte.
    static QString Unstorable(const QString& text, TCodePage page = CodePage());
    // "These letters cannot be stored in code page 1252: С т а н ц и я".
    static QString UnstorableMessage(const QString& letters, TCodePage page = CodePage());

    // Bytes the code page leaves undefined map to the code point of the same number, so
    // every byte reads back as itself.
    static uint8_t ToByte(char32_t c, TCodePage page = CodePage());
    static char32_t FromByte(uint8_t b, TCodePage page = CodePage());
};
