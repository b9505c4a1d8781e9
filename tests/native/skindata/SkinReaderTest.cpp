#include <gtest/gtest.h>

#include "skin/data/SkinRead.h"
#include "tests/native/skindata/RawPackage.h"
#include "tests/native/skindata/TestBytes.h"
#include "tools/LzhEncoder.h"

namespace {

const std::string kButtons = "BM buttons bitmap";
const std::string kIni = "[Buttons]\r\nBitmap=buttons.bmp\r\n";

TRawPackage SmallPackage() {
  TRawPackage raw;
  raw.Add("Buttons.BMP", kButtons).Add("Skin.INI", kIni);
  return raw;
}

// A reader whose message box records what it was asked to show.
struct TRecordingReader {
  TSkinReader Reader;
  std::vector<std::string> Messages;

  TRecordingReader() {
    Reader.SetMessageProc([this](const std::string& text) { Messages.push_back(text); });
  }
  bool Load(const TRawPackage& raw) {
    const std::vector<uint8_t> packed = TLzhEncoder::Compress(raw.Bytes());
    return Reader.Load(packed.data(), packed.size());
  }
  bool LoadExpanded(const std::vector<uint8_t>& bytes) {
    return Reader.LoadExpanded(bytes.data(), bytes.size());
  }
  std::string Extract(const std::string& name) {
    std::vector<uint8_t> out = Bytes("stale");
    Reader.ExtractByName(name, out);
    return Text(out);
  }
};

struct TVersionCase {
  uint32_t Version;
  uint32_t BlockSize;
};

class SkinReaderVersions : public testing::TestWithParam<TVersionCase> {};

TEST_P(SkinReaderVersions, SkipsTheVersionBlockAndReadsEveryEntry) {
  TRawPackage raw = SmallPackage();
  raw.Version = GetParam().Version;
  raw.BlockSize = GetParam().BlockSize;
  TRecordingReader r;
  ASSERT_TRUE(r.Load(raw)) << r.Reader.LastError();
  EXPECT_TRUE(r.Messages.empty());
  EXPECT_EQ(r.Reader.Names(), (std::vector<std::string>{"buttons.bmp", "skin.ini"}));
  EXPECT_EQ(r.Reader.Count(), 2u);
  EXPECT_EQ(r.Reader.Size(0), kButtons.size());
  EXPECT_EQ(r.Reader.Size(1), kIni.size());
  EXPECT_EQ(r.Extract("buttons.bmp"), kButtons);
  EXPECT_EQ(r.Extract("skin.ini"), kIni);
  EXPECT_EQ(r.Reader.Header().Version, GetParam().Version);
  EXPECT_EQ(r.Reader.Header().NamesLength, raw.Names.size());
  EXPECT_EQ(r.Reader.Header().Reserved1, 0xDEADBEEFu);
  EXPECT_EQ(r.Reader.Header().Reserved2, 0x01020304u);
}

INSTANTIATE_TEST_SUITE_P(AllVersions, SkinReaderVersions,
                         testing::Values(TVersionCase{20000, 0}, TVersionCase{30000, 256},
                                         TVersionCase{40000, 80}, TVersionCase{50000, 48},
                                         TVersionCase{60000, 117}, TVersionCase{70000, 69}),
                         [](const testing::TestParamInfo<TVersionCase>& info) {
                           return "V" + std::to_string(info.param.Version);
                         });

TEST(SkinReader, Version30000NamesStart272BytesIn) {
  TRawPackage raw = SmallPackage();
  raw.Version = 30000;
  raw.BlockSize = 256;
  const std::vector<uint8_t> bytes = raw.Bytes();
  ASSERT_EQ(raw.NamesOffset(), 272u);
  ASSERT_EQ(bytes[272], 'B');
  TRecordingReader r;
  ASSERT_TRUE(r.LoadExpanded(bytes));
  EXPECT_EQ(r.Reader.Names().front(), "buttons.bmp");
}

class SkinReaderNameCase : public testing::TestWithParam<const char*> {};

TEST_P(SkinReaderNameCase, NamesAreFoundWhateverTheirLetterCase) {
  TRecordingReader r;
  ASSERT_TRUE(r.Load(SmallPackage()));
  std::vector<uint8_t> out;
  EXPECT_TRUE(r.Reader.ExtractByName(GetParam(), out));
  EXPECT_EQ(Text(out), kButtons);
}

INSTANTIATE_TEST_SUITE_P(Spellings, SkinReaderNameCase,
                         testing::Values("Buttons.BMP", "buttons.bmp", "BUTTONS.bmp"));

TEST(SkinReader, AMissingNameLeavesTheOutputEmpty) {
  TRecordingReader r;
  ASSERT_TRUE(r.Load(SmallPackage()));
  std::vector<uint8_t> out = Bytes("stale");
  EXPECT_FALSE(r.Reader.ExtractByName("frametop.bmp", out));
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(r.Reader.ExtractByName("buttons", out));  // whole names only
  EXPECT_TRUE(out.empty());
}

TEST(SkinReader, TheFirstOfTwoEntriesWithOneNameIsFound) {
  TRawPackage raw;
  raw.Add("a.bmp", "first").Add("b.bmp", "middle").Add("A.BMP", "second");
  TRecordingReader r;
  ASSERT_TRUE(r.Load(raw));
  EXPECT_EQ(r.Extract("a.bmp"), "first");
  std::vector<uint8_t> out;
  ASSERT_TRUE(r.Reader.ExtractAt(2, out));
  EXPECT_EQ(Text(out), "second");
}

TEST(SkinReader, EmptyEntriesExtractEmptyAndKeepLaterOffsets) {
  TRawPackage raw;
  raw.Add("empty.bmp", "").Add("next.bmp", "BMnext").Add("last.bmp", "");
  TRecordingReader r;
  ASSERT_TRUE(r.Load(raw));
  std::vector<uint8_t> out = Bytes("stale");
  EXPECT_TRUE(r.Reader.ExtractByName("empty.bmp", out));
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(r.Extract("next.bmp"), "BMnext");
  EXPECT_TRUE(r.Reader.ExtractByName("last.bmp", out));
  EXPECT_TRUE(out.empty());
}

TEST(SkinReader, FindByPartTakesTheFirstNameContainingTheTextAsGiven) {
  TRawPackage raw;
  raw.Add("a.bmp", "A").Add("Skin.Ini", "INI").Add("b.bmp", "B");
  TRecordingReader r;
  ASSERT_TRUE(r.Load(raw));
  std::vector<uint8_t> out;
  EXPECT_EQ(r.Reader.FindByPart(".ini", out), "skin.ini");
  EXPECT_EQ(Text(out), "INI");
  EXPECT_EQ(r.Reader.FindByPart(".bmp", out), "a.bmp");
  EXPECT_EQ(Text(out), "A");
  // The text is not lower-cased, and the names are.
  EXPECT_EQ(r.Reader.FindByPart(".INI", out), "");
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(r.Reader.FindByPart("", out), "");
}

struct TNameListCase {
  const char* Names;
  std::vector<std::string> Expected;
};

class SkinReaderNameLists : public testing::TestWithParam<TNameListCase> {};

TEST_P(SkinReaderNameLists, SplitsAtCrLfOrCrLfAndLowerCases) {
  TRawPackage raw;
  raw.Names = GetParam().Names;
  for (size_t i = 0; i < GetParam().Expected.size(); ++i) {
    raw.Sizes.push_back(1);
    raw.Contents.push_back(static_cast<uint8_t>('0' + i));
  }
  TRecordingReader r;
  ASSERT_TRUE(r.Load(raw)) << r.Reader.LastError();
  EXPECT_EQ(r.Reader.Names(), GetParam().Expected);
  if (!GetParam().Expected.empty()) {
    EXPECT_EQ(r.Extract(GetParam().Expected.back()).size(), 1u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SkinReaderNameLists,
    testing::Values(TNameListCase{"A.bmp\r\nB.bmp\r\n", {"a.bmp", "b.bmp"}},
                    TNameListCase{"A.bmp\nB.bmp", {"a.bmp", "b.bmp"}},
                    TNameListCase{"A.bmp\rB.bmp\r", {"a.bmp", "b.bmp"}},
                    TNameListCase{"A.bmp\n\rB.bmp", {"a.bmp", "", "b.bmp"}},
                    TNameListCase{"", {}}));

class SkinReaderUnknownVersions : public testing::TestWithParam<uint32_t> {};

TEST_P(SkinReaderUnknownVersions, ShowTheMessageAndChangeNothing) {
  TRecordingReader r;
  ASSERT_TRUE(r.Load(SmallPackage()));
  TRawPackage other;
  other.Add("other.bmp", "BMother");
  other.Version = GetParam();
  EXPECT_FALSE(r.Load(other));
  ASSERT_EQ(r.Messages.size(), 1u);
  EXPECT_EQ(r.Messages[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(r.Reader.Names(), (std::vector<std::string>{"buttons.bmp", "skin.ini"}));
  EXPECT_EQ(r.Reader.Header().Version, 70000u);
  EXPECT_EQ(r.Extract("buttons.bmp"), kButtons);
}

INSTANTIATE_TEST_SUITE_P(Versions, SkinReaderUnknownVersions,
                         testing::Values(0u, 1u, 10000u, 19999u, 69999u, 70001u, 80000u,
                                         0xFFFFFFFFu));

TEST(SkinReader, TheDefaultMessageGoesToStderr) {
  TRawPackage raw = SmallPackage();
  raw.Version = 12345;
  const std::vector<uint8_t> bytes = raw.Bytes();
  TSkinReader reader;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(reader.LoadExpanded(bytes.data(), bytes.size()));
  EXPECT_NE(testing::internal::GetCapturedStderr().find(TSkinReader::kOlderSkinMessage),
            std::string::npos);

  reader.SetMessageProc([](const std::string&) {});
  reader.SetMessageProc(nullptr);  // back to the default
  testing::internal::CaptureStderr();
  EXPECT_FALSE(reader.LoadExpanded(bytes.data(), bytes.size()));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Please update"), std::string::npos);
}

// Damaged packages: each must be refused without reading outside the data.
struct TDamageCase {
  const char* Name;
  std::vector<uint8_t> (*Make)();
};

std::vector<uint8_t> Truncate(std::vector<uint8_t> bytes, size_t keep) {
  bytes.resize(keep);
  return bytes;
}

std::vector<uint8_t> WithSizes(std::vector<uint32_t> sizes) {
  TRawPackage raw = SmallPackage();
  raw.Sizes = std::move(sizes);
  return raw.Bytes();
}

std::vector<uint8_t> WithNamesLength(uint32_t length) {
  std::vector<uint8_t> bytes = SmallPackage().Bytes();
  std::vector<uint8_t> field;
  AppendLE32(field, length);
  std::copy(field.begin(), field.end(), bytes.begin() + 4);
  return bytes;
}

std::vector<uint8_t> WithEntryCount(size_t count) {
  TRawPackage raw;
  for (size_t i = 0; i < count; ++i) raw.Add("e" + std::to_string(i) + ".bmp", "");
  return raw.Bytes();
}

const TDamageCase kDamageCases[] = {
    {"Empty", [] { return std::vector<uint8_t>(); }},
    {"HalfAHeader", [] { return Truncate(SmallPackage().Bytes(), 15); }},
    {"HeaderOnly", [] { return Truncate(SmallPackage().Bytes(), 16); }},
    {"CutInVersionBlock", [] { return Truncate(SmallPackage().Bytes(), 50); }},
    {"CutInNames", [] { return Truncate(SmallPackage().Bytes(), 16 + 69 + 5); }},
    {"CutInSizes", [] { return Truncate(SmallPackage().Bytes(), SmallPackage().NamesOffset() + SmallPackage().Names.size() + 5); }},
    {"CutInContents", [] { auto b = SmallPackage().Bytes(); return Truncate(b, b.size() - 1); }},
    {"NamesLengthPastTheEnd", [] { return WithNamesLength(100000); }},
    {"NamesLengthHuge", [] { return WithNamesLength(0xFFFFFFFF); }},
    {"SizeOneTooLarge", [] { return WithSizes({static_cast<uint32_t>(kButtons.size()), static_cast<uint32_t>(kIni.size() + 1)}); }},
    {"SizeHuge", [] { return WithSizes({0xFFFFFFFF, 1}); }},
    {"SizesWrappingIn32Bits", [] { return WithSizes({0x80000000, 0x80000000}); }},
    {"TooManyEntries", [] { return WithEntryCount(1002); }},
    {"MillionsOfLineBreaks", [] {
       TRawPackage raw;
       raw.Names = std::string(4000000, '\n');
       return raw.Bytes();
     }},
};

class SkinReaderDamaged : public testing::TestWithParam<TDamageCase> {};

TEST_P(SkinReaderDamaged, IsRefusedAndTheEarlierPackageStays) {
  TRecordingReader r;
  ASSERT_TRUE(r.Load(SmallPackage()));
  EXPECT_FALSE(r.LoadExpanded(GetParam().Make()));
  EXPECT_FALSE(r.Reader.LastError().empty());
  EXPECT_TRUE(r.Messages.empty());
  EXPECT_EQ(r.Reader.Count(), 2u);
  EXPECT_EQ(r.Extract("skin.ini"), kIni);
}

INSTANTIATE_TEST_SUITE_P(Cases, SkinReaderDamaged, testing::ValuesIn(kDamageCases),
                         [](const testing::TestParamInfo<TDamageCase>& info) {
                           return std::string(info.param.Name);
                         });

TEST(SkinReader, AcceptsTheMostEntriesTheSizeTableHolds) {
  TRecordingReader r;
  ASSERT_TRUE(r.LoadExpanded(WithEntryCount(1001))) << r.Reader.LastError();
  EXPECT_EQ(r.Reader.Count(), 1001u);
  EXPECT_EQ(r.Reader.Names().back(), "e1000.bmp");
}

TEST(SkinReader, BytesAfterTheLastEntryAreAllowed) {
  TRawPackage raw = SmallPackage();
  raw.Contents.insert(raw.Contents.end(), 59, 'x');
  TRecordingReader r;
  ASSERT_TRUE(r.Load(raw));
  EXPECT_EQ(r.Extract("skin.ini"), kIni);
}

TEST(SkinReader, TruncatedCompressedPackagesNeverReachOutside) {
  TRawPackage raw;
  for (int i = 0; i < 20; ++i) raw.Add("img" + std::to_string(i) + ".bmp", Text(BitmapLikeBytes(700, i)));
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(raw.Bytes());
  // Cuts all along the stream, and the last few bytes alone, which the
  // decoder may still read past as zeros: it either runs out of input or
  // hands over a damaged end, which must not lead the reader outside.
  std::vector<size_t> keeps;
  for (size_t keep = 4; keep < packed.size(); keep += packed.size() / 17) keeps.push_back(keep);
  for (size_t missing = 1; missing <= TLzhBitInput::kEndSlack + 1; ++missing) keeps.push_back(packed.size() - missing);
  for (size_t keep : keeps) {
    TRecordingReader r;
    bool loaded = false;
    try {
      loaded = r.Reader.Load(packed.data(), keep);
    } catch (const ElzhException& e) {
      EXPECT_STREQ(e.what(), kLzhInputEndedMessage) << "kept " << keep;
      continue;
    }
    if (!loaded) continue;
    uint64_t total = 0;
    for (size_t i = 0; i < r.Reader.Count(); ++i) total += r.Reader.Size(i);
    EXPECT_LE(total, r.Reader.Contents().size());
    std::vector<uint8_t> out;
    for (size_t i = 0; i < r.Reader.Count(); ++i) {
      ASSERT_TRUE(r.Reader.ExtractAt(i, out));
      EXPECT_EQ(out.size(), r.Reader.Size(i));
    }
  }
}

TEST(SkinReader, AStreamThatIsNotWholeIsRefusedAndTheEarlierPackageStays) {
  TRecordingReader r;
  ASSERT_TRUE(r.Load(SmallPackage()));
  TRawPackage other;
  for (int i = 0; i < 8; ++i) other.Add("img" + std::to_string(i) + ".bmp", Text(BitmapLikeBytes(900, i)));
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(other.Bytes());
  std::vector<uint8_t> longer = packed;
  longer.insert(longer.end(), {1, 2, 3});
  for (const std::vector<uint8_t>& damaged :
       {std::vector<uint8_t>(packed.begin(), packed.begin() + packed.size() / 2), longer}) {
    EXPECT_FALSE(r.Reader.Load(damaged.data(), damaged.size()));
    EXPECT_FALSE(r.Reader.LastError().empty());
    EXPECT_EQ(r.Reader.Count(), 2u);
    EXPECT_EQ(r.Extract("skin.ini"), kIni);
  }
  EXPECT_TRUE(r.Messages.empty());  // the caller decides how to tell the user
}

TEST(SkinReader, DecoderErrorsPropagate) {
  TSkinReader reader;
  const uint8_t tooShort[2] = {1, 2};
  EXPECT_THROW(reader.Load(tooShort, sizeof tooShort), ElzhException);
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(SmallPackage().Bytes());
  reader.SetMaxExpandedSize(static_cast<uint32_t>(SmallPackage().Bytes().size() - 1));
  EXPECT_THROW(reader.Load(packed.data(), packed.size()), ElzhException);
  EXPECT_EQ(reader.Count(), 0u);
}

TEST(SkinReader, ExtractAtOutsideTheEntriesGivesNothing) {
  TRecordingReader r;
  ASSERT_TRUE(r.Load(SmallPackage()));
  std::vector<uint8_t> out = Bytes("stale");
  EXPECT_FALSE(r.Reader.ExtractAt(2, out));
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(r.Reader.Size(2), 0u);
}

}  // namespace
