#include "cli/cli.h"

#include "cli/output.h"
#include "model/si_value.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <memory>
#include <sstream>

namespace oq::cli {

namespace {

const char* const Program = "ohmquill-cli";

const char* const ValuesHelp =
    "Values take the SI prefixes p n u µ m k M G T and MEG (m is milli, M and MEG mega), after "
    "the number or in place of its decimal point (100n, 4k7, 2M2, 2u2, 4R7 for 4.7 ohm), or an "
    "exponent (1e-9).";

bool Contains(const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

std::string Joined(const std::vector<std::string>& list, const char* separator) {
    std::string s;
    for (const std::string& item : list) {
        if (!s.empty())
            s += separator;
        s += item;
    }
    return s;
}

bool IsWord(const std::string& s) {
    return !s.empty() && std::islower(static_cast<unsigned char>(s[0])) &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) {
               return std::islower(c) || std::isdigit(c) || c == '_';
           });
}

// A choice of two texts, 0 and 1, is switched on by its option alone: --power.
bool IsSwitch(const Command& command, const std::string& choice) {
    const auto it = command.values.find(choice);
    return it != command.values.end() && it->second == std::vector<std::string>{"0", "1"};
}

// A text of a choice that is also an option of its own: --gain for --kind gain. Only a plain
// word, and only where it names nothing else of the command.
struct ValueFlag {
    std::string choice;
    std::string value;
};

std::vector<ValueFlag> ValueFlags(const Command& command) {
    std::vector<ValueFlag> flags;
    std::map<std::string, int> uses;
    for (const auto& [choice, values] : command.values)
        if (!IsSwitch(command, choice))
            for (const std::string& v : values)
                ++uses[v];
    for (const auto& [choice, values] : command.values)
        if (!IsSwitch(command, choice))
            for (const std::string& v : values)
                if (IsWord(v) && uses[v] == 1 && !Contains(command.info.names, v) &&
                    !Contains(command.info.choices, v) && v != "json" && v != "help")
                    flags.push_back({choice, v});
    return flags;
}

// What one command was given, filled by the parser.
struct Given {
    const Command* command = nullptr;
    CLI::App* app = nullptr;
    std::map<std::string, std::pair<CLI::Option*, std::string>> numbers, texts;
    std::vector<std::pair<CLI::Option*, ValueFlag>> flags;
    bool json = false;
};

std::string CommandFooter(const Command& command) {
    std::string s = "It takes " + std::string(command.info.needs) +
                    " (name=text stands for --name text).\n" + ValuesHelp + "\n";
    return s + "\nExample:\n  " + ExampleLine(command) + "\n";
}

std::string ProgramFooter() {
    std::string s = "Calculators and their names (inputs and results alike):\n";
    for (const Command& c : Commands()) {
        std::vector<std::string> names = c.info.names;
        for (const std::string& choice : c.info.choices)
            names.push_back("--" + choice);
        for (const ValueFlag& flag : ValueFlags(c))
            names.push_back("--" + flag.value);
        std::string code = c.info.code;
        code.resize(std::max<size_t>(code.size() + 2, 8), ' ');
        s += "  " + code + Joined(names, " ") + "\n";
    }
    s += "\nWhatever is not given is the unknown, as on the tab; each command's --help says which "
         "names make a computation.\n";
    s += std::string(ValuesHelp) + "\n";
    s += "\nOutput:\n  One line per result, \"name = box text (engineering form)\", with the tab's "
         "decimals; with --json one object {\"calculator\", \"inputs\", \"results\"} with "
         "numbers in full precision in SI base units (ohm, V, A, W, F, H, Hz, s; dB as dB), and "
         "\"error\" on failure.\n";
    s += "\nExit status:\n  0 done; 2 usage error (unknown calculator or option, unreadable "
         "value, too few or too many values); 3 calculation error, with the tab's message.\n";
    // Two columns, so that the manual page keeps one example a line.
    s += "\nExamples:\n";
    for (const Command& c : Commands()) {
        std::string caption = c.description.substr(0, c.description.find(':'));
        caption.resize(std::max<size_t>(caption.size() + 2, 22), ' ');
        s += "  " + caption + ExampleLine(c) + "\n";
    }
    return s;
}

std::unique_ptr<CLI::App> MakeApp(std::vector<Given>& given, bool& completion) {
    auto app = std::make_unique<CLI::App>(
        "Every calculator of Ohmquill from the command line: one command per calculator, named by "
        "its code.",
        Program);
    app->set_version_flag("--version", std::string(Program) + " " + OHMQUILL_VERSION);
    app->require_subcommand(0, 1);
    app->footer(ProgramFooter());
    app->get_formatter()->column_width(26);
    // For the build, which installs the script this writes.
    app->add_flag("--bash-completion", completion, "Print a bash completion script")->group("");

    given.resize(Commands().size());
    for (size_t k = 0; k < Commands().size(); ++k) {
        const Command& command = Commands()[k];
        Given& g = given[k];
        g.command = &command;
        g.app = app->add_subcommand(command.info.code, command.description);
        g.app->footer(CommandFooter(command));
        const bool positional = command.info.names.size() == 1;
        for (const std::string& name : command.info.names) {
            auto& [option, text] = g.numbers[name];
            const ResultLook look = LookOf(command, name);
            option = g.app->add_option((positional ? name + ",--" : "--") + name, text,
                                       look.unit.empty() ? "a number" : "a number in " + look.unit);
            option->type_name("VALUE");
        }
        for (const std::string& choice : command.info.choices) {
            auto& [option, text] = g.texts[choice];
            const auto values = command.values.find(choice);
            if (IsSwitch(command, choice)) {
                option = g.app->add_option("--" + choice, text, "0 or 1; alone it is 1");
                option->expected(0, 1)->type_name("[0|1]");
            } else {
                option = g.app->add_option(
                    "--" + choice, text,
                    values == command.values.end() ? "a text" : Joined(values->second, "|"));
                option->type_name("TEXT");
            }
        }
        for (const ValueFlag& flag : ValueFlags(command)) {
            CLI::Option* option = g.app->add_flag("--" + flag.value);
            option->description("--" + flag.choice + " " + flag.value);
            g.flags.push_back({option, flag});
        }
        g.app->add_flag("--json", g.json, "Print one JSON object instead of text lines");
    }
    return app;
}

std::string CommandList() {
    std::vector<std::string> codes;
    for (const Command& c : Commands())
        codes.push_back(c.info.code);
    return Joined(codes, " ");
}

int Answer(const Given& g, const ComputationInput& input, const Outcome& outcome, std::ostream& out,
           std::ostream& err) {
    const int status = outcome.status == Outcome::Status::Done          ? ExitDone
                       : outcome.status == Outcome::Status::Calculation ? ExitCalculation
                                                                        : ExitUsage;
    if (g.json) {
        out << JsonText(*g.command, input, outcome) << '\n';
        return status;
    }
    if (status == ExitDone) {
        for (const std::string& line : TextLines(*g.command, outcome))
            out << line << '\n';
    } else if (status == ExitCalculation) {
        err << outcome.message << '\n';
    } else {
        err << Program << " " << outcome.message << "\nRun " << Program << " "
            << g.command->info.code << " --help for more information.\n";
    }
    return status;
}

} // namespace

