#include "app/getopt.h"

#include <cstring>
#include <iostream>

namespace cmdline {

int optind = 1;
const char* my_optarg = nullptr;
int optreset = 0;

namespace {

const char* const emptyString = "";
// Scanning position inside the current element; empty when it points at a terminating NUL.
const char* place = emptyString;

bool contains(const char* optstring, int c) {
    return c != 0 && std::strchr(optstring, c) != nullptr;
}

bool silentMode(const char* optstring) {
    return optstring[0] == ':';
}

void report(const char* message, int c) {
    std::cout << message << static_cast<char>(c) << '\n' << std::flush;
}

// Moves to the next element. Returns 0 when an option character is ready at place, -1 when
// option processing ends, or '-' when a lone dash is itself an option.
int startElement(int argc, char* const argv[], const char* optstring) {
    optreset = 0;
    if (optind >= argc || argv[optind][0] != '-') {
        place = emptyString;
        return -1;
    }
    place = argv[optind];
    if (place[1] == '\0') {
        ++place;
        return contains(optstring, '-') ? '-' : -1;
    }
    if (place[1] == '-') {
        ++optind;
        place = emptyString;
        return -1;
    }
    ++place;
    return 0;
}

int takeArgument(int argc, char* const argv[], const char* optstring, int c) {
    if (*place != '\0') {
        my_optarg = place;
        ++optind;
    } else if (++optind >= argc) {
        place = emptyString;
        if (silentMode(optstring)) {
            return ':';
        }
        report("option requires an argument -- ", c);
        return '?';
    } else {
        my_optarg = argv[optind++];
    }
    place = emptyString;
    return c;
}

// An option character that the option string does not offer; a dash inside a group ends the
// options instead.
int rejectOption(const char* optstring, int c) {
    if (c == '-') {
        return -1;
    }
    if (*place == '\0') {
        ++optind;
    }
    if (!silentMode(optstring)) {
        report("illegal option -- ", c);
    }
    return '?';
}

} // namespace

int my_getopt(int argc, char* const argv[], const char* optstring) {
    int c = 0;
    if (optreset != 0 || *place == '\0') {
        const int started = startElement(argc, argv, optstring);
        if (started == -1) {
            return -1;
        }
        c = started; // '-' for a lone dash the option string accepts
    }
    if (c != '-') {
        c = static_cast<unsigned char>(*place++);
        if (c == ':' || !contains(optstring, c)) {
            return rejectOption(optstring, c);
        }
    }
    const char* entry = std::strchr(optstring, c);
    if (entry[1] == ':') {
        return takeArgument(argc, argv, optstring, c);
    }
    my_optarg = nullptr;
    if (*place == '\0') {
        ++optind;
    }
    return c;
}

} // namespace cmdline
