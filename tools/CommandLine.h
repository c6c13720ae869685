#pragma once
// The zardate command-line tool as a function, so that tests can run it
// without spawning a process.

#include <iosfwd>
#include <string>
#include <vector>

namespace zar::cli {

inline constexpr int ExitOk = 0;
inline constexpr int ExitBadInput = 2;

// Runs one command line (without the program name); prints results to out and
// a one-line error to err. Returns the process exit status.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zar::cli
