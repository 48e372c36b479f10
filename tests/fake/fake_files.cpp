#include "tests/fake/fake_files.hpp"

#include <filesystem>

#include "tests/fake/fake_platform.hpp"

namespace fake {

platform::IconHandle MakeIcon() {
  Files& f = Fake().files;
  f.createdIcons.push_back(f.nextIcon++);
  f.liveIcons.insert(f.createdIcons.back());
  return f.createdIcons.back();
}

platform::IconHandle OriginalIcon(platform::IconHandle icon) {
  const Files& f = Fake().files;
  for (auto it = f.copiedFrom.find(icon); it != f.copiedFrom.end(); it = f.copiedFrom.find(icon)) icon = it->second;
  return icon;
}

void UseIcon(platform::IconHandle icon) {
  Files& f = Fake().files;
  if (icon && !f.liveIcons.count(icon)) f.misusedIcons.push_back(icon);
}

}  // namespace fake

namespace platform {

std::uint32_t QueryFileAttributes(const std::string& path) {
  const fake::Files& f = fake::Fake().files;
  if (const auto it = f.attributes.find(path); it != f.attributes.end()) return it->second;
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) return kInvalidFileAttributes;
  return std::filesystem::is_directory(status) ? kAttributeDirectory : 0x20;  // archive
}

bool FindFirstEntry(const std::string& path, FindData& out) {
  fake::Files& f = fake::Fake().files;
  f.findPaths.push_back(path);
  const auto it = f.entries.find(path);
  if (it == f.entries.end()) return false;
  out = it->second;
  return true;
}

std::optional<DosDateTime> ToLocalDosDateTime(std::uint64_t fileTime) {
  const fake::Files& f = fake::Fake().files;
  const auto it = f.dosTimes.find(fileTime);
  if (it == f.dosTimes.end()) return std::nullopt;
  return it->second;
}

FileHandle OpenFileWithMode(const std::string& path, std::uint8_t mode) {
  fake::Files& f = fake::Fake().files;
  f.openModes.push_back(mode);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return 0;
  const FileHandle handle = f.nextFile++;
  f.open[handle] = std::shared_ptr<std::FILE>(file, std::fclose);
  return handle;
}

bool QueryFileSize(FileHandle file, std::uint64_t& size) {
  fake::Files& f = fake::Fake().files;
  const auto it = f.open.find(file);
  if (it == f.open.end()) return false;
  if (f.reportedSize) {
    size = *f.reportedSize;
    return true;
  }
  if (std::fseek(it->second.get(), 0, SEEK_END) != 0) return false;
  const long end = std::ftell(it->second.get());
  if (end < 0) return false;
  size = static_cast<std::uint64_t>(end);
  return true;
}

std::uint32_t ReadFileAt(FileHandle file, std::uint64_t position, void* buffer, std::uint32_t count) {
  fake::Files& f = fake::Fake().files;
  f.reads.emplace_back(position, count);
  const auto it = f.open.find(file);
  if (it == f.open.end() || std::fseek(it->second.get(), static_cast<long>(position), SEEK_SET) != 0) return 0;
  return static_cast<std::uint32_t>(std::fread(buffer, 1, count, it->second.get()));
}

void CloseFileHandle(FileHandle file) {
  fake::Files& f = fake::Fake().files;
  if (file && f.open.erase(file)) ++f.closes;
}

int FindAssociatedProgram(const std::string& file, const std::string& directory, std::string& program) {
  fake::Files& f = fake::Fake().files;
  f.associationQueries.emplace_back(file, directory);
  program = f.associationCode > 32 ? f.associatedProgram : std::string();
  return f.associationCode;
}

std::string QueryShellTypeName(const std::string&) { return fake::Fake().files.typeName; }

IconHandle CreateShellIcon(const std::string&, bool) {
  if (fake::Fake().files.noIcons) return 0;
  return fake::MakeIcon();
}

IconHandle CopyIconHandle(IconHandle icon) {
  fake::Files& f = fake::Fake().files;
  if (!icon) return 0;
  if (!f.liveIcons.count(icon)) {
    f.misusedIcons.push_back(icon);
    return 0;
  }
  const IconHandle copy = fake::MakeIcon();
  f.copiedFrom[copy] = icon;
  return copy;
}

void DestroyIconHandle(IconHandle icon) {
  if (!icon) return;
  fake::UseIcon(icon);
  fake::Files& f = fake::Fake().files;
  f.destroyedIcons.push_back(icon);
  f.liveIcons.erase(icon);
}

}  // namespace platform
