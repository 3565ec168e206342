#pragma once

#include <string>
#include <vector>

// The whole `parcelon` program: parses the arguments (without the program name), runs the
// command and returns the exit code.
int RunParcelon(const std::vector<std::string>& args);
