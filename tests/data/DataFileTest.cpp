// Data files on the file system: only regular files, links followed, the
// file's permissions, owner and read-only state respected, no lost update
// between two writers, and a save killed at any point leaving either the
// old or the new file whole.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <random>
#include <thread>

#include "ClientDataSet.h"
#include "DBErrors.h"
#include "DataFile.h"
#include "DataPacket.h"
#include "DataTestSupport.h"

namespace zar {
namespace {

using test::ReadText;
using test::TScratchDir;
using test::WriteText;

void Define(TClientDataSet& data, const std::string& fileName) {
  data.FieldDefs().Add("No", ftAutoInc);
  data.FieldDefs().Add("Text", ftString, 20);
  data.SetFileName(fileName);
}

// A file of Rows rows written by the layer itself.
void MakeFile(const std::string& fileName, int rows) {
  TClientDataSet data("Data");
  Define(data, fileName);
  data.Open();
  data.SetLogChanges(false);
  for (int i = 0; i < rows; ++i) {
    data.Append();
    data.FieldByName("Text").SetAsString("row " + std::to_string(i));
    data.Post();
  }
  data.Close();
}

int RowsIn(const std::string& fileName) {
  TClientDataSet data("Data");
  Define(data, fileName);
  data.Open();
  return data.RecordCount();
}

void AppendRow(TClientDataSet& data, const std::string& text) {
  data.Append();
  data.FieldByName("Text").SetAsString(text);
  data.Post();
}

// The message of the EDatabaseError Action raises; "" when it raises none.
template <class F>
std::string ErrorOf(F&& action) {
  try {
    action();
  } catch (const EDatabaseError& error) {
    return error.Message();
  }
  return {};
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// ---- Only regular files ------------------------------------------------------------------

TEST(DataFileTest, WhatIsNotARegularFileIsRefusedAtOnceAndLeftAsItIs) {
  TScratchDir dir;
  const struct {
    const char* Case;
    std::function<void(const std::string&)> Make;
    const char* Problem;
  } cases[] = {
      {"FIFO", [](const std::string& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0666), 0); },
       "it is a FIFO, not a regular file"},
      {"directory", [](const std::string& f) { std::filesystem::create_directory(f); },
       "it is a directory, not a regular file"},
      {"socket",
       [](const std::string& f) {
         const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         std::strncpy(address.sun_path, f.c_str(), sizeof address.sun_path - 1);
         ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
         ::close(fd);
       },
       "it is a socket, not a regular file"},
      {"link to a device",
       [](const std::string& f) { std::filesystem::create_symlink("/dev/null", f); },
       "it is a character device, not a regular file"},
      {"link loop",
       [&dir](const std::string& f) {
         std::filesystem::create_symlink(dir.File("loop-b"), f);
         std::filesystem::create_symlink(f, dir.File("loop-b"));
       },
       "Too many levels of symbolic links"},
      {"link to itself", [](const std::string& f) { std::filesystem::create_symlink(f, f); },
       "Too many levels of symbolic links"},
  };
  int number = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    const std::string file = dir.File("data" + std::to_string(number++) + ".xml");
    c.Make(file);
    const auto entries = dir.EntryCount();
    TClientDataSet data("Data");
    Define(data, file);
    const std::string opened = ErrorOf([&] { data.Open(); });
    EXPECT_TRUE(Contains(opened, "Cannot read data packet from '" + file + "': ")) << opened;
    EXPECT_TRUE(Contains(opened, c.Problem)) << opened;
    EXPECT_FALSE(data.Active());
    // Created in memory and saved there: refused too, and the data stays.
    data.CreateDataSet();
    AppendRow(data, "kept");
    const std::string saved = ErrorOf([&] { data.Close(); });
    EXPECT_TRUE(Contains(saved, "Cannot write data file '" + file + "': ")) << saved;
    EXPECT_TRUE(Contains(saved, c.Problem)) << saved;
    EXPECT_TRUE(data.Active());
    EXPECT_EQ(data.RecordCount(), 1);
    EXPECT_EQ(dir.EntryCount(), entries);
    data.SetFileName({});
    data.Close();
  }
}

