#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/com/VersionResource.h"

using namespace vantorel::com;
namespace fs = std::filesystem;

namespace {

// A minimal 64-bit ELF image: header, the given section's bytes, a section-name table and three
// section headers (null, the section, the name table).
std::vector<uint8_t> elfWithSection(const std::string& name, const std::vector<uint8_t>& contents) {
  std::vector<uint8_t> image(0x40, 0);
  const uint8_t ident[] = {0x7F, 'E', 'L', 'F', 2, 1, 1};
  std::memcpy(image.data(), ident, sizeof ident);
  auto put = [&](size_t at, uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) image[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  const size_t dataAt = image.size();
  image.insert(image.end(), contents.begin(), contents.end());
  const size_t namesAt = image.size();
  const std::string names = std::string("\0", 1) + name + std::string("\0.shstrtab\0", 11);
  image.insert(image.end(), names.begin(), names.end());
  while (image.size() % 8) image.push_back(0);
  const size_t headersAt = image.size();
  image.resize(headersAt + 3 * 0x40, 0);
  put(0x28, headersAt, 8);
  put(0x3A, 0x40, 2);
  put(0x3C, 3, 2);
  put(0x3E, 2, 2);
  auto header = [&](int index, uint32_t nameAt, uint32_t type, size_t offset, size_t size) {
    const size_t h = headersAt + index * 0x40;
    put(h, nameAt, 4);
    put(h + 4, type, 4);
    put(h + 0x18, offset, 8);
    put(h + 0x20, size, 8);
  };
  header(1, 1, 1, dataAt, contents.size());
  header(2, static_cast<uint32_t>(name.size() + 2), 3, namesAt, names.size());
  return image;
}

}  // namespace

TEST(FileVersionText, DotsCommasSpacesAndMissingParts) {
  EXPECT_EQ(parseFileVersionText("1.0.0.32"), (FileVersion{65536, 32}));
  EXPECT_EQ(parseFileVersionText("1, 0, 0, 32"), (FileVersion{65536, 32}));
  EXPECT_EQ(parseFileVersionText("2,3"), (FileVersion{2 * 65536 + 3, 0}));
  // Only one more dot after b: c and d are not read.
  EXPECT_EQ(parseFileVersionText("1.0.023"), (FileVersion{65536, 0}));
  EXPECT_EQ(parseFileVersionText("4.70.0.1155 (beta)"), (FileVersion{4 * 65536 + 70, 1155}));
  EXPECT_EQ(parseFileVersionText("1.70000.3.70001"), (FileVersion{65536 + 70000 % 65536, 3 * 65536 + 70001 % 65536}));
  EXPECT_EQ(parseFileVersionText(""), (FileVersion{0, 0}));
  EXPECT_EQ(parseFileVersionText("x.y"), (FileVersion{0, 0}));
  EXPECT_LT(parseFileVersionText("1.0.0.9"), parseFileVersionText("1.0.0.10"));
  EXPECT_LT(parseFileVersionText("1.0.9.99"), parseFileVersionText("1.1"));
}

TEST(VersionBlock, BuildsAndReadsTheStringTable) {
  const auto block = buildVersionInfo({{"FileDescription", "Test"}, {"FileVersion", "1, 0, 0, 23"}});
  EXPECT_EQ(block.size() % 4, 0u);
  EXPECT_EQ(versionString(block, "FileVersion", {"040904E4", "040904B0"}), "1, 0, 0, 23");
  EXPECT_EQ(versionString(block, "FileDescription", {"040904b0"}), "Test");
  EXPECT_FALSE(versionString(block, "FileVersion", {"040904E4"}));
  EXPECT_FALSE(versionString(block, "ProductName", {"040904B0"}));
  // The first length field covers the whole block.
  EXPECT_EQ(block[0] | (block[1] << 8), static_cast<int>(block.size()));
}

TEST(VersionBlock, PrefersTheWesternEuropeanBlock) {
  auto preferred = buildVersionInfo({{"FileVersion", "3.0.0.1"}}, "040904E4");
  auto other = buildVersionInfo({{"FileVersion", "2.0.0.1"}}, "040904B0");
  EXPECT_EQ(fileVersionOfImage(elfWithSection(".rsrc_version", preferred)), (FileVersion{3 * 65536, 1}));
  EXPECT_EQ(fileVersionOfImage(elfWithSection(".rsrc_version", other)), (FileVersion{2 * 65536, 1}));
}

TEST(VersionBlock, ReadFromAnImageWithoutLoadingIt) {
  const auto block = buildVersionInfo({{"FileVersion", "1, 0, 0, 21"}});
  EXPECT_EQ(fileVersionOfImage(elfWithSection(".rsrc_version", block)), (FileVersion{65536, 21}));
  // Another section name, a cut image, garbage, an empty file: all (0, 0).
  EXPECT_EQ(fileVersionOfImage(elfWithSection(".rodata", block)), (FileVersion{}));
  auto image = elfWithSection(".rsrc_version", block);
  for (size_t cut : {size_t{0}, size_t{4}, size_t{0x3F}, size_t{0x40}, image.size() / 2, image.size() - 1}) {
    EXPECT_EQ(fileVersionOfImage(std::span(image.data(), cut)), (FileVersion{})) << cut;
  }
  // A block whose inner lengths lie reads as no version rather than past its end.
  auto lying = block;
  lying[0] = 0xFF;
  lying[1] = 0xFF;
  EXPECT_EQ(fileVersionOfImage(elfWithSection(".rsrc_version", lying)), (FileVersion{}));
  const std::vector<uint8_t> noise(4096, 0xA5);
  EXPECT_EQ(fileVersionOfImage(noise), (FileVersion{}));
}

TEST(VersionBlock, FilesOnDisk) {
  EXPECT_EQ(readFileVersion(TEST_COMPONENT_PATH), (FileVersion{2 * 65536 + 5, 7 * 65536 + 11}));
  EXPECT_EQ(readFileVersion("/nonexistent/file.ocx"), (FileVersion{}));
  EXPECT_EQ(readFileVersion(fs::temp_directory_path()), (FileVersion{}));
  const fs::path text = fs::temp_directory_path() / ("vantorel-ver-" + std::to_string(::getpid()) + ".ocx");
  std::ofstream(text) << "MZ not really";
  EXPECT_EQ(readFileVersion(text), (FileVersion{}));
  fs::remove(text);
}
