#include "quirracli.h"

#include "databasedump.h"
#include "terminalui.h"

#include "dorvane/convert/accesscheck.h"
#include "dorvane/convert/conversionsettings.h"
#include "dorvane/convert/csvtodatabase.h"
#include "dorvane/convert/databasetocsv.h"
#include "dorvane/convert/messages.h"
#include "dorvane/pdb/database.h"
#include "dorvane/pdb/filebytes.h"

#include "common/core/cp1252.h"

// std
#include <charconv>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <vector>

#ifndef QUIRRA_VERSION
#    define QUIRRA_VERSION "unknown"
#endif

namespace quirra {

namespace {

constexpr std::string_view kHelp = R"(Usage:
  quirra tocsv IN.pdb OUT.csv [options]   convert a database to a CSV file
  quirra topdb IN.csv OUT.pdb [options]   convert a CSV file to a database
  quirra dump IN.pdb [options]            show a database's header, fields and records
  quirra --help | --version

Options:
  --separator C         the CSV separator, one character (default ","; "tab" for a tab)
  --date-format N       0 MM/DD/YYYY (default), 1 DD/MM/YYYY, 2 DD.MM.YYYY, 3 DD-MM-YYYY,
                        4 YYYY/MM/DD, 5 YYYY.MM.DD, 6 YYYY-MM-DD
  --time-format N       0 HH:MM am/pm (default), 1 HH:MM, 2 HH.MM am/pm, 3 HH.MM, 4 HH,MM
  --encoding E          text encoding of the CSV file: windows-1252 (default) or utf-8
  --no-field-names      tocsv: no first line of field names;
                        topdb: the first line of the CSV file is data, not field names
  --quotes              tocsv: enclose every value in double quotes
  --password TEXT       tocsv, dump: the database password, when the database asks for one
  --existing FIELDS.pdb topdb: take fields, popup lists and header values from this database
                        (default: every column becomes a text field)
  --name DBNAME         topdb: the database name on the handheld (default "Default")

An existing output file is replaced. Exit status: 0 success, 1 failure or refusal,
2 usage error.
)";

struct OptionSpec
{
    bool takesValue;
    std::set<std::string_view> commands;
};

const std::map<std::string_view, OptionSpec> &optionSpecs()
{
    static const std::map<std::string_view, OptionSpec> specs = {
        {"--separator", {true, {"tocsv", "topdb"}}},
        {"--date-format", {true, {"tocsv", "topdb", "dump"}}},
        {"--time-format", {true, {"tocsv", "topdb", "dump"}}},
        {"--encoding", {true, {"tocsv", "topdb"}}},
        {"--no-field-names", {false, {"tocsv", "topdb"}}},
        {"--quotes", {false, {"tocsv"}}},
        {"--password", {true, {"tocsv", "dump"}}},
        {"--existing", {true, {"topdb"}}},
        {"--name", {true, {"topdb"}}},
    };
    return specs;
}

class UsageError
{
public:
    explicit UsageError(std::string message)
        : mMessage(std::move(message))
    {}
    [[nodiscard]] const std::string &message() const { return mMessage; }

private:
    std::string mMessage;
};

struct Invocation
{
    std::string command;
    std::vector<std::string> files;
    std::map<std::string_view, std::string> options;

    [[nodiscard]] bool has(std::string_view option) const { return options.contains(option); }
    [[nodiscard]] std::optional<std::string> value(std::string_view option) const
    {
        const auto it = options.find(option);
        if (it == options.end())
            return std::nullopt;
        return it->second;
    }
};

Invocation parse(std::span<const std::string> args)
{
    Invocation inv;
    inv.command = args[0];
    const std::size_t fileCount = inv.command == "dump" ? 1 : 2;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg.size() < 2 || !arg.starts_with("--")) {
            inv.files.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto spec = optionSpecs().find(name);
        if (spec == optionSpecs().end() || !spec->second.commands.contains(inv.command))
            throw UsageError("unknown option for " + inv.command + ": " + name);
        std::string value;
        if (spec->second.takesValue) {
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else {
                if (i + 1 >= args.size())
                    throw UsageError("option " + name + " needs a value");
                value = args[++i];
            }
        } else if (equals != std::string::npos) {
            throw UsageError("option " + name + " takes no value");
        }
        inv.options[spec->first] = value;
    }
    if (inv.files.size() != fileCount) {
        throw UsageError(inv.command + " needs " + (fileCount == 1 ? "one file" : "two files")
                         + ", got " + std::to_string(inv.files.size()));
    }
    return inv;
}

int parseIndex(const std::string &text, std::string_view option, int count)
{
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0 || value >= count) {
        throw UsageError(std::string(option) + " must be a number from 0 to "
                         + std::to_string(count - 1));
    }
    return value;
}

char parseSeparator(const std::string &text)
{
    if (text == "tab" || text == "\\t")
        return '\t';
    const common::Cp1252Encoding encoded = common::utf8ToCp1252(text);
    if (encoded.bytes.size() != 1 || encoded.replaced != 0)
        throw UsageError("--separator must be one character");
    const char c = encoded.bytes[0];
    if (c == '"' || c == '\r' || c == '\n')
        throw UsageError("--separator cannot be a double quote or a line end");
    return c;
}

