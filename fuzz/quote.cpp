// A quote file of the catalogue program (quote.dat or a saved quote): read, and when it is a
// quote, written in both forms and read back to the same quote. Aborts when the reader or the
// writer breaks one of their promises.
#include "promise.h"

#include "vendara/pricing/quotefile.h"

// std
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace fuzz {

void readQuote(const std::uint8_t *data, std::size_t size)
{
    using vendara::QuoteFile;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const QuoteFile::ReadResult read = QuoteFile::read(bytes);
    if (!read.ok()) {
        require(read.contents == QuoteFile::Contents{}, "nothing read from a refused file");
        require(read.error != QuoteFile::Error::NewerVersion || read.version > QuoteFile::Version,
                "a newer version is newer");
        return;
    }
    const QuoteFile::Contents &quote = read.contents;
    require(quote.lines.size() <= std::size_t(QuoteFile::MaxLines), "at most 250 lines");
    for (const QuoteFile::Line &line : quote.lines)
        require(line[0].kind != QuoteFile::Value::Kind::Empty, "every line has a part number");

    // The working copy keeps everything; a saved quote its lines and totals.
    const std::string working = QuoteFile::write(quote, QuoteFile::Form::WorkingCopy);
    const QuoteFile::ReadResult again = QuoteFile::read(working);
    require(again.ok() && again.contents == quote, "the working copy reads back the same");
    require(QuoteFile::write(again.contents, QuoteFile::Form::WorkingCopy) == working,
            "written the same twice");

    const QuoteFile::ReadResult saved =
        QuoteFile::read(QuoteFile::write(quote, QuoteFile::Form::Saved));
    require(saved.ok() && saved.contents.lines == quote.lines
                && saved.contents.totals == quote.totals,
            "a saved quote reads back the same");
}

} // namespace fuzz
