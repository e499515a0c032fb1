// Writes a benchmark CSV file: makecsv wide|handoff RECORDS OUT.csv
#include "benchdata.h"

// std
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::cerr << "usage: makecsv wide|handoff RECORDS OUT.csv\n";
        return 2;
    }
    const std::string kind = argv[1];
    const std::size_t records = std::stoul(argv[2]);
    const std::string csv =
        kind == "wide" ? benchdata::wideCsv(records) : benchdata::handoffCsv(records);
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << csv;
    return out ? 0 : 1;
}
