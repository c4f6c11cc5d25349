#include "cli/cli.h"

#include <iostream>

int main(int argc, char** argv) {
    return oq::cli::Run(argc, argv, std::cout, std::cerr);
}
