#include "outputfile.h"

namespace convert {

namespace {

// Writes go to the file in pieces of about this size.
constexpr std::size_t kChunk = 1 << 20;

} // namespace

OutputFile::OutputFile(std::filesystem::path path)
    : mFile(std::move(path))
{}

bool OutputFile::open()
{
    mBuffer.clear();
    mBuffer.reserve(kChunk + kChunk / 4);
    return mFile.open().ok();
}

void OutputFile::write(std::string_view bytes)
{
    if (bytes.size() >= kChunk) {
        flush();
        mFile.write(bytes);
        return;
    }
    mBuffer += bytes;
    if (mBuffer.size() >= kChunk)
        flush();
}

void OutputFile::flush()
{
    mFile.write(mBuffer);
    mBuffer.clear();
}

common::Status OutputFile::commit()
{
    flush();
    return mFile.commit();
}

void OutputFile::discard()
{
    mBuffer.clear();
    mFile.discard();
}

} // namespace convert
