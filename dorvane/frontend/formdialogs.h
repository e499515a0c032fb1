// The converter's two modal dialogs besides its main window, as the window's commands see
// them: the password dialog and the database picker. The window layer shows the real
// dialogs; running without a display cancels both; tests script them.
#pragma once

// Qt
#include <QString>

namespace dorvane {

// How the password dialog closed: with OK (`text` holds what was typed), with its Cancel
// button (the password was not entered), or any other way, by Escape or the window's close
// button (refused).
struct PasswordReply
{
    enum class Closed { Ok, Cancel, Other };

    Closed closed = Closed::Cancel;
    QString text;
};

// What the database picker leaves behind when it closes.
struct PickerResult
{
    bool ok = false;      // closed with OK
    int SelectedRow = -1; // -1 nothing chosen, 0 chosen with "Browse Files", else the grid row
    QString SelectedFile; // the chosen file's full path
};

class FormDialogs
{
public:
    virtual ~FormDialogs() = default;

    // The password dialog; the entered text has at most 19 characters.
    virtual PasswordReply askPassword() = 0;

    // The database picker, shown modally over the window.
    virtual PickerResult pickDatabase() = 0;
};

} // namespace dorvane
