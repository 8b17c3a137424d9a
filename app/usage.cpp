#include "app/usage.h"

#include <iostream>

void help(const char* progname) {
    std::cerr << "Usage: ";
    if (progname == nullptr) {
        std::cerr.setstate(std::ios::failbit);
        return;
    }
    std::cerr << progname << std::endl;
    std::cerr << "\t-l <Language> ............ Set display language" << std::endl;
    std::cerr << "\t-h ....................... Print help (this message)" << std::endl;
}
