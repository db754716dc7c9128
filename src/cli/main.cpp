#include "cli/cli.h"

#include <csignal>
#include <iostream>

int main(int argc, char* argv[]) {
    // A reader that went away (a closed pipe) is a failed write, reported like a full disk,
    // instead of a silent end by signal.
    std::signal(SIGPIPE, SIG_IGN);
    return tensora::run_cli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
