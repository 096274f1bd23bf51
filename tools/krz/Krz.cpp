#include "Krz.h"

#include "KrzConvert.h"
#include "KrzInfo.h"
#include "NativeFiles.h"
#include "RecordIo.h"

#include <ostream>
#include <string>

namespace kritz {

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

constexpr std::string_view Usage = R"(usage: krz COMMAND [OPTIONS] FILE

Inspects and converts Kritz animation files (.Krz).

commands:
  info FILE           number of records, records by kind, bounding box of
                      the coordinates, total time with recorded and with
                      averaged delays, batches and the replay's duration
  dump [--json] FILE  one line per record in file order, with its batch;
                      --json prints one JSON object per line
  convert SRC DST [--from WIDTHxHEIGHT] [--to WIDTHxHEIGHT]
                      rewrites SRC for another screen size into DST, by
                      default from 640x480 to 1024x768; exit status 0 only
                      when the file was created
  --help              this text
)";

int UsageError(std::ostream& err, std::string_view why)
{
    err << "krz: " << why << "\n" << Usage;
    return ExitUsage;
}

}

int RunKrz(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return UsageError(err, "no command given");
    const std::string_view command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << Usage;
        return 0;
    }
    if (command == "convert") {
        std::string why;
        const auto inputs = ParseConvertArgs(args.subspan(1), why);
        if (!inputs)
            return UsageError(err, why);
        NativeFiles files;
        return PrintOutcome(ConvertAnimation(*inputs, files), out, err);
    }

    bool json = false;
    std::string_view path;
    for (std::string_view arg : args.subspan(1)) {
        if (arg == "--json" && command == "dump")
            json = true;
        else if (arg.starts_with("-") && arg.size() > 1)
            return UsageError(err, "unknown option '" + std::string(arg) + "'");
        else if (path.empty())
            path = arg;
        else
            return UsageError(err, "more than one file given");
    }
    if (command != "info" && command != "dump")
        return UsageError(err, "unknown command '" + std::string(command) + "'");
    if (path.empty())
        return UsageError(err, "no file given");

    try {
        ReadSummary summary;
        const auto records = LoadRecords(std::string(path), &summary);
        if (command == "info")
            PrintInfo(out, records, summary.trailingBytes);
        else
            PrintDump(out, records, json);
        out.flush();
        if (!out)
            throw IoError("cannot write the output");
    } catch (const IoError& e) {
        err << "krz: " << e.what() << '\n';
        return ExitFailure;
    }
    return 0;
}

}
