#include "run/file_reading.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "app/user_interface.h"
#include "base/text.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

/// Reads one file on a worker thread. Whatever goes wrong inside (memory
/// running out on a huge file, say) ends the run with a message naming the
/// file, rather than ending the program.
FileOutcome ReadOneFile(const fs::path& path, const HandFilter& filter, const PokerLogic& engine,
                        HistoryText& buffer) {
  std::string reason;
  try {
    return ProcessHistoryFile(path, filter, engine, buffer);
  } catch (const std::exception& error) {
    reason = error.what();
  } catch (...) {
    reason = "unknown error";
  }
  FileOutcome failed;
  failed.source.path = PathToText(path);
  failed.source.fatalError =
      Format(L"%s: the file could not be read (%s)", failed.source.path, Utf8ToWide(reason));
  return failed;
}

}  // namespace

bool ReadFilesInOrder(const std::vector<fs::path>& files, const HandFilter& filter,
                      const PokerLogic& engine, unsigned readers, UserInterface& ui,
                      const std::function<bool(const FileOutcome&)>& merge) {
  const size_t total = files.size();
  const size_t threads = std::clamp<size_t>(readers, 1, std::max<size_t>(total, 1));
  const size_t window = 2 * threads;
  std::vector<std::optional<FileOutcome>> slots(window);  // file i waits in slot i % window
  size_t next = 0;                                        // the next file a worker takes
  size_t merged = 0;                                      // files given to `merge`
  size_t read = 0;                                        // files read, for the progress
  bool stop = false;
  std::mutex mutex;
  std::condition_variable readOne;    // a file was read
  std::condition_variable mergedOne;  // a slot came free

  auto work = [&] {
    HistoryText buffer;
    std::unique_lock lock(mutex);
    for (;;) {
      mergedOne.wait(lock, [&] { return stop || next >= total || next < merged + window; });
      if (stop || next >= total) return;
      const size_t i = next++;
      lock.unlock();
      FileOutcome outcome = ReadOneFile(files[i], filter, engine, buffer);
      lock.lock();
      slots[i % window] = std::move(outcome);
      ++read;
      readOne.notify_one();
    }
  };
  std::vector<std::jthread> workers;
  for (size_t t = 0; t < threads; ++t) workers.emplace_back(work);
  const auto stopWorkers = [&] {
    {
      std::lock_guard lock(mutex);
      stop = true;  // workers finish the file in hand and take no other
    }
    mergedOne.notify_all();
    workers.clear();  // joins
  };

  size_t reported = 0;
  ui.ReportProgress(0, total, WorkUnit::kFiles);
  while (merged < total) {
    std::optional<FileOutcome> outcome;
    size_t now;
    {
      std::unique_lock lock(mutex);
      readOne.wait_for(lock, std::chrono::milliseconds(100),
                       [&] { return read != reported || slots[merged % window]; });
      now = read;
      outcome.swap(slots[merged % window]);
    }
    if (outcome) {
      const bool goOn = merge(*outcome);
      outcome.reset();
      {
        std::lock_guard lock(mutex);
        ++merged;
      }
      mergedOne.notify_all();
      if (!goOn) break;
    }
    if (now != reported) ui.ReportProgress(reported = now, total, WorkUnit::kFiles);
    if (merged < total && ui.IsCancelRequested()) {
      stopWorkers();
      return false;
    }
  }
  stopWorkers();
  return true;
}

}  // namespace lumora
