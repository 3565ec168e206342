#include "engine/OperationResult.h"

#include <cstring>

std::string OperationError::reason() const {
    if (systemError == 0)
        return {};
    // strerror_r is the thread-safe form; the GNU variant may return a static string.
    char buffer[256] = {};
    return strerror_r(systemError, buffer, sizeof buffer);
}
