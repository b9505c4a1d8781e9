// A compressed package is expanded only when its stream is whole.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "skin/data/LZH.h"
#include "skin/data/SkinPackExpand.h"
#include "tests/native/skindata/TestBytes.h"
#include "tools/LzhEncoder.h"

namespace {

struct TExpandResult {
  bool Whole = false;
  std::vector<uint8_t> Out;
  std::string Why;
};

TExpandResult ExpandWhole(const std::vector<uint8_t>& packed) {
  TExpandResult r;
  r.Out = Bytes("untouched");
  r.Whole = ExpandWholePackage(packed.data(), packed.size(), TLZH::kDefaultMaxSize, r.Out, r.Why);
  return r;
}

std::vector<uint8_t> WithStatedSize(std::vector<uint8_t> packed, uint32_t stated) {
  for (int i = 0; i < 4; ++i) packed[size_t(i)] = uint8_t(stated >> (8 * i));
  return packed;
}

class SkinPackExpandWhole : public testing::TestWithParam<size_t> {};

// Every length and kind of content: the last byte of a stream holds 1 to 8
// of its bits, and the decoder's read-ahead must never look like a cut.
TEST_P(SkinPackExpandWhole, AWholeStreamExpandsToItsContents) {
  const size_t size = GetParam();
  for (const std::vector<uint8_t>& original :
       {TextLikeBytes(size, uint32_t(size)), RandomBytes(size, uint32_t(size)),
        BitmapLikeBytes(size, uint32_t(size)), std::vector<uint8_t>(size, 'x')}) {
    const TExpandResult r = ExpandWhole(TLzhEncoder::Compress(original));
    ASSERT_TRUE(r.Whole) << "size " << size << ": " << r.Why;
    EXPECT_EQ(r.Out, original) << "size " << size;
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SkinPackExpandWhole,
                         testing::Values(0, 1, 2, 3, 7, 8, 9, 15, 16, 17, 61, 100, 255, 1000, 4097,
                                         20000));

TEST(SkinPackExpand, EveryCutOfTheStreamIsRefused) {
  const std::vector<uint8_t> original = BitmapLikeBytes(30000, 3);
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(original);
  // Up to the last few bytes, whose bits may decode to the same end either way.
  for (size_t keep = 4; keep + 4 < packed.size(); ++keep) {
    const TExpandResult r = ExpandWhole(std::vector<uint8_t>(packed.begin(), packed.begin() + keep));
    ASSERT_FALSE(r.Whole) << "kept " << keep << " of " << packed.size();
    EXPECT_EQ(r.Out, Bytes("untouched"));
  }
  const TExpandResult half = ExpandWhole(std::vector<uint8_t>(packed.begin(), packed.begin() + packed.size() / 2));
  EXPECT_EQ(half.Why, "the compressed stream ends before its stated size");
}

TEST(SkinPackExpand, BytesAfterTheStreamAreRefused) {
  std::vector<uint8_t> packed = TLzhEncoder::Compress(TextLikeBytes(5000, 4));
  // One byte more can pass for the byte the decoder reads ahead.
  for (size_t extra : {2, 3, 100}) {
    std::vector<uint8_t> longer = packed;
    longer.insert(longer.end(), extra, 0);
    const TExpandResult r = ExpandWhole(longer);
    EXPECT_FALSE(r.Whole) << extra;
    EXPECT_EQ(r.Why, "bytes follow the end of the compressed stream") << extra;
  }
}

TEST(SkinPackExpand, AStatedSizeTheStreamDoesNotMatchIsRefused) {
  // Ends in a long match: a size one short makes that match run past it.
  const std::vector<uint8_t> repeated(3000, 'r');
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(repeated);
  const TExpandResult shorter = ExpandWhole(WithStatedSize(packed, 2999));
  EXPECT_FALSE(shorter.Whole);
  EXPECT_EQ(shorter.Why, "the compressed stream decodes past its stated size");

  const std::vector<uint8_t> text = TLzhEncoder::Compress(RandomBytes(3000, 8));
  const TExpandResult early = ExpandWhole(WithStatedSize(text, 1500));
  EXPECT_FALSE(early.Whole);
  EXPECT_EQ(early.Why, "bytes follow the end of the compressed stream");
  const TExpandResult longer = ExpandWhole(WithStatedSize(text, 3500));
  EXPECT_FALSE(longer.Whole);
  EXPECT_EQ(longer.Why, "the compressed stream ends before its stated size");
}

TEST(SkinPackExpand, FlippedBitsAreRefused) {
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(BitmapLikeBytes(40000, 5));
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    std::vector<uint8_t> damaged = packed;
    std::mt19937 rng(seed);
    // The stream only: a flipped size field is a different claim, tested above.
    for (int i = 0; i < 200; ++i) {
      const size_t bit = 32 + rng() % ((damaged.size() - 4) * 8);
      damaged[bit / 8] ^= uint8_t(1u << (bit % 8));
    }
    EXPECT_FALSE(ExpandWhole(damaged).Whole) << "seed " << seed;
  }
}

TEST(SkinPackExpand, TheDecodersOwnErrorsPropagate) {
  std::vector<uint8_t> out, none;
  std::string why;
  const uint8_t shortInput[3] = {1, 0, 0};
  EXPECT_THROW(ExpandWholePackage(shortInput, sizeof shortInput, 1000, out, why), ElzhException);
  EXPECT_THROW(ExpandWholePackage(nullptr, 10, 1000, out, why), ElzhException);
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(TextLikeBytes(1001, 1));
  EXPECT_THROW(ExpandWholePackage(packed.data(), packed.size(), 1000, out, why), ElzhException);
  EXPECT_EQ(out, none);
}

}  // namespace
