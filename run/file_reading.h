#pragma once
// Reading the listed history files of a run side by side, and handing their
// outcomes over in list order as soon as each is ready.

#include <filesystem>
#include <functional>
#include <vector>

#include "history/hand_filter.h"
#include "run/process_file.h"

namespace lumora {

class PokerLogic;
class UserInterface;

/// Reads every listed file on `readers` threads (at most one per file) and
/// gives each outcome to `merge` on the calling thread in list order, as
/// soon as it and every file before it are read; meanwhile the calling
/// thread reports progress and polls for cancel. Readers run at most a few
/// files ahead of the merge, so memory holds a handful of files' results
/// whatever the number of files. The outcomes, and so everything `merge`
/// makes of them, are the same whatever the number of readers. `merge`
/// returns false to stop (a file that cannot be trusted). Returns false when
/// the user cancelled.
bool ReadFilesInOrder(const std::vector<std::filesystem::path>& files, const HandFilter& filter,
                      const PokerLogic& engine, unsigned readers, UserInterface& ui,
                      const std::function<bool(const FileOutcome&)>& merge);

}  // namespace lumora
