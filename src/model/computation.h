#pragma once

#include <map>
#include <string>
#include <vector>

// One shape for every calculator's computation: named inputs in, named results or an error out.
// The names are the lower-case names the command line uses ("u", "r1", "attenuation"); numbers
// are in SI base units (ohm, V, A, W, F, H, Hz, s), dB as dB, percent as percent.
namespace oq {

struct ComputationInput {
    std::map<std::string, double> values;     // the given numbers
    std::map<std::string, std::string> texts; // choices and digit strings: "series" = "E-96"
};

struct Outcome {
    enum class Status {
        Done,
        Usage,      // the inputs do not name a computation: too few, too many, an unknown name
        Calculation // the calculator's own refusal, with the tab's message
    };
    Status status = Status::Done;
    std::string message;                      // the tab's message, or what the usage needs
    std::map<std::string, double> results;    // the unknowns, and what follows from them
    std::map<std::string, std::string> texts; // results that are digit strings (number bases)
    std::vector<std::string> list;            // a result list, line by line (the pair search)

    bool done() const { return status == Status::Done; }
};

using Computation = Outcome (*)(const ComputationInput& input);

} // namespace oq
