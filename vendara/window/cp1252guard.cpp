#include "cp1252guard.h"

#include "common/qt/cp1252text.h"

// Qt
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

namespace vendara {

namespace {

class Cp1252Validator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        const QString refused = common::unencodableCharacters(input);
        if (refused.isEmpty())
            return Acceptable;
        QString kept;
        int cursor = position;
        for (int i = 0; i < input.size(); ++i) {
            const bool surrogatePair = input.at(i).isHighSurrogate() && i + 1 < input.size();
            const QString one = input.mid(i, surrogatePair ? 2 : 1);
            if (common::unencodableCharacters(one).isEmpty())
                kept += one;
            else if (i < position)
                cursor -= int(one.size());
            if (surrogatePair)
                ++i;
        }
        input = kept;
        position = std::max(0, cursor);
        QApplication::beep();
        return Acceptable;
    }
};

} // namespace

void Cp1252Guard::attach(QLineEdit *box)
{
    box->setValidator(new Cp1252Validator(box));
}

void Cp1252Guard::attach(QPlainTextEdit *box)
{
    // The document is cleaned once its change is complete, not from inside the change.
    QObject::connect(box->document(), &QTextDocument::contentsChange, box,
                     [box](int, int, int added) {
                         if (added > 0)
                             QMetaObject::invokeMethod(
                                 box, [box] { removeRefused(box); }, Qt::QueuedConnection);
                     });
}

void Cp1252Guard::removeRefused(QPlainTextEdit *box)
{
    const QString text = box->toPlainText();
    if (common::unencodableCharacters(text).isEmpty())
        return;
    QTextCursor cursor(box->document());
    cursor.beginEditBlock();
    for (int i = int(text.size()) - 1; i >= 0; --i) {
        int length = 1;
        if (text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate()) {
            --i;
            length = 2;
        }
        if (common::unencodableCharacters(text.mid(i, length)).isEmpty())
            continue;
        cursor.setPosition(i);
        cursor.setPosition(i + length, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    QApplication::beep();
}

} // namespace vendara
