#include "InternalError.h"

TInternalError TInternalError::OnFile(const char* unit, int line) {
    return TInternalError("Error on file " + std::string(unit) + " line " + std::to_string(line));
}

TInternalError TInternalError::Switch(const char* unit, int line) {
    return TInternalError("Error switch file " + std::string(unit) + " line " +
                          std::to_string(line));
}
