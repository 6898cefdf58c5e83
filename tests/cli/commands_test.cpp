// Every command on a real data folder: what it prints, what it writes, and that a period
// computed here is the one the window computes, file for file.
#include "cli_test_support.h"

#include "cli/json_writer.h"
#include "cli/record_output.h"
#include "engine/states/special_states.h"
#include "platform/plain_clock.h"
#include "platform/recording_printer.h"
#include "platform/scripted_dialogs.h"
#include "screens/app.h"
#include "screens/main_window.h"
#include "screens/user_commands.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>

using namespace tallyman;
using namespace tallyman::cli::test;

namespace {

// The value of "name": in the JSON text, read as a double (enough for these checks; the
// goldens compare the whole text).
double jsonField(const std::string& json, const std::string& name)
{
    const auto at = json.find("\"" + name + "\": ");
    if (at == std::string::npos) {
        ADD_FAILURE() << "no " << name << " in " << json;
        return std::nan("");
    }
    return std::strtod(json.c_str() + at + name.size() + 4, nullptr);
}

std::string jsonText(const std::string& json, const std::string& name)
{
    const auto at = json.find("\"" + name + "\": \"");
    if (at == std::string::npos)
        return "<no " + name + ">";
    const auto start = at + name.size() + 5;
    return json.substr(start, json.find('"', start) - start);
}

// The lines of a data file (CR LF separated).
std::vector<std::string> lines(const std::string& bytes)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        result.push_back(bytes.substr(start, end - start));
    return result;
}

class Commands : public ::testing::Test {
protected:
    CliResult alice(std::vector<std::string> args)
    {
        args.insert(args.begin(), { "--user", "Alice" });
        return folder.run(args);
    }
    void makeAlice() { ASSERT_EQ(folder.run({ "user", "new", "Alice" }).code, 0); }

    DataFolderFixture folder;
};

TEST_F(Commands, NewUserProfileStateAndOnePayPeriod)
{
    // A new weekly user, as File > New leaves it: on disk at once.
    const CliResult created = folder.run({ "--json", "user", "new", "Alice" });
    ASSERT_EQ(created.code, 0) << created.err;
    for (const char* ext : { ".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci" })
        EXPECT_TRUE(folder.has(std::string("Alice") + ext)) << ext;
    EXPECT_EQ(jsonField(created.out, "Week"), -1);
    EXPECT_EQ(jsonField(created.out, "KpPer"), 1);

    const CliResult profile = alice({ "--json", "user", "set", "HourRate=20", "FedStatus=married",
        "FedExemptions=2", "StateStatus=Married", "StateExemptions=1", "Muni=15", "Pension=2", "Kplan=5",
        "KpPer=1", "Name=Alice Doe", "Tax5=Credit Union" });
    ASSERT_EQ(profile.code, 0) << profile.err;
    EXPECT_EQ(jsonField(profile.out, "HourRate"), 20);
    EXPECT_EQ(jsonText(profile.out, "FedStatus"), "Married");
    EXPECT_EQ(lines(folder.file("Alice.use")).at(2), "20,0,0");
    EXPECT_EQ(lines(folder.file("Alice.and")).at(5).substr(0, 11), "\"Alice Doe\"");

    const CliResult state = alice({ "--json", "state", "set", "txtStateAdj=-5", "txtSDIpercent=0.5" });
    ASSERT_EQ(state.code, 0) << state.err;
    EXPECT_EQ(jsonField(state.out, "StateAdj"), -5);
    EXPECT_EQ(jsonField(state.out, "SDIpercent"), 0.5);

    const CliResult calc = alice({ "--json", "calc", "--hours", "40,,,5,,,," });
    ASSERT_EQ(calc.code, 0) << calc.err;
    expectGolden("cli/alice_calc.json", calc.out);
    // 40 hours at 20 and 5 at time and a half.
    EXPECT_EQ(jsonField(calc.out, "PayRate"), 20);
    EXPECT_EQ(jsonField(calc.out, "Reg1Pay"), 800);
    EXPECT_EQ(jsonField(calc.out, "TotalOt"), 150);
    EXPECT_EQ(jsonField(calc.out, "GrossPay"), 950);
    EXPECT_EQ(jsonField(calc.out, "KplanAmt"), 47.5); // 5 % of gross
    EXPECT_EQ(jsonField(calc.out, "PensionAmt"), 19); // 2 % of gross
    EXPECT_EQ(jsonField(calc.out, "TaxableWages"), 902.5);
    EXPECT_FLOAT_EQ(float(jsonField(calc.out, "SocSecTax")), 58.9f); // 6.2 %
    // 1.45 %: 13.775 stored as a float is 13.7749996..., which rounds down.
    EXPECT_FLOAT_EQ(float(jsonField(calc.out, "MedicareTax")), 13.77f);
    // New York: 902.50 less half the married allowance for one (344.30), from 267.50 at 5.5 %
    // plus 11.54, less the adjustment of 5.
    EXPECT_EQ(jsonField(calc.out, "StateWages"), 730.35);
    EXPECT_EQ(jsonField(calc.out, "StateTax"), 32);
    // New York City: 902.50 less 125, from 481 at 4.15 % plus 15.06.
    EXPECT_FLOAT_EQ(float(jsonField(calc.out, "CityTax")), 27.36f);
    EXPECT_FLOAT_EQ(float(jsonField(calc.out, "TotDeduct")), 81.5f); // 15 + 47.5 + 19
    const double net = jsonField(calc.out, "GrossPay") - jsonField(calc.out, "TaxDeduct") - 81.5;
    EXPECT_NEAR(jsonField(calc.out, "NetPay"), net, 0.005);
    EXPECT_EQ(jsonText(calc.out, "Label13"), "$950.00");
    EXPECT_EQ(jsonText(calc.out, "lbTableNotice"), "Weekly Tax Tables");
    EXPECT_NE(calc.out.find("\"messages\": []"), std::string::npos);
}

