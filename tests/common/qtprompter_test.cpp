// The Qt dialogs behind the prompt interface, driven while they are open: a message's details,
// the password input box, where a file dialog starts, and the filter the user chose.

#include "whenopen.h"

#include "common/prompt/qtprompter.h"

// Qt
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

// std
#include <functional>

#include <gtest/gtest.h>

namespace {

using testsupport::whenOpen;

TEST(QtPrompter, AMessageShowsItsDetailsBehindItsButton)
{
    prompt::QtPrompter prompter;
    QStringList details;
    for (const QString &detail : {QStringLiteral("The reader crashed."), QString()}) {
        whenOpen<QMessageBox>([&](QMessageBox &box) {
            details << box.detailedText();
            box.accept();
        });
        prompter.message({QStringLiteral("This file is not an Excel 97 file."),
                          QStringLiteral("Error 440"), prompt::Buttons::Ok,
                          prompt::Icon::Exclamation, detail});
    }
    EXPECT_EQ(details, (QStringList{QStringLiteral("The reader crashed."), QString()}));
}

TEST(QtPrompter, PasswordInputShowsAsterisks)
{
    prompt::QtPrompter prompter;
    QString shown;
    whenOpen<QInputDialog>([&](QInputDialog &dialog) {
        auto *box = dialog.findChild<QLineEdit *>();
        if (box == nullptr) {
            ADD_FAILURE() << "the input box has no text box";
            dialog.reject();
            return;
        }
        box->setText(QStringLiteral("abc"));
        shown = box->displayText();
        dialog.accept();
    });
    const auto typed = prompter.input(
        prompt::InputRequest{QStringLiteral("New password"), QStringLiteral("Password"), {}, true});
    EXPECT_EQ(typed, QStringLiteral("abc"));
    EXPECT_EQ(shown, QStringLiteral("***"));
}

TEST(QtPrompter, FileDialogStartsInAFolderGivenAsTheFileNameAndReportsTheChosenFilter)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("bin"));
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("bin"));
    prompt::QtPrompter prompter;
    prompt::FileRequest request;
    request.mode = prompt::FileRequest::Mode::Save;
    request.filter = QStringLiteral("All Files (*.*)|*.*|Excel Files (*.xls)|*.xls|Excel "
                                    "Workbook (*.xlsx)|*.xlsx");
    request.filterIndex = 2;

    // Named with or without the closing "/", the folder is where the dialog starts, with no
    // file name proposed.
    for (const QString &name : {folder, folder + QStringLiteral("/")}) {
        QString directory;
        QString proposed = QStringLiteral("<none>");
        whenOpen<QFileDialog>([&](QFileDialog &dialog) {
            directory = dialog.directory().absolutePath();
            if (auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                proposed = edit->text();
            dialog.reject();
        });
        request.fileName = name;
        EXPECT_TRUE(prompter.file(request).cancelled());
        EXPECT_EQ(directory.toStdString(), folder.toStdString()) << name.toStdString();
        EXPECT_EQ(proposed.toStdString(), "") << name.toStdString();
    }

    whenOpen<QFileDialog>([&](QFileDialog &dialog) {
        auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (types == nullptr || edit == nullptr) {
            ADD_FAILURE() << "the dialog's file type list or name box is missing";
            dialog.reject();
            return;
        }
        types->setCurrentIndex(2);
        edit->setText(QStringLiteral("prices"));
        static_cast<QDialog &>(dialog).accept(); // as the Save button does
    });
    const prompt::FileAnswer answer = prompter.file(request);
    EXPECT_EQ(answer.path, QDir(folder).filePath(QStringLiteral("prices")));
    EXPECT_EQ(answer.filterIndex, 3);
}

} // namespace
