#include "io/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>

namespace dorvex::io {

namespace {

// Unique enough within one folder: time plus a per-process counter.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::filesystem::path temp = target;
  temp += ".tmp" + std::to_string(stamp) + "-" + std::to_string(counter++);
  return temp;
}

}  // namespace

std::error_code WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::filesystem::path target(path);
  const std::filesystem::path temp = TemporaryBeside(target);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
      const int error = errno != 0 ? errno : EACCES;
      return std::error_code(error, std::generic_category());
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    // A full disk may only show when the buffer is flushed on close.
    out.close();
    if (out.fail()) {
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return std::make_error_code(std::errc::io_error);
    }
  }
  std::error_code error;
  std::filesystem::rename(temp, target, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
  }
  return error;
}

}  // namespace dorvex::io
