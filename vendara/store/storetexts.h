// The texts the catalogue store and start-up show to the user, kept together so that tests
// can check them exactly.
#pragma once

// Qt
#include <QString>

namespace vendara::texts {

// The program's title: the application name of its settings and the caption of message
// boxes that name no caption of their own.
inline QString programTitle()
{
    return QStringLiteral("Vendara LITE");
}

inline QString errorReadingFile(int number)
{
    return QStringLiteral("Error reading file #%1").arg(number);
}
inline QString errorCaption()
{
    return QStringLiteral("Error");
}

inline QString tooManyProducts(int kept, int further)
{
    return QStringLiteral("The catalogue file holds more than %1 products. The first %1 are "
                          "shown; the other %2 stay in the file unchanged when the catalogue "
                          "is saved.")
        .arg(kept)
        .arg(further);
}
inline QString catalogueCaption()
{
    return QStringLiteral("Catalogue");
}

inline QString unencodableCharacters(const QString &characters)
{
    return QStringLiteral("Some products contain characters that the catalogue file cannot "
                          "hold: %1\n\nThey will be saved as question marks.")
        .arg(characters);
}

inline QString saveFailed(const QString &path, const QString &reason)
{
    return QStringLiteral("The catalogue could not be saved to %1.\n\n%2\n\nClose the program "
                          "anyway? The changes made since it started will be lost.")
        .arg(path, reason);
}

inline QString backupFailed(const QString &path, const QString &reason)
{
    return QStringLiteral("The catalogue as it was when the program started could not be kept "
                          "as %1.\n\n%2\n\nThe catalogue is saved without that copy.")
        .arg(path, reason);
}

// Closing after the catalogue file could not be read completely at start.
inline QString replaceUnreadCatalogue(const QString &path, int products)
{
    const QString shown = products == 1 ? QStringLiteral("the 1 product")
                                        : QStringLiteral("the %1 products").arg(products);
    return QStringLiteral("The catalogue file %1 could not be read completely when the program "
                          "started.\n\nReplace it with %2 now shown? The products in the file "
                          "that could not be read will be lost.")
        .arg(path, shown);
}

// The recovery file.
inline QString restoreRecovery(int products, const QString &time)
{
    return QStringLiteral("Vendara did not close normally. Restore the %1 products as they were "
                          "at %2?")
        .arg(products)
        .arg(time);
}
inline QString recoveryNotWritten(const QString &path, const QString &reason)
{
    return QStringLiteral("The changes could not be written to the recovery file %1.\n\n%2\n\n"
                          "If the program does not close normally, the changes made since it "
                          "started will be lost.")
        .arg(path, reason);
}
inline QString recoveryNotKept(const QString &path)
{
    return QStringLiteral("The recovery file %1 could not be renamed. It stays as it is, and "
                          "changes are not written to a recovery file until the program starts "
                          "again.")
        .arg(path);
}

// Start-up.
inline QString startupFailed(int number)
{
    return QStringLiteral("There was a problem opening the program. Error Message %1 was "
                          "recieved. Contact Vendara for the cause of the error.")
        .arg(number);
}
inline QString startupFailedCaption()
{
    return QStringLiteral("Error Message");
}

// The password command.
inline QString passwordCaption()
{
    return QStringLiteral("Password");
}
inline QString enterNewPassword()
{
    return QStringLiteral("Please enter the new password.");
}
inline QString reenterNewPassword()
{
    return QStringLiteral("Please reenter the new password");
}
inline QString removePassword()
{
    return QStringLiteral("Remove password?");
}
inline QString passwordsDiffer()
{
    return QStringLiteral(
        "The two passwords are different. To prevent errors, they must be the same.");
}

inline QString passwordNotSaved(const QString &reason)
{
    return QStringLiteral("The password could not be saved: %1\n\nThe password has not "
                          "changed.")
        .arg(reason);
}

} // namespace vendara::texts
