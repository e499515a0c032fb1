// One cell of a program table: nothing, a text, or a single-precision number.
#pragma once

// Qt
#include <QString>

// std
#include <variant>

namespace vendara {

class Cell
{
public:
    Cell() = default;
    Cell(QString text); // NOLINT: a text converts to a cell
    Cell(const char *text);
    Cell(float number); // NOLINT: a number converts to a cell

    [[nodiscard]] bool isNull() const { return std::holds_alternative<std::monostate>(mValue); }
    [[nodiscard]] bool isText() const { return std::holds_alternative<QString>(mValue); }
    [[nodiscard]] bool isNumber() const { return std::holds_alternative<float>(mValue); }
    // Nothing or empty text: the field is not set.
    [[nodiscard]] bool isEmpty() const;

    // The text of a text cell (empty otherwise).
    [[nodiscard]] QString text() const;
    // The number of a number cell (0 otherwise).
    [[nodiscard]] float number() const;
    // What the cell says as text: a number in its shortest form of up to seven significant
    // digits in the user's number settings, a text as it is, nothing as empty text.
    [[nodiscard]] QString toText() const;

    bool operator==(const Cell &other) const = default;

private:
    std::variant<std::monostate, QString, float> mValue;
};

} // namespace vendara
