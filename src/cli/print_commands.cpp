// print statement, check show|print|testpage, offsets show|set: the printouts of a period and
// the check's printer offsets, driven through the main window, the check writer and the
// printer offset dialog.
#include "cli/commands.h"

#include "cli/command_registry.h"
#include "cli/json_writer.h"
#include "cli/session.h"
#include "numbers/number_text.h"
#include "screens/main_window.h"
#include "screens/printing/check_writer.h"
#include "screens/printing/printer_offset.h"

#include <memory>

namespace tallyman::cli {

namespace {

// The options these commands take besides the calc options.
struct PrintOptions {
    std::optional<std::string> pdf;
    bool text = false;
    std::optional<std::string> horz, vert;
    Arguments period; // the calc options alone
};

// A number given as an offset is one the dialog's list offers: a whole number from -5 to +5,
// sign optional; "1,5" (read as 15) or "12" are refused here. A text that is no number at all
// goes to the dialog, which says so.
std::string offsetOption(const std::string& option, const std::string& value, const std::string& topic)
{
    if (!strictNumber(value))
        return value;
    const std::string digits = value[0] == '+' || value[0] == '-' ? value.substr(1) : value;
    if (digits.size() != 1 || digits[0] < '0' || digits[0] > '5')
        throw UsageError(option + " takes a whole number from -5 to +5, not \"" + value + "\"", topic);
    return value;
}

// The options of the command line that its command takes, as the command table says.
PrintOptions takeOptions(const Arguments& args, const std::string& topic)
{
    const OptionGroups takes = optionsTaken(args);
    if (args.words.size() > 2)
        throw UsageError("unexpected \"" + args.words[2] + "\"", topic);
    PrintOptions taken;
    taken.period = args;
    taken.period.options.clear();
    for (const auto& [option, value] : args.options) {
        if ((takes & DestinationOptions) && option == "--pdf") {
            taken.pdf = value;
        } else if ((takes & DestinationOptions) && option == "--text") {
            taken.text = true;
        } else if ((takes & OffsetOptions) && option == "--horz") {
            taken.horz = offsetOption(option, value, topic);
        } else if ((takes & OffsetOptions) && option == "--vert") {
            taken.vert = offsetOption(option, value, topic);
        } else if (takes & PeriodOptions) {
            taken.period.options.emplace_back(option, value);
        } else {
            throw UsageError(topic + " does not take " + option, topic);
        }
    }
    if ((takes & DestinationOptions) && taken.pdf.has_value() == taken.text)
        throw UsageError("give either --pdf FILE or --text", topic);
    return taken;
}

// A run whose printouts go to the PDF file, or as text to stdout.
class PrintSession {
public:
    // `looking`: the command stores nothing, so it runs while the user is open elsewhere.
    PrintSession(const Arguments& args, Output& output, const PrintOptions& options, const std::string& topic,
        bool looking = false)
        : m_dataDir(openDataFolder(args))
        , m_user(existingUser(args, m_dataDir, topic))
    {
        // The file is refused before anything is pressed.
        if (options.pdf)
            m_pdf = openPdfPrinter(output, *options.pdf);
        m_session = std::make_unique<Session>(args, m_dataDir, output.err, m_pdf.get());
        if (looking)
            m_session->app().lookOnly();
        if (!m_pdf)
            m_session->textPrinter().onDocument
                = [&out = output.out](const std::string& page) { out << page; };
    }
    Session& session() { return *m_session; }
    App& app() { return m_session->app(); }
    MainWindow& start() { return m_session->start(m_user); }
    // Starts the program and computes the period; messages from here on end the command.
    MainWindow& calculate(const PeriodInput& input)
    {
        MainWindow& main = start();
        m_mark = m_session->mark();
        enterPeriod(*m_session, main, input);
        return main;
    }
    // Starts the program and opens the printer offset dialog (no calculation).
    PrinterOffsetDialog& openOffsets()
    {
        start();
        m_mark = m_session->mark();
        app().show(ScreenId::PrinterOffset);
        return app().printerOffset();
    }
    // Throws when a message box reported a problem since the calculation or the dialog began.
    void failOnReports() const { m_session->failOnReports(m_mark); }

private:
    std::filesystem::path m_dataDir;
    std::string m_user;
    std::unique_ptr<ui::Printer> m_pdf;
    std::unique_ptr<Session> m_session;
    std::size_t m_mark = 0;
};

// The boxes of the offset dialog as given; the dialog itself judges the texts.
void typeOffsets(PrinterOffsetDialog& dialog, const PrintOptions& options)
{
    if (options.horz)
        dialog.cboHorz.setText(*options.horz);
    if (options.vert)
        dialog.cboVert.setText(*options.vert);
}

void writeOffsets(Output& output, const App& app, const PrinterOffsetDialog& dialog)
{
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject()
            .member("HorzOffset", app.offsets.HorzOffset)
            .member("VertOffset", app.offsets.VertOffset)
            .member("cboHorz", dialog.cboHorz.text())
            .member("cboVert", dialog.cboVert.text())
            .endObject();
        return;
    }
    output.out << "Horizontal: " << dialog.cboHorz.text() << " columns\n"
               << "Vertical:   " << dialog.cboVert.text() << " lines\n";
}

int checkShow(const Arguments& args, Output& output, const std::string& topic)
{
    const PrintOptions options = takeOptions(args, topic);
    const PeriodInput input = readPeriodInput(options.period, topic);
    PrintSession run(args, output, options, topic);
    // Showing writes nothing, so it runs while the user is open elsewhere.
    run.app().lookOnly();
    MainWindow& main = run.calculate(input);
    main.mnuChecks_Click();
    run.failOnReports();
    const CheckWriter& writer = run.app().checkWriter();
    const std::pair<const char*, const ui::TextBox*> fields[] = {
        { "txtCheckDate", &writer.txtCheckDate },
        { "txtPayTo", &writer.txtPayTo },
        { "txtCheckAmt", &writer.txtCheckAmt },
        { "txtDollars", &writer.txtDollars },
        { "txtUserName", &writer.txtUserName },
        { "txtUserAddress", &writer.txtUserAddress },
        { "txtUserState", &writer.txtUserState },
        { "txtUserSSnum", &writer.txtUserSSnum },
    };
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject();
        for (const auto& [name, box] : fields)
            w.member(name, box->text());
        w.endObject();
    } else {
        for (const auto& [name, box] : fields)
            output.out << name << ": " << box->text() << "\n";
    }
    return ExitDone;
}

