// A stand-in for the workbook reader process: what it does is the first word of the file it
// is given, so that tests can make a reader that crashes, hangs, spins, or answers badly.
//   crash   dies of a segmentation fault      sleep   waits a minute
//   spin    computes forever                  status  ends with exit status 5
//   garbage answers what is no answer         flood   answers 4 MB of cells
#include <QByteArray>
#include <QFile>

// std
#include <csignal>
#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    QFile file(QFile::decodeName(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    const QByteArray what = file.readLine().trimmed();
    if (what == "crash") {
        std::signal(SIGSEGV, SIG_DFL); // no sanitizer's report in between
        std::raise(SIGSEGV);
    } else if (what == "sleep") {
        sleep(60);
    } else if (what == "spin") {
        volatile unsigned long n = 0;
        for (;;)
            n = n + 1;
    } else if (what == "status") {
        return 5;
    } else if (what == "garbage") {
        std::fputs("vendara-sheet 1\nc 1 1 x what\nend\n", stdout);
    } else if (what == "flood") {
        std::fputs("vendara-sheet 1\n", stdout);
        for (int row = 1; row <= 200000; ++row)
            std::printf("c %d 1 t a cell of the flood\n", row);
        std::fputs("end\n", stdout);
    }
    return 0;
}
