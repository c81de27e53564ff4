#pragma once

#include <cstdint>

// Line settings of a UART, copied whole.
struct TUartSettings {
    int32_t BaudRate = 9600;
    int32_t DataBits = 8;   // 7 or 8
    int32_t StopBits = 10;  // 10 = one stop bit, 20 = two
    int8_t Parity = 0;      // 0 none, 1 odd, 2 even, 3 mark, 4 space
    int8_t FlowControl = 0; // 0 none, 1 RTS/CTS, 2 XON/XOFF, 3 none

    bool operator==(const TUartSettings&) const = default;
};
