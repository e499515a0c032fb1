#include "textdocumentwriter.h"

// Qt
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextOption>

namespace vendara {

namespace {

// Tab stops every half inch, in the text layout's units (pixels at 96 per inch, scaled to the
// device it is laid out for).
constexpr double kTabStop = 96.0 / 2.0;

QFont::StyleHint styleHint(const QString &family)
{
    static const QStringList sans = {QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                                     QStringLiteral("Verdana"), QStringLiteral("Tahoma")};
    static const QStringList mono = {QStringLiteral("Courier New"), QStringLiteral("Courier")};
    if (sans.contains(family, Qt::CaseInsensitive))
        return QFont::SansSerif;
    if (mono.contains(family, Qt::CaseInsensitive))
        return QFont::Monospace;
    return QFont::Serif;
}

} // namespace

QFont TextDocumentWriter::font(const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setStyleHint(styleHint(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

std::unique_ptr<QTextDocument> TextDocumentWriter::write(const RichDocument &document)
{
    auto text = std::make_unique<QTextDocument>();
    text->setDefaultFont(font(document.fontFamily(), 10));
    text->setDocumentMargin(0);
    QTextOption option = text->defaultTextOption();
    option.setTabStopDistance(kTabStop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text->setDefaultTextOption(option);

    QTextCursor cursor(text.get());
    bool first = true;
    for (const TextRun &run : document.runs()) {
        QTextCharFormat format;
        format.setFont(font(document.fontFamily(), run.style.pointSize, run.style.bold));
        if (first) {
            // An empty first line takes its height from the first run's size.
            cursor.setBlockCharFormat(format);
            first = false;
        }
        const QStringList lines = run.text.split(QLatin1Char('\n'));
        for (qsizetype k = 0; k < lines.size(); ++k) {
            if (k > 0)
                cursor.insertBlock(QTextBlockFormat(), format);
            if (!lines[k].isEmpty())
                cursor.insertText(lines[k], format);
        }
    }
    return text;
}

} // namespace vendara
