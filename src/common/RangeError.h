#pragma once

#include <stdexcept>

// A value outside its allowed range: a log index, or a field value an editor rejects.
// Reported to the user as "Parameter out of range".
class ERangeError : public std::out_of_range {
public:
    ERangeError() : std::out_of_range("") {}
};
