#include "rtfreader.h"

#include "common/qt/cp1252text.h"

// std
#include <vector>

namespace testsupport {

namespace {

struct State
{
    bool bold = false;
    int halfPoints = 24;
    int font = 0;
    bool skip = false; // inside a destination that holds no document text
    bool fontTable = false;
    int unicodeSkip = 1;
};

class Reader
{
public:
    explicit Reader(const QByteArray &rtf)
        : mRtf(rtf)
    {}

    RtfDocument read()
    {
        if (!mRtf.startsWith("{\\rtf1"))
            return fail(QStringLiteral("no {\\rtf1 at the start"));
        std::vector<State> stack;
        State state;
        int pendingSkip = 0;
        qsizetype i = 0;
        bool started = false;
        while (i < mRtf.size()) {
            const char c = mRtf.at(i);
            if (c == '{') {
                stack.push_back(state);
                started = true;
                ++i;
                continue;
            }
            if (c == '}') {
                if (stack.empty())
                    return fail(QStringLiteral("unbalanced }"));
                flushFontName(state);
                state = stack.back();
                stack.pop_back();
                ++i;
                if (stack.empty() && i < mRtf.size() && !mRtf.mid(i).trimmed().isEmpty())
                    return fail(QStringLiteral("text after the closing brace"));
                continue;
            }
            if (c == '\r' || c == '\n') {
                ++i;
                continue;
            }
            if (c != '\\') {
                if (pendingSkip > 0) {
                    --pendingSkip;
                } else {
                    emitText(state, QString(QLatin1Char(c)));
                }
                ++i;
                continue;
            }
            // A control symbol or word.
            ++i;
            if (i >= mRtf.size())
                return fail(QStringLiteral("backslash at the end"));
            const char s = mRtf.at(i);
            if (s == '\\' || s == '{' || s == '}') {
                emitText(state, QString(QLatin1Char(s)));
                ++i;
                continue;
            }
            if (s == '\'') {
                const bool ok = i + 2 < mRtf.size();
                const QByteArray hex = ok ? mRtf.mid(i + 1, 2) : QByteArray();
                bool parsed = false;
                const int byte = hex.toInt(&parsed, 16);
                if (!parsed)
                    return fail(QStringLiteral("bad \\' escape"));
                i += 3;
                if (pendingSkip > 0) {
                    --pendingSkip;
                    continue;
                }
                emitText(state, common::fromCp1252(QByteArray(1, char(byte))));
                continue;
            }
            if (s == '*') {
                state.skip = true;
                ++i;
                continue;
            }
            if (s == '~') {
                emitText(state, QString(QChar(0x00A0)));
                ++i;
                continue;
            }
            if (!std::isalpha(static_cast<unsigned char>(s))) {
                ++i; // other control symbols carry no text
                continue;
            }
            QByteArray word;
            while (i < mRtf.size() && std::isalpha(static_cast<unsigned char>(mRtf.at(i))))
                word += mRtf.at(i++);
            QByteArray number;
            if (i < mRtf.size()
                && (mRtf.at(i) == '-' || std::isdigit(static_cast<unsigned char>(mRtf.at(i)))))
                number += mRtf.at(i++);
            while (i < mRtf.size() && std::isdigit(static_cast<unsigned char>(mRtf.at(i))))
                number += mRtf.at(i++);
            if (i < mRtf.size() && mRtf.at(i) == ' ')
                ++i; // the delimiter belongs to the control word
            const bool hasNumber = !number.isEmpty();
            const int value = hasNumber ? number.toInt() : 1;
            pendingSkip = 0;
            if (word == "par" || word == "line") {
                emitText(state, QStringLiteral("\n"));
            } else if (word == "tab") {
                emitText(state, QStringLiteral("\t"));
            } else if (word == "b") {
                state.bold = value != 0;
            } else if (word == "fs") {
                state.halfPoints = value;
            } else if (word == "f") {
                flushFontName(state);
                state.font = value;
                mFontNumber = value;
            } else if (word == "plain") {
                state.bold = false;
                state.halfPoints = 24;
            } else if (word == "uc") {
                state.unicodeSkip = value;
            } else if (word == "u") {
                emitText(state, QString(QChar(char16_t(value < 0 ? value + 65536 : value))));
                pendingSkip = state.unicodeSkip;
            } else if (word == "fonttbl") {
                state.fontTable = true;
            } else if (word == "colortbl" || word == "stylesheet" || word == "info"
                       || word == "pict" || word == "header" || word == "footer") {
                state.skip = true;
            }
        }
        if (!stack.empty() || !started)
            return fail(QStringLiteral("unbalanced {"));
        mDocument.valid = true;
        return mDocument;
    }

private:
    RtfDocument fail(const QString &error)
    {
        RtfDocument failed;
        failed.error = error;
        return failed;
    }

    void flushFontName(const State &state)
    {
        if (!state.fontTable || mFontName.isEmpty())
            return;
        QString name = mFontName.trimmed();
        if (name.endsWith(QLatin1Char(';')))
            name.chop(1);
        mDocument.fonts.insert(mFontNumber, name);
        mFontName.clear();
    }

    void emitText(const State &state, const QString &text)
    {
        if (state.fontTable) {
            mFontName += text;
            if (text == QLatin1String(";"))
                flushFontName(state);
            return;
        }
        if (state.skip)
            return;
        const QString font = mDocument.fonts.value(state.font);
        const int size = state.halfPoints / 2;
        if (!mDocument.runs.isEmpty()) {
            RtfRun &last = mDocument.runs.last();
            if (last.bold == state.bold && last.pointSize == size && last.font == font) {
                last.text += text;
                return;
            }
        }
        mDocument.runs.append(RtfRun{text, state.bold, size, font});
    }

    const QByteArray &mRtf;
    RtfDocument mDocument;
    QString mFontName;
    int mFontNumber = 0;
};

} // namespace

QString RtfDocument::text() const
{
    QString all;
    for (const RtfRun &run : runs)
        all += run.text;
    return all;
}

QStringList RtfDocument::boldTexts() const
{
    QStringList bold;
    for (const RtfRun &run : runs) {
        if (run.bold)
            bold.append(run.text);
    }
    return bold;
}

const RtfRun *RtfDocument::runAt(qsizetype position) const
{
    for (const RtfRun &run : runs) {
        if (position < run.text.size())
            return &run;
        position -= run.text.size();
    }
    return nullptr;
}

RtfDocument readRtf(const QByteArray &rtf)
{
    return Reader(rtf).read();
}

} // namespace testsupport
