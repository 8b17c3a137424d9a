#include "utf/invalid_encoding_exception.h"

namespace utf {

invalid_encoding_exception::~invalid_encoding_exception() = default;

const char* invalid_encoding_exception::what() const noexcept {
    return "Invalid UTF encoding";
}

} // namespace utf
