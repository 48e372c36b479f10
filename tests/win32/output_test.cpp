// The report's file target against Wine's real file system: a failed replacement leaves no file
// of its own behind and the old file as it was; a replaced file keeps its attributes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/output.hpp"

namespace {

// A fresh, empty folder in the temporary directory, removed with what it holds.
class OutputFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    folder_ = std::string(temp) + "orvane_output_test";
    TearDown();
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
  }
  void TearDown() override {
    for (const std::string& name : Names()) {
      SetFileAttributesA((folder_ + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA((folder_ + "\\" + name).c_str());
    }
    RemoveDirectoryA(folder_.c_str());
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    for (HANDLE find = FindFirstFileA((folder_ + "\\*").c_str(), &found); find != INVALID_HANDLE_VALUE;) {
      if (found.cFileName[0] != '.') names.push_back(found.cFileName);
      if (!FindNextFileA(find, &found)) find = (FindClose(find), INVALID_HANDLE_VALUE);
    }
    return names;
  }
  std::string Read(const std::string& path) const {
    char buffer[256];
    DWORD n = 0;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ReadFile(file, buffer, sizeof buffer, &n, nullptr);
    CloseHandle(file);
    return std::string(buffer, n);
  }

  std::string folder_;
};

TEST_F(OutputFolder, AReplacementThatFailsLeavesNoFileBehindAndTheOldOneAsItWas) {
  const std::string target = folder_ + "\\report.txt";
  ASSERT_EQ(platform::ReplaceFileWith(target, "old"), 0u);
  // Another program holds the file open without letting it be deleted or renamed: the new
  // contents are written to a file of their own, which cannot take the target's place.
  const HANDLE holder = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_NE(platform::ReplaceFileWith(target, "new contents"), 0u);
  CloseHandle(holder);
  EXPECT_EQ(Names(), std::vector<std::string>{"report.txt"});
  EXPECT_EQ(Read(target), "old");
}

TEST_F(OutputFolder, AReplacedFileKeepsItsAttributesAndAReadOnlyOneIsLeftAlone) {
  const std::string target = folder_ + "\\report.txt";
  ASSERT_EQ(platform::ReplaceFileWith(target, "first"), 0u);
  ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_EQ(platform::ReplaceFileWith(target, "second"), 0u);
  EXPECT_EQ(Read(target), "second");
  EXPECT_TRUE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(platform::ReplaceFileWith(target, "third"), static_cast<std::uint32_t>(ERROR_FILE_READ_ONLY));
  EXPECT_EQ(Read(target), "second");
  EXPECT_EQ(Names(), std::vector<std::string>{"report.txt"});
}

TEST(OutputPath, AnyLengthThroughTheLongFormDevicesAsTheyAre) {
  char current[MAX_PATH];
  GetCurrentDirectoryA(sizeof current, current);
  EXPECT_EQ(platform::SystemPathOf("C:\\x\\..\\r.txt"), "\\\\?\\C:\\r.txt");
  EXPECT_EQ(platform::SystemPathOf("r.txt"), "\\\\?\\" + std::string(current) + "\\r.txt");
  EXPECT_EQ(platform::SystemPathOf("\\\\server\\share\\r.txt"), "\\\\?\\UNC\\server\\share\\r.txt");
  EXPECT_EQ(platform::SystemPathOf("NUL"), "\\\\.\\NUL");
  EXPECT_EQ(platform::SystemPathOf("\\\\?\\C:\\a/b"), "\\\\?\\C:\\a/b") << "already in the long form: as it is";
  const std::string deep = "C:\\" + std::string(300, 'x') + "\\r.txt";
  EXPECT_EQ(platform::SystemPathOf(deep), "\\\\?\\" + deep);
}

}  // namespace
