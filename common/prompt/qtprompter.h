// The prompts shown as Qt dialogs over a parent window.
#pragma once

#include "prompter.h"

// Qt
#include <QPointer>
#include <QWidget>

namespace prompt {

class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr);

    void setParent(QWidget *parent) { mParent = parent; }
    [[nodiscard]] QWidget *parent() const { return mParent; }

    using Prompter::input;
    using Prompter::message;
    Answer message(const Message &message) override;
    std::optional<QString> input(const InputRequest &request) override;
    FileAnswer file(const FileRequest &request) override;
    bool choosePrinter(QPrinter &printer, const QString &title) override;

private:
    QPointer<QWidget> mParent;
};

} // namespace prompt
