// saruvi-measure: Saruvi's measurement from the command line, for one image or a batch.

#include "tools/measure/MeasureTool.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    // Unsynchronised, the standard streams report a failed read or write in their state, where
    // the C streams under them would keep it to themselves.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunMeasureTool(args, {std::cin, std::cout, std::cerr, isatty(STDERR_FILENO) == 1});
}