// --hours with fewer texts than boxes leaves the rest empty: the same period as the eight
// texts with the empty ones written out. Without --user the default file set is used, as the
// start-up prompt's empty name does.
TEST_F(Commands, ShortHoursAndTheDefaultFileSet)
{
    makeAlice();
    const CliResult full = alice({ "--json", "calc", "--hours", "40,,,5,,,,", "--week", "1/5/2024" });
    ASSERT_EQ(full.code, 0) << full.err;
    const std::string saved = folder.file("Alice.use");
    for (const char* hours : { "40,,,5", "40,,,5," }) {
        SCOPED_TRACE(hours);
        const CliResult shorter = alice({ "--json", "calc", "--hours", hours, "--week", "1/5/2024" });
        ASSERT_EQ(shorter.code, 0) << shorter.err;
        EXPECT_EQ(shorter.out, full.out);
        EXPECT_EQ(folder.file("Alice.use"), saved);
    }
    const CliResult one = alice({ "--json", "calc", "--hours", "40" });
    ASSERT_EQ(one.code, 0) << one.err;
    EXPECT_EQ(jsonField(one.out, "StrHrs"), 40);

    const CliResult plain = folder.run({ "--json", "calc", "--hours", "40" });
    ASSERT_EQ(plain.code, 0) << plain.err;
    EXPECT_EQ(jsonText(plain.out, "user"), "");
    EXPECT_TRUE(folder.has(".use"));
    EXPECT_EQ(folder.run({ "user", "show" }).code, 0);
}

TEST_F(Commands, TextResultShowsTheResultPanel)
{
    makeAlice();
    ASSERT_EQ(alice({ "user", "set", "HourRate=12.5" }).code, 0);
    const CliResult calc
        = alice({ "calc", "--straight", "38", "--ot", "2", "--ot-2x", "--week", "1/5/2024" });
    ASSERT_EQ(calc.code, 0) << calc.err;
    expectGolden("cli/alice_calc.txt", calc.out);
    EXPECT_NE(calc.out.find("GROSS PAY"), std::string::npos);
    EXPECT_NE(calc.out.find("$525.00"), std::string::npos); // 38 x 12.5 + 2 x 2 x 12.5
}

TEST_F(Commands, ShowCommandsGiveTheRecords)
{
    makeAlice();
    for (const char* command : { "user", "state", "city", "noncity" }) {
        const CliResult json = alice({ "--json", command, "show" });
        ASSERT_EQ(json.code, 0) << command << json.err;
        expectGolden(std::string("cli/alice_") + command + "_show.json", json.out);
        const CliResult text = alice({ command, "show" });
        ASSERT_EQ(text.code, 0) << command << text.err;
        expectGolden(std::string("cli/alice_") + command + "_show.txt", text.out);
    }
}

