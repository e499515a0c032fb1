#include "accessiblewalk.h"

// Qt
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <QTabBar>
#include <QTextDocument>
#include <QWidget>

namespace testsupport {

namespace {

// A caption as it reads on the screen: "&" marks the mnemonic, "&&" is an "&".
QString shown(const QString &caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&'))
                ++i;
            else
                continue;
        }
        text.append(caption.at(i));
    }
    return text;
}

QString labelText(const QLabel *label)
{
    QString text = label->text();
    if (label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    return shown(text);
}

QString describe(const QWidget *widget)
{
    return QStringLiteral("%1 '%2'").arg(QLatin1String(widget->metaObject()->className()),
                                         widget->objectName());
}

// Widgets that belong to a composite control of Qt, or to another window.
bool partOfSomethingElse(const QWidget *widget, const QWidget *window)
{
    if (widget->window() != window)
        return true;
    for (const QWidget *up = widget->parentWidget(); up != nullptr && up != window;
         up = up->parentWidget()) {
        if (qobject_cast<const QComboBox *>(up) != nullptr
            || qobject_cast<const QAbstractSpinBox *>(up) != nullptr
            || qobject_cast<const QTabBar *>(up) != nullptr)
            return true;
    }
    // Qt's own pieces: scroll area viewports and bars, a tab widget's page stack, a
    // table's corner button.
    if (qobject_cast<const QTabBar *>(widget) == nullptr
        && widget->objectName().startsWith(QLatin1String("qt_")))
        return true;
    return widget->inherits("QTableCornerButton");
}

bool takesFocus(const QWidget *widget)
{
    return widget->focusPolicy() != Qt::NoFocus && widget->focusProxy() == nullptr
           && qobject_cast<const QLabel *>(widget) == nullptr;
}

class Walk
{
public:
    explicit Walk(QWidget *window)
        : mWindow(window)
    {
        mWidgets.append(window);
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!partOfSomethingElse(widget, window))
                mWidgets.append(widget);
        }
        for (QWidget *widget : std::as_const(mWidgets)) {
            if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
                mBuddyLabels.insert(label->buddy(), label);
        }
    }

    QStringList run()
    {
        const QString title = name(mWindow);
        if (title.isEmpty())
            fail(mWindow, QStringLiteral("the window has no name"));
        for (QWidget *widget : std::as_const(mWidgets)) {
            if (auto *label = qobject_cast<QLabel *>(widget))
                checkLabel(label);
            else if (auto *bar = qobject_cast<QStatusBar *>(widget))
                checkStatusBar(bar);
            else if (widget != mWindow && takesFocus(widget))
                checkControl(widget);
        }
        return mProblems;
    }

private:
    static QString name(QWidget *widget)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        return iface != nullptr ? iface->text(QAccessible::Name) : QString();
    }

    void fail(const QWidget *widget, const QString &problem)
    {
        mProblems.append(describe(widget) + QStringLiteral(": ") + problem);
    }

    void checkControl(QWidget *widget)
    {
        const QString actual = name(widget);
        if (actual.isEmpty()) {
            fail(widget, QStringLiteral("takes the focus and has no name"));
            return;
        }
        QString expected;
        QString what;
        if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            checkTabs(tabs);
            expected = shown(tabs->tabText(tabs->currentIndex()));
            what = QStringLiteral("current tab");
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget);
                   button && !button->text().isEmpty()) {
            expected = shown(button->text());
            what = QStringLiteral("caption");
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            expected = shown(group->title());
            what = QStringLiteral("caption");
        } else if (const QLabel *label = mBuddyLabels.value(widget)) {
            expected = labelText(label);
            what = QStringLiteral("label");
        } else if (!widget->accessibleName().isEmpty()) {
            expected = widget->accessibleName();
            what = QStringLiteral("given label");
        } else {
            fail(widget,
                 QStringLiteral("is named \"%1\" by its content: it has no label").arg(actual));
            return;
        }
        if (actual != expected)
            fail(widget, QStringLiteral("is named \"%1\", not by its %2 \"%3\"")
                             .arg(actual, what, expected));
    }

    void checkTabs(QTabBar *tabs)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(tabs);
        for (int k = 0; k < tabs->count(); ++k) {
            QAccessibleInterface *tab = iface != nullptr ? iface->child(k) : nullptr;
            const QString actual = tab != nullptr ? tab->text(QAccessible::Name) : QString();
            if (actual != shown(tabs->tabText(k)))
                fail(tabs, QStringLiteral("tab %1 is named \"%2\", not by its caption \"%3\"")
                               .arg(k)
                               .arg(actual, shown(tabs->tabText(k))));
        }
    }

    // A message shown in the bar itself (not in a label on it) must reach the screen reader.
    void checkStatusBar(QStatusBar *bar)
    {
        const QString message = bar->currentMessage();
        if (message.isEmpty())
            return;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(bar);
        const QString actual = iface != nullptr ? iface->text(QAccessible::Name) : QString();
        const QString description =
            iface != nullptr ? iface->text(QAccessible::Description) : QString();
        if (actual != message && !description.contains(message))
            fail(bar, QStringLiteral("shows \"%1\" but is named \"%2\"").arg(message, actual));
    }

    void checkLabel(QLabel *label)
    {
        const QString text = labelText(label);
        if (text.isEmpty())
            return;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
        const QString actual = iface != nullptr ? iface->text(QAccessible::Name) : QString();
        const QString description =
            iface != nullptr ? iface->text(QAccessible::Description) : QString();
        if (actual != text && !description.contains(text))
            fail(label, QStringLiteral("shows \"%1\" but is named \"%2\"").arg(text, actual));
        if (label->buddy() != nullptr)
            return;
        // A label beside a control that carries the label's text as its name should say
        // so to the screen reader: it is the control's buddy.
        for (QWidget *widget : std::as_const(mWidgets)) {
            if (widget == mWindow || !takesFocus(widget) || mBuddyLabels.contains(widget))
                continue;
            const auto *button = qobject_cast<const QAbstractButton *>(widget);
            if (button != nullptr && !button->text().isEmpty())
                continue;
            if (widget->accessibleName() == text)
                fail(label, QStringLiteral("labels %1 but is not its buddy").arg(describe(widget)));
        }
    }

    QWidget *mWindow;
    QList<QWidget *> mWidgets;
    QHash<const QWidget *, const QLabel *> mBuddyLabels;
    QStringList mProblems;
};

} // namespace

QStringList accessibilityProblems(QWidget *window)
{
    return Walk(window).run();
}

} // namespace testsupport
