#pragma once

#include <cstdio>
#include <string>

// Checks for the test programs that run under Wine, where there is no test framework: each
// check prints a line, and summary() prints the closing count and gives the exit code.
class Checks {
public:
    void that(bool passed, const std::string& what) {
        std::printf("%s: %s\n", passed ? "PASS" : "FAIL", what.c_str());
        ++(passed ? passes : failures);
    }

    void equal(const std::string& actual, const std::string& expected, const std::string& what) {
        that(actual == expected, what + " (\"" + actual + "\", expected \"" + expected + "\")");
    }

    int summary() const {
        std::printf("%d passed, %d failed\n", passes, failures);
        return failures == 0 ? 0 : 1;
    }

private:
    int passes = 0;
    int failures = 0;
};
