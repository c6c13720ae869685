#include "DataFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>

#include "DBErrors.h"
#include "DBMessages.h"
#include "DataPacket.h"
#include "ScopeExit.h"

namespace zar::datafile {

namespace {

// Links followed before a chain of them counts as a loop (the system's own
// limit).
constexpr int MaxLinks = 40;
// How long a save waits for another one in the same directory.
constexpr auto LockPatience = std::chrono::seconds(10);

std::string KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  return "a special file";
}

std::string NotRegular(mode_t mode) { return "it is " + KindOf(mode) + ", not a regular file"; }

std::string ParentOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

std::int64_t ModifiedNs(const struct stat& status) {
  return static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
}

// Hashes an open file from its start; false (errno set) on a read error.
bool HashFile(int fd, std::uint64_t& hash) {
  THasher hasher;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (count == 0) break;
    hasher.Add({buffer, static_cast<std::size_t>(count)});
  }
  hash = hasher.Value();
  return true;
}

}  // namespace

namespace {

constexpr std::uint64_t HashPrime = 0x9FB21C651E98DF25ull;

std::uint64_t Mix(std::uint64_t lane, std::uint64_t word) noexcept {
  lane ^= word * HashPrime;
  lane = (lane << 31) | (lane >> 33);
  return lane * 0xC2B2AE3D27D4EB4Full;
}

}  // namespace

void THasher::Block(const unsigned char* Data) noexcept {
  for (int i = 0; i < 4; ++i) {
    std::uint64_t word = 0;
    std::memcpy(&word, Data + 8 * i, 8);
    FLanes[i] = Mix(FLanes[i], word);
  }
}

void THasher::Add(std::string_view Bytes) noexcept {
  auto data = reinterpret_cast<const unsigned char*>(Bytes.data());
  std::size_t size = Bytes.size();
  FLength += size;
  if (FTailSize > 0) {
    const std::size_t take = std::min(size, sizeof FTail - FTailSize);
    std::memcpy(FTail + FTailSize, data, take);
    FTailSize += take;
    data += take;
    size -= take;
    if (FTailSize < sizeof FTail) return;
    Block(FTail);
    FTailSize = 0;
  }
  for (; size >= sizeof FTail; data += sizeof FTail, size -= sizeof FTail) Block(data);
  std::memcpy(FTail, data, size);
  FTailSize = size;
}

std::uint64_t THasher::Value() const noexcept {
  std::uint64_t hash = FLength * HashPrime;
  for (const std::uint64_t lane : FLanes) hash = Mix(hash, lane);
  for (std::size_t i = 0; i < FTailSize; ++i) hash = Mix(hash, FTail[i]);
  hash ^= hash >> 29;
  return hash * HashPrime ^ (hash >> 32);
}

std::string ResolveLinks(const std::string& FileName, const std::string& Prefix) {
  std::string path = FileName;
  for (int hops = 0;; ++hops) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    if (hops == MaxLinks) DatabaseError(Prefix + ": " + std::strerror(ELOOP));
    std::string target(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 1,
                       '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) DatabaseError(Prefix + ": " + std::strerror(errno));
    target.resize(static_cast<std::size_t>(length));
    path = !target.empty() && target[0] == '/'
               ? target
               : (std::filesystem::path(ParentOf(path)) / target).string();
  }
}

bool RegularFileExists(const std::string& FileName, const std::string& Prefix) {
  const std::string path = ResolveLinks(FileName, Prefix);
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    if (errno == ENOENT) return false;
    DatabaseError(Prefix + ": " + std::strerror(errno));
  }
  if (!S_ISREG(status.st_mode)) DatabaseError(Prefix + ": " + NotRegular(status.st_mode));
  return true;
}

std::string ReadRegularFile(const std::string& FileName, const std::string& Prefix,
                            TFileIdentity* Identity) {
  // Non-blocking, so that opening a FIFO or a device cannot hang; only a
  // regular file is read.
  const int fd = ::open(FileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) DatabaseError(Prefix + ": " + SFileDoesNotExist);
    DatabaseError(Prefix + ": " + SFileCannotBeRead + ": " + std::strerror(errno));
  }
  const TScopeExit closer([fd] { ::close(fd); });
  struct stat status {};
  if (::fstat(fd, &status) != 0) DatabaseError(Prefix + ": " + std::strerror(errno));
  if (!S_ISREG(status.st_mode)) DatabaseError(Prefix + ": " + NotRegular(status.st_mode));
  std::string text;
  try {
    text.resize(static_cast<std::size_t>(status.st_size));
    std::size_t used = 0;
    for (;;) {
      if (used == text.size()) text.resize(text.size() + (1 << 16));
      const ssize_t count = ::read(fd, text.data() + used, text.size() - used);
      if (count < 0) {
        if (errno == EINTR) continue;
        DatabaseError(Prefix + ": " + SFileCannotBeRead + ": " + std::strerror(errno));
      }
      if (count == 0) break;
      used += static_cast<std::size_t>(count);
    }
    text.resize(used);
  } catch (const std::bad_alloc&) {
    DatabaseError(Prefix + ": " + SNotEnoughMemory);
  }
  if (Identity) {
    THasher hasher;
    hasher.Add(text);
    *Identity = {true, true, text.size(), ModifiedNs(status), hasher.Value()};
  }
  return text;
}

