#include "host_fixture.h"

#include <filesystem>
#include <random>

namespace host_test {

ScratchDir::ScratchDir() {
  namespace fs = std::filesystem;
  std::random_device random;
  path_ = (fs::temp_directory_path() / ("skerrow-host-test-" + std::to_string(random()))).string();
  fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string ScratchDir::Write(const std::string& name, const std::string& text) const {
  std::string file = (std::filesystem::path(path_) / name).string();
  FILE* f = fopen(file.c_str(), "wb");
  if (f) {
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
  }
  return file;
}

}  // namespace host_test
