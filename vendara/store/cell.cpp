#include "cell.h"

#include "numberforms.h"

namespace vendara {

Cell::Cell(QString text)
    : mValue(std::move(text))
{}

Cell::Cell(const char *text)
    : mValue(QString::fromUtf8(text))
{}

Cell::Cell(float number)
    : mValue(number)
{}

bool Cell::isEmpty() const
{
    if (isNull())
        return true;
    if (const QString *text = std::get_if<QString>(&mValue))
        return text->isEmpty();
    return false;
}

QString Cell::text() const
{
    if (const QString *text = std::get_if<QString>(&mValue))
        return *text;
    return {};
}

float Cell::number() const
{
    if (const float *number = std::get_if<float>(&mValue))
        return *number;
    return 0.0f;
}

QString Cell::toText() const
{
    if (const QString *text = std::get_if<QString>(&mValue))
        return *text;
    if (const float *number = std::get_if<float>(&mValue))
        return NumberForms::shortest(*number);
    return {};
}

} // namespace vendara
