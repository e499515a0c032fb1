// The command line: the options that fill the fields and run one conversion.
#include "tmainform.h"

#include "bracedvalue.h"
#include "settingsfile.h"

namespace dorvane {

TMainForm::Conversion TMainForm::ProcessCommandLine(const QStringList &arguments)
{
    mAutoNaming = false;
    if (arguments.size() == 1
        && arguments.first().contains(QLatin1String(".pdb"), Qt::CaseInsensitive)) {
        setPage(Page::ViewPDB);
        setText(Field::PDBNameField, arguments.first());
        mKeepViewFile = true;
        mAutoNaming = true;
        ViewPDBButtonClick();
        return Conversion::None;
    }

    Conversion pending = Conversion::None;
    auto has = [](const QString &argument, QLatin1String token) {
        return argument.contains(token, Qt::CaseInsensitive);
    };
    auto starts = [](const QString &argument, QLatin1String token) {
        return argument.startsWith(token, Qt::CaseInsensitive);
    };
    auto toCsvTab = [&] {
        setPage(Page::ToCSV);
        pending = Conversion::ToCsv;
    };
    auto toPdbTab = [&] {
        setPage(Page::ToPDB);
        pending = Conversion::ToDatabase;
    };
    QString value;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (has(a, QLatin1String("COMMAND:TOPDB"))) {
            toPdbTab();
        } else if (has(a, QLatin1String("COMMAND:TOCSV"))) {
            toCsvTab();
        } else if (has(a, QLatin1String("CSV:PLACEQUOTES"))) {
            toCsvTab();
            setChecked(Field::UseQuotes, true);
        } else if (has(a, QLatin1String("CSV:FIELDNAMES"))) {
            toCsvTab();
            setChecked(Field::FirstRecordFieldNames, true);
        } else if (starts(a, QLatin1String("CSV:OVERWRITE"))) {
            OverwriteWithoutAsking = true;
        } else if (starts(a, QLatin1String("CSV:INFILE:{"))) {
            toCsvTab();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::PDBFileName, value);
        } else if (starts(a, QLatin1String("CSV:OUTFILE:{"))) {
            toCsvTab();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::CSVFileName, value);
        } else if (starts(a, QLatin1String("PDB:INFILE:{"))) {
            toPdbTab();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::CSVFileName2, value);
        } else if (starts(a, QLatin1String("PDB:OVERWRITE"))) {
            OverwriteWithoutAsking = true;
        } else if (starts(a, QLatin1String("PDB:OUTFILE:{"))) {
            toPdbTab();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::PDBFileName2, value);
        } else if (starts(a, QLatin1String("PDB:DBNAME:{"))) {
            toPdbTab();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::DatabaseName, value);
        } else if (starts(a, QLatin1String("PDB:AUTOINSTALL:{"))) {
            toPdbTab();
            InstallUserIndex = leadingInteger(QStringView(a).mid(17));
            if (InstallUserIndex != -1) {
                setSelection(Field::PDBUsers, InstallUserIndex);
                setChecked(Field::AutoInstallCheck, true);
            } else {
                setChecked(Field::AutoInstallCheck, false);
            }
        } else if (starts(a, QLatin1String("PDB:USEEXISTING:{"))) {
            toPdbTab();
            UsePDBFileClick();
            i = CollectBracedValue(arguments, i, value);
            setText(Field::PDBFileForInfo, value);
        } else if (has(a, QLatin1String("PDB:FIELDNAMES"))) {
            toPdbTab();
            setChecked(Field::HasFieldNames, true);
        }
    }

    if (pending == Conversion::ToDatabase)
        mCommandLineSucceeded = ToPDBButtonClick();
    else if (pending == Conversion::ToCsv)
        mCommandLineSucceeded = ToCSVButtonClick();
    mAutoNaming = true;
    return pending;
}

} // namespace dorvane
