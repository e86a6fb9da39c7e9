// SHA-256 against the standard test vectors (FIPS 180-4 examples and the NIST
// long-message vector).

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "io/sha256.h"

namespace dorvex::io {
namespace {

struct Vector {
  std::string message;
  const char* digest;
};

class StandardVectors : public testing::TestWithParam<Vector> {};

TEST_P(StandardVectors, Digest) { EXPECT_EQ(Sha256Hex(GetParam().message), GetParam().digest); }

INSTANTIATE_TEST_SUITE_P(
    Fips, StandardVectors,
    testing::Values(
        Vector{"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        Vector{"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        Vector{"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
               "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        Vector{"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu",
               "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        Vector{std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"}));

TEST(Sha256, PiecesGiveTheDigestOfTheWhole) {
  const std::string message = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
  for (std::size_t cut : {0u, 1u, 55u, 56u}) {
    Sha256 hash;
    hash.Update(std::string_view(message).substr(0, cut));
    hash.Update(std::string_view(message).substr(cut));
    const auto digest = hash.Finish();
    EXPECT_EQ(digest[0], 0x24) << cut;
    EXPECT_EQ(digest[31], 0xc1) << cut;
  }
}

TEST(Sha256, FileDigestAndUnreadableFile) {
  const std::string path = testing::TempDir() + "sha256_abc.txt";
  { std::ofstream(path, std::ios::binary) << "abc"; }
  EXPECT_EQ(Sha256OfFile(path), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  std::remove(path.c_str());
  EXPECT_FALSE(Sha256OfFile(path).has_value());
}

}  // namespace
}  // namespace dorvex::io
