// Replays every input the fuzzers once failed on, and their seeds, through the same code
// paths the fuzz targets drive. A broken guarantee aborts the test program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/harness.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> FilesIn(const fs::path& dir) {
  std::vector<fs::path> files;
  if (!fs::is_directory(dir)) return files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  return files;
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class FuzzReplay : public ::testing::TestWithParam<fuzzharness::Target> {
 protected:
  void SetUp() override { fuzzharness::PrepareEnvironment(); }

  void ReplayAll(const fs::path& dir) {
    for (const fs::path& file : FilesIn(dir)) {
      SCOPED_TRACE(file.string());
      const std::string bytes = ReadBytes(file);
      GetParam().run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
  }
};

TEST_P(FuzzReplay, FoundInputsPass) {
  ReplayAll(fs::path(ASTRO_TEST_DATA_DIR) / "fuzz-regressions" / std::string(GetParam().name));
}

TEST_P(FuzzReplay, SeedInputsPass) {
  const fs::path seeds =
      fs::path(ASTRO_TEST_DATA_DIR).parent_path().parent_path() / "fuzz" / "corpus";
  ASSERT_FALSE(FilesIn(seeds / std::string(GetParam().name)).empty()) << "seeds are missing";
  ReplayAll(seeds / std::string(GetParam().name));
}

// The edges every path must survive without any seed: no bytes, one byte, a line end.
TEST_P(FuzzReplay, TinyInputsPass) {
  const std::uint8_t bytes[] = {0xFF, '\n', 0x00};
  for (std::size_t size = 0; size <= sizeof bytes; ++size) GetParam().run(bytes, size);
}

std::string TargetName(const ::testing::TestParamInfo<fuzzharness::Target>& info) {
  return std::string(info.param.name);
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(fuzzharness::kTargets),
                         TargetName);

}  // namespace