std::string ExampleLine(const Command& command) {
    std::string line = std::string(Program) + " " + command.info.code;
    std::istringstream words(command.info.example);
    std::string positional;
    for (std::string word; words >> word;) {
        const size_t eq = word.find('=');
        const std::string name = word.substr(0, eq), text = word.substr(eq + 1);
        // The one number of a command goes last, without its name.
        if (command.info.names == std::vector<std::string>{name})
            positional = " " + text;
        else
            line += " --" + name + " " + text;
    }
    return line + positional;
}

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    // An unknown calculator is named as such, not as an argument nobody expected.
    if (argc > 1 && argv[1][0] != '-' && !FindCommand(argv[1])) {
        err << Program << ": unknown calculator \"" << argv[1] << "\"; the calculators are "
            << CommandList() << "\n";
        return ExitUsage;
    }
    std::vector<Given> given;
    bool completion = false;
    const std::unique_ptr<CLI::App> app = MakeApp(given, completion);
    try {
        app->parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app->exit(e, out, err) == 0 ? ExitDone : ExitUsage;
    }
    if (completion) {
        out << BashCompletion();
        return ExitDone;
    }
    const auto chosen =
        std::find_if(given.begin(), given.end(), [](const Given& g) { return g.app->parsed(); });
    if (chosen == given.end()) {
        err << app->help() << "\n" << Program << ": a calculator is needed\n";
        return ExitUsage;
    }

    ComputationInput input;
    for (const auto& [name, given_] : chosen->numbers) {
        const auto& [option, text] = given_;
        if (!option->count())
            continue;
        const std::optional<double> v = ReadSiValue(text);
        if (!v) {
            Outcome unread;
            unread.status = Outcome::Status::Usage;
            unread.message = std::string(chosen->command->info.code) + ": --" + name + " \"" +
                             text + "\" is not a number";
            return Answer(*chosen, input, unread, out, err);
        }
        input.values[name] = *v;
    }
    for (const auto& [choice, given_] : chosen->texts) {
        const auto& [option, text] = given_;
        if (option->count())
            input.texts[choice] = text.empty() && IsSwitch(*chosen->command, choice) ? "1" : text;
    }
    // Two texts for one choice: --gain --attenuation, or --kind gain --attenuation.
    std::map<std::string, std::vector<std::string>> sources;
    for (const auto& [choice, given_] : chosen->texts)
        if (given_.first->count())
            sources[choice].push_back("--" + choice);
    for (const auto& [option, flag] : chosen->flags)
        if (option->count()) {
            input.texts[flag.choice] = flag.value;
            sources[flag.choice].push_back("--" + flag.value);
        }
    for (const auto& [choice, options] : sources)
        if (options.size() > 1) {
            Outcome twice;
            twice.status = Outcome::Status::Usage;
            twice.message = std::string(chosen->command->info.code) + ": " +
                            Joined(options, " and ") + " both set " + choice;
            return Answer(*chosen, input, twice, out, err);
        }
    return Answer(*chosen, input, chosen->command->info.compute(input), out, err);
}

