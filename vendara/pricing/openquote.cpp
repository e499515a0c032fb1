#include "openquote.h"

#include "quotetexts.h"

#include "common/prompt/documentsfolder.h"
#include "common/prompt/prompter.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/productorder.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>

// std
#include <algorithm>

namespace vendara {

namespace {

// At most this many part numbers are named in the message after opening.
constexpr int kNamedMissing = 10;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A name beside `path` that no file has yet: "quote.damaged.dat", "quote.damaged.2.dat", ...
QString damagedName(const QString &path)
{
    const QFileInfo info(path);
    const QDir folder = info.dir();
    const QString base = info.completeBaseName() + QStringLiteral(".damaged");
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString name = folder.filePath(base + suffix);
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = folder.filePath(base + QLatin1Char('.') + QString::number(n) + suffix);
    return name;
}

bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    const QString canonicalB = QFileInfo(b).canonicalFilePath();
    if (!canonicalA.isEmpty() && !canonicalB.isEmpty())
        return canonicalA == canonicalB;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

OpenQuote::OpenQuote(QuoteList &quote, const Table &products, prompt::Prompter &prompter,
                     QString workingCopy, QObject *parent)
    : QObject(parent)
    , mQuote(quote)
    , mProducts(products)
    , mPrompter(prompter)
    , mWorkingCopy(std::move(workingCopy))
{
    connect(&mQuote, &QuoteList::totalsChanged, this, &OpenQuote::quoteChanged);
}

void OpenQuote::restore()
{
    const SavedQuote::ReadResult read = SavedQuote::read(mWorkingCopy);
    if (read.quote) {
        show(*read.quote, read.quote->file, read.quote->changed);
    } else if (!read.missing) {
        const QString keptAs = damagedName(mWorkingCopy);
        if (QFile::rename(mWorkingCopy, keptAs))
            mRestoreMessage =
                texts::quoteNotRestored(native(mWorkingCopy), read.reason, native(keptAs));
        else
            mRestoreMessage = texts::quoteNotRestoredLeft(native(mWorkingCopy), read.reason);
    }
    // Nothing is written until the quote changes: a quote that could not be read and whose
    // file could not be renamed stays where it is until then.
    mKeeping = true;
}

void OpenQuote::reportRestore()
{
    if (!mRestoreMessage)
        return;
    const QString text = *mRestoreMessage;
    mRestoreMessage.reset();
    mPrompter.message(text, texts::quoteCaption(), prompt::Buttons::Ok, prompt::Icon::Exclamation);
}

void OpenQuote::quoteChanged()
{
    if (mShowing || !mKeeping)
        return;
    mChanged = true;
    keep();
}

void OpenQuote::keep()
{
    if (!mKeeping)
        return;
    SavedQuote saved = SavedQuote::of(mQuote);
    saved.file = mFile;
    saved.changed = mChanged;
    const common::Status written = saved.write(mWorkingCopy, QuoteFile::Form::WorkingCopy);
    if (written.ok()) {
        mKeepFailed = false;
        return;
    }
    if (mKeepFailed)
        return; // said once; said again after the next success
    mKeepFailed = true;
    mPrompter.message(
        texts::quoteNotKept(native(mWorkingCopy), QString::fromStdString(written.message())),
        texts::quoteCaption(), prompt::Buttons::Ok, prompt::Icon::Exclamation);
}

void OpenQuote::show(const SavedQuote &saved, const QString &file, bool changed)
{
    mShowing = true;
    saved.applyTo(mQuote);
    mShowing = false;
    mFile = file;
    mChanged = changed;
    keep();
    emit fileChanged(mFile);
}

bool OpenQuote::mayReplace(const QString &caption)
{
    if (mQuote.lineCount() == 0 || !mChanged)
        return true;
    return mPrompter.message(texts::replaceUnsavedQuote(mQuote.lineCount()), caption,
                             prompt::Buttons::YesNo, prompt::Icon::Question)
           == prompt::Answer::Yes;
}

common::Status OpenQuote::saveTo(const QString &path)
{
    const common::Status written = SavedQuote::of(mQuote).write(path, QuoteFile::Form::Saved);
    if (!written.ok()) {
        return common::Status::failure(
            texts::quoteNotSaved(native(path), QString::fromStdString(written.message()))
                .toStdString());
    }
    mFile = QFileInfo(path).absoluteFilePath();
    mChanged = false;
    keep();
    emit fileChanged(mFile);
    return written;
}

common::Status OpenQuote::openFrom(const QString &path, int *missing, QString *missingList)
{
    const SavedQuote::ReadResult read = SavedQuote::read(path);
    if (!read.quote)
        return common::Status::failure(
            texts::quoteNotOpened(native(path), read.reason).toStdString());

    // Part numbers the catalogue no longer has, each named once.
    QList<Cell> absent;
    for (const QuoteList::LineCells &line : read.quote->lines) {
        const Cell &part = line[0];
        if (mProducts.find(1, product::PartNumber, part, ProductOrder::compare) != 0)
            continue;
        const bool named = std::any_of(absent.cbegin(), absent.cend(), [&](const Cell &other) {
            return ProductOrder::equal(other, part);
        });
        if (!named)
            absent.append(part);
    }
    if (missing != nullptr)
        *missing = int(absent.size());
    if (missingList != nullptr) {
        QStringList names;
        for (int k = 0; k < absent.size() && k < kNamedMissing; ++k)
            names.append(absent[k].toText());
        if (absent.size() > kNamedMissing)
            names.append(QStringLiteral("..."));
        *missingList = names.join(QStringLiteral(", "));
    }
    show(*read.quote, QFileInfo(path).absoluteFilePath(), false);
    return common::Status::success();
}

void OpenQuote::saveAs()
{
    prompt::FileRequest request;
    request.mode = prompt::FileRequest::Mode::Save;
    request.title = texts::saveQuoteAsCaption();
    request.filter = texts::quoteFileFilter();
    request.defaultExtension = texts::quoteExtension();
    request.fileName = mFile.isEmpty() ? prompt::documentsFolder() : mFile;
    const prompt::FileAnswer answer = mPrompter.file(request);
    if (answer.cancelled())
        return;
    QString path = answer.path;
    // A name typed without an extension becomes a quote file.
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + texts::quoteExtension();
    if (QFileInfo::exists(path) && !sameFile(path, mFile)
        && mPrompter.message(texts::replaceExistingFile(native(path)), texts::saveQuoteAsCaption(),
                             prompt::Buttons::YesNo, prompt::Icon::Exclamation)
               != prompt::Answer::Yes)
        return;
    const common::Status saved = saveTo(path);
    if (!saved.ok())
        mPrompter.message(QString::fromStdString(saved.message()), texts::saveQuoteAsCaption(),
                          prompt::Buttons::Ok, prompt::Icon::Exclamation);
}

void OpenQuote::open()
{
    if (!mayReplace(texts::openQuoteCaption()))
        return;
    prompt::FileRequest request;
    request.mode = prompt::FileRequest::Mode::Open;
    request.title = texts::openQuoteCaption();
    request.filter = texts::quoteFileFilter();
    request.mustExist = true;
    request.fileName =
        mFile.isEmpty() ? prompt::documentsFolder() : QFileInfo(mFile).absolutePath();
    const prompt::FileAnswer answer = mPrompter.file(request);
    if (answer.cancelled())
        return;
    int missing = 0;
    QString missingList;
    const common::Status opened = openFrom(answer.path, &missing, &missingList);
    if (!opened.ok()) {
        mPrompter.message(QString::fromStdString(opened.message()), texts::openQuoteCaption(),
                          prompt::Buttons::Ok, prompt::Icon::Exclamation);
        return;
    }
    if (missing > 0)
        mPrompter.message(texts::partNumbersNotInCatalogue(missing, missingList),
                          texts::openQuoteCaption(), prompt::Buttons::Ok,
                          prompt::Icon::Information);
}

void OpenQuote::newQuote()
{
    if (!mayReplace(texts::newQuoteCaption()))
        return;
    show(SavedQuote(), QString(), false);
}

} // namespace vendara