int checkPrint(const Arguments& args, Output& output, const std::string& topic)
{
    const PrintOptions options = takeOptions(args, topic);
    const PeriodInput input = readPeriodInput(options.period, topic);
    PrintSession run(args, output, options, topic);
    MainWindow& main = run.calculate(input);
    main.mnuChecks_Click();
    run.app().checkWriter().mnuPrintCheck_Click();
    PrinterOffsetDialog& dialog = run.app().printerOffset();
    typeOffsets(dialog, options);
    dialog.OKButton_Click();
    // A refusal (the amount, an offset, the printer) is a message box, on stderr already.
    run.failOnReports();
    return ExitDone;
}

int checkTestPage(const Arguments& args, Output& output, const std::string& topic)
{
    const PrintOptions options = takeOptions(args, topic);
    PrintSession run(args, output, options, topic, true);
    PrinterOffsetDialog& dialog = run.openOffsets();
    typeOffsets(dialog, options);
    dialog.cmdTestPage_Click();
    run.failOnReports();
    return ExitDone;
}

std::string subcommand(const Arguments& args) { return args.words.size() > 1 ? args.words[1] : ""; }

} // namespace

int printCommand(const Arguments& args, Output& output)
{
    const std::string topic = "print";
    if (subcommand(args) != "statement")
        throw UsageError(subcommand(args).empty() ? "print what? (statement)"
                                                  : "unknown print \"" + subcommand(args) + "\"",
            topic);
    const PrintOptions options = takeOptions(args, topic);
    const PeriodInput input = readPeriodInput(options.period, topic);
    PrintSession run(args, output, options, topic);
    MainWindow& main = run.calculate(input);
    main.cmdPrint_Click();
    run.failOnReports();
    return ExitDone;
}

int checkCommand(const Arguments& args, Output& output)
{
    const std::string topic = "check";
    const std::string what = subcommand(args);
    if (what == "show")
        return checkShow(args, output, topic);
    if (what == "print")
        return checkPrint(args, output, topic);
    if (what == "testpage")
        return checkTestPage(args, output, topic);
    throw UsageError(
        what.empty() ? "check what? (show, print or testpage)" : "unknown check \"" + what + "\"", topic);
}

int offsetsCommand(const Arguments& args, Output& output)
{
    const std::string topic = "offsets";
    const std::string what = subcommand(args);
    if (what != "show" && what != "set")
        throw UsageError(
            what.empty() ? "offsets what? (show or set)" : "unknown offsets \"" + what + "\"", topic);
    const PrintOptions options = takeOptions(args, topic);
    if (what == "set" && !options.horz && !options.vert)
        throw UsageError("give --horz N, --vert N or both", topic);
    PrintSession run(args, output, options, topic);
    if (what == "show")
        run.app().lookOnly(); // writes nothing, so it runs while the user is open elsewhere
    PrinterOffsetDialog& dialog = run.openOffsets();
    if (what == "set") {
        typeOffsets(dialog, options);
        dialog.cmdApply_Click();
    }
    run.failOnReports();
    writeOffsets(output, run.app(), dialog);
    return ExitDone;
}

} // namespace tallyman::cli
