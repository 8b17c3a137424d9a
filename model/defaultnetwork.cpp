#include "model/defaultnetwork.h"

#include <algorithm>
#include <cctype>

namespace defaultnetwork {

bool isRadioAdapter(const std::string& description) {
    std::string lower = description;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("cp210x") != std::string::npos;
}

} // namespace defaultnetwork
