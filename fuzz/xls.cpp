// Excel 97-2003 workbooks: the compound document, the check of the workbook stream, FreeXL
// and the scan of what FreeXL leaves out. An input that is not a compound document is taken
// as a bare workbook stream and wrapped in one, so that the fuzzer can work on the records.
//
// The project's own readers run here, where the fuzzer sees their coverage; a file they let
// through to FreeXL is read whole in a child process, as it is in the reader process of the
// program: FreeXL keeps memory on some files (up to its limit of 256 MB of cells), which would
// pile up over a campaign. A child that crashes or breaks a promise fails the input.
#include "fuzzsupport.h"

#include "vendara/exchange/biffcheck.h"
#include "vendara/exchange/biffsheetscan.h"
#include "vendara/exchange/compoundfile.h"
#include "vendara/exchange/xlsreader.h"

// std
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fuzz {

void readXls(const std::uint8_t *data, std::size_t size)
{
    QByteArrayView input(data, qsizetype(size));
    static const QByteArray signature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    const QByteArray file =
        input.startsWith(signature) ? input.toByteArray() : compoundDocument(input);

    bool toFreeXl = false;
    if (const auto document = vendara::CompoundFile::parse(file)) {
        auto stream = document->stream(QStringLiteral("Workbook"));
        if (!stream)
            stream = document->stream(QStringLiteral("Book"));
        if (stream && vendara::BiffCheck::wellFormed(*stream)) {
            (void)vendara::BiffSheetScan::scan(*stream, QString());
            toFreeXl = true;
        }
    }
    const QString path = scratchFile(QStringLiteral("input.xls"), file);
    if (!toFreeXl) {
        requireTransfer(vendara::XlsReader::read(path)); // refused before FreeXL
        return;
    }

    std::fflush(nullptr);
    const pid_t child = fork();
    require(child >= 0, "a child process");
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        requireTransfer(vendara::XlsReader::read(path));
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        require(errno == EINTR, "the child process ends");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the reader's child process failed (%s %d)\n",
                     WIFSIGNALED(status) ? "signal" : "exit status",
                     WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
        std::abort();
    }
}

} // namespace fuzz
