#pragma once

#include <string>

// What the command line asks of the program before anything else is created.
struct CommandLine {
    std::string language; // empty when no -l was given
    bool helpRequested = false;
};

// Reads the options "c:l:h". The usage text goes to standard error at most once for any number of
// unknown options, missing arguments or -c, and again for -h, which ends parsing at once.
CommandLine parseCommandLine(int argc, char* argv[]);