convert::ConversionSettings settingsOf(const Invocation &inv)
{
    convert::ConversionSettings s;
    if (const auto v = inv.value("--separator"))
        s.separator = parseSeparator(*v);
    if (const auto v = inv.value("--date-format"))
        s.dateFormat = parseIndex(*v, "--date-format", pdb::kDateFormatCount);
    if (const auto v = inv.value("--time-format"))
        s.timeFormat = parseIndex(*v, "--time-format", pdb::kTimeFormatCount);
    if (const auto v = inv.value("--encoding")) {
        const auto encoding = convert::csvEncodingFromName(*v);
        if (!encoding)
            throw UsageError("--encoding must be windows-1252 or utf-8");
        s.csvEncoding = *encoding;
    }
    s.fieldNames = !inv.has("--no-field-names");
    s.useQuotes = inv.has("--quotes");
    if (const auto v = inv.value("--name")) {
        if (v->empty())
            throw UsageError("--name cannot be empty");
        s.databaseName = *v;
    }
    return s;
}

std::optional<std::string> passwordOf(const Invocation &inv)
{
    const auto v = inv.value("--password");
    if (!v)
        return std::nullopt;
    common::Cp1252Encoding password = common::utf8ToCp1252(*v);
    // A character the database cannot hold would become "?" and could match a stored "?";
    // a NUL, which no stored password holds, makes such a password plainly wrong.
    if (password.replaced != 0)
        password.bytes.push_back('\0');
    return password.bytes;
}

// After a refused conversion or dump: says what the person can do about it.
void explainRefusal(const TerminalUi &ui, const std::string &file, std::ostream &err)
{
    if (ui.passwordMissing())
        err << "quirra: " << file << " asks for a password; give it with --password\n";
}

int toCsv(const Invocation &inv, std::ostream &err)
{
    const convert::ConversionSettings settings = settingsOf(inv);
    TerminalUi ui(err, passwordOf(inv));
    const auto result = convert::databaseToCsv(inv.files[0], inv.files[1], settings, ui);
    if (!result) {
        if (ui.lastStatus().starts_with("Conversion Cancelled"))
            err << ui.lastStatus() << '\n';
        explainRefusal(ui, inv.files[0], err);
        return kExitFailure;
    }
    return kExitSuccess;
}

int toPdb(const Invocation &inv, std::ostream &err)
{
    const convert::ConversionSettings settings = settingsOf(inv);
    TerminalUi ui(err, std::nullopt);
    const std::string existing = inv.value("--existing").value_or(std::string());
    const auto result = convert::csvToDatabase(inv.files[0], inv.files[1], existing, settings, ui);
    if (!result)
        return kExitFailure;
    if (result.replacedCharacters > 0) {
        err << "quirra: " << result.replacedCharacters
            << (result.replacedCharacters == 1 ? " character" : " characters")
            << " that Windows-1252 cannot hold became \"?\"\n";
    }
    if (result.linesCut > 0)
        err << "quirra: " << convert::messages::linesCut(result.linesCut) << '\n';
    return kExitSuccess;
}

int dump(const Invocation &inv, std::ostream &out, std::ostream &err)
{
    const convert::ConversionSettings settings = settingsOf(inv);
    TerminalUi ui(err, passwordOf(inv));
    const std::string &file = inv.files[0];
    if (!pdb::pathExists(file)) {
        ui.showMessage(convert::messages::kErrorCaption,
                       convert::messages::cannotOpenForReading(file));
        return kExitFailure;
    }
    pdb::Database database = pdb::Database::open(file);
    if (database.headerCheck() != pdb::Database::HeaderCheck::Quirra) {
        ui.showMessage(convert::messages::kErrorCaption, convert::messages::kReadingHeader);
        return kExitFailure;
    }
    if (!database.readDescriptor()) {
        ui.showMessage(convert::messages::kErrorCaption, convert::messages::kReadingMasterRecord);
        return kExitFailure;
    }
    dumpStructure(database, out);
    if (convert::checkReadAccess(database.descriptor(), ui) != convert::AccessOutcome::Allowed) {
        explainRefusal(ui, file, err);
        return kExitFailure;
    }
    dumpContents(database, settings.textFormats(), out);
    return kExitSuccess;
}

} // namespace

int run(std::span<const std::string> args, std::ostream &out, std::ostream &err)
{
    if (args.empty()) {
        err << kHelp;
        return kExitUsage;
    }
    const std::string &command = args[0];
    if (command == "--help" || command == "-h") {
        out << kHelp;
        return kExitSuccess;
    }
    if (command == "--version") {
        out << "quirra " << QUIRRA_VERSION << '\n';
        return kExitSuccess;
    }
    try {
        if (command != "tocsv" && command != "topdb" && command != "dump")
            throw UsageError("unknown command: " + command);
        const Invocation inv = parse(args);
        if (command == "tocsv")
            return toCsv(inv, err);
        if (command == "topdb")
            return toPdb(inv, err);
        return dump(inv, out, err);
    } catch (const UsageError &e) {
        err << "quirra: " << e.message() << "\nTry 'quirra --help'.\n";
        return kExitUsage;
    }
}

} // namespace quirra
