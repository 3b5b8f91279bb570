#pragma once
// What the desktop program checks before it starts a run, so that a player
// who forgot his nick or mistyped a folder reads one message naming the
// problem instead of an empty result. The checks change nothing.

#include <optional>
#include <string>

#include "app/run_settings.h"

namespace lumora {

class LogFile;

/// The settings' own faults, found without touching a server: for a history
/// run an empty nick, a history folder that does not exist or holds no hand
/// history of the room; for a database run an empty nick or a port that is
/// no number from 1 to 65535. Returns the message, or nullopt when the run
/// may start. Walks the history folder's entries (no file is opened).
std::optional<std::wstring> CheckRunInputs(const RunSettings& settings);

/// For a database run: whether the ODBC driver is installed and the
/// tracker's server answers one small query (the driver's words go to
/// `log`). Returns the message, or nullopt. Takes as long as the driver
/// needs to give up on an unreachable server: call it off the user-interface
/// thread.
std::optional<std::wstring> CheckDatabaseReachable(const RunSettings& settings, LogFile& log);

}  // namespace lumora
