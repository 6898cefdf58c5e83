// The entry point: the command line taken apart, the command run, failures turned into exit codes.
#include "cli/run.h"

#include "cli/command_registry.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "engine/federal.h"
#include "storage/data_locations.h"
#include "storage/fileset.h"

#include <sstream>

namespace tallyman::cli {

namespace {

// The "Usage:" lines of a help text, for the end of an error.
std::string synopsis(const std::string& topic)
{
    const std::string help = usage(topic);
    const std::string command = topic.substr(0, topic.find(' '));
    return help.substr(0, help.find("\n\n") + 1) + "Try 'tallyman-cli "
        + (command.empty() ? "" : command + " ") + "--help'.\n";
}

} // namespace

void refuseExtras(const Arguments& args, std::size_t maxWords, const std::string& topic)
{
    const std::string command = args.words.empty() ? "" : args.words.front();
    if (!optionsTaken(args) && !args.options.empty())
        throw UsageError(command + " does not take " + args.options.front().first, topic);
    if (args.words.size() > maxWords)
        throw UsageError("unexpected \"" + args.words[maxWords] + "\"", topic);
}

int versionCommand(const Arguments& args, Output& output)
{
    const FedTableFolders folders { chooseDataFolder(args.dir).dir, installedDataFolder() };
    std::optional<std::string> version;
    const auto path = locateFedTable(folders, FedTableFileName);
    if (path) {
        if (const auto bytes = readWholeFile(*path)) {
            FedTable table;
            readFedTable(table, *bytes, FedLayout::Current);
            version = table.Version;
        }
    }
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject().member("version", TALLYMAN_VERSION);
        w.key("federalTable");
        if (version)
            w.beginObject().member("version", *version).member("file", path->string()).endObject();
        else
            w.value("not found");
        w.endObject();
    } else {
        output.out << "tallyman-cli " << TALLYMAN_VERSION << "\n";
        if (version)
            output.out << "Federal table: " << *version << " (" << path->string() << ")\n";
        else
            output.out << "Federal table: " << FedTableFileName << " not found in "
                       << folders.dataDir.string() << " or " << folders.installedDir.string() << "\n";
    }
    return ExitDone;
}

std::unique_ptr<ui::Printer> openPdfPrinter(const Output& output, const std::string& path)
{
    if (!output.pdfPrinters)
        throw DataError("this tallyman-cli was built without the desktop program and cannot write PDF files");
    std::string whyNot;
    auto printer = output.pdfPrinters(path, whyNot);
    if (!printer)
        throw DataError(whyNot.empty() ? "cannot write the PDF " + path : whyNot);
    return printer;
}

int run(
    const std::vector<std::string>& args, std::ostream& out, std::ostream& err, PdfPrinterFactory pdfPrinters)
{
    Output output { out, err, false, std::move(pdfPrinters) };
    std::string topic;
    try {
        const Arguments parsed = parseArguments(args);
        output.json = parsed.json;
        const std::string command = parsed.words.empty() ? "" : parsed.words.front();
        topic = command + (parsed.words.size() > 1 ? " " + parsed.words[1] : "");
        if (parsed.help) {
            out << usage(topic);
            return ExitDone;
        }
        if (parsed.version)
            return versionCommand(parsed, output);
        if (const Command* known = findCommand(command))
            return known->run(parsed, output);
        throw UsageError(command.empty() ? "no command given" : "unknown command \"" + command + "\"", "");
    } catch (const UsageError& e) {
        err << "tallyman-cli: " << e.what() << "\n" << synopsis(e.topic.empty() ? topic : e.topic);
        return ExitBadArguments;
    } catch (const ReportedError&) {
        // The message box is on stderr already.
        return ExitDataProblem;
    } catch (const std::exception& e) {
        // DataError, and what the program could not carry out (a number too large to store).
        err << "tallyman-cli: " << e.what() << "\n";
        return ExitDataProblem;
    }
}

} // namespace tallyman::cli
