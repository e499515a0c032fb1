#include "zippackage.h"

// Qt
#include <QFile>

// libzip
#include <zip.h>

namespace vendara {

ZipPackage::ZipPackage(const QString &path)
{
    int error = 0;
    mZip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
}

ZipPackage::~ZipPackage()
{
    if (mZip != nullptr)
        zip_discard(mZip);
}

QString ZipPackage::firstEntryName() const
{
    if (mZip == nullptr || zip_get_num_entries(mZip, 0) < 1)
        return {};
    const char *name = zip_get_name(mZip, 0, ZIP_FL_ENC_RAW);
    return name != nullptr ? QString::fromUtf8(name) : QString();
}

std::optional<QByteArray> ZipPackage::read(const QString &name) const
{
    if (mZip == nullptr)
        return std::nullopt;
    const QByteArray entryName = name.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(mZip, entryName.constData(), 0, &stat) != 0)
        return std::nullopt;
    if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > zip_uint64_t(kMaxEntrySize))
        return std::nullopt;
    zip_file_t *entry = zip_fopen(mZip, entryName.constData(), 0);
    if (entry == nullptr)
        return std::nullopt;
    QByteArray bytes;
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const zip_int64_t n = zip_fread(entry, buffer, sizeof buffer);
        if (n < 0 || bytes.size() + n > kMaxEntrySize) {
            ok = false; // damaged (a wrong checksum shows here) or larger than it said
            break;
        }
        if (n == 0)
            break;
        bytes.append(buffer, qsizetype(n));
    }
    zip_fclose(entry);
    if (!ok)
        return std::nullopt;
    return bytes;
}

} // namespace vendara
