#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends.

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace lumora::testing {

class TempDir {
 public:
  TempDir() {
    static std::atomic<int> counter{0};
    std::random_device random;
    m_path = std::filesystem::temp_directory_path() /
             ("lumora-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-" +
              std::to_string(random()));
    std::filesystem::create_directories(m_path);
  }
  ~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return m_path / name; }

  /// Writes `bytes` to the file `name` (folders created) and returns its path.
  std::filesystem::path Write(const std::filesystem::path& name, const std::string& bytes) const {
    const auto path = m_path / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

 private:
  std::filesystem::path m_path;
};

/// The whole content of a file.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace lumora::testing
