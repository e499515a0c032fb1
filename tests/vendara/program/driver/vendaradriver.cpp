// A stand-in for the person at the real catalogue program, for tests that run the program
// itself: loaded as a Qt generic plug-in (QT_QPA_GENERIC_PLUGINS=vendaradriver), it finds
// the program's windows by their object names, as an accessibility client would, and does
// what VENDARA_DRIVER says, telling each step on standard output:
//   edit      - once the main window is shown: "Edit", notes typed, "Edit" again ("edited")
//   yes, no   - answers the first question with that button ("asked: <text>"), then closes
//               the main window once it is shown ("closing")

// Qt
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGenericPlugin>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

// std
#include <cstdio>

namespace {

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

QMainWindow *mainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmMain") && widget->isVisible())
            return qobject_cast<QMainWindow *>(widget);
    }
    return nullptr;
}

class Driver : public QObject
{
public:
    Driver()
        : mTask(qEnvironmentVariable("VENDARA_DRIVER"))
    {
        connect(&mTimer, &QTimer::timeout, this, &Driver::step);
        mTimer.start(50);
    }

private:
    void step()
    {
        if (mTask == QLatin1String("edit"))
            edit();
        else if (mTask == QLatin1String("yes") || mTask == QLatin1String("no"))
            answerAndClose(mTask == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No);
    }

    void edit()
    {
        QMainWindow *window = mainWindow();
        if (window == nullptr || QApplication::activeModalWidget() != nullptr)
            return;
        mTimer.stop();
        auto *editButton = window->findChild<QAction *>(QStringLiteral("Edit"));
        auto *notes = window->findChild<QPlainTextEdit *>(QStringLiteral("Txtnotes"));
        if (editButton == nullptr || notes == nullptr) {
            say(QStringLiteral("no edit button or notes"));
            return;
        }
        editButton->trigger();
        notes->moveCursor(QTextCursor::End);
        notes->insertPlainText(QStringLiteral("Edited before the crash"));
        editButton->trigger();
        say(QStringLiteral("edited"));
    }

    void answerAndClose(QMessageBox::StandardButton button)
    {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            if (mAnswered)
                return;
            mAnswered = true;
            say(QStringLiteral("asked: ") + box->text());
            box->button(button)->click();
            return;
        }
        if (QMainWindow *window = mainWindow()) {
            mTimer.stop();
            say(QStringLiteral("closing"));
            window->close();
        }
    }

    QString mTask;
    QTimer mTimer;
    bool mAnswered = false;
};

} // namespace

class VendaraDriverPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "vendaradriver.json")

public:
    QObject *create(const QString &key, const QString &) override
    {
        return key.compare(QLatin1String("vendaradriver"), Qt::CaseInsensitive) == 0 ? new Driver
                                                                                     : nullptr;
    }
};

#include "vendaradriver.moc"
