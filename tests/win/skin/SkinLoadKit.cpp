#include "tests/win/skin/SkinLoadKit.h"
#include "tools/LzhEncoder.h"
#include "tools/SkinPackWriter.h"
#include <cstdio>
#include <random>

namespace skinload {
namespace {
void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v);
  Put16(out, v >> 16);
}
std::string Hex(TColor c) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", unsigned(c));
  return text;
}
}  // namespace

std::vector<uint8_t> Bmp24(int width, int height, const TPixelFunction& pixel) {
  const uint32_t stride = (uint32_t(width) * 3 + 3) / 4 * 4;
  const uint32_t imageSize = stride * uint32_t(height);
  std::vector<uint8_t> out{'B', 'M'};
  Put32(out, 54 + imageSize);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, uint32_t(width));
  Put32(out, uint32_t(height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, imageSize);
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    size_t rowStart = out.size();
    for (int x = 0; x < width; ++x) {
      TColor c = pixel(x, y);
      out.push_back(uint8_t(c >> 16));
      out.push_back(uint8_t(c >> 8));
      out.push_back(uint8_t(c));
    }
    out.resize(rowStart + stride, 0);
  }
  return out;
}

std::vector<uint8_t> SolidBmp(int width, int height, TColor colour) {
  return Bmp24(width, height, [colour](int, int) { return colour; });
}

std::vector<uint8_t> StripBmp(int frameWidth, int height, const std::vector<TColor>& colours) {
  return Bmp24(frameWidth * int(colours.size()), height,
               [&](int x, int) { return colours[size_t(x / frameWidth)]; });
}

std::vector<uint8_t> TTestSkin::Package() const {
  TSkinPackWriter writer;
  for (const auto& [name, contents] : Entries) writer.AddEntry(name, contents);
  writer.AddEntry("skin.ini", std::vector<uint8_t>(Ini.begin(), Ini.end()));
  return writer.Build();
}

TTestSkin FullSkin() {
  TTestSkin test;
  test.Add("e.bmp", SolidBmp(40, 21, 0x336699)).Add("f.bmp", SolidBmp(20, 10, 0x996633));
  test.Ini = "[TitlebarSkin]\r\nSkinName=First\r\n"
             "[Personality]\r\nTop=e.bmp\r\nmenuBar=e.bmp\r\n"
             "[Colours]\r\nButtonFace=1 2 3\r\n"
             "[Colour.A]\r\ncolor=4 5 6\r\n"
             "[Button0]\r\nAction=0\r\nButtonImage=e.bmp\r\n"
             "[Buttons]\r\nBitmap=e.bmp\r\n"
             "[GroupBoxEdge]\r\nImage=e.bmp\r\n"
             "[Tabs]\r\nImage=e.bmp\r\n"
             "[MenuItem]\r\nImage=e.bmp\r\n"
             "[Scrollbar]\r\nImage=e.bmp\r\n"
             "[Track]\r\nImage=e.bmp\r\nFrame=2\r\n";
  return test;
}

void MoveElementBase(TDataSkinObject& from, TDataSkinObject& to) {
  to.Image = std::move(from.Image);
  to.LeftWidth = from.LeftWidth, to.TopHeight = from.TopHeight;
  to.RightWidth = from.RightWidth, to.BottomHeight = from.BottomHeight;
  to.Trans = from.Trans, to.Tile = from.Tile, to.FrameCount = from.FrameCount, to.Style = from.Style;
  to.NormalColour = from.NormalColour, to.MouseOverColour = from.MouseOverColour;
  to.PressedColour = from.PressedColour, to.NormalColour2 = from.NormalColour2;
  to.MouseOverColour2 = from.MouseOverColour2, to.PressedColour2 = from.PressedColour2;
}

std::vector<uint8_t> UnknownVersionPackage() {
  const std::string ini = "[TitlebarSkin]\r\nSkinName=Refused\r\n";
  TSkinPackWriter writer;
  writer.AddEntry("skin.ini", std::vector<uint8_t>(ini.begin(), ini.end()));
  std::vector<uint8_t> expanded = writer.BuildExpanded();
  expanded[0] = 0x39, expanded[1] = 0x30, expanded[2] = 0, expanded[3] = 0;  // 12345
  return TLzhEncoder::Compress(expanded);
}

std::wstring WriteTempFile(const wchar_t* name, const std::vector<uint8_t>& bytes) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  std::wstring path = std::wstring(dir) + name;
  const TKernelHandle file = FileHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  EXPECT_TRUE(file && WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
              written == bytes.size())
      << "writing the temporary file failed";
  return path;
}

std::wstring BuiltSkinFile(const wchar_t* name) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;  // <build>/tests/win/win_tests.exe
  for (int up = 0; up < 3; ++up) path.resize(path.rfind(L'\\'));
  return path + L"\\app\\" + name;
}

std::vector<uint8_t> CutInHalf(std::vector<uint8_t> package) {
  package.resize(4 + (package.size() - 4) / 2);
  return package;
}

std::vector<uint8_t> FlipStreamBits(std::vector<uint8_t> package, int count, uint32_t seed) {
  std::mt19937 pick(seed);
  const size_t streamBits = (package.size() - 4) * 8;
  for (int i = 0; i < count; ++i) {
    const size_t bit = 32 + pick() % streamBits;
    package[bit / 8] ^= uint8_t(1u << (bit % 8));
  }
  return package;
}

bool LoadTestPackage(TSkinState& skin, const std::vector<uint8_t>& package, std::vector<std::string>* messages) {
  std::vector<std::string> ignored;
  std::vector<std::string>& shown = messages ? *messages : ignored;
  const TSkinMessageProc previous = SkinMessageBox();
  SkinMessageBox() = [&shown](const std::string& text) { shown.push_back(text); };
  const bool loaded = LoadSkinFromStream(skin, package);
  SkinMessageBox() = previous;
  return loaded;
}

bool LoadTestSkin(TSkinState& skin, const TTestSkin& test, std::vector<std::string>* messages) {
  return LoadTestPackage(skin, test.Package(), messages);
}

testing::AssertionResult PixelsAre(const TBitmap& image, int width, int height, const TPixelFunction& expected) {
  if (image.Width() != width || image.Height() != height)
    return testing::AssertionFailure() << "size " << image.Width() << " x " << image.Height() << ", expected "
                                       << width << " x " << height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (image.Pixel(x, y) != expected(x, y))
        return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << Hex(image.Pixel(x, y))
                                           << ", expected " << Hex(expected(x, y));
  return testing::AssertionSuccess();
}

}  // namespace skinload
