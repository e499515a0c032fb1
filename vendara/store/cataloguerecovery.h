// The recovery file: between start and close the catalogue lives only in the product table,
// so the table is also written, safely, to a file beside the catalogue ("vadata.rec" beside
// "vadata.dat") a moment after every committed change. A close that saved the catalogue
// removes it; a session that ended otherwise (a crash, a killed process, a power cut) leaves
// it, and the next start offers its products back. It is a catalogue file like the other, so
// it is read the same way.
#pragma once

// Qt
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

namespace prompt {
class Prompter;
}

namespace vendara {

class Products;

class CatalogueRecovery : public QObject
{
    Q_OBJECT

public:
    // Changes that come within this time are written together.
    static constexpr int kDelayMs = 300;

    // `prompter` asks and tells; null asks nothing (nothing is restored) and tells nothing.
    CatalogueRecovery(Products &products, QString catalogueFile, prompt::Prompter *prompter);

    [[nodiscard]] const QString &path() const { return mPath; }
    [[nodiscard]] static QString recoveryFile(const QString &catalogueFile);

    // Start-up, once the user may see the catalogue: a recovery file newer than the catalogue
    // (or one without a catalogue) is offered back, "Vendara did not close normally. Restore
    // the N products as they were at <time>?". Yes fills the product table from it; No renames
    // it, so that it is kept but not offered again. True when the products were restored.
    bool offer();
    // From now on every change of the product table is written to the recovery file.
    void watch();
    // Writes a change that is waiting to be written, now.
    void flush();
    // The catalogue was saved: changes are no longer followed and the recovery file goes.
    void catalogueSaved();

    // What the last write of the recovery file came to.
    [[nodiscard]] bool lastWriteFailed() const { return mFailing; }

private:
    void changed();
    void write();
    [[nodiscard]] QString keptName(const QDateTime &time) const;

    Products &mProducts;
    QString mCatalogueFile;
    QString mPath;
    prompt::Prompter *mPrompter;
    QTimer mTimer;
    bool mWatching = false;
    bool mDisabled = false; // a recovery file that could not be kept must not be overwritten
    bool mFailing = false;  // the last write failed; told once until one succeeds
};

} // namespace vendara
