// The state of the small prompt window that Find opens: a message, a text box, OK and
// Cancel. It is `Active` while open; OK (or Enter in the text box) closes it with `OK` true
// and the typed text; Cancel, Escape or closing the window closes it with `OK` false and the
// text box emptied, so that nothing is searched for.
#pragma once

// Qt
#include <QObject>
#include <QString>

namespace vendara {

class PromptState : public QObject
{
    Q_OBJECT

public:
    explicit PromptState(QObject *parent = nullptr);

    [[nodiscard]] const QString &MsgText() const { return mMsgText; }
    [[nodiscard]] const QString &text() const { return mText; }
    [[nodiscard]] bool Active() const { return mActive; }
    [[nodiscard]] bool OK() const { return mOk; }

    void open(const QString &message, const QString &text);
    void setText(const QString &text);
    void confirm();
    void cancel();
    // The window goes away without OK or Cancel.
    void unload();

signals:
    void opened();
    void closed();

private:
    void close(bool ok);

    QString mMsgText;
    QString mText;
    bool mActive = false;
    bool mOk = false;
};

} // namespace vendara
