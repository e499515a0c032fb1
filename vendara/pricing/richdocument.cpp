#include "richdocument.h"

#include "vendara/store/linebreaks.h"

namespace vendara {

RichDocument::RichDocument(QString fontFamily)
    : mFontFamily(std::move(fontFamily))
{}

void RichDocument::append(const QString &text, TextStyle style)
{
    if (text.isEmpty())
        return;
    const QString lines = toDisplayLineBreaks(text);
    if (!mRuns.isEmpty() && mRuns.last().style == style)
        mRuns.last().text += lines;
    else
        mRuns.append(TextRun{lines, style});
}

QString RichDocument::plainText() const
{
    QString text;
    for (const TextRun &run : mRuns)
        text += run.text;
    return text;
}

} // namespace vendara
