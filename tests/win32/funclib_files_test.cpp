// File details, reading and CRC-32 against a real Win32 file system and shell.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "funclib/crc32.hpp"
#include "funclib/file_details.hpp"
#include "funclib/files.hpp"
#include "funclib/text.hpp"
#include "platform/files.hpp"
#include "platform/utf.hpp"

namespace {

// A fresh directory under the temporary-files directory, removed with what it holds.
class FuncLibFiles : public testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    dir_ = std::string(temp) + "orvane_files_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir_.c_str(), nullptr);
    ASSERT_NE(GetFileAttributesA(dir_.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  }
  void TearDown() override {
    for (const std::string& f : created_) DeleteFileW(platform::Utf8ToUtf16(f).c_str());
    RemoveDirectoryA(dir_.c_str());
  }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir_ + "\\" + name;
    const HANDLE h = CreateFileW(platform::Utf8ToUtf16(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    if (!bytes.empty()) WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    created_.push_back(path);
    return path;
  }

  std::string dir_;
  std::vector<std::string> created_;
};

// A DOS date-time for a local time, built by hand: date in the high half, time in the low half.
std::int32_t Dos(int year, int month, int day, int hour, int minute, int second) {
  const std::uint32_t date = static_cast<std::uint32_t>(((year - 1980) << 9) | (month << 5) | day);
  const std::uint32_t time = static_cast<std::uint32_t>((hour << 11) | (minute << 5) | (second / 2));
  return static_cast<std::int32_t>((date << 16) | time);
}

FILETIME FromLocal(int year, int month, int day, int hour, int minute, int second) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(year);
  st.wMonth = static_cast<WORD>(month);
  st.wDay = static_cast<WORD>(day);
  st.wHour = static_cast<WORD>(hour);
  st.wMinute = static_cast<WORD>(minute);
  st.wSecond = static_cast<WORD>(second);
  FILETIME local, utc;
  SystemTimeToFileTime(&st, &local);
  LocalFileTimeToFileTime(&local, &utc);
  return utc;
}

// A name in any script too.
TEST_F(FuncLibFiles, AFileGetsKindSizeTimesAndCrc) {
  const std::string path = Write("\xD0\xA4\xD0\xB0\xD0\xB9\xD0\xBB \xE6\x96\x87\xE4\xBB\xB6.txt", "abc");
  const std::wstring wide = platform::Utf8ToUtf16(path);
  {
    const HANDLE h = CreateFileW(wide.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    const FILETIME created = FromLocal(2001, 2, 3, 4, 5, 6);
    const FILETIME accessed = FromLocal(2010, 11, 12, 13, 14, 16);
    const FILETIME written = FromLocal(2099, 12, 31, 23, 59, 58);
    ASSERT_TRUE(SetFileTime(h, &created, &accessed, &written));
    CloseHandle(h);
  }
  funclib::TFileDetails d;
  ASSERT_TRUE(funclib::GetFileDetails(path, funclib::kFdTimes | funclib::kFdCrc32 | funclib::kFdExecutable, d));
  EXPECT_EQ(d.Kind, 1);
  EXPECT_EQ(d.Size, 3);
  EXPECT_EQ(d.Attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  // Wine keeps no creation time of its own on a Linux file system (it reports the last write), so
  // the creation time is checked against the system's own conversion of what it reports.
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data));
  FILETIME local;
  WORD date, time;
  ASSERT_TRUE(FileTimeToLocalFileTime(&data.ftCreationTime, &local));
  ASSERT_TRUE(FileTimeToDosDateTime(&local, &date, &time));
  EXPECT_EQ(d.Created, static_cast<std::int32_t>((static_cast<std::uint32_t>(date) << 16) | time));
  EXPECT_EQ(d.Accessed, Dos(2010, 11, 12, 13, 14, 16));
  EXPECT_EQ(d.Modified, Dos(2099, 12, 31, 23, 59, 58));
  EXPECT_EQ(d.Crc32, 0x352441C2u);
  const std::string program = funclib::FixedText(d.Executable);
  EXPECT_TRUE(program == "The file is not associated!" || program.find(".exe") != std::string::npos ||
              program.find(".EXE") != std::string::npos)
      << program;
}

TEST_F(FuncLibFiles, ADirectoryIsKindTwoWithOrWithoutItsBackslash) {
  funclib::TFileDetails d;
  EXPECT_TRUE(funclib::GetFileDetails(dir_, 0, d));
  EXPECT_EQ(d.Kind, 2);
  d = {};
  EXPECT_TRUE(funclib::GetFileDetails(dir_ + "\\", 0, d));
  EXPECT_EQ(d.Kind, 2);
  EXPECT_NE(d.Attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(FuncLibFiles, ADriveRootIsNotAnEntryButHasAnIconThatReleaseDestroys) {
  funclib::TFileDetails d;
  EXPECT_FALSE(funclib::GetFileDetails("C:\\", funclib::kFdSmallIcon | funclib::kFdLargeIcon, d));
  EXPECT_EQ(d.Kind, 3);
  EXPECT_NE(d.Attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  ASSERT_NE(d.SmallIcon, 0u);
  ASSERT_NE(d.LargeIcon, 0u);
  const HICON small = reinterpret_cast<HICON>(d.SmallIcon);
  ICONINFO info;
  ASSERT_TRUE(GetIconInfo(small, &info));
  BITMAP bm{};
  GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXSMICON));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);

  const HICON large = reinterpret_cast<HICON>(d.LargeIcon);
  EXPECT_TRUE(funclib::GetFileDetails("C:\\", funclib::kFdRelease, d));
  EXPECT_EQ(d.SmallIcon, 0u);
  EXPECT_FALSE(DestroyIcon(small)) << "already destroyed";
  EXPECT_FALSE(DestroyIcon(large));
}

TEST_F(FuncLibFiles, Crc32ReadsTheRealFileInBlocks) {
  std::string bytes(100000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 31 + 7);
  const std::string path = Write("big.bin", bytes);
  // The same bytes through the library's own block reads, compared with one whole read.
  funclib::File file;
  ASSERT_TRUE(funclib::OpenFileForRead(path, file, 0));
  EXPECT_EQ(file.Size(), 100000);
  std::string tail(32768, '\0');  // as large as the read asks for
  EXPECT_EQ(funclib::ReadBlockAt(file, 98304, 32768, tail.data()), 1696);
  EXPECT_EQ(tail.substr(0, 1696), bytes.substr(98304));
  file.Close();

  std::int64_t last = 0;
  const std::uint32_t crc = funclib::FileCrc32(path, [&](std::int64_t done) {
    last = done;
    return true;
  });
  EXPECT_EQ(last, 100000);
  EXPECT_EQ(crc, funclib::FileCrc32(path));
  EXPECT_NE(crc, 0xFFFFFFFFu);
  EXPECT_EQ(funclib::FileCrc32(Write("empty", "")), 0u);
  EXPECT_EQ(funclib::FileCrc32(dir_ + "\\missing"), 0xFFFFFFFFu);
  EXPECT_EQ(funclib::FileCrc32(dir_), 0xFFFFFFFFu);
}

TEST_F(FuncLibFiles, AFileOpenForReadingCanStillBeReadByOthers) {
  const std::string path = Write("shared.txt", "abc");
  funclib::File file;
  ASSERT_TRUE(funclib::OpenFileForRead(path, file, 0));
  EXPECT_EQ(funclib::FileCrc32(path), 0x352441C2u);
  const HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(writer, INVALID_HANDLE_VALUE) << "read-only mode lets others write";
  CloseHandle(writer);
}

}  // namespace
