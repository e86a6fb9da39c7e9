#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "io/atomic_file.h"

namespace dorvex::io {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("dorvex_atomic_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Everything in the folder: a temporary file left behind would show here.
  int EntriesInFolder() const {
    return static_cast<int>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }

  fs::path folder_;
};

TEST_F(AtomicFile, WritesTheBytesExactlyAndLeavesNoTemporaryFile) {
  const fs::path target = folder_ / "a.dis";
  const std::string bytes = std::string("[Bins]\r\n3\r\n") + '\0' + "end";
  EXPECT_FALSE(WriteFileAtomically(target.string(), bytes));
  EXPECT_EQ(Read(target), bytes);
  EXPECT_EQ(EntriesInFolder(), 1);
}

TEST_F(AtomicFile, ReplacesALongerFileWhole) {
  const fs::path target = folder_ / "a.txt";
  ASSERT_FALSE(WriteFileAtomically(target.string(), std::string(1000, 'x')));
  EXPECT_FALSE(WriteFileAtomically(target.string(), "short"));
  EXPECT_EQ(Read(target), "short");
  EXPECT_EQ(EntriesInFolder(), 1);
}

TEST_F(AtomicFile, AMissingFolderIsAnErrorAndCreatesNothing) {
  const fs::path target = folder_ / "missing" / "a.txt";
  EXPECT_TRUE(WriteFileAtomically(target.string(), "text"));
  EXPECT_FALSE(fs::exists(target));
  EXPECT_EQ(EntriesInFolder(), 0);
}

TEST_F(AtomicFile, AFailedReplacementKeepsWhatWasThere) {
  // A folder in the target's place cannot be replaced by a file: the rename fails
  // after the temporary file was written, which must then be removed.
  const fs::path target = folder_ / "taken";
  fs::create_directory(target);
  std::ofstream(target / "inside.txt") << "kept";
  EXPECT_TRUE(WriteFileAtomically(target.string(), "new"));
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(Read(target / "inside.txt"), "kept");
  EXPECT_EQ(EntriesInFolder(), 1);
}

}  // namespace
}  // namespace dorvex::io
