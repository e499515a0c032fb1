// A formatted document as the program hands it to word processors and e-mail programs: one
// font for the whole document and a sequence of runs, each a text in bold or regular type of
// a point size. A text holds tab characters and line feeds; each line feed ends a paragraph.
// The writers turn it into RTF, HTML and plain text of the same content.
#pragma once

// Qt
#include <QList>
#include <QString>

namespace vendara {

struct TextStyle
{
    bool bold = false;
    int pointSize = 10;

    bool operator==(const TextStyle &other) const = default;
};

struct TextRun
{
    QString text;
    TextStyle style;

    bool operator==(const TextRun &other) const = default;
};

class RichDocument
{
public:
    explicit RichDocument(QString fontFamily = QStringLiteral("Times New Roman"));

    [[nodiscard]] const QString &fontFamily() const { return mFontFamily; }
    [[nodiscard]] const QList<TextRun> &runs() const { return mRuns; }
    [[nodiscard]] bool isEmpty() const { return mRuns.isEmpty(); }

    // Appends `text` at the end in `style`. CR LF and a lone CR become line feeds; a run in
    // the style of the run before it joins that run.
    void append(const QString &text, TextStyle style = {});

    // The whole text without formatting, line feeds between paragraphs.
    [[nodiscard]] QString plainText() const;

private:
    QString mFontFamily;
    QList<TextRun> mRuns;
};

} // namespace vendara
