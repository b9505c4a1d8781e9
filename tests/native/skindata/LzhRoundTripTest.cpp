#include <gtest/gtest.h>

#include <string>

#include "skin/data/ByteOrder.h"
#include "skin/data/LZH.h"
#include "tests/native/skindata/TestBytes.h"
#include "tools/LzhEncoder.h"

namespace {

enum class TKind { Random, TextLike, BitmapLike, Spaces, SingleByte };

struct TRoundTripCase {
  TKind Kind;
  size_t Size;
};

std::vector<uint8_t> Make(const TRoundTripCase& c) {
  switch (c.Kind) {
    case TKind::Random: return RandomBytes(c.Size, static_cast<uint32_t>(c.Size));
    case TKind::TextLike: return TextLikeBytes(c.Size, 7);
    case TKind::BitmapLike: return BitmapLikeBytes(c.Size, 11);
    case TKind::Spaces: return std::vector<uint8_t>(c.Size, ' ');  // matches the initial window
    case TKind::SingleByte: return std::vector<uint8_t>(c.Size, 0xA5);
  }
  return {};
}

std::string KindName(TKind kind) {
  switch (kind) {
    case TKind::Random: return "Random";
    case TKind::TextLike: return "TextLike";
    case TKind::BitmapLike: return "BitmapLike";
    case TKind::Spaces: return "Spaces";
    case TKind::SingleByte: return "SingleByte";
  }
  return "Unknown";
}

class LzhRoundTrip : public testing::TestWithParam<TRoundTripCase> {};

TEST_P(LzhRoundTrip, ExpandGivesBackTheSameBytes) {
  const std::vector<uint8_t> original = Make(GetParam());
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(original);
  ASSERT_GE(packed.size(), 4u);
  EXPECT_EQ(ReadLE32(packed.data()), original.size());
  const std::vector<uint8_t> expanded = TLZH::Expand(packed.data(), packed.size());
  ASSERT_EQ(expanded.size(), original.size());
  EXPECT_TRUE(expanded == original);
}

std::vector<TRoundTripCase> AllCases() {
  const size_t sizes[] = {0, 1, 59, 60, 61, 4096, 4097, 1000003};
  const TKind kinds[] = {TKind::Random, TKind::TextLike, TKind::BitmapLike, TKind::Spaces,
                         TKind::SingleByte};
  std::vector<TRoundTripCase> cases;
  for (TKind kind : kinds) {
    for (size_t size : sizes) cases.push_back({kind, size});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(SizesAndKinds, LzhRoundTrip, testing::ValuesIn(AllCases()),
                         [](const testing::TestParamInfo<TRoundTripCase>& info) {
                           return KindName(info.param.Kind) + "_" + std::to_string(info.param.Size);
                         });

TEST(LzhCompression, RepetitiveDataShrinks) {
  // A sanity check that matches are actually used, not only literals.
  const std::vector<uint8_t> original = BitmapLikeBytes(200000, 3);
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(original);
  EXPECT_LT(packed.size(), original.size() / 4);
}

}  // namespace