TEST_F(Commands, UserSetClicksAndPicksAsAPersonWould)
{
    makeAlice();
    struct Case {
        std::vector<std::string> assignments;
        std::vector<std::pair<std::string, double>> fields; // expected in the saved profile
    };
    const Case cases[] = {
        // Checking one K-plan box unchecks the other, in the order given.
        { { "KpFix=1" }, { { "KpFix", 1 }, { "KpPer", 0 } } },
        { { "KpFix=1", "KpPer=1" }, { { "KpFix", 0 }, { "KpPer", 1 } } },
        // Both unchecked on screen: the save makes the K-plan a percentage.
        { { "KpPer=0" }, { { "KpFix", 0 }, { "KpPer", 1 } } },
        { { "Week=biweekly" }, { { "Week", 0 }, { "BiWeek", -1 } } },
        { { "Week=Weekly", "StateExemptions=3" },
            { { "Week", -1 }, { "BiWeek", 0 }, { "StateExemptions", 3 } } },
        // The lenient boxes read what leads the text; blanks are typed as any key.
        { { "Muni=1 250.5", "Bond=-" }, { { "Muni", 1250.5 }, { "Bond", 0 } } },
    };
    for (const Case& c : cases) {
        std::vector<std::string> args { "--json", "user", "set" };
        args.insert(args.end(), c.assignments.begin(), c.assignments.end());
        const CliResult result = alice(args);
        ASSERT_EQ(result.code, 0) << c.assignments.front() << result.err;
        for (const auto& [name, value] : c.fields)
            EXPECT_EQ(jsonField(result.out, name), value) << c.assignments.front() << " " << name;
    }
    EXPECT_TRUE(folder.has("Alice.ovb")) << "a bi-weekly save writes the bi-weekly tracker rows";
    const CliResult calc = alice({ "--json", "calc" });
    EXPECT_EQ(jsonText(calc.out, "lbTableNotice"), "Weekly Tax Tables");
}

TEST_F(Commands, StateSelectPressesTheSpecialStateBox)
{
    makeAlice();
    const CliResult iowa = alice({ "--json", "state", "select", "Iowa" });
    ASSERT_EQ(iowa.code, 0) << iowa.err;
    EXPECT_EQ(jsonField(iowa.out, "Iowa"), 1);
    // The Iowa preset clears the bracket table.
    EXPECT_NE(iowa.out.find("\"StateMinBS\": [999999, 999999"), std::string::npos) << iowa.out;
    EXPECT_EQ(lines(folder.file("Alice.sta")).at(22).substr(0, 6), "0,0,1,");

    // Selecting it again keeps it selected (the box is not pressed a second time).
    EXPECT_EQ(jsonField(alice({ "--json", "state", "select", "iowa" }).out, "Iowa"), 1);

    // A field of the cleared table is disabled under Iowa: a person could not type there.
    const auto before = folder.snapshot();
    const CliResult disabled = alice({ "state", "set", "txtStateMinBS[0]=5" });
    EXPECT_EQ(disabled.code, 2);
    EXPECT_NE(disabled.err.find("txtStateMinBS[0] is disabled"), std::string::npos) << disabled.err;
    EXPECT_EQ(folder.snapshot(), before);

    const CliResult none = alice({ "--json", "state", "select", "none" });
    ASSERT_EQ(none.code, 0) << none.err;
    EXPECT_EQ(jsonField(none.out, "Iowa"), 0);

    const CliResult newYork = alice({ "--json", "state", "newyork" });
    ASSERT_EQ(newYork.code, 0) << newYork.err;
    EXPECT_NE(newYork.out.find("\"StateMinBS\": [0, 327, 450, 535,"), std::string::npos) << newYork.out;
}

TEST_F(Commands, EverySpecialStateIsSelectedByTheNameTheHelpGives)
{
    makeAlice();
    std::string help = folder.run({ "state", "--help" }).out;
    std::replace(help.begin(), help.end(), ',', ' ');
    std::istringstream words(help);
    const std::set<std::string> listed { std::istream_iterator<std::string>(words), {} };
    for (const SpecialState& state : SpecialStates) {
        EXPECT_TRUE(listed.contains(state.command)) << state.command;
        const CliResult chosen = alice({ "--json", "state", "select", state.command });
        ASSERT_EQ(chosen.code, 0) << chosen.err;
        EXPECT_EQ(jsonField(chosen.out, state.field), 1) << state.command;
    }
}