// ---- TSaver ------------------------------------------------------------------

TSaver::TSaver(const std::string& FileName) : FFileName(FileName) {
  FTarget = ResolveLinks(FileName, SCannotWriteDataFile + QuotedFileName(FileName));
  FDirectory = ParentOf(FTarget);
  FTemporary = (std::filesystem::path(FDirectory) /
                ("." + std::filesystem::path(FTarget).filename().string() + ".tmp"))
                   .string();
}

TSaver::~TSaver() {
  if (FFd >= 0) ::close(FFd);
  if (FCreated && !FCommitted) ::unlink(FTemporary.c_str());
  if (FDirectoryFd >= 0) ::close(FDirectoryFd);  // releases the lock
}

void TSaver::Fail(const std::string& Reason) const {
  DatabaseError(SCannotWriteDataFile + QuotedFileName(FFileName) + ": " + Reason);
}

void TSaver::FailErrno(int Error) const { Fail(std::strerror(Error)); }

// Every save of a file in this directory takes the directory's lock, so two
// saves never interleave; the lock ends with the process if it dies. A
// directory that cannot be opened for reading is saved into unlocked: the
// temporary file's exclusive creation still keeps two saves apart.
void TSaver::Lock() {
  FDirectoryFd = ::open(FDirectory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (FDirectoryFd < 0) return;
  const auto deadline = std::chrono::steady_clock::now() + LockPatience;
  while (::flock(FDirectoryFd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return;  // no locks on this file system
    if (std::chrono::steady_clock::now() > deadline)
      Fail("another program has been saving into its directory for too long");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void TSaver::CheckTarget(TFileIdentity* Expected) {
  struct stat status {};
  if (::stat(FTarget.c_str(), &status) != 0) {
    if (errno != ENOENT) FailErrno(errno);
    FTargetExists = false;
  } else {
    FTargetExists = true;
    if (!S_ISREG(status.st_mode)) Fail(NotRegular(status.st_mode));
    // Root may write anything; a file without write permission is still
    // meant to stay as it is.
    if ((status.st_mode & 0222) == 0 || ::access(FTarget.c_str(), W_OK) != 0)
      Fail("the file is read-only");
    FMode = status.st_mode & 07777;
    FOwner = status.st_uid;
    FGroup = status.st_gid;
  }
  if (!Expected || !Expected->Known || !FTargetExists) return;
  bool changed = !Expected->Exists || static_cast<std::uint64_t>(status.st_size) != Expected->Size;
  if (!changed) {
    const int fd = ::open(FTarget.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) FailErrno(errno);
    std::uint64_t hash = 0;
    const bool read = HashFile(fd, hash);
    const int error = errno;
    ::close(fd);
    if (!read) FailErrno(error);
    changed = hash != Expected->Hash;
  }
  if (changed) Fail("another program changed the file after it was read; it was left as it is");
}

void TSaver::Begin(TFileIdentity* Expected) {
  Lock();
  CheckTarget(Expected);
  // One temporary name per target: whatever a crashed save left is
  // replaced here.
  if (::unlink(FTemporary.c_str()) != 0 && errno != ENOENT) FailErrno(errno);
  FFd = ::open(FTemporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (FFd < 0) FailErrno(errno);
  FCreated = true;
  if (FTargetExists) {
    if (::fchown(FFd, FOwner, FGroup) != 0 && ::fchown(FFd, static_cast<uid_t>(-1), FGroup) != 0) {
      // Not allowed: the new file belongs to this process's user.
    }
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    FMode = 0666 & ~mask;
  }
  if (::fchmod(FFd, FMode) != 0) FailErrno(errno);
}

void TSaver::Write(std::string_view Text) {
  FHash.Add(Text);
  FSize += Text.size();
  while (!Text.empty()) {
    const ssize_t written = ::write(FFd, Text.data(), Text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      FailErrno(errno);
    }
    Text.remove_prefix(static_cast<std::size_t>(written));
  }
}

void TSaver::Commit(TFileIdentity* Expected) {
  if (::fsync(FFd) != 0) FailErrno(errno);
  struct stat status {};
  if (::fstat(FFd, &status) != 0) FailErrno(errno);
  if (::close(std::exchange(FFd, -1)) != 0) FailErrno(errno);
  if (std::rename(FTemporary.c_str(), FTarget.c_str()) != 0) FailErrno(errno);
  FCommitted = true;
  if (FDirectoryFd >= 0) ::fsync(FDirectoryFd);
  if (Expected) *Expected = {true, true, FSize, ModifiedNs(status), FHash.Value()};
}

}  // namespace zar::datafile