// ---- Saves that respect the file --------------------------------------------------------------

TEST(DataFileTest, ALinkIsFollowedAndStaysALink) {
  TScratchDir dir;
  std::filesystem::create_directory(dir.File("store"));
  const std::string target = dir.File("store/real.xml");
  MakeFile(target, 1);
  const std::string link = dir.File("link.xml");
  std::filesystem::create_symlink("store/real.xml", link);
  {
    TClientDataSet data("Data");
    Define(data, link);
    data.Open();
    AppendRow(data, "through the link");
    data.Close();
  }
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(RowsIn(target), 2);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("store")),
                          std::filesystem::directory_iterator()),
            1);
  // A dangling link: the file it names is created, the link stays.
  const std::string dangling = dir.File("dangling.xml");
  std::filesystem::create_symlink("store/new.xml", dangling);
  {
    TClientDataSet data("Data");
    Define(data, dangling);
    data.Open();
    EXPECT_EQ(data.RecordCount(), 0);
    AppendRow(data, "new");
    data.Close();
  }
  EXPECT_TRUE(std::filesystem::is_symlink(dangling));
  EXPECT_EQ(RowsIn(dir.File("store/new.xml")), 1);
}

TEST(DataFileTest, PermissionsAndOwnerAreKept) {
  TScratchDir dir;
  const std::string file = dir.File("kept.xml");
  MakeFile(file, 1);
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  // Only a privileged process may give the file to someone else.
  const bool privileged = ::geteuid() == 0;
  if (privileged) {
    ASSERT_EQ(::chown(file.c_str(), 4321, 8765), 0);
  }
  TClientDataSet data("Data");
  Define(data, file);
  data.Open();
  AppendRow(data, "more");
  data.Close();
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  if (privileged) {
    EXPECT_EQ(status.st_uid, 4321u);
    EXPECT_EQ(status.st_gid, 8765u);
  }
  EXPECT_EQ(RowsIn(file), 2);
}

TEST(DataFileTest, AReadOnlyFileIsRefusedNotReplaced) {
  TScratchDir dir;
  const std::string file = dir.File("readonly.xml");
  MakeFile(file, 1);
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  const std::string before = ReadText(file);
  TClientDataSet data("Data");
  Define(data, file);
  data.Open();
  AppendRow(data, "refused");
  EXPECT_EQ(ErrorOf([&] { data.Close(); }),
            "Cannot write data file '" + file + "': the file is read-only");
  EXPECT_TRUE(data.Active());
  EXPECT_EQ(data.RecordCount(), 2);
  EXPECT_EQ(ReadText(file), before);
  EXPECT_EQ(dir.EntryCount(), 1u);
  // Made writable again, the same dataset saves.
  ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
  data.Close();
  EXPECT_EQ(RowsIn(file), 2);
}

TEST(DataFileTest, TheNextSaveRemovesWhatACrashedSaveLeft) {
  TScratchDir dir;
  const std::string file = dir.File("data.xml");
  MakeFile(file, 1);
  WriteText(dir.File(".data.xml.tmp"), "half a packet from a save that died");
  TClientDataSet data("Data");
  Define(data, file);
  data.Open();
  AppendRow(data, "two");
  data.Close();
  EXPECT_EQ(dir.EntryCount(), 1u);
  EXPECT_EQ(RowsIn(file), 2);
}

// ---- No lost update ---------------------------------------------------------------------------

