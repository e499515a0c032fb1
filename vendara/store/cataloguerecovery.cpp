#include "cataloguerecovery.h"

#include "numberforms.h"
#include "productcolumns.h"
#include "products.h"
#include "storetexts.h"
#include "table.h"

#include "common/prompt/prompter.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace vendara {

CatalogueRecovery::CatalogueRecovery(Products &products, QString catalogueFile,
                                     prompt::Prompter *prompter)
    : mProducts(products)
    , mCatalogueFile(std::move(catalogueFile))
    , mPath(recoveryFile(mCatalogueFile))
    , mPrompter(prompter)
{
    mTimer.setSingleShot(true);
    mTimer.setInterval(kDelayMs);
    connect(&mTimer, &QTimer::timeout, this, &CatalogueRecovery::write);
}

QString CatalogueRecovery::recoveryFile(const QString &catalogueFile)
{
    const QFileInfo info(catalogueFile);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".rec"));
}

QString CatalogueRecovery::keptName(const QDateTime &time) const
{
    const QFileInfo info(mPath);
    const QString stem =
        info.completeBaseName() + time.toString(QStringLiteral("-yyyyMMdd-HHmmss"));
    QString name = info.dir().filePath(stem + QStringLiteral(".rec"));
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = info.dir().filePath(stem + QStringLiteral("-%1.rec").arg(n));
    return name;
}

bool CatalogueRecovery::offer()
{
    const QFileInfo recovery(mPath);
    if (!recovery.isFile() || mPrompter == nullptr)
        return false;
    const QFileInfo catalogue(mCatalogueFile);
    const QDateTime written = recovery.lastModified();
    // One older than the catalogue was overtaken by a save.
    if (catalogue.exists() && written <= catalogue.lastModified())
        return false;

    // Counted without touching the table: the user may say No.
    Table scratch;
    Products counter(scratch);
    scratch.setBounds(product::Capacity, product::ColumnCount);
    const Products::ReadResult read = counter.ReadProds(mPath);
    if (read.errorNumber != 0)
        return false;

    const prompt::Answer answer = mPrompter->message(
        texts::restoreRecovery(read.count + read.further,
                               NumberForms::locale().toString(written, QLocale::ShortFormat)),
        texts::programTitle(), prompt::Buttons::YesNo, prompt::Icon::Question);
    if (answer == prompt::Answer::Yes) {
        mProducts.restore(mPath);
        return true;
    }
    const QString kept = keptName(written);
    if (!QFile::rename(mPath, kept)) {
        mDisabled = true;
        mPrompter->message(texts::recoveryNotKept(QDir::toNativeSeparators(mPath)),
                           texts::catalogueCaption(), prompt::Buttons::Ok,
                           prompt::Icon::Exclamation);
    }
    return false;
}

void CatalogueRecovery::watch()
{
    if (mWatching || mDisabled)
        return;
    mWatching = true;
    const Table &table = mProducts.table();
    connect(&table, &Table::cellsChanged, this, &CatalogueRecovery::changed);
    connect(&table, &Table::rowsInserted, this, &CatalogueRecovery::changed);
    connect(&table, &Table::rowsRemoved, this, &CatalogueRecovery::changed);
    connect(&table, &Table::wasReset, this, &CatalogueRecovery::changed);
}

void CatalogueRecovery::changed()
{
    // Not restarted by further changes: a long run of them (an import) is still written
    // every so often.
    if (mWatching && !mTimer.isActive())
        mTimer.start();
}

void CatalogueRecovery::flush()
{
    if (mTimer.isActive()) {
        mTimer.stop();
        write();
    }
}

void CatalogueRecovery::write()
{
    const common::Status written = mProducts.WriteProds(mPath);
    if (written.ok()) {
        mFailing = false;
        return;
    }
    if (mFailing)
        return;
    mFailing = true;
    if (mPrompter != nullptr)
        mPrompter->message(
            texts::recoveryNotWritten(QDir::toNativeSeparators(mPath),
                                      QString::fromLocal8Bit(written.message().c_str())),
            texts::catalogueCaption(), prompt::Buttons::Ok, prompt::Icon::Exclamation);
}

void CatalogueRecovery::catalogueSaved()
{
    mTimer.stop();
    if (mWatching) {
        disconnect(&mProducts.table(), nullptr, this, nullptr);
        mWatching = false;
    }
    if (!mDisabled)
        QFile::remove(mPath);
}

} // namespace vendara
