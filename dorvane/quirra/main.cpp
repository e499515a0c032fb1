// quirra: converts between Quirra database files and CSV files from the command line.
#include "quirracli.h"

// std
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::ios::sync_with_stdio(false);
    const int status = quirra::run(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