// What a file was when read is compared with what it is when saved, hashed
// in other pieces (whole when read, in blocks when written or checked).
TEST(DataFileTest, TheContentHashDoesNotDependOnHowTheBytesArrive) {
  std::mt19937 random(7);
  std::string bytes(200000, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  datafile::THasher whole;
  whole.Add(bytes);
  for (int round = 0; round < 20; ++round) {
    datafile::THasher pieces;
    for (std::size_t at = 0; at < bytes.size();) {
      const std::size_t size =
          std::min<std::size_t>(random() % (round < 10 ? 40 : 70000), bytes.size() - at);
      pieces.Add(std::string_view(bytes).substr(at, size));
      at += size;
    }
    EXPECT_EQ(pieces.Value(), whole.Value());
  }
  for (const std::size_t at :
       {std::size_t{0}, std::size_t{31}, std::size_t{100000}, bytes.size() - 1}) {
    std::string changed = bytes;
    changed[at] ^= 1;
    datafile::THasher other;
    other.Add(changed);
    EXPECT_NE(other.Value(), whole.Value()) << at;
  }
  datafile::THasher shorter;
  shorter.Add(std::string_view(bytes).substr(0, bytes.size() - 1));
  EXPECT_NE(shorter.Value(), whole.Value());
}

TEST(DataFileTest, ASaveOverAnotherWritersChangeIsRefused) {
  const struct {
    const char* Case;
    bool FileAtFirst;
    std::function<void(const std::string&)> Other;  // what the other writer does meanwhile
    bool Refused;
  } cases[] = {
      {"rewritten with other rows", true, [](const std::string& f) { MakeFile(f, 3); }, true},
      {"same size, other bytes", true,
       [](const std::string& f) {
         std::string text = ReadText(f);
         text[text.find("row 0")] = 'R';
         WriteText(f, text);
       },
       true},
      {"created meanwhile", false, [](const std::string& f) { MakeFile(f, 1); }, true},
      {"touched, same content", true,
       [](const std::string& f) {
         const std::string text = ReadText(f);
         WriteText(f, text);
       },
       false},
      {"removed", true, [](const std::string& f) { std::filesystem::remove(f); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    TScratchDir dir;
    const std::string file = dir.File("shared.xml");
    if (c.FileAtFirst) MakeFile(file, 2);
    TClientDataSet data("Data");
    Define(data, file);
    data.Open();
    AppendRow(data, "mine");
    const int mine = data.RecordCount();
    c.Other(file);
    const std::string theirs = std::filesystem::exists(file) ? ReadText(file) : "";
    const std::string error = ErrorOf([&] { data.Close(); });
    if (c.Refused) {
      EXPECT_EQ(error,
                "Cannot write data file '" + file +
                    "': another program changed the file after it was read; it was left as it is");
      EXPECT_TRUE(data.Active());
      EXPECT_EQ(data.RecordCount(), mine);
      EXPECT_EQ(ReadText(file), theirs);
      EXPECT_EQ(dir.EntryCount(), 1u);
      data.SetFileName(dir.File("mine.xml"));  // saved elsewhere, nothing is lost
      data.Close();
      EXPECT_EQ(RowsIn(dir.File("mine.xml")), mine);
    } else {
      EXPECT_EQ(error, "");
      EXPECT_EQ(RowsIn(file), mine);
    }
  }
}

TEST(DataFileTest, ASecondSaveAfterOwnSaveIsNotTakenForAnotherWriter) {
  TScratchDir dir;
  const std::string file = dir.File("own.xml");
  TClientDataSet data("Data");
  Define(data, file);
  for (int round = 1; round <= 3; ++round) {
    data.Open();
    AppendRow(data, "round " + std::to_string(round));
    data.Close();
  }
  EXPECT_EQ(RowsIn(file), 3);
}

// Waits for one byte on a pipe; false when the other end closed.
bool Await(int fd) {
  char byte = 0;
  return ::read(fd, &byte, 1) == 1;
}

void Signal(int fd) {
  const char byte = 1;
  ASSERT_EQ(::write(fd, &byte, 1), 1);
}

// Two processes open the same file, both append a row, both close: one save
// wins and the other is refused with its data still open, never a silently
// lost row.
TEST(DataFileTest, TwoProcessesWritingTheSameFileLoseNoUpdate) {
  TScratchDir dir;
  const std::string file = dir.File("contended.xml");
  constexpr int Rows = 20000;
  MakeFile(file, Rows);
  int ready[2], go[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(go), 0);
  pid_t children[2];
  for (pid_t& child : children) {
    child = ::fork();
    ASSERT_GE(child, 0);
    if (child != 0) continue;
    // Exit status: 0 saved; 3 refused with the data kept; 1 anything else.
    int status = 1;
    try {
      TClientDataSet data("Data");
      Define(data, file);
      data.Open();
      AppendRow(data, "from " + std::to_string(::getpid()));
      Signal(ready[1]);
      if (Await(go[0])) {
        try {
          data.Close();
          status = 0;
        } catch (const EDatabaseError& error) {
          if (Contains(error.Message(), "another program changed the file") && data.Active() &&
              data.RecordCount() == Rows + 1)
            status = 3;
        }
      }
      data.SetFileName({});
    } catch (...) {
    }
    ::_exit(status);
  }
  // Both have read the file before either saves.
  EXPECT_TRUE(Await(ready[0]));
  EXPECT_TRUE(Await(ready[0]));
  Signal(go[1]);
  Signal(go[1]);
  int outcomes[2] = {};
  for (int i = 0; i < 2; ++i) {
    int status = 0;
    ASSERT_EQ(::waitpid(children[i], &status, 0), children[i]);
    ASSERT_TRUE(WIFEXITED(status));
    outcomes[i] = WEXITSTATUS(status);
  }
  for (int fd : {ready[0], ready[1], go[0], go[1]}) ::close(fd);
  EXPECT_EQ(std::min(outcomes[0], outcomes[1]), 0);
  EXPECT_EQ(std::max(outcomes[0], outcomes[1]), 3);
  EXPECT_EQ(RowsIn(file), Rows + 1);
  EXPECT_EQ(dir.EntryCount(), 1u);
}

// A child saves two versions of a file over and over and is killed at a
// random moment; the file is then always one whole version, at most one
// temporary file is left, and the next save removes it.
TEST(DataFileTest, ASaveKilledAtAnyPointLeavesTheOldOrTheNewFileWhole) {
  TScratchDir dir;
  const std::string file = dir.File("killed.xml");
  const std::string small = dir.File("small.xml");
  const std::string large = dir.File("large.xml");
  MakeFile(small, 10);
  MakeFile(large, 30000);
  const std::string versions[] = {ReadText(small), ReadText(large)};
  std::filesystem::remove(small);
  std::filesystem::remove(large);
  WriteText(file, versions[0]);
  // Parsed once here, so that the child spends its time saving.
  const TDataPacket packets[] = {ParseDataPacket(versions[0], "'small'"),
                                 ParseDataPacket(versions[1], "'large'")};
  std::mt19937 random(20260101);
  int interrupted = 0;
  for (int round = 0; round < 25; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      TClientDataSet data("Data");
      Define(data, file);
      for (int i = 0;; ++i) {
        data.SetData(packets[i % 2]);
        data.SetFileName(file);
        try {
          data.Close();
        } catch (...) {
          ::_exit(1);
        }
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 120000));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped saving by itself";
    const std::string now = ReadText(file);
    EXPECT_TRUE(now == versions[0] || now == versions[1])
        << "round " << round << ": " << now.size() << " bytes";
    EXPECT_LE(dir.EntryCount(), 2u);
    interrupted += dir.EntryCount() == 2;
  }
  // Some kills must have landed inside a save for the test to mean anything.
  EXPECT_GT(interrupted, 0);
  TClientDataSet data("Data");
  Define(data, file);
  data.Open();
  AppendRow(data, "after the crashes");
  data.Close();
  EXPECT_EQ(dir.EntryCount(), 1u);
}

}  // namespace
}  // namespace zar