std::string BashCompletion() {
    std::string commands;
    std::string values, options;
    for (const Command& c : Commands()) {
        const std::string code = c.info.code;
        commands += " " + code;
        std::vector<std::string> opts;
        std::vector<std::string> numberCases;
        for (const std::string& name : c.info.names) {
            opts.push_back("--" + name);
            numberCases.push_back(code + "/--" + name);
        }
        for (const std::string& choice : c.info.choices) {
            opts.push_back("--" + choice);
            const auto it = c.values.find(choice);
            if (it != c.values.end() && !IsSwitch(c, choice))
                values += "        " + code + "/--" + choice + ") words=\"" +
                          Joined(it->second, " ") + "\" ;;\n";
            else if (!IsSwitch(c, choice))
                numberCases.push_back(code + "/--" + choice);
        }
        for (const ValueFlag& flag : ValueFlags(c))
            opts.push_back("--" + flag.value);
        opts.insert(opts.end(), {"--json", "--help"});
        if (!numberCases.empty())
            values += "        " + Joined(numberCases, "|") + ") return ;;\n";
        options += "            " + code + ") words=\"" + Joined(opts, " ") + "\" ;;\n";
    }
    return "# bash completion for ohmquill-cli; written by ohmquill-cli --bash-completion\n"
           "_ohmquill_cli() {\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
           "    local words=\n"
           "    if ((COMP_CWORD == 1)); then\n"
           "        words=\"--help --version" +
           commands +
           "\"\n"
           "    else\n"
           "        case ${COMP_WORDS[1]}/$prev in\n" +
           values +
           "        *)\n"
           "            case ${COMP_WORDS[1]} in\n" +
           options +
           "            esac ;;\n"
           "        esac\n"
           "    fi\n"
           "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
           "}\n"
           "complete -F _ohmquill_cli ohmquill-cli\n";
}

} // namespace oq::cli
