#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace kritz {

// The krz command line, without the program name. Returns the exit status:
// 0 on success, 1 on failure, 2 on a usage error.
int RunKrz(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}
