#pragma once
// Where the program lives and what it runs on, for the log's start-up block.

#include <filesystem>
#include <string>

namespace lumora {

class LogFile;

inline constexpr const wchar_t* kVersionNumber = L"v3.1";
inline constexpr int kReleaseNumber = 304;

/// "Version build date:  " and the date and time this program was built.
std::wstring BuildDateText();

/// The running program's full path, and its folder (no trailing separator).
std::filesystem::path GetExecPath();
std::filesystem::path GetExecDir();

/// The user's data folder for Lumora (created when missing).
std::filesystem::path GetUserDataDir();

/// Appends a description of the operating system / the processor to the log.
void OSInfoLog(LogFile& log);
void CPUInfoLog(LogFile& log);

}  // namespace lumora
