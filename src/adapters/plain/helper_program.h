#pragma once
// Running a helper program that stands beside this one, plainly (no shell, no search path).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zm {

// The folder of this process's executable (from /proc/self/exe); empty when unknown.
std::string ProgramFolder();

// Runs the program with the arguments, its input from /dev/null and its errors discarded, and
// gives what it wrote to its output when it ran and exited with 0 within maxBytes; nothing
// otherwise.
std::optional<std::string> RunHelperProgram(const std::string& path,
                                            const std::vector<std::string>& args,
                                            std::size_t maxBytes);

} // namespace zm
