#include "KrzConvert.h"

#include <ostream>
#include <vector>

namespace kritz {

namespace {

// Splits WIDTHxHEIGHT at its first "x"; false when there is none.
bool SplitSize(std::string_view size, std::string& width, std::string& height)
{
    const std::size_t x = size.find('x');
    if (x == std::string_view::npos)
        return false;
    width = size.substr(0, x);
    height = size.substr(x + 1);
    return true;
}

}

std::optional<ConversionInputs> ParseConvertArgs(std::span<const std::string_view> args, std::string& why)
{
    ConversionInputs inputs{"", "", "", "", "640", "480", "1024", "768"};
    std::vector<std::string_view> files;
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnd || arg == "-" || !arg.starts_with('-')) {
            files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnd = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name(arg.substr(0, equals));
        if (name != "--from" && name != "--to") {
            why = "unknown option '" + std::string(arg) + "'";
            return std::nullopt;
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            why = name + " needs WIDTHxHEIGHT";
            return std::nullopt;
        }
        const bool from = name == "--from";
        if (!SplitSize(value, from ? inputs.sourceWidth : inputs.destWidth,
                       from ? inputs.sourceHeight : inputs.destHeight)) {
            why = name + " needs WIDTHxHEIGHT, not '" + std::string(value) + "'";
            return std::nullopt;
        }
    }
    if (files.size() != 2) {
        why = files.size() < 2 ? "convert needs a source and a destination file" : "more than two files given";
        return std::nullopt;
    }
    inputs.sourceEdit = files[0];
    inputs.destEdit = files[1];
    return inputs;
}

int PrintOutcome(const ConversionOutcome& outcome, std::ostream& out, std::ostream& err)
{
    if (outcome.kind == OutcomeKind::Created) {
        out << outcome.message << '\n';
        return 0;
    }
    err << outcome.message << (outcome.kind == OutcomeKind::InputError ? ".\n" : "\n");
    return 1;
}

}
