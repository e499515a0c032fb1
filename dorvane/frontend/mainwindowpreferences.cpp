// The converter window's "Preferences" tab: date and time formats, separator, text encoding.
#include "mainwindow.h"

#include "texts.h"

// Qt
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dorvane::ui {

using Field = TMainForm::Field;

QWidget *MainWindow::buildPreferencesPage()
{
    auto *page = new QWidget(this);
    DateFormat =
        list(Field::DateFormat, QStringLiteral("DateFormat"), QStringLiteral("Date Format"),
             QStringLiteral("Choose the format that the dates are in when converting to "
                            "and from .CSV files."),
             texts::kDateFormats);
    TimeFormat =
        list(Field::TimeFormat, QStringLiteral("TimeFormat"), QStringLiteral("Time Format"),
             QStringLiteral("Choose the format that the times are in when converting to "
                            "and from .CSV files."),
             texts::kTimeFormats);
    CSVSeparator = edit(Field::CSVSeparator, QStringLiteral("CSVSeparator"),
                        QStringLiteral(".CSV Separator Symbol"),
                        QStringLiteral("Choose the character that separates entries in the .CSV "
                                       "files.  This is usually set to be a comma (,), or in some "
                                       "cases a semi-colon (;)."));
    CSVSeparator->setMaxLength(1);
    CSVSeparator->setFixedWidth(CSVSeparator->fontMetrics().horizontalAdvance(QLatin1Char('W'))
                                * 3);
    CSVSeparator->setAlignment(Qt::AlignCenter);
    CsvEncoding =
        list(Field::CsvEncoding, QStringLiteral("CsvEncoding"), QStringLiteral("CSV Text Encoding"),
             QStringLiteral("Choose how the letters of the .CSV files are stored: "
                            "Windows-1252 as on the handheld and in older programs, or "
                            "UTF-8, which holds every character."),
             texts::kCsvEncodings);

    auto *box = new QGroupBox(QStringLiteral("Preferences"), page);
    auto *form = new QFormLayout(box);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(14);
    form->setVerticalSpacing(12);
    form->addRow(QStringLiteral("Date Format"), DateFormat);
    form->addRow(QStringLiteral("Time Format"), TimeFormat);
    form->addRow(QStringLiteral(".CSV Separator Symbol"), CSVSeparator);
    form->addRow(QStringLiteral("CSV Text Encoding"), CsvEncoding);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 20, 24, 12);
    layout->addWidget(box);
    layout->addStretch(1);
    return page;
}

} // namespace dorvane::ui
