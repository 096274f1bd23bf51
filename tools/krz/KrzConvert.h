#pragma once

#include "Conversion.h"

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kritz {

// The arguments of `krz convert`: SRC DST [--from WIDTHxHEIGHT] [--to
// WIDTHxHEIGHT], sizes 640x480 and 1024x768 by default. SRC and DST stand
// for the window's file name edits, with no dialog names; the size parts go
// to the conversion as texts, as typed. Empty, with the reason in `why`, on a
// usage error.
std::optional<ConversionInputs> ParseConvertArgs(std::span<const std::string_view> args, std::string& why);

// Prints the outcome as the window would show it, "File created" on `out` and
// everything else on `err`, input errors with the full stop of the default
// error report. Returns the exit status: 0 only for "File created".
int PrintOutcome(const ConversionOutcome& outcome, std::ostream& out, std::ostream& err);

}
