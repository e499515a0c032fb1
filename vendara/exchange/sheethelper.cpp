// `vendara-sheet FILE`: the workbook reader process. Reads the first worksheet of FILE with the
// program's own readers (and FreeXL, which cannot be made safe against every damaged file)
// and writes it to standard output in the form SheetTransfer describes. The catalogue program
// starts it for every workbook the user opens, under limits of time and memory, so that
// whatever a damaged file does to a reader ends here and not in the program.
//
// Exit status: 0 with an answer on standard output (also for a refused file), 2 for a wrong
// command line, 3 when memory ran out, 4 when standard output could not be written.
#include "sheettransfer.h"
#include "workbook.h"

// Qt
#include <QFile>
#include <QString>

// std
#include <cstdio>
#include <new>
#include <unistd.h>

namespace {

constexpr int kUsage = 2;
constexpr int kOutOfMemory = 3;
constexpr int kCannotWrite = 4;

[[noreturn]] void outOfMemory()
{
    static const char text[] = "vendara-sheet: out of memory\n";
    (void)!write(STDERR_FILENO, text, sizeof text - 1);
    _exit(kOutOfMemory);
}

} // namespace

int main(int argc, char **argv)
{
    std::set_new_handler(outOfMemory);
    if (argc != 2) {
        std::fputs("usage: vendara-sheet FILE\n", stderr);
        return kUsage;
    }
    try {
        const vendara::Workbook::OpenResult result =
            vendara::Workbook::open(QFile::decodeName(argv[1]));
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || !vendara::SheetTransfer::write(result, out)
            || !out.flush())
            return kCannotWrite;
    } catch (const std::bad_alloc &) {
        outOfMemory();
    }
    return 0;
}
