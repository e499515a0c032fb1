// How screen readers see a drop-down list: named by its label, with its current entry as
// its value. Qt's own interface for combo boxes names them by their current entry on Linux
// (a list labelled "Date Format" is announced as "MM/DD/YY"), and a label set on the widget
// does not change that; this interface takes its place for every QComboBox of the program.
#pragma once

// Qt
#include <QAccessibleWidget>

class QComboBox;

namespace common {

class ComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit ComboBoxAccessible(QWidget *widget);

    // Makes every combo box of the program use this interface; call once the application
    // exists, before the first window is shown. Calling it again does nothing.
    static void install();

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;
    [[nodiscard]] QAccessibleInterface *focusChild() const override;
    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    [[nodiscard]] QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    [[nodiscard]] QComboBox *comboBox() const;
};

} // namespace common
