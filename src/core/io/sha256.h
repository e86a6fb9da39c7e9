#pragma once
// SHA-256 digests, for recording which file contents a result was computed from.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dorvex::io {

// Incremental SHA-256 (FIPS 180-4).
class Sha256 {
 public:
  Sha256();
  void Update(std::string_view bytes);
  // The digest; the object is spent afterwards.
  std::array<std::uint8_t, 32> Finish();

 private:
  void Block(const std::uint8_t* block);

  std::array<std::uint32_t, 8> state_;
  std::array<std::uint8_t, 64> buffer_{};
  std::size_t buffered_ = 0;
  std::uint64_t length_ = 0;  // bytes hashed so far
};

// Lower-case hex digest of `bytes`.
std::string Sha256Hex(std::string_view bytes);

// Lower-case hex digest of the file's contents; empty when it cannot be read.
std::optional<std::string> Sha256OfFile(const std::string& path);

}  // namespace dorvex::io
