#pragma once
// What the program runs on, in words, for the log's start-up block: a report
// from a player's machine then says which system and processor it came from.

#include <string>

namespace lumora {

/// "OS: " and the operating system's name and version, one line, no line end.
std::wstring OperatingSystemDescription();

/// "CPU: " and the processor architecture with its number of logical
/// processors, one line, no line end.
std::wstring ProcessorDescription();

}  // namespace lumora
