#pragma once

// A small getopt(3)-style option parser of our own, so that option handling is the same on every
// platform. The state lives in a namespace of its own to stay clear of the C library's globals.
namespace cmdline {

// Index of the next element of the argument vector to scan; starts at 1.
extern int optind;
// Argument of the option last returned, or null.
extern const char* my_optarg;
// When non-zero, the next call restarts scanning at element optind and clears the flag.
extern int optreset;

// Returns the next option character, -1 at the end of the options, '?' for an unknown option or a
// missing argument (':' for a missing argument when optstring begins with ':').
int my_getopt(int argc, char* const argv[], const char* optstring);

} // namespace cmdline
