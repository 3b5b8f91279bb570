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

/// The running program's full path.
std::filesystem::path GetExecPath();

/// The user's state folder for Lumora, where the log lives (created when
/// missing): "lumora" under $XDG_STATE_HOME when it is absolute, else
/// ~/.local/state/lumora.
std::filesystem::path GetUserStateDir();

/// Appends a description of the operating system / the processor to the log.
void OSInfoLog(LogFile& log);
void CPUInfoLog(LogFile& log);

}  // namespace lumora
