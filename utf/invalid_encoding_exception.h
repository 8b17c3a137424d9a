#pragma once

#include <exception>

namespace utf {

// Thrown by the strict decoders and conversions for malformed input.
class invalid_encoding_exception : public std::exception {
public:
    ~invalid_encoding_exception() override;
    const char* what() const noexcept override;
};

} // namespace utf
