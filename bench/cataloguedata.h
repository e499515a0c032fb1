// A full catalogue for the catalogue program's benchmarks: 1000 products with multi-line
// notes and includes and price points, as the program writes them.
#pragma once

#include "vendara/store/productcolumns.h"

// Qt
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <QTemporaryDir>

namespace bench {

inline QByteArray catalogueBytes()
{
    const QByteArray s("\x7F\x7F\x7F");
    QByteArray bytes;
    QRandomGenerator random(1234);
    for (int i = 0; i < vendara::product::Capacity; ++i) {
        const QByteArray part = "PN-" + QByteArray::number(random.bounded(100000, 999999));
        bytes += part + s + "Product number " + QByteArray::number(i) + " with a longer name" + s
                 + QByteArray::number(random.bounded(100, 99999) / 100.0) + s
                 + "First line of the notes.\r\n\r\nThird line, after an empty one; it goes on "
                   "for a while to look like real notes.\r\n"
                 + s + "Power supply\r\nCable\r\nManual" + s + "10" + s + "9.50" + s + "50" + s
                 + "8.75" + s + "100" + s + "8.00" + s + s + s + s + s + "\r\n";
    }
    return bytes;
}

// The catalogue as vadata.dat in a temporary folder.
struct CatalogueFile
{
    CatalogueFile()
    {
        path = QDir(dir.path()).filePath(QStringLiteral("vadata.dat"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(catalogueBytes());
    }
    QTemporaryDir dir;
    QString path;
};

} // namespace bench
