#include "cli/cli.h"
#include "cli/commands.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

// The built ohmquill-cli, run as a user runs it: its printed lines, its JSON and its exit status
// against what the model computes for the same input.
namespace oq::cli {
namespace {

using Numbers = std::map<std::string, double>;
using Texts = std::map<std::string, std::string>;

struct Ran {
    int status = -1;
    std::string out, err;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A scratch file of this test process: ctest runs the tests of this file side by side.
std::string Scratch(const char* name) {
    return testing::TempDir() + "cli_" + std::to_string(getpid()) + "_" + name;
}

// Through the shell, each argument quoted, so that it arrives exactly as written here.
Ran RunCli(const std::vector<std::string>& args) {
    std::string line = std::string("'") + OHMQUILL_CLI + "'";
    for (const std::string& a : args)
        line += " '" + a + "'";
    line += " >" + Scratch("out") + " 2>" + Scratch("err");
    const int raw = std::system(line.c_str());
    Ran r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = Slurp(Scratch("out"));
    r.err = Slurp(Scratch("err"));
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool HasLine(const std::string& text, const std::string& line) {
    const auto lines = Lines(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The printed JSON against the model's own outcome for the same input: the same numbers to the
// last bit, the same texts and list, the same error.
void ExpectJsonIsModel(const std::string& printed, const Command& command,
                       const ComputationInput& in) {
    const Outcome want = command.info.compute(in);
    const nlohmann::json j = nlohmann::json::parse(printed);
    EXPECT_EQ(j.at("calculator"), command.info.code);
    for (const auto& [name, v] : in.values)
        EXPECT_EQ(j.at("inputs").at(name).get<double>(), v) << name;
    for (const auto& [name, text] : in.texts)
        EXPECT_EQ(j.at("inputs").at(name), text) << name;
    const nlohmann::json& results = j.at("results");
    size_t count = 0;
    for (const auto& [name, v] : want.results) {
        ASSERT_TRUE(results.contains(name)) << name;
        EXPECT_EQ(results.at(name).get<double>(), v) << name;
        ++count;
    }
    for (const auto& [name, text] : want.texts) {
        const nlohmann::json& at = want.results.count(name) ? results.at("shown") : results;
        EXPECT_EQ(at.at(name), text) << name;
        count += want.results.count(name) ? 0 : 1;
    }
    if (!want.list.empty()) {
        EXPECT_EQ(results.at("list").get<std::vector<std::string>>(), want.list);
        ++count;
    }
    count += results.contains("shown") ? 1 : 0;
    EXPECT_EQ(results.size(), count) << results.dump();
    if (want.done()) {
        EXPECT_FALSE(j.contains("error"));
    } else {
        EXPECT_EQ(j.at("error"), want.message);
    }
}

// Each row: what a user would notice, the command line, its exit status, the model's input for
// the same question (JSON rows compare every number with it) and lines the output must hold.
TEST(Cli, CommandLinesAnswerAsTheModel) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        int status;
        Numbers values = {};
        Texts texts = {};
        std::vector<std::string> lines = {}; // on standard output
        std::string err = {};                // within standard error
    };
    const Case cases[] = {
        {"resistor power echoes each result with its unit",
         {"rp", "--u", "12", "--r", "470"},
         0,
         {},
         {},
         {"i = 0.03 (25.53 mA)", "p = 0.31 (306.38 mW)", "r = 470.00 (470.00 ohm)"}},
        {"10 dB PI pad between 50 ohm, classic pad table",
         {"pi", "--z1", "50", "--z2", "50", "--attenuation", "10", "--json"},
         0,
         {{"z1", 50}, {"z2", 50}, {"attenuation", 10}}},
        {"E-192 holds 920, not the formula's 919",
         {"series", "--series", "E-192", "919"},
         0,
         {},
         {},
         {"nearest = 920 (920)"}},
        {"5.1k between E-96 members 4.99k and 5.11k",
         {"series", "--series", "E-96", "5.1k"},
         0,
         {},
         {},
         {"nearest = 5110 (5.11 k)", "lower = 4990 (4.99 k)", "higher = 5110 (5.11 k)"}},
        {"every series without --series", {"series", "4k7", "--json"}, 0, {{"value", 4700}}},
        {"divider R1 for 3.3 V out of 12 V",
         {"vd", "--u", "12", "--u1", "3.3", "--r2", "10k"},
         0,
         {},
         {},
         {"r1 = 26363.64 (26.36 kohm)"}},
        {"the E-96 pair of that divider and the output it really gives",
         {"vd", "--u", "12", "--u1", "3.3", "--r2", "10k", "--series", "E-96"},
         0,
         {},
         {},
         {"r1 = 26100.00 (26.10 kohm)", "r2 = 10000.00 (10.00 kohm)", "u1 = 3.32 (3.32 V)"}},
        {"the same pair for a script",
         {"vd", "--json", "--u", "12", "--u1", "3.3", "--r2", "10k", "--series", "E-96"},
         0,
         {{"u", 12}, {"u1", 3.3}, {"r2", 10000}},
         {{"series", "E-96"}}},
        {"1 uF at 1 kHz", {"cz", "--c", "1u", "--f", "1k"}, 0, {}, {}, {"z = 159.15 (159.15 ohm)"}},
        {"1 mH at 1 kHz", {"lz", "--json", "--f", "1k", "--l", "1m"}, 0, {{"f", 1e3}, {"l", 1e-3}}},
        {"a negative resistance, with the tab's message",
         {"rp", "--u", "12", "--r=-470"},
         3,
         {},
         {},
         {},
         "Incorrect Value\n"},
        {"the same refusal for a script",
         {"rp", "--u", "12", "--r=-470", "--json"},
         3,
         {{"u", 12}, {"r", -470}}},
        {"a zero target has no pairs",
         {"sr", "--r", "0", "--tolerance", "5"},
         3,
         {},
         {},
         {},
         "Incorrect Value\n"},
        {"the pair search lists its lines",
         {"sr", "--r", "1k5", "--tolerance", "1"},
         0,
         {},
         {},
         {"1470 + 30.1 = 1500.10  ( 0.007%)", "750 + 750 = 1500.00  ( 0.000%)"}},
        {"the parallel pair search for a script",
         {"pr", "--r", "1k", "--tolerance", "2", "--series", "E-24", "--json"},
         0,
         {{"r", 1000}},
         {{"tolerance", "2"}, {"series", "E-24"}}},
        {"parallel R1 that completes R",
         {"pr", "--r", "500", "--r2", "1k"},
         0,
         {},
         {},
         {"r1 = 1000.00 (1.00 kohm)"}},
        {"Z1 below Z2 has no T pad",
         {"t", "--z1", "50", "--z2", "75", "--attenuation", "10"},
         3,
         {},
         {},
         {},
         "Incorrect Value\n"},
        {"minimum loss pad 75 to 50 ohm in power dB",
         {"pi", "--z1", "75", "--z2", "50", "--attenuation", "10", "--power"},
         0,
         {},
         {},
         {"minimum_attenuation = 5.72", "attenuation = 10.00 (10.00 dB)"}},
        {"a later calculator's figures lend no box its unit or its decimals",
         {"tl", "--type", "microstrip", "--er", "4.4", "--h", "1m", "--w", "1.875m"},
         0,
         {},
         {},
         {"z0 = 50.61726167", "eeff = 3.325454813"}},
        {"10 times as power gain is 10 dB",
         {"db1", "--x", "10", "--gain", "--power"},
         0,
         {},
         {},
         {"db = 10.00 (10.00 dB)", "percent = 1000.00 (1000.00 %)", "kind = gain"}},
        {"a percentage above 100 is a gain, for a script",
         {"db1", "--percent", "200", "--json"},
         0,
         {{"percent", 200}}},
        {"a negative factor", {"db1", "--x=-2"}, 3, {}, {}, {}, "Value too high or too low\n"},
        {"1 V RMS is 0 dBV",
         {"db2", "--rms", "1", "--ref", "dbv"},
         0,
         {},
         {},
         {"db = 0.00 (0.00 dB)", "pp = 2.83 (2.83 V)"}},
        {"a negative RMS voltage is too low",
         {"db2", "--rms=-1"},
         3,
         {},
         {},
         {},
         "RMS value is too low. Must be higher than 223.61 nV.\n"},
        {"1 ns rise time",
         {"tr", "--rise_time", "1n"},
         0,
         {},
         {},
         {"bandwidth = 350000000.00 (350.00 MHz)"}},
        {"DUT rise time under a 3 ns system",
         {"tr", "--measured", "5n", "--system", "3n", "--json"},
         0,
         {{"measured", 5e-9}, {"system", 3e-9}}},
        {"FF in every base", {"nc", "--hex", "FF"}, 0, {}, {}, {"dec = 255", "bin = 1111 1111"}},
        {"above the largest number", {"nc", "--dec", "2147483648"}, 3, {}, {}, {}, "Overflow!\n"},
        {"E-24 feedback resistor changes the gain",
         {"no", "--r1", "1k", "--r2", "9k", "--series", "E-24", "--json"},
         0,
         {{"r1", 1000}, {"r2", 9000}},
         {{"series", "E-24"}}},
        {"inverting gain of 10",
         {"io", "--r1", "1k", "--r2", "10k"},
         0,
         {},
         {},
         {"gain = 10.00 (10.00)"}},
        {"0 has no neighbours in a series", {"series", "0"}, 3, {}, {}, {}, "Incorrect Value\n"},
        {"an unknown calculator is named", {"zz", "--r", "1"}, 2, {}, {}, {}, "\"zz\""},
        {"an unreadable value is named", {"rp", "--u", "12", "--r", "4k7x"}, 2, {}, {}, {}, "4k7x"},
        {"too few values say which are needed",
         {"rp", "--u", "12"},
         2,
         {},
         {},
         {},
         "two of u r i p"},
        {"an unknown option", {"rp", "--u", "12", "--r", "1", "--bogus"}, 2, {}, {}, {}, "--bogus"},
        {"a gain and an attenuation at once",
         {"db1", "--db", "3", "--gain", "--attenuation"},
         2,
         {},
         {},
         {},
         "--attenuation and --gain"},
        {"a series there is none of",
         {"vd", "--u", "12", "--u1", "3.3", "--r2", "10k", "--series", "E-7"},
         2,
         {},
         {},
         {},
         "unknown series"},
        {"no calculator at all", {}, 2, {}, {}, {}, "a calculator is needed"},
        {"the version",
         {"--version"},
         0,
         {},
         {},
         {std::string("ohmquill-cli ") + OHMQUILL_VERSION}},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& a : c.args)
            shown += " " + a;
        SCOPED_TRACE(std::string(c.what) + ":" + shown);
        const Ran r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << r.out << r.err;
        for (const std::string& line : c.lines)
            EXPECT_TRUE(HasLine(r.out, line)) << "no line \"" << line << "\" in\n" << r.out;
        if (!c.err.empty()) {
            EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        }
        if (std::find(c.args.begin(), c.args.end(), "--json") != c.args.end()) {
            EXPECT_EQ(r.err, "");
            ExpectJsonIsModel(r.out, *FindCommand(c.args[0]), {c.values, c.texts});
        } else if (c.status != 0) {
            EXPECT_EQ(r.out, "");
        }
    }
}

// Every command, those added to the table later too: its help names its inputs and gives an
// example, and that example, run as printed, answers as the model does.
TEST(Cli, EveryCommandsHelpAndExample) {
    const Ran help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const Command& c : Commands()) {
        SCOPED_TRACE(c.info.code);
        EXPECT_NE(help.out.find(ExampleLine(c)), std::string::npos);
        const Ran own = RunCli({c.info.code, "--help"});
        EXPECT_EQ(own.status, 0);
        for (const std::string& name : c.info.names)
            EXPECT_NE(own.out.find("--" + name + " "), std::string::npos) << name;
        const auto lines = Lines(own.out);
        const auto example = std::find(lines.begin(), lines.end(), "Example:");
        ASSERT_NE(example, lines.end()) << own.out;
        ASSERT_NE(example + 1, lines.end());
        const std::string line = *(example + 1);
        const std::string program = "  ohmquill-cli ";
        ASSERT_EQ(line.rfind(program, 0), 0u) << line;
        // As a user pastes it, with --json to read the numbers back.
        std::vector<std::string> args;
        std::istringstream words(line.substr(program.size()));
        for (std::string w; words >> w;)
            args.push_back(w);
        args.push_back("--json");
        const Ran ran = RunCli(args);
        EXPECT_EQ(ran.status, 0) << ran.err;
        const nlohmann::json j = nlohmann::json::parse(ran.out);
        ComputationInput in;
        for (const auto& [name, v] : j.at("inputs").items())
            if (v.is_number())
                in.values[name] = v.get<double>();
            else
                in.texts[name] = v.get<std::string>();
        EXPECT_FALSE(in.values.empty() && in.texts.empty());
        ExpectJsonIsModel(ran.out, c, in);
    }
}

// The command line is a terminal tool: no windowing library comes with it.
TEST(Cli, LinksNoToolkit) {
    const std::string listed = Scratch("needed");
    const std::string line = std::string("readelf -d '") + OHMQUILL_CLI + "' >" + listed;
    ASSERT_EQ(std::system(line.c_str()), 0);
    const std::string needed = Slurp(listed);
    ASSERT_NE(needed.find("(NEEDED)"), std::string::npos) << needed;
    for (const char* library : {"libQt", "libGL", "libX11", "libxcb", "libwayland"})
        EXPECT_EQ(needed.find(library), std::string::npos) << library << " in\n" << needed;
}

// The installed completion offers each command's names, its value flags and a choice's texts.
TEST(Cli, BashCompletionOffersNamesAndTexts) {
    const std::string script = Scratch("completion.bash"), offered = Scratch("words");
    {
        std::ofstream out(script);
        out << BashCompletion();
    }
    auto complete = [&](const std::string& words, int cword) {
        const std::string line = "bash -c 'source " + script + "; COMP_WORDS=(" + words +
                                 "); COMP_CWORD=" + std::to_string(cword) +
                                 "; _ohmquill_cli; echo \"${COMPREPLY[*]}\"' >" + offered;
        EXPECT_EQ(std::system(line.c_str()), 0);
        return Slurp(offered);
    };
    EXPECT_NE(complete("ohmquill-cli d", 1).find("db1 db2"), std::string::npos);
    const std::string db1 = complete("ohmquill-cli db1 --", 2);
    for (const char* word : {"--x ", "--percent ", "--db ", "--gain ", "--power ", "--json "})
        EXPECT_NE(db1.find(word), std::string::npos) << word << " in " << db1;
    EXPECT_EQ(complete("ohmquill-cli db2 --ref \"\"", 3), "dbm dbu dbv\n");
    EXPECT_EQ(complete("ohmquill-cli series --series E-1", 3), "E-12 E-192\n");
    EXPECT_EQ(complete("ohmquill-cli rp --u \"\"", 3), "\n");
}

} // namespace
} // namespace oq::cli
