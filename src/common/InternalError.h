#pragma once

#include <stdexcept>
#include <string>

// A broken invariant of the program itself. Its message names the unit and a fixed
// check-point number, so a report from the field points at the failed check.
class TInternalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // "Error on file <unit> line <n>": a broken precondition.
    static TInternalError OnFile(const char* unit, int line);
    // "Error switch file <unit> line <n>": a value that a multi-way choice does not cover.
    static TInternalError Switch(const char* unit, int line);
};
