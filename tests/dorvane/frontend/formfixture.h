// A converter window's logic on a demo desktop in a temporary folder, with a scripted person
// at the screen: queued answers for message boxes and file dialogs (ScriptedPrompter) and
// for the password dialog and the database picker (ScriptedDialogs).
#pragma once

#include "desktopfixture.h"

#include "dorvane/frontend/formdialogs.h"
#include "dorvane/frontend/printerprovider.h"
#include "dorvane/frontend/tmainform.h"
#include "tests/support/scriptedprompter.h"

// Qt
#include <QPdfWriter>
#include <QStringList>
#include <QTemporaryDir>

// std
#include <deque>
#include <memory>
#include <string>

namespace testsupport {

class ScriptedDialogs : public dorvane::FormDialogs
{
public:
    ScriptedDialogs &password(const QString &text)
    {
        mPasswords.push_back({dorvane::PasswordReply::Closed::Ok, text});
        return *this;
    }
    ScriptedDialogs &cancelPassword()
    {
        mPasswords.push_back({dorvane::PasswordReply::Closed::Cancel, {}});
        return *this;
    }
    // Escape or the window's close button.
    ScriptedDialogs &closePassword()
    {
        mPasswords.push_back({dorvane::PasswordReply::Closed::Other, {}});
        return *this;
    }
    ScriptedDialogs &pick(dorvane::PickerResult result)
    {
        mPicks.push_back(result);
        return *this;
    }

    dorvane::PasswordReply askPassword() override
    {
        ++passwordDialogs;
        if (mPasswords.empty())
            return {};
        const auto answer = mPasswords.front();
        mPasswords.pop_front();
        return answer;
    }
    dorvane::PickerResult pickDatabase() override
    {
        ++pickerDialogs;
        if (mPicks.empty())
            return {};
        const auto answer = mPicks.front();
        mPicks.pop_front();
        return answer;
    }

    int passwordDialogs = 0;
    int pickerDialogs = 0;

private:
    std::deque<dorvane::PasswordReply> mPasswords;
    std::deque<dorvane::PickerResult> mPicks;
};

// The printer dialog, answered with a PDF file or cancelled.
class PdfPrinter : public dorvane::PrinterProvider
{
public:
    void printTo(const QString &pdf) { mFile = pdf; }
    void cancel() { mFile.clear(); }

    QPagedPaintDevice *choosePrinter(const QString &jobTitle) override;

    int dialogs = 0;
    QString lastTitle;

private:
    QString mFile;
    std::unique_ptr<QPdfWriter> mWriter;
};

class FormFixture
{
public:
    explicit FormFixture(const std::vector<DesktopUser> &users = threeUsers());

    // A new form over the same folders, as at the next start of the program.
    dorvane::TMainForm &newForm();
    dorvane::TMainForm &form() { return *mForm; }

    [[nodiscard]] QString path(const QString &name) const { return mFiles.filePath(name); }
    [[nodiscard]] QString settingsPath() const;
    // Writes a file in the files folder; returns its path.
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    // A small database of text fields made by the engine from a CSV text.
    QString makeDatabase(const QString &name, const QByteArray &csv) const;

    // Every status text shown since the form was made, in order.
    QStringList statuses;

    DesktopFixture desktop;
    ScriptedPrompter prompter;
    ScriptedDialogs dialogs;
    PdfPrinter printer;

private:
    QTemporaryDir mProgram; // the program's folder, where QD.INI lives
    QTemporaryDir mFiles;
    std::unique_ptr<dorvane::TMainForm> mForm;
};

[[nodiscard]] QByteArray readAll(const QString &path);
// The text of a PDF file as poppler's pdftotext gives it, the layout kept.
[[nodiscard]] QString pdfText(const QString &pdf);

} // namespace testsupport
