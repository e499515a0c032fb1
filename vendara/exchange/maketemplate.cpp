// Writes the hand-off's template database: vendara_template OUT.pjt

#include "handheldtemplate.h"

// std
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: vendara_template OUT.pjt\n", stderr);
        return 2;
    }
    const common::Status written = vendara::HandheldTemplate::build().write(argv[1]);
    if (!written.ok()) {
        std::fprintf(stderr, "vendara_template: %s\n", written.message().c_str());
        return 1;
    }
    return 0;
}
