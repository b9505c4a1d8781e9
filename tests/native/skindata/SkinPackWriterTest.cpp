#include <gtest/gtest.h>

#include "skin/data/SkinPackFormat.h"
#include "skin/data/SkinRead.h"
#include "tests/native/skindata/TestBytes.h"
#include "tools/SkinPackWriter.h"

namespace {

class SkinPackWriterVersions : public testing::TestWithParam<TSkinVersionInfo> {};

TEST_P(SkinPackWriterVersions, WritesWhatTheReaderReads) {
  TSkinPackWriter writer;
  writer.SetVersion(GetParam().Version);
  writer.AddEntry("skin.ini", Bytes("[Personality]\r\n"));
  writer.AddEntry("Frametop.bmp", BitmapLikeBytes(5000, 1));
  writer.AddEntry("empty.bmp", {});
  const std::vector<uint8_t> expanded = writer.BuildExpanded();
  // The name list follows the version block.
  EXPECT_EQ(expanded[kSkinHeaderSize + GetParam().BlockSize], 's');

  const std::vector<uint8_t> packed = writer.Build();
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(packed.data(), packed.size())) << reader.LastError();
  EXPECT_EQ(reader.Header().Version, GetParam().Version);
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "frametop.bmp", "empty.bmp"}));
  std::vector<uint8_t> out;
  ASSERT_TRUE(reader.ExtractByName("frametop.bmp", out));
  EXPECT_EQ(out, BitmapLikeBytes(5000, 1));
  EXPECT_EQ(reader.Contents().size(), 15u + 5000u);
}

INSTANTIATE_TEST_SUITE_P(AllVersions, SkinPackWriterVersions, testing::ValuesIn(kSkinVersions),
                         [](const testing::TestParamInfo<TSkinVersionInfo>& info) {
                           return "V" + std::to_string(info.param.Version);
                         });

TEST(SkinPackWriter, RefusesWhatTheFormatCanNotHold) {
  TSkinPackWriter writer;
  EXPECT_THROW(writer.SetVersion(70001), std::invalid_argument);
  EXPECT_EQ(writer.Version(), kSkinDefaultVersion);
  for (const char* bad : {"", "a\r\nb.bmp", "a\rb", "a\n"}) {
    EXPECT_THROW(writer.AddEntry(bad, {}), std::invalid_argument) << "name " << bad;
  }
  for (size_t i = 0; i < kSkinMaxEntries; ++i) writer.AddEntry("e.bmp", {});
  EXPECT_THROW(writer.AddEntry("one-too-many.bmp", {}), std::invalid_argument);
}

}  // namespace
