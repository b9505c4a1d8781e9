#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>

#include "skin/data/LzhHuffTree.h"

#include "bench/ClassicLzhDecoder.h"
#include "skin/data/LZH.h"
#include "skin/data/LzhParams.h"
#include "tests/native/skindata/LzhTestStreams.h"
#include "tests/native/skindata/TestBytes.h"
#include "tools/LzhEncoder.h"

namespace {

std::vector<uint8_t> Expand(const std::vector<uint8_t>& packed) {
  return TLZH::Expand(packed.data(), packed.size());
}

// Reads from a byte vector and counts the calls.
struct TCountingReader {
  std::vector<uint8_t> Data;
  size_t Pos = 0;
  int Calls = 0;

  TLzhReadProc Proc() {
    return [this](uint8_t* buffer, size_t count) {
      ++Calls;
      const size_t n = std::min(count, Data.size() - Pos);
      std::copy(Data.begin() + Pos, Data.begin() + Pos + n, buffer);
      Pos += n;
      return n;
    };
  }
};

TEST(LzhDecoder, MatchOverlappingItsOwnOutputRepeatsThePattern) {
  // Position p refers to the byte p+1 places behind the write position, so
  // position 2 after "abc" starts at 'a' while the copy is still writing.
  const auto packed = CraftStream(23, [](TLzhSymbolWriter& w) {
    w.PutLiteral('a');
    w.PutLiteral('b');
    w.PutLiteral('c');
    w.PutMatch(20, 2);
  });
  std::string expected;
  while (expected.size() < 23) expected += "abc";
  expected.resize(23);
  EXPECT_EQ(Text(Expand(packed)), expected);
}

TEST(LzhDecoder, MatchOnTheByteJustWrittenMakesARun) {
  const auto packed = CraftStream(61, [](TLzhSymbolWriter& w) {
    w.PutLiteral('x');
    w.PutMatch(lzh::kMaxMatch, 0);
  });
  EXPECT_EQ(Text(Expand(packed)), std::string(61, 'x'));
}

TEST(LzhDecoder, FirstMatchesReadTheInitialSpaces) {
  const auto packed = CraftStream(20, [](TLzhSymbolWriter& w) {
    w.PutMatch(10, 100);   // well inside the 4036 initial spaces
    w.PutLiteral('z');
    w.PutMatch(5, 4030);   // 4031 back: window byte 16, still an initial space
    w.PutLiteral('y');
    w.PutMatch(3, 1);      // 2 back: ' ', then 'y', then the ' ' this copy wrote
  });
  EXPECT_EQ(Text(Expand(packed)), std::string(10, ' ') + "z" + std::string(5, ' ') + "y" + " y ");
}

TEST(LzhDecoder, WindowBytesNeverWrittenReadAsZero) {
  // After one literal the write position is 4037; position 4082 leads to
  // window byte 4050, which neither the initial spaces nor any output filled.
  const auto packed = CraftStream(4, [](TLzhSymbolWriter& w) {
    w.PutLiteral('q');
    w.PutMatch(3, 4082);  // from 4037 - 4082 - 1 = 4050 (mod 4096)
  });
  EXPECT_EQ(Expand(packed), (std::vector<uint8_t>{'q', 0, 0, 0}));
}

struct TMatchShape {
  const char* Name;
  int Prefix;    // literals before the match; the write position is (4036 + Prefix) mod 4096
  int Length;
  int Position;  // the match refers Position + 1 bytes back
};

class LzhMatchShapes : public testing::TestWithParam<TMatchShape> {};

TEST_P(LzhMatchShapes, CopyAsIfByteByByte) {
  const TMatchShape& m = GetParam();
  const std::vector<uint8_t> prefix = RandomBytes(static_cast<size_t>(m.Prefix), 42);
  const auto packed = CraftStream(static_cast<uint32_t>(m.Prefix + m.Length + 1), [&](TLzhSymbolWriter& w) {
    for (uint8_t b : prefix) w.PutLiteral(b);
    w.PutMatch(m.Length, m.Position);
    w.PutLiteral('!');
  });
  // Every byte copied is the one Position + 1 places before it in the output.
  std::vector<uint8_t> expected = prefix;
  for (int k = 0; k < m.Length; ++k) expected.push_back(expected[expected.size() - m.Position - 1]);
  expected.push_back('!');
  EXPECT_EQ(Expand(packed), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, LzhMatchShapes,
    testing::Values(TMatchShape{"FarApart", 5000, 60, 199}, TMatchShape{"PeriodThree", 5000, 60, 2},
                    TMatchShape{"PeriodOne", 5000, 3, 0}, TMatchShape{"JustApart", 5000, 60, 59},
                    TMatchShape{"JustOverlapping", 5000, 60, 58},
                    TMatchShape{"DestinationWraps", 4140, 40, 9},
                    TMatchShape{"DestinationWrapsApart", 4140, 40, 300},
                    TMatchShape{"SourceWraps", 4176, 40, 29},
                    TMatchShape{"SourceWrapsApart", 4176, 40, 50},
                    TMatchShape{"SourceAheadInTheRing", 4176, 60, 4000},
                    TMatchShape{"OldestByte", 5000, 60, 4095},
                    TMatchShape{"OldestByteAtTheWindowEnd", 4140, 60, 4095}),
    [](const testing::TestParamInfo<TMatchShape>& info) { return std::string(info.param.Name); });

// Matches closer than their own length repeat their first distance bytes;
// every distance below 17 (each a period of its own in the copy) with
// lengths around whole words, back to back in one stream.
TEST(LzhDecoder, EveryShortDistanceRepeatsItsPeriod) {
  const int lengths[] = {3, 7, 8, 9, 15, 16, 17, 31, 60};
  const std::vector<uint8_t> prefix = RandomBytes(40, 9);
  std::vector<uint8_t> expected = prefix;
  uint32_t size = static_cast<uint32_t>(prefix.size());
  for (int distance = 1; distance <= 17; ++distance) {
    for (const int length : lengths) size += static_cast<uint32_t>(length + 1);
  }
  const auto packed = CraftStream(size, [&](TLzhSymbolWriter& w) {
    for (uint8_t b : prefix) w.PutLiteral(b);
    for (int distance = 1; distance <= 17; ++distance) {
      for (const int length : lengths) {
        w.PutMatch(length, distance - 1);
        for (int k = 0; k < length; ++k) expected.push_back(expected[expected.size() - static_cast<size_t>(distance)]);
        // A fresh byte between matches, so each repeats a different period.
        const uint8_t fresh = static_cast<uint8_t>(distance * 31 + length);
        w.PutLiteral(fresh);
        expected.push_back(fresh);
      }
    }
  });
  EXPECT_EQ(Expand(packed), expected);
}

TEST(LzhDecoder, AMatchIsNeverCutAtTheStatedSize) {
  const auto packed = CraftStream(2, [](TLzhSymbolWriter& w) {
    w.PutLiteral('m');
    w.PutMatch(30, 0);
  });
  EXPECT_EQ(Text(Expand(packed)), std::string(31, 'm'));
}

TEST(LzhDecoder, CodesLongerThanSixteenBitsDecode) {
  const std::vector<uint8_t> literals = DeepTreeLiterals();

  TLzhHuffTree mirror;  // follows the writer's tree to measure code lengths
  int deepest = 0;
  const auto packed = CraftStream(static_cast<uint32_t>(literals.size()), [&](TLzhSymbolWriter& w) {
    for (uint8_t c : literals) {
      int depth = 0;
      for (int node = mirror.LeafNode(c); node != lzh::kRootNode; node = mirror.Parent(node)) ++depth;
      deepest = std::max(deepest, depth);
      w.PutLiteral(c);
      mirror.Update(c);
    }
  });
  ASSERT_GT(deepest, 16);
  EXPECT_EQ(Expand(packed), literals);
}

TEST(LzhDecoder, AllZeroBitsDecodeTheLeafOnTheLeftmostPath) {
  // In the starting tree internal node 314 + k has child 2k. From the root
  // (626) zero bits visit 624, 620, 612, 596, 564, 500, 372 and end at node
  // 116, the leaf of symbol 116 ('t').
  const std::vector<uint8_t> packed = {1, 0, 0, 0};
  EXPECT_EQ(Text(Expand(packed)), "t");
}

// What a decode handed to its writer, and its error if it stopped with one.
struct TUnpacked {
  std::vector<uint8_t> Written;
  std::string Error;
};

TUnpacked Unpack(const std::vector<uint8_t>& packed) {
  TCountingReader reader;
  reader.Data.assign(packed.begin() + 4, packed.end());
  TUnpacked result;
  TLZH lzh;
  try {
    lzh.LZHUnpack(ReadLE32(packed.data()), reader.Proc(),
                  [&](const uint8_t* p, size_t n) { result.Written.insert(result.Written.end(), p, p + n); });
  } catch (const ElzhException& e) {
    result.Error = e.what();
  }
  return result;
}

std::vector<uint8_t> Cut(const std::vector<uint8_t>& packed, size_t keep) {
  return std::vector<uint8_t>(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(keep));
}

struct TEndedStream {
  const char* Name;
  std::function<std::vector<uint8_t>()> Make;
};
void PrintTo(const TEndedStream& c, std::ostream* os) { *os << c.Name; }

class LzhInputEndsEarly : public testing::TestWithParam<TEndedStream> {};

TEST_P(LzhInputEndsEarly, IsRefusedAfterAboutItsOwnSize) {
  const std::vector<uint8_t> packed = GetParam().Make();
  const TUnpacked result = Unpack(packed);
  EXPECT_EQ(result.Error, kLzhInputEndedMessage);
  // Every symbol takes at least one bit, and the reader hands out at most
  // kEndSlack zero bytes past the end: that bounds the bytes decoded.
  const size_t bits = (packed.size() - 4 + TLzhBitInput::kEndSlack) * 8;
  EXPECT_LE(result.Written.size(), bits * lzh::kMaxMatch);
}

std::vector<uint8_t> CompressedText() { return TLzhEncoder::Compress(TextLikeBytes(20000, 5)); }

INSTANTIATE_TEST_SUITE_P(
    Streams, LzhInputEndsEarly,
    testing::Values(
        // 0x01000000 = 16 MB, within the default limit, from six bytes.
        TEndedStream{"TenBytesStatingSixteenMegabytes",
                     [] { return std::vector<uint8_t>{0, 0, 0, 1, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}; }},
        TEndedStream{"OnlyTheSizeField", [] { return std::vector<uint8_t>{0xA0, 0x86, 0x01, 0}; }},
        TEndedStream{"CutAfterOneByte", [] { return Cut(CompressedText(), 5); }},
        TEndedStream{"CutToAThird", [] { return Cut(CompressedText(), CompressedText().size() / 3); }},
        TEndedStream{"CutInTheMiddleOfALongStream",
                     [] {
                       const std::vector<uint8_t> packed = TLzhEncoder::Compress(BitmapLikeBytes(300000, 2));
                       return Cut(packed, packed.size() / 2);
                     }}),
    [](const testing::TestParamInfo<TEndedStream>& info) { return std::string(info.param.Name); });

// A stream whose last code ends exactly at the end of its last byte, so no
// padding bit is left over: the fillers are written until the bit count is
// a multiple of 8.
struct TFullLastByte {
  const char* Name;
  std::vector<uint8_t> Literals;
  bool EndWithMatch;  // fill with matches of the byte just written, else with literals
};
void PrintTo(const TFullLastByte& c, std::ostream* os) { *os << c.Name; }

class LzhStreamFillsItsLastByte : public testing::TestWithParam<TFullLastByte> {};

TEST_P(LzhStreamFillsItsLastByte, DecodesCompletely) {
  const TFullLastByte& c = GetParam();
  std::vector<uint8_t> expected = c.Literals;
  TLzhSymbolWriter w;
  for (uint8_t b : c.Literals) w.PutLiteral(b);
  // A stream meant to end with a match gets at least one.
  bool needFiller = c.EndWithMatch;
  for (int filler = 0; filler < 64 && (needFiller || w.BitCount() % 8 != 0); ++filler) {
    needFiller = false;
    if (c.EndWithMatch) {
      w.PutMatch(3, 0);
      expected.insert(expected.end(), 3, expected.back());
    } else {
      w.PutLiteral('x');
      expected.push_back('x');
    }
  }
  const uint64_t bits = w.BitCount();
  ASSERT_EQ(bits % 8, 0u) << "no filler made the stream end on a byte";
  std::vector<uint8_t> packed;
  AppendLE32(packed, static_cast<uint32_t>(expected.size()));
  const std::vector<uint8_t> stream = w.Finish();
  ASSERT_EQ(stream.size(), bits / 8);
  packed.insert(packed.end(), stream.begin(), stream.end());

  const TUnpacked result = Unpack(packed);
  EXPECT_EQ(result.Error, "");
  EXPECT_EQ(result.Written, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, LzhStreamFillsItsLastByte,
    testing::Values(
        // In the starting tree 't' has the 8-bit code 00000000 (see above).
        TFullLastByte{"OneEightBitLiteral", Bytes("t"), false},
        TFullLastByte{"LiteralsEndingWithALiteral", TextLikeBytes(3000, 4), false},
        TFullLastByte{"LiteralsEndingWithAMatch", TextLikeBytes(3000, 6), true},
        TFullLastByte{"FewLiteralsEndingWithAMatch", Bytes("ab"), true}),
    [](const testing::TestParamInfo<TFullLastByte>& info) { return std::string(info.param.Name); });

TEST(LzhDecoder, AFinalByteOfZeroBitsMayBeLeftOff) {
  // A match at position 0 ends in nine zero bits (the 3-bit upper code 000
  // and six zero lower bits), so the last byte holds only zeros. An encoder
  // that leaves it off loses nothing: the reader supplies those zeros.
  const std::vector<uint8_t> text = TextLikeBytes(500, 3);
  const auto packed = CraftStream(static_cast<uint32_t>(text.size() + 10), [&](TLzhSymbolWriter& w) {
    for (uint8_t b : text) w.PutLiteral(b);
    w.PutMatch(10, 0);
  });
  ASSERT_EQ(packed.back(), 0);
  std::vector<uint8_t> expected = text;
  expected.insert(expected.end(), 10, text.back());
  EXPECT_EQ(Expand(packed), expected);
  EXPECT_EQ(Expand(Cut(packed, packed.size() - 1)), expected);
}

TEST(LzhDecoder, TruncatedStreamFailsAfterWritingTheIntactPrefix) {
  // Bits before the cut are the same, so what was handed on before the
  // error is the start of the original.
  const std::vector<uint8_t> original = TextLikeBytes(20000, 9);
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(original);
  const TUnpacked result = Unpack(Cut(packed, packed.size() / 2));
  EXPECT_EQ(result.Error, kLzhInputEndedMessage);
  ASSERT_LE(result.Written.size(), original.size());
  EXPECT_TRUE(std::equal(result.Written.begin(), result.Written.end(), original.begin()));
  EXPECT_GT(result.Written.size(), original.size() / 4);
}

TEST(LzhDecoder, GarbageStreamsStayInsideTheirBuffers) {
  // Random bits either reach the stated size or run out of input: a few
  // bytes (as many as the seed) come from every one of these streams of at
  // least 101 bytes; seed * 997, up to 25 per input byte, mostly do not.
  // Neither way leaves the buffers.
  int completed = 0, ended = 0;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    for (const uint32_t stated : {seed, seed * 997}) {
      std::vector<uint8_t> packed = RandomBytes(64 + seed * 37, seed);
      packed[0] = static_cast<uint8_t>(stated);
      packed[1] = static_cast<uint8_t>(stated >> 8);
      packed[2] = packed[3] = 0;
      try {
        const std::vector<uint8_t> out = Expand(packed);
        EXPECT_GE(out.size(), stated);
        EXPECT_LT(out.size(), stated + lzh::kMaxMatch);
        ++completed;
      } catch (const ElzhException& e) {
        EXPECT_STREQ(e.what(), kLzhInputEndedMessage) << "seed " << seed;
        ++ended;
      }
    }
  }
  EXPECT_GE(completed, 40);
  EXPECT_GT(ended, 0);
}

TEST(LzhDecoder, SizeZeroWritesNothingAndReadsNothing) {
  TCountingReader reader;
  reader.Data = RandomBytes(100, 1);
  int writes = 0;
  TLZH lzh;
  lzh.LZHUnpack(0, reader.Proc(), [&](const uint8_t*, size_t) { ++writes; });
  EXPECT_EQ(reader.Calls, 0);
  EXPECT_EQ(writes, 0);
  EXPECT_EQ(Expand({0, 0, 0, 0, 0xFF, 0xFF}).size(), 0u);
}

TEST(LzhDecoder, StatedSizeAboveTheLimitIsRefusedBeforeDecoding) {
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(TextLikeBytes(1000, 1));
  EXPECT_EQ(TLZH::Expand(packed.data(), packed.size(), 1000).size(), 1000u);
  try {
    TLZH::Expand(packed.data(), packed.size(), 999);
    FAIL() << "no exception";
  } catch (const ElzhException& e) {
    EXPECT_STREQ(e.what(), kLzhTooLargeMessage);
  }
  const std::vector<uint8_t> hostile = {0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_THROW(TLZH::Expand(hostile.data(), hostile.size()), ElzhException);
}

TEST(LzhDecoder, InputWithoutACompleteSizeFieldIsAnError) {
  const uint8_t bytes[3] = {1, 0, 0};
  for (size_t size : {0, 1, 3}) {
    try {
      TLZH::Expand(bytes, size);
      FAIL() << "no exception for " << size << " bytes";
    } catch (const ElzhException& e) {
      EXPECT_STREQ(e.what(), kLzhNoSizeMessage);
    }
  }
  EXPECT_THROW(TLZH::Expand(nullptr, 10), ElzhException);
}

TEST(LzhDecoder, TablesExistOnlyWhileDecodingAlsoOnFailure) {
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(RandomBytes(10000, 3));
  TCountingReader reader;
  reader.Data.assign(packed.begin() + 4, packed.end());
  TLZH lzh;
  EXPECT_FALSE(lzh.HasTables());
  bool hadTables = false;
  const auto failingWrite = [&](const uint8_t*, size_t) {
    hadTables = lzh.HasTables();
    throw std::runtime_error("disk full");
  };
  EXPECT_THROW(lzh.LZHUnpack(10000, reader.Proc(), failingWrite), std::runtime_error);
  EXPECT_TRUE(hadTables);
  EXPECT_FALSE(lzh.HasTables());

  // The same object decodes again afterwards, from fresh tables.
  TCountingReader again;
  again.Data.assign(packed.begin() + 4, packed.end());
  std::vector<uint8_t> out;
  lzh.LZHUnpack(10000, again.Proc(), [&](const uint8_t* p, size_t n) { out.insert(out.end(), p, p + n); });
  EXPECT_EQ(out, RandomBytes(10000, 3));
  EXPECT_FALSE(lzh.HasTables());
}

TEST(LzhDecoder, AReaderClaimingMoreThanAskedIsNotBelieved) {
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(TextLikeBytes(3000, 2));
  size_t pos = 4;
  const TLzhReadProc liar = [&](uint8_t* buffer, size_t count) {
    const size_t n = std::min(count, packed.size() - pos);
    std::copy(packed.begin() + pos, packed.begin() + pos + n, buffer);
    pos += n;
    return n + 1000000;  // a lie; only n bytes were delivered
  };
  std::vector<uint8_t> out;
  TLZH lzh;
  lzh.LZHUnpack(3000, liar, [&](const uint8_t* p, size_t n) { out.insert(out.end(), p, p + n); });
  EXPECT_GE(out.size(), 3000u);
}

TEST(LzhDecoder, ExceptionMessagesAreTheDocumentedTexts) {
  EXPECT_STREQ(kLzhNoMemoryMessage, "LZH : Cannot get memory for dictionary tables");
  EXPECT_STREQ(kLzhFreeMessage, "LZH : Error freeing memory for dictionary tables");
  const ElzhException e(kLzhNoMemoryMessage);
  EXPECT_STREQ(e.what(), kLzhNoMemoryMessage);
}

}  // namespace

namespace {

// The straightforward decoder in bench/ is written from the algorithm alone,
// so agreeing with it shows the fast paths (a code read from one word, the
// output as the window, the search for the end of a run) keep the format.
TEST(LzhDecoder, DecodesLikeTheStraightforwardDecoder) {
  std::vector<std::vector<uint8_t>> streams = {
      TLzhEncoder::Compress(TextLikeBytes(70000, 8)), TLzhEncoder::Compress(BitmapLikeBytes(90000, 5)),
      TLzhEncoder::Compress(RandomBytes(40000, 6))};
  // Random bits: every symbol and position a stream can hold, rebuilds
  // included, whatever an encoder would choose.
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    std::vector<uint8_t> packed = RandomBytes(3000 + seed * 500, seed + 100);
    const uint32_t stated = 2000 + seed * 1000;
    for (int k = 0; k < 4; ++k) packed[k] = static_cast<uint8_t>(stated >> (8 * k));
    streams.push_back(packed);
  }
  int compared = 0;
  for (const std::vector<uint8_t>& packed : streams) {
    std::vector<uint8_t> ours;
    try {
      ours = Expand(packed);
    } catch (const ElzhException&) {
      continue;  // ran out of input: the reference would go on with zero bits
    }
    EXPECT_EQ(ours, ClassicLzhExpand(packed.data(), packed.size())) << "stream " << compared;
    ++compared;
  }
  EXPECT_GE(compared, 20);
}

}  // namespace
