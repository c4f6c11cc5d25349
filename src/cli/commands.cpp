#include "cli/commands.h"

#include "model/catalogue.h"
#include "model/checked.h"
#include "model/notation.h"
#include "model/standard_series.h"

#include <algorithm>
#include <cctype>

namespace oq::cli {

namespace {

std::string Lower(std::string_view text) {
    std::string s(text);
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The catalogue's calculator of a command; none for the series look-up.
const CalculatorEntry* EntryOf(std::string_view code) {
    for (const CalculatorEntry& c : Calculators)
        if (Lower(c.code) == code)
            return &c;
    return nullptr;
}

// "&Resistor Power" without its mnemonic.
std::string Caption(const char* caption) {
    std::string s;
    for (const char* p = caption; *p; ++p)
        if (*p != '&' || p[1] == '&')
            s += *p;
    return s;
}

// "e96_nearest"
std::string SeriesKey(Series series, const char* which) {
    std::string key;
    for (const char c : SeriesName(series))
        if (c != '-')
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key + "_" + which;
}

const char* const Sides[3] = {"nearest", "lower", "higher"};

Command SeriesCommand() {
    std::vector<std::string> results = {"value", "nearest", "lower", "higher"};
    std::vector<std::string> names;
    for (const Series s : kAllSeries) {
        names.emplace_back(SeriesName(s));
        for (const char* side : Sides)
            results.push_back(SeriesKey(s, side));
    }
    Command c{ComputationInfo{"series",
                              ComputeSeriesMembers,
                              {"value"},
                              results,
                              {"series"},
                              "a value; series=E-3|E-6|E-12|E-24|E-48|E-96|E-192, or every "
                              "series without",
                              "series=E-96 value=5100"},
              "Standard series members: nearest, next lower and next higher",
              {{"series", names}},
              // Members are written as they are: 4.7 m, not 0.00.
              ResultLook{0, "", true}};
    return c;
}

} // namespace

Outcome ComputeSeriesMembers(const ComputationInput& in) {
    const ComputationInfo& info = FindCommand("series")->info;
    Outcome out;
    auto usage = [&](const std::string& why) {
        out.status = Outcome::Status::Usage;
        out.message = std::string("series: ") + why + "; it takes " + info.needs;
        return out;
    };
    for (const auto& [name, v] : in.values)
        if (name != "value")
            return usage("unknown name \"" + name + "\"");
    for (const auto& [name, text] : in.texts)
        if (name != "series")
            return usage("unknown name \"" + name + "\"");
    if (!in.values.count("value"))
        return usage("too few values");
    std::vector<Series> series(kAllSeries.begin(), kAllSeries.end());
    if (const auto it = in.texts.find("series"); it != in.texts.end()) {
        const std::optional<Series> named = SeriesNamed(it->second);
        if (!named)
            return usage("unknown series \"" + it->second + "\"");
        series = {*named};
    }
    const double value = in.values.at("value");
    try {
        out.results["value"] = value;
        for (const Series s : series) {
            const double members[3] = {NearestMember(s, value), LowerMember(s, value),
                                       HigherMember(s, value)};
            for (int k = 0; k < 3; ++k)
                out.results[series.size() == 1 ? Sides[k] : SeriesKey(s, Sides[k])] = members[k];
        }
    } catch (const CalcError&) {
        // 0, a negative value or one beyond the largest member has no neighbours.
        out = {};
        out.status = Outcome::Status::Calculation;
        out.message = "Incorrect Value";
    }
    return out;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = [] {
        std::vector<Command> list;
        for (const ComputationInfo& row : Computations()) {
            const CalculatorEntry* entry = EntryOf(row.code);
            Command c{row, entry ? Caption(entry->caption) : row.code, {}, std::nullopt};
            for (const std::string& choice : row.choices)
                if (std::vector<std::string> v = ChoiceValues(row.code, choice); !v.empty())
                    c.values[choice] = std::move(v);
            list.push_back(std::move(c));
        }
        // A calculator of that name would take its place.
        if (std::none_of(list.begin(), list.end(),
                         [](const Command& c) { return c.info.code == std::string("series"); }))
            list.push_back(SeriesCommand());
        return list;
    }();
    return commands;
}

const Command* FindCommand(std::string_view code) {
    for (const Command& c : Commands())
        if (code == c.info.code)
            return &c;
    return nullptr;
}

ResultLook LookOf(const Command& command, const std::string& name) {
    if (command.look)
        return *command.look;
    const auto& results = command.info.results;
    const auto at = std::find(results.begin(), results.end(), name);
    const CalculatorEntry* entry = EntryOf(command.info.code);
    // The first fourteen list their results in the order of their boxes; the later ones name
    // more figures than they have boxes, in an order of their own.
    if (entry && entry->index > TabIO)
        return {0, "", false, true};
    if (!entry || at == results.end() || at - results.begin() >= entry->boxCount)
        return {};
    const CatalogueBox& box = entry->boxes[static_cast<size_t>(at - results.begin())];
    return {static_cast<float>(TextValue(box.decimalsDefault)), box.unit, true};
}

} // namespace oq::cli
