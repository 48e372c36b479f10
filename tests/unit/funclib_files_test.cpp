#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "funclib/crc32.hpp"
#include "funclib/file_details.hpp"
#include "funclib/files.hpp"
#include "funclib/text.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

namespace fs = std::filesystem;

// The CRC-32 computed bit by bit, without a table: the reference to check the table against.
std::uint32_t ReferenceCrc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (unsigned char b : bytes) {
    crc ^= b;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

std::string Pattern(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 7919 + i / 251) & 0xFF);
  return s;
}

class FuncLibFiles : public testing::Test {
 protected:
  void SetUp() override {
    fake::ResetFake();
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / (std::string("orvane_") + test->name() + "_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p.string();
  }

  fs::path dir_;
  fake::Files& files = fake::Fake().files;
};

TEST_F(FuncLibFiles, Crc32OfKnownContents) {
  EXPECT_EQ(funclib::FileCrc32(Write("abc", "abc")), 0x352441C2u);
  EXPECT_EQ(funclib::FileCrc32(Write("check", "123456789")), 0xCBF43926u);
  EXPECT_EQ(funclib::FileCrc32(Write("empty", "")), 0u);
  EXPECT_EQ(funclib::Crc32Table[1], 0x77073096u);
  EXPECT_EQ(funclib::Crc32Table[255], 0x2D02EF8Du);
}

TEST_F(FuncLibFiles, Crc32IsAllOnesForWhatCannotBeRead) {
  EXPECT_EQ(funclib::FileCrc32((dir_ / "missing").string()), 0xFFFFFFFFu);
  EXPECT_EQ(funclib::FileCrc32(dir_.string()), 0xFFFFFFFFu) << "a directory";
  EXPECT_TRUE(files.openModes.empty()) << "neither is opened";
}

TEST_F(FuncLibFiles, Crc32ReadsWholeBlocksAndClosesTheFile) {
  const std::string bytes = Pattern(2 * 32768 + 1);
  EXPECT_EQ(funclib::FileCrc32(Write("big", bytes)), ReferenceCrc32(bytes));
  const std::vector<std::pair<std::uint64_t, std::uint32_t>> reads = {{0, 32768}, {32768, 32768}, {65536, 32768}};
  EXPECT_EQ(files.reads, reads);
  EXPECT_EQ(files.openModes, std::vector<std::uint8_t>{0});
  EXPECT_EQ(files.closes, 1);
  EXPECT_TRUE(files.open.empty());
}

TEST_F(FuncLibFiles, Crc32StopsWhenProgressSaysSo) {
  const std::string bytes = Pattern(3 * 32768);
  std::vector<std::int64_t> seen;
  const std::uint32_t crc = funclib::FileCrc32(Write("big", bytes), [&](std::int64_t done) {
    seen.push_back(done);
    return done < 65536;
  });
  EXPECT_EQ(seen, (std::vector<std::int64_t>{32768, 65536}));
  EXPECT_EQ(crc, ReferenceCrc32(bytes.substr(0, 65536))) << "the CRC of the bytes read so far";
  EXPECT_EQ(files.closes, 1);
}

TEST_F(FuncLibFiles, Crc32EndsWhenTheFileIsShorterThanItsRecordedSize) {
  files.reportedSize = 100000;  // the file shrank after its size was read
  EXPECT_EQ(funclib::FileCrc32(Write("short", "abc")), 0x352441C2u);
  EXPECT_EQ(files.reads.size(), 2u);
}

TEST_F(FuncLibFiles, OpenAndReadBlocks) {
  const std::string name = Write("f", "0123456789");
  funclib::File file;
  EXPECT_EQ(funclib::ReadBlockAt(file, 0, 4, nullptr), 0) << "not open";
  ASSERT_TRUE(funclib::OpenFileForRead(name, file, 0));
  EXPECT_EQ(file.Size(), 10);
  char buf[8] = {};
  EXPECT_EQ(funclib::ReadBlockAt(file, 6, 8, buf), 4);
  EXPECT_EQ(std::string(buf, 4), "6789");
  EXPECT_EQ(funclib::ReadBlockAt(file, 10, 8, buf), 0);
  EXPECT_FALSE(funclib::OpenFileForRead(dir_.string(), file, 0));
  EXPECT_FALSE(file.IsOpen()) << "a failed open leaves the file closed";
  EXPECT_EQ(files.closes, 1);
  EXPECT_TRUE(funclib::IsExistingFile(name));
  EXPECT_FALSE(funclib::IsExistingFile(dir_.string()));
  EXPECT_FALSE(funclib::IsExistingFile(name + "x"));
}

// GetFileDetails, on a scripted file system.
class FuncLibFileDetails : public FuncLibFiles {
 protected:
  platform::FindData Entry(std::uint32_t attributes, std::uint64_t size) {
    platform::FindData e;
    e.attributes = attributes;
    e.size = size;
    e.created = 1000;
    e.accessed = 2000;
    e.written = 3000;
    return e;
  }
};

TEST_F(FuncLibFileDetails, AFileGetsKindSizeAttributesAndLocalDosTimes) {
  files.entries["C:\\a.txt"] = Entry(0x20, 0x123456789ull);
  files.dosTimes[1000] = {0x2A43, 0x1234};
  files.dosTimes[3000] = {0x0021, 0xBF7D};
  funclib::TFileDetails d;
  EXPECT_TRUE(funclib::GetFileDetails("C:\\a.txt", funclib::kFdTimes, d));
  EXPECT_EQ(d.Kind, 1);
  EXPECT_EQ(d.Size, 0x23456789) << "the low 32 bits";
  EXPECT_EQ(d.Attributes, 0x20u);
  EXPECT_EQ(d.Created, 0x2A431234) << "date high, time low";
  EXPECT_EQ(d.Modified, static_cast<std::int32_t>(0x0021BF7D));
  EXPECT_EQ(d.Accessed, -1) << "a time that does not convert";
}

TEST_F(FuncLibFileDetails, DirectoriesAreFoundWithoutTheirTrailingBackslash) {
  files.entries["C:\\dir"] = Entry(0x10, 0);
  funclib::TFileDetails d;
  EXPECT_TRUE(funclib::GetFileDetails("C:\\dir\\", 0, d));
  EXPECT_EQ(d.Kind, 2);
  EXPECT_FALSE(funclib::GetFileDetails("C:\\", 0, d));
  EXPECT_FALSE(funclib::GetFileDetails("ab\\", 0, d));
  EXPECT_EQ(files.findPaths, (std::vector<std::string>{"C:\\dir", "C:\\", "ab\\"}));
}

TEST_F(FuncLibFileDetails, ADriveRootIsNotFoundButGetsKindThreeAndItsIcon) {
  files.attributes["D:\\"] = 0x10;
  funclib::TFileDetails d;
  EXPECT_FALSE(funclib::GetFileDetails("D:\\", funclib::kFdSmallIcon, d));
  EXPECT_EQ(d.Kind, 3);
  EXPECT_EQ(d.Attributes, 0x10u);
  EXPECT_EQ(d.SmallIcon, 0x100u);
  EXPECT_EQ(d.LargeIcon, 0u);
  EXPECT_FALSE(funclib::GetFileDetails("nowhere", 0, d));
  EXPECT_EQ(d.Kind, 0);
}

TEST_F(FuncLibFileDetails, ReleaseDestroysBothIconsOnceAndDoesNothingElse) {
  funclib::TFileDetails d;
  funclib::GetFileDetails("D:\\", funclib::kFdSmallIcon | funclib::kFdLargeIcon, d);
  EXPECT_TRUE(funclib::GetFileDetails("D:\\", funclib::kFdRelease | funclib::kFdSmallIcon, d));
  EXPECT_EQ(files.destroyedIcons, files.createdIcons);
  EXPECT_EQ(files.createdIcons.size(), 2u);
  EXPECT_EQ(d.SmallIcon, 0u);
  EXPECT_EQ(d.LargeIcon, 0u);
  EXPECT_EQ(d.Kind, 0);
  EXPECT_TRUE(files.findPaths.size() == 1) << "no lookup when releasing";
  funclib::GetFileDetails("", funclib::kFdRelease, d);
  EXPECT_EQ(files.destroyedIcons.size(), 2u) << "released icons are not destroyed twice";
}

TEST_F(FuncLibFileDetails, Crc32OnlyBelowFiveMebibytesUnlessAnySizeIsAsked) {
  const std::string name = Write("abc", "abc");
  funclib::TFileDetails d;
  files.entries[name] = Entry(0x20, 3);
  EXPECT_TRUE(funclib::GetFileDetails(name, funclib::kFdCrc32, d));
  EXPECT_EQ(d.Crc32, 0x352441C2u);

  for (std::uint64_t size : {0x500000ull, 0x100000003ull}) {  // 5 MiB; 4 GiB + 3, whose low half is small
    files.entries[name] = Entry(0x20, size);
    d.Crc32 = 7;
    funclib::GetFileDetails(name, funclib::kFdCrc32, d);
    EXPECT_EQ(d.Crc32, 7u) << size;
    funclib::GetFileDetails(name, funclib::kFdCrc32 | funclib::kFdAnySize, d);
    EXPECT_EQ(d.Crc32, 0x352441C2u) << size;
  }
  files.entries[name] = Entry(0x10, 3);
  d.Crc32 = 7;
  funclib::GetFileDetails(name, funclib::kFdCrc32 | funclib::kFdAnySize, d);
  EXPECT_EQ(d.Crc32, 7u) << "no CRC of a directory";
}

TEST_F(FuncLibFileDetails, AssociationIsAskedWithNameAndDirectoryAndExplainedOnFailure) {
  funclib::TFileDetails d;
  funclib::GetFileDetails("C:\\docs\\read me.txt", funclib::kFdExecutable, d);
  EXPECT_EQ(funclib::FixedText(d.Executable), "C:\\Windows\\notepad.exe");
  files.associationCode = 31;
  funclib::GetFileDetails("C:\\docs\\", funclib::kFdExecutable, d);
  EXPECT_EQ(funclib::FixedText(d.Executable), "The file is not associated!");
  files.associationCode = 30;
  funclib::GetFileDetails("plain", funclib::kFdExecutable, d);
  EXPECT_EQ(funclib::FixedText(d.Executable), "Undefined error finding association!");
  files.associationCode = 2;
  funclib::GetFileDetails("C:x.txt", funclib::kFdExecutable, d);
  EXPECT_EQ(funclib::FixedText(d.Executable), "Undefined error finding association!");
  const std::vector<std::pair<std::string, std::string>> queries = {
      {"read me.txt", "C:\\docs\\"}, {"docs", "C:\\"}, {"plain", ""}, {"x.txt", "C:"}};
  EXPECT_EQ(files.associationQueries, queries);
}

TEST_F(FuncLibFileDetails, TypeNameIsCutToItsField) {
  files.typeName = std::string(100, 'T');
  funclib::TFileDetails d;
  funclib::GetFileDetails("C:\\a", funclib::kFdTypeName | funclib::kFdLargeIcon, d);
  EXPECT_EQ(funclib::FixedText(d.TypeName), std::string(79, 'T'));
  EXPECT_EQ(d.LargeIcon, 0x100u);
  EXPECT_EQ(d.SmallIcon, 0u);
}

}  // namespace
