#pragma once
// Shared by the dataset tests: a scratch directory and file helpers.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace zar::test {

// A fresh directory, removed with everything in it at the end of the test.
class TScratchDir {
 public:
  TScratchDir() {
    static std::atomic<int> counter{0};
    FPath = std::filesystem::temp_directory_path() /
            ("zardata-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(FPath);
    std::filesystem::create_directories(FPath);
  }
  ~TScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  std::string File(const std::string& name) const { return (FPath / name).string(); }
  const std::filesystem::path& Path() const { return FPath; }
  // Names of everything in the directory, for spotting leftover files.
  std::size_t EntryCount() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(FPath),
                                                  std::filesystem::directory_iterator()));
  }

 private:
  std::filesystem::path FPath;
};

inline std::string ReadText(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteText(const std::string& fileName, const std::string& text) {
  std::ofstream(fileName, std::ios::binary) << text;
}

}  // namespace zar::test