TEST_F(Commands, CityAndNonCityDialogsSaveWhatIsTyped)
{
    makeAlice();
    const CliResult city = alice({ "--json", "city", "set", "txtCityMinBS[3]=600", "txtCityPerBS[3]=0.04" });
    ASSERT_EQ(city.code, 0) << city.err;
    EXPECT_NE(city.out.find("\"CityMinBS\": [0, 308, 334, 600,"), std::string::npos) << city.out;
    EXPECT_EQ(lines(folder.file("Alice.cti")).at(3), "600,14.92,0.04,577,14.92,0.0395");

    const CliResult noLocal = alice({ "--json", "city", "set", "ckNoLocalTax=1" });
    ASSERT_EQ(noLocal.code, 0) << noLocal.err;
    EXPECT_EQ(jsonField(noLocal.out, "NoLocalTax"), 1);
    EXPECT_NE(noLocal.out.find("\"CityMinBS\": [999999, 999999"), std::string::npos);

    const CliResult newYork = alice({ "--json", "city", "newyork" });
    ASSERT_EQ(newYork.code, 0) << newYork.err;
    EXPECT_EQ(jsonField(newYork.out, "NoLocalTax"), 0);
    EXPECT_NE(newYork.out.find("\"CityMinBS\": [0, 308, 334, 577,"), std::string::npos) << newYork.out;

    const CliResult nonCity = alice({ "--json", "noncity", "set", "txtNonPer=0.005", "txtNonMinWk[5]=800" });
    ASSERT_EQ(nonCity.code, 0) << nonCity.err;
    EXPECT_FLOAT_EQ(float(jsonField(nonCity.out, "NonPer")), 0.005f);
    EXPECT_EQ(lines(folder.file("Alice.nci")).at(5), "999999,0,800,0");
    const CliResult defaults = alice({ "--json", "noncity", "default" });
    ASSERT_EQ(defaults.code, 0) << defaults.err;
    EXPECT_FLOAT_EQ(float(jsonField(defaults.out, "NonPer")), 0.0045f);
}

TEST_F(Commands, SavingTheProfileKeepsTheOtherTables)
{
    makeAlice();
    ASSERT_EQ(alice({ "city", "set", "txtCityMinBS[3]=600" }).code, 0);
    ASSERT_EQ(alice({ "noncity", "set", "txtNonPer=0.005" }).code, 0);
    ASSERT_EQ(alice({ "state", "set", "txtStateAdj=3" }).code, 0);
    const auto before = folder.snapshot();
    // User Info's Save writes the whole user: the tables it did not touch keep their figures.
    ASSERT_EQ(alice({ "user", "set", "Muni=10" }).code, 0);
    for (const char* file : { "Alice.cti", "Alice.nci", "Alice.sta" })
        EXPECT_EQ(folder.file(file), before.at(file)) << file;
}

TEST_F(Commands, NewUserSavesThePreviousOneOnlyWhenToldYes)
{
    makeAlice();
    std::filesystem::remove(folder.dir / "Alice.cti");
    ASSERT_EQ(alice({ "user", "new", "Bob" }).code, 0);
    EXPECT_FALSE(folder.has("Alice.cti")); // --no is the default: Alice was not saved
    EXPECT_TRUE(folder.has("Bob.cti"));
    ASSERT_EQ(alice({ "--yes", "user", "new", "Carol" }).code, 0);
    EXPECT_TRUE(folder.has("Alice.cti")); // the Save User dialog's Save wrote Alice's files
    EXPECT_TRUE(folder.has("Carol.use"));
}

