#include "cli/output.h"

#include "model/notation.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace oq::cli {

namespace {

// The names of `map` in the order of `order`, then any others in their own order.
template <class Map>
std::vector<std::string> Ordered(const Map& map, const std::vector<std::string>& order) {
    std::vector<std::string> names;
    for (const std::string& name : order)
        if (map.count(name) && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    for (const auto& [name, v] : map)
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    return names;
}

} // namespace

std::string ResultLine(const Command& command, const std::string& name, double value) {
    const ResultLook look = LookOf(command, name);
    if (look.full) {
        char text[32];
        std::snprintf(text, sizeof text, "%.10g", value);
        return name + " = " + text;
    }
    const std::string box = FormatFixedTrim(value, look.decimals);
    if (!look.box)
        return name + " = " + box;
    // A level or a share takes no prefix: 60 dB, not 60.00 dB read as a thousandth of a kdB.
    const std::string eng = look.unit == "dB" || look.unit == "%"
                                ? box + " " + look.unit
                                : FormatEng(value, ";" + look.unit + ";", look.decimals);
    return name + " = " + box + " (" + eng + ")";
}

std::vector<std::string> TextLines(const Command& command, const Outcome& outcome) {
    std::vector<std::string> lines;
    const ComputationInfo& info = command.info;
    std::vector<std::string> order = info.results;
    order.insert(order.end(), info.choices.begin(), info.choices.end());
    for (const std::string& name : Ordered(outcome.results, order))
        // An arm that is no resistor (Open, Short) is told as the tab tells it.
        lines.push_back(outcome.texts.count(name)
                            ? name + " = " + outcome.texts.at(name)
                            : ResultLine(command, name, outcome.results.at(name)));
    for (const std::string& name : Ordered(outcome.texts, order))
        if (!outcome.results.count(name))
            lines.push_back(name + " = " + outcome.texts.at(name));
    lines.insert(lines.end(), outcome.list.begin(), outcome.list.end());
    if (!outcome.message.empty())
        lines.push_back(outcome.message);
    return lines;
}

std::string JsonText(const Command& command, const ComputationInput& input,
                     const Outcome& outcome) {
    using nlohmann::ordered_json;
    const ComputationInfo& info = command.info;
    ordered_json inputs = ordered_json::object(), results = ordered_json::object();
    for (const std::string& name : Ordered(input.values, info.names))
        inputs[name] = input.values.at(name);
    for (const std::string& name : Ordered(input.texts, info.choices))
        inputs[name] = input.texts.at(name);
    std::vector<std::string> order = info.results;
    order.insert(order.end(), info.choices.begin(), info.choices.end());
    for (const std::string& name : Ordered(outcome.results, order))
        results[name] = outcome.results.at(name);
    // Digit strings, a gain or an attenuation: texts of their own. An arm's Open or Short stands
    // beside its number, under "shown".
    ordered_json shown = ordered_json::object();
    for (const std::string& name : Ordered(outcome.texts, order))
        (outcome.results.count(name) ? shown : results)[name] = outcome.texts.at(name);
    if (!shown.empty())
        results["shown"] = shown;
    if (!outcome.list.empty())
        results["list"] = outcome.list;

    ordered_json j = {{"calculator", info.code}, {"inputs", inputs}, {"results", results}};
    if (outcome.status != Outcome::Status::Done)
        j["error"] = outcome.message;
    else if (!outcome.message.empty())
        j["message"] = outcome.message;
    // A choice typed in another encoding must not stop the answer.
    return j.dump(2, ' ', false, ordered_json::error_handler_t::replace);
}

} // namespace oq::cli
