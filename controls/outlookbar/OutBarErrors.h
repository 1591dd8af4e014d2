#pragma once
// The outlook bar's errors, with their fixed message texts.
#include <stdexcept>
#include <string>

namespace yq {

// "List index out of bounds (%d)".
class EListError : public std::out_of_range {
public:
    explicit EListError(int index);
};

// "Invalid property value" and the other rejected settings.
class EInvalidProperty : public std::invalid_argument {
public:
    explicit EInvalidProperty(const char* message = "Invalid property value")
        : std::invalid_argument(message) {}
    explicit EInvalidProperty(const std::string& message) : std::invalid_argument(message) {}
};

} // namespace yq
