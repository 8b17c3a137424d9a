#include "app/commandline.h"

#include "app/getopt.h"
#include "app/usage.h"

CommandLine parseCommandLine(int argc, char* argv[]) {
    CommandLine result;
    bool usagePrinted = false;
    int option;
    while ((option = cmdline::my_getopt(argc, argv, "c:l:h")) >= 0) {
        switch (option) {
        case 'h':
            help(argv[0]);
            result.helpRequested = true;
            return result;
        case 'l':
            result.language = cmdline::my_optarg;
            break;
        default:
            if (!usagePrinted) {
                help(argv[0]);
            }
            usagePrinted = true;
            break;
        }
    }
    return result;
}
