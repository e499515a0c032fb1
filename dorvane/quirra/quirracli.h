// The quirra command line: converts between database files and CSV files and dumps a
// database, over the same engine as the converter's window, without any window.
#pragma once

// std
#include <ostream>
#include <span>
#include <string>

namespace quirra {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // a failed or refused conversion
inline constexpr int kExitUsage = 2;

// `args` are the arguments after the program name. Returns the exit status.
int run(std::span<const std::string> args, std::ostream &out, std::ostream &err);

} // namespace quirra
