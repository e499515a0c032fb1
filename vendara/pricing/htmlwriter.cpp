#include "htmlwriter.h"

namespace vendara {

namespace {

QString fallbackFamily(const QString &font)
{
    if (font.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0
        || font.compare(QLatin1String("Helvetica"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("sans-serif");
    return QStringLiteral("serif");
}

// Text with its markup characters escaped and each line feed as <br>.
QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\n':
            out += QLatin1String("<br>");
            break;
        default:
            if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
                break; // other control characters have no place in a document
            out += c;
        }
    }
    return out;
}

} // namespace

QString HtmlWriter::write(const RichDocument &document)
{
    QString family = document.fontFamily();
    family.remove(QLatin1Char('\'')).remove(QLatin1Char('"')).remove(QLatin1Char(';'));
    QString html = QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" "
                                  "content=\"text/html; charset=utf-8\"></head><body>");
    html += QStringLiteral("<div style=\"font-family:'%1',%2;font-size:10pt;"
                           "white-space:pre-wrap;tab-size:14;tab-size:0.5in\">")
                .arg(family, fallbackFamily(family));
    for (const TextRun &run : document.runs()) {
        QString text = escaped(run.text);
        if (run.style.bold)
            text = QLatin1String("<b>") + text + QLatin1String("</b>");
        html += QStringLiteral("<span style=\"font-size:%1pt\">").arg(run.style.pointSize) + text
                + QLatin1String("</span>");
    }
    html += QLatin1String("</div></body></html>");
    return html;
}

} // namespace vendara
