#pragma once

#include <cstdio>
#include <string>

// Checks for the test programs that run under Wine, where there is no test framework: each
// prints a line, and summary() prints the closing count and gives the exit code.
struct Checks {
    int passes = 0;
    int failures = 0;

    void operator()(bool passed, const std::string& what) {
        std::printf("%s: %s\n", passed ? "PASS" : "FAIL", what.c_str());
        ++(passed ? passes : failures);
    }
    int summary() const {
        std::printf("%d passed, %d failed\n", passes, failures);
        return failures == 0 ? 0 : 1;
    }
};
