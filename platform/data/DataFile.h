#pragma once
// Internal to the data packet module: the file system side of data files.
// Only regular files are read or replaced; symbolic links are followed to
// the file they name; a save holds an advisory lock on the file's directory
// and checks that nobody changed the file since it was read.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zar {

struct TFileIdentity;

namespace datafile {

// A 64-bit hash of the bytes, fed in any number of pieces (the same bytes
// give the same value however they are split). Four independent lanes of
// 8-byte words keep it fast on files of many megabytes; it tells changed
// content apart, it is no defence against a crafted collision.
class THasher {
 public:
  void Add(std::string_view Bytes) noexcept;
  std::uint64_t Value() const noexcept;

 private:
  void Block(const unsigned char* Data) noexcept;

  std::uint64_t FLanes[4] = {0x9E3779B97F4A7C15ull, 0xC2B2AE3D27D4EB4Full, 0x165667B19E3779F9ull,
                             0x27D4EB2F165667C5ull};
  unsigned char FTail[32] = {};
  std::size_t FTailSize = 0;
  std::uint64_t FLength = 0;
};

// The path a data file's name leads to after following symbolic links (the
// name itself when it is not a link; the link's target when that is
// missing). Raises EDatabaseError (Prefix + reason) for a loop of links.
std::string ResolveLinks(const std::string& FileName, const std::string& Prefix);

// Whether FileName (links followed) exists as a regular file. A missing file
// (or a dangling link) gives false; anything else that is not a regular
// file, a loop of links or an unreadable directory raises EDatabaseError
// "<Prefix>: <what it is>".
bool RegularFileExists(const std::string& FileName, const std::string& Prefix);

// The whole content of a regular file, and what it was when read. Raises
// EDatabaseError "<Prefix>: <reason>" for a missing file, one that is not
// regular (never blocking on a FIFO or device), or a read error.
std::string ReadRegularFile(const std::string& FileName, const std::string& Prefix,
                            TFileIdentity* Identity);

// Writes the text given by Produce into a temporary file beside the target
// and renames it over the target, under the directory's lock. The target
// keeps its permissions and, where the process may, its owner. With a known
// Expected identity, a target changed since then is left as it is and the
// save raises; afterwards Expected describes the new file.
class TSaver {
 public:
  explicit TSaver(const std::string& FileName);
  TSaver(const TSaver&) = delete;
  TSaver& operator=(const TSaver&) = delete;
  ~TSaver();

  // Takes the lock, checks the target and creates the temporary file.
  void Begin(TFileIdentity* Expected);
  void Write(std::string_view Text);
  // Flushes, renames, and syncs the directory.
  void Commit(TFileIdentity* Expected);

 private:
  [[noreturn]] void Fail(const std::string& Reason) const;
  [[noreturn]] void FailErrno(int Error) const;
  void Lock();
  void CheckTarget(TFileIdentity* Expected);

  std::string FFileName;   // as given, for messages
  std::string FTarget;     // links followed
  std::string FDirectory;  // of the target
  std::string FTemporary;  // the one temporary name of this target
  int FDirectoryFd = -1;
  int FFd = -1;
  bool FCreated = false;
  bool FCommitted = false;
  bool FTargetExists = false;
  unsigned FMode = 0;
  unsigned FOwner = 0, FGroup = 0;
  THasher FHash;
  std::uint64_t FSize = 0;
};

}  // namespace datafile
}  // namespace zar