TEST_F(Commands, ReportedProblemsGiveExitTwoWithTheMessage)
{
    makeAlice();
    // The legacy federal table is not shipped: the program says so, computes on, and saves.
    const CliResult legacy = alice({ "--json", "calc", "--straight", "40", "--fed-prior-april" });
    EXPECT_EQ(legacy.code, 2);
    EXPECT_NE(legacy.err.find("   Operation Failed ! ! !"), std::string::npos) << legacy.err;
    EXPECT_NE(legacy.out.find("\"lines\": [\"   Operation Failed ! ! !\""), std::string::npos) << legacy.out;
    EXPECT_EQ(jsonField(legacy.out, "GrossPay"), 300);

    // A corrupt city file is reported at start-up, before anything could save over it.
    writeFile(folder.dir / "Alice.cti", "1,2,3\r\n");
    const auto before = folder.snapshot();
    const CliResult corrupt = alice({ "calc", "--straight", "40" });
    EXPECT_EQ(corrupt.code, 2);
    EXPECT_EQ(
        corrupt.err, "Tallyman: You have corupted a file.\n  Find file,\n  Alice.cti\n  and delete it.\n");
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(Commands, HelpAndVersion)
{
    for (const std::vector<std::string>& args :
        std::vector<std::vector<std::string>> { { "--help" }, { "calc", "--help" },
            { "user", "set", "--help" }, { "state", "-h" }, { "city", "--help" }, { "noncity", "--help" } }) {
        const CliResult help = folder.run(args);
        EXPECT_EQ(help.code, 0);
        EXPECT_EQ(help.out.rfind("Usage: tallyman-cli", 0), 0u) << help.out;
    }
    EXPECT_NE(folder.run({ "user", "--help" }).out.find("StateCityZip"), std::string::npos);

    const CliResult version = folder.run({ "--version" });
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out.rfind("tallyman-cli " TALLYMAN_VERSION "\nFederal table: ", 0), 0u) << version.out;
    EXPECT_NE(version.out.find(folder.dir.string()), std::string::npos)
        << "the data folder's copy comes first";
    std::filesystem::remove(folder.dir / "Federal24.dtt");
    EXPECT_NE(folder.run({ "--version" }).out.find(TALLYMAN_DATA_DIR), std::string::npos);
}

// What a person does in the window: start-up prompt, the eight boxes, (2X), ADD.
class WindowHost : public ScreenHost {
public:
    App* app = nullptr;
    std::string user;
    void runModal(ScreenId id) override
    {
        if (id == ScreenId::StartupPrompt) {
            app->startupPrompt().txtUser.setText(user);
            app->startupPrompt().OKButton.click();
        }
    }
};

TEST_F(Commands, APeriodComputedHereIsTheOneTheWindowComputes)
{
    makeAlice();
    ASSERT_EQ(alice({ "user", "set", "HourRate=18.25", "HourRate2=22", "TipsRate=3", "Kplan=25", "KpFix=1",
                        "Cafe=12", "CafeState=1", "Misc=30", "FedExemptions=1" })
                  .code,
        0);
    ASSERT_EQ(alice({ "state", "set", "ckSDI=1", "txtSDIpercent=0.9", "txtSDIwageBase=40000" }).code, 0);

    // A copy of the folder for the window.
    DataFolderFixture window;
    for (const auto& [name, bytes] : folder.snapshot())
        writeFile(window.dir / name, bytes);

    const std::vector<std::string> texts { "37.5", "4", "3", "2.25", "8", "", "125.5", "10" };
    const CliResult calc = alice({ "--json", "calc", "--hours", "37.5,4,3,2.25,8,,125.5,10", "--ot-2x" });
    ASSERT_EQ(calc.code, 0) << calc.err;

    ui::ScriptedDialogs dialogs;
    ui::PlainClock clock(ui::Date { 2024, 1, 5 });
    ui::RecordingPrinter printer;
    WindowHost host;
    host.user = "Alice";
    App app(AppServices { dialogs, clock, printer, host, DataFolder(window.dir), TALLYMAN_DATA_DIR });
    host.app = &app;
    ASSERT_TRUE(app.start());
    MainWindow& main = app.mainWindow();
    for (std::size_t i = 0; i < texts.size(); ++i)
        main.txtAmount[i].setText(texts[i]);
    main.opt2x.click();
    main.cmdCal.click();

    EXPECT_EQ(window.snapshot(), folder.snapshot());
    std::ostringstream pay;
    cli::JsonWriter w(pay);
    cli::writeRecord(w, app.pay);
    std::string expected = pay.str();
    // The same record, indented one level deeper inside the CLI's object.
    std::string indented;
    for (std::size_t start = 0; start < expected.size();) {
        const auto end = expected.find('\n', start);
        const std::string line = expected.substr(start, end - start);
        indented += (start == 0 ? "" : "  ") + line + (end == std::string::npos ? "" : "\n");
        start = end == std::string::npos ? expected.size() : end + 1;
    }
    indented.pop_back();
    EXPECT_NE(calc.out.find("\"PayResult\": " + indented), std::string::npos) << calc.out << indented;
    EXPECT_EQ(jsonText(calc.out, "lbNet"), main.lbNet.text());
}

} // namespace
