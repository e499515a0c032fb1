#include "comboboxaccessible.h"

// Qt
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>

namespace common {

namespace {

QAccessibleInterface *comboBoxFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QComboBox") && object != nullptr && object->isWidgetType())
        return new ComboBoxAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

ComboBoxAccessible::ComboBoxAccessible(QWidget *widget)
    : QAccessibleWidget(widget, QAccessible::ComboBox)
{}

void ComboBoxAccessible::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(comboBoxFactory);
}

QComboBox *ComboBoxAccessible::comboBox() const
{
    return qobject_cast<QComboBox *>(widget());
}

QString ComboBoxAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        // The name the program gave the list, else the text of the label whose buddy it is.
        return QAccessibleWidget::text(t);
    case QAccessible::Value:
        return comboBox()->isEditable() ? comboBox()->lineEdit()->text()
                                        : comboBox()->currentText();
    case QAccessible::Accelerator:
        return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State ComboBoxAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = comboBox()->isEditable();
    s.expandable = true;
    const QAbstractItemView *view = comboBox()->view();
    s.expanded = view != nullptr && view->isVisible();
    s.collapsed = !s.expanded;
    return s;
}

// The children are the pop-up list and, for a list whose text can be typed, its text box.
int ComboBoxAccessible::childCount() const
{
    return comboBox()->isEditable() ? 2 : 1;
}

QAccessibleInterface *ComboBoxAccessible::child(int index) const
{
    if (index == 0)
        return QAccessible::queryAccessibleInterface(comboBox()->view());
    if (index == 1 && comboBox()->isEditable())
        return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
    return nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child == nullptr)
        return -1;
    if (child->object() == comboBox()->view())
        return 0;
    if (comboBox()->isEditable() && child->object() == comboBox()->lineEdit())
        return 1;
    return -1;
}

// The combo box is the focus proxy of its text box, so the text box never has the focus
// itself; a screen reader is shown it all the same.
QAccessibleInterface *ComboBoxAccessible::focusChild() const
{
    return comboBox()->isEditable() ? child(1) : nullptr;
}

QStringList ComboBoxAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void ComboBoxAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (comboBox()->view()->isVisible())
        comboBox()->hidePopup();
    else
        comboBox()->showPopup();
}

QStringList ComboBoxAccessible::keyBindingsForAction(const QString &) const
{
    return {};
}

} // namespace common
