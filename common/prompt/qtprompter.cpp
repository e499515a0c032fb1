#include "qtprompter.h"

#include "documentsfolder.h"
#include "filefilter.h"
#include "passwordbox.h"

// Qt
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace prompt {

namespace {

QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

// The answer when the box is closed without a button (Escape or the title bar).
Answer closedAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::AbortRetryIgnore:
        return Answer::Abort;
    default:
        return Answer::Cancel;
    }
}

} // namespace

QtPrompter::QtPrompter(QWidget *parent)
    : mParent(parent)
{}

Answer QtPrompter::message(const Message &message)
{
    QMessageBox box(qtIcon(message.icon), message.caption, message.text, qtButtons(message.buttons),
                    mParent);
    box.setAccessibleName(message.caption);
    if (!message.detail.isEmpty())
        box.setDetailedText(message.detail);
    for (QAbstractButton *button : box.buttons())
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Abort:
        return Answer::Abort;
    case QMessageBox::Ignore:
        return Answer::Ignore;
    default:
        return closedAnswer(message.buttons);
    }
}

std::optional<QString> QtPrompter::input(const InputRequest &request)
{
    QInputDialog dialog(mParent);
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.prompt);
    dialog.setTextValue(request.defaultText);
    dialog.setTextEchoMode(request.password ? QLineEdit::Password : QLineEdit::Normal);
    if (request.password) {
        if (auto *box = dialog.findChild<QLineEdit *>())
            showTypingAsAsterisks(*box);
    }
    dialog.setAccessibleName(request.title);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

FileAnswer QtPrompter::file(const FileRequest &request)
{
    QFileDialog dialog(mParent, request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.mode == FileRequest::Mode::Save ? QFileDialog::AcceptSave
                                                                 : QFileDialog::AcceptOpen);
    if (request.mode == FileRequest::Mode::Save) {
        // The programs ask their own overwrite questions.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = qBound(1, request.filterIndex, int(filters.size()));
        dialog.selectNameFilter(filters.at(index - 1));
    }
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.fileName.isEmpty()) {
        const QFileInfo proposed(request.fileName);
        if (proposed.isDir()) {
            // A folder: the dialog starts in it with no file name.
            dialog.setDirectory(proposed.absoluteFilePath());
        } else {
            const QString folder = proposed.path();
            if (folder != QLatin1String(".") && QDir(folder).exists())
                dialog.setDirectory(folder);
            dialog.selectFile(proposed.fileName());
        }
    }
    dialog.setAccessibleName(request.title.isEmpty() ? dialog.windowTitle() : request.title);
    FileAnswer answer;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return answer;
    answer.path = dialog.selectedFiles().constFirst();
    answer.filterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (answer.filterIndex < 1)
        answer.filterIndex = 1;
    return answer;
}

bool QtPrompter::choosePrinter(QPrinter &printer, const QString &title)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        if (printer.outputFileName().isEmpty())
            printer.setOutputFileName(
                QDir(documentsFolder()).filePath(QStringLiteral("print.pdf")));
    }
    QPrintDialog dialog(&printer, mParent);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace prompt
