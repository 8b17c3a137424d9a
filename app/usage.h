#pragma once

// Prints the usage text to standard error. A null program path puts the stream into its failed
// state and prints nothing further.
void help(const char* progname);
