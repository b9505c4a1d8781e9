// Expansion speed of a typical skin package: about 36 UI bitmaps and one
// INI (~310 KB expanded), packed with our packer, then expanded many times.
// Prints ms per expand and MB/s, against a plain copy of the same bytes and
// against the whole package load (expand + split).
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/LZH.h"
#include "skin/data/SkinRead.h"
#include "tools/SkinPackWriter.h"

namespace {

struct TRgb {
  uint8_t R, G, B;
};

const TRgb kKey = {255, 0, 255};

// A 24-bit bottom-up BMP with the given pixel function.
std::vector<uint8_t> MakeBmp(int w, int h, const std::function<TRgb(int, int)>& pixel) {
  const int stride = (w * 3 + 3) & ~3;
  const uint32_t imageSize = static_cast<uint32_t>(stride * h);
  std::vector<uint8_t> out;
  const auto put16 = [&](uint32_t v) { out.push_back(v & 0xFF); out.push_back((v >> 8) & 0xFF); };
  const auto put32 = [&](uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
  out.push_back('B');
  out.push_back('M');
  put32(54 + imageSize);
  put32(0);
  put32(54);
  put32(40);
  put32(static_cast<uint32_t>(w));
  put32(static_cast<uint32_t>(h));
  put16(1);
  put16(24);
  put32(0);
  put32(imageSize);
  put32(2835);
  put32(2835);
  put32(0);
  put32(0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const TRgb c = pixel(x, y);
      out.push_back(c.B);
      out.push_back(c.G);
      out.push_back(c.R);
    }
    out.insert(out.end(), static_cast<size_t>(stride - w * 3), 0);
  }
  return out;
}

uint8_t Lerp(int a, int b, int t, int range) {
  return static_cast<uint8_t>(a + (b - a) * t / (range > 1 ? range - 1 : 1));
}

// Dither grain of -1 .. +1 in blocks, as gradients saved from paint programs have.
uint8_t Grain(uint8_t value, int x, int y) {
  const int g = static_cast<int>(((static_cast<unsigned>(x) * 2654435761u) ^
                                  (static_cast<unsigned>(y) * 40503u)) >> 13) % 3 - 1;
  return static_cast<uint8_t>(std::clamp(value + g, 0, 255));
}

// A strip of frames, each a vertical gradient with a darker border, rounded
// (magenta) corners, and a lighter tint per state.
std::vector<uint8_t> StateStrip(int frameW, int h, int frames, TRgb top, TRgb bottom) {
  return MakeBmp(frameW * frames, h, [=](int x, int y) {
    const int fx = x % frameW;
    const int state = x / frameW;
    const bool corner = (fx == 0 || fx == frameW - 1) && (y == 0 || y == h - 1);
    if (corner) return kKey;
    if (fx == 0 || fx == frameW - 1 || y == 0 || y == h - 1) return TRgb{40, 60, 110};
    const int lift = state * 12;
    return TRgb{static_cast<uint8_t>(std::min(255, Lerp(top.R, bottom.R, y, h) + lift)),
                static_cast<uint8_t>(std::min(255, Lerp(top.G, bottom.G, y, h) + lift)),
                Grain(static_cast<uint8_t>(std::min(255, Lerp(top.B, bottom.B, y, h) + lift)), x / 4, y)};
  });
}

// Small glyphs (check marks, arrows) on a flat face, one per frame.
std::vector<uint8_t> GlyphStrip(int size, int frames) {
  return MakeBmp(size * frames, size, [=](int x, int y) {
    const int fx = x % size;
    const int state = x / size;
    if (fx == 0 || y == 0 || fx == size - 1 || y == size - 1) return TRgb{28, 81, 128};
    const bool mark = state % 2 == 1 && (y - size / 2 == fx - size / 3 || y + fx == size + 1);
    if (mark) return TRgb{33, 161, 33};
    return TRgb{static_cast<uint8_t>(244 - state * 6), 244, 240};
  });
}

// A frame edge: a horizontal or vertical gradient band.
std::vector<uint8_t> Edge(int w, int h, bool horizontal) {
  return MakeBmp(w, h, [=](int x, int y) {
    const int t = horizontal ? y : x;
    const int range = horizontal ? h : w;
    if (horizontal && (x < 3 || x >= w - 3) && y < 3) return kKey;
    return TRgb{Lerp(90, 20, t, range), Lerp(140, 60, t, range),
                Grain(Lerp(230, 150, t, range), x / 4, y / 4)};
  });
}

std::string SkinIni() {
  static const char* const kSections[] = {
      "Buttons", "Tabs", "Tab.Pane", "ComboButton", "SunkEdge", "ExtraImages", "Headerbar",
      "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll", "HorzScrollThumb",
      "VertScrollThumb", "Progress", "Progress.Chunk", "GroupBoxEdge", "GroupBox",
      "StatusBarEdges", "ToolBars", "CheckBox", "Radio", "Trackbar", "Spin"};
  std::string ini = "[TitlebarSkin]\r\nSkinName=Benchmark Blue\r\n[Personality]\r\n"
                    "Top=frametop.bmp\r\nLeft=frameleft.bmp\r\nRight=frameright.bmp\r\n"
                    "Bottom=framebottom.bmp\r\nTopFrame=2\r\nmenuBar=menubar.bmp\r\n";
  for (const char* s : kSections) {
    std::string lower(s);
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    ini += "[" + std::string(s) + "]\r\nImage=" + lower + ".bmp\r\nFrameCount=5\r\n"
           "LeftWidth=3\r\nTopHeight=3\r\nRightWidth=3\r\nBottomHeight=3\r\nTrans=1\r\n"
           "Tile=0\r\nNormalColour=0x000000\r\nMouseOverColour=$FF0000\r\n";
  }
  ini += "[Colours]\r\nWindowText=0 0 0\r\nButtonFace=227 238 253\r\nHilight=49 106 197\r\n";
  return ini;
}

std::vector<uint8_t> BuildPackage(size_t& expandedSize) {
  TSkinPackWriter writer;
  const std::string ini = SkinIni();
  writer.AddEntry("skin.ini", std::vector<uint8_t>(ini.begin(), ini.end()));
  writer.AddEntry("frametop.bmp", Edge(300, 30, true));
  writer.AddEntry("framebottom.bmp", Edge(400, 6, true));
  writer.AddEntry("frameleft.bmp", Edge(6, 300, false));
  writer.AddEntry("frameright.bmp", Edge(6, 300, false));
  writer.AddEntry("menubar.bmp", StateStrip(80, 22, 2, {250, 250, 255}, {210, 220, 240}));
  writer.AddEntry("buttons.bmp", StateStrip(64, 23, 5, {255, 255, 255}, {200, 215, 245}));
  writer.AddEntry("tabs.bmp", StateStrip(50, 22, 5, {245, 248, 255}, {205, 218, 240}));
  writer.AddEntry("tabborder.bmp", StateStrip(60, 4, 5, {120, 140, 200}, {80, 100, 160}));
  writer.AddEntry("tab.pane.bmp", StateStrip(48, 48, 1, {250, 252, 255}, {235, 240, 250}));
  writer.AddEntry("combobutton.bmp", StateStrip(17, 21, 4, {230, 240, 255}, {170, 190, 230}));
  writer.AddEntry("sunkedge.bmp", StateStrip(30, 30, 4, {255, 255, 255}, {240, 240, 240}));
  writer.AddEntry("extraimages.bmp", GlyphStrip(16, 10));
  writer.AddEntry("headerbar.bmp", StateStrip(50, 20, 5, {250, 250, 250}, {220, 225, 235}));
  writer.AddEntry("menuitem.bmp", StateStrip(60, 20, 5, {255, 255, 255}, {190, 210, 250}));
  writer.AddEntry("menubackground.bmp", StateStrip(64, 64, 1, {252, 252, 252}, {240, 242, 246}));
  writer.AddEntry("scrollbar.bmp", GlyphStrip(17, 23));
  writer.AddEntry("horzscroll.bmp", StateStrip(40, 17, 4, {240, 244, 250}, {215, 225, 240}));
  writer.AddEntry("vertscroll.bmp", StateStrip(17, 40, 4, {240, 244, 250}, {215, 225, 240}));
  writer.AddEntry("horzscrollthumb.bmp", StateStrip(40, 17, 3, {200, 215, 250}, {150, 175, 230}));
  writer.AddEntry("vertscrollthumb.bmp", StateStrip(17, 40, 3, {200, 215, 250}, {150, 175, 230}));
  writer.AddEntry("progress.bmp", StateStrip(100, 18, 2, {250, 250, 250}, {225, 225, 225}));
  writer.AddEntry("progress.chunk.bmp", StateStrip(10, 14, 1, {120, 220, 120}, {40, 160, 40}));
  writer.AddEntry("groupboxedge.bmp", StateStrip(30, 30, 2, {250, 250, 255}, {230, 235, 245}));
  writer.AddEntry("groupbox.bmp", StateStrip(80, 20, 1, {220, 230, 250}, {190, 205, 240}));
  writer.AddEntry("statusbaredges.bmp", StateStrip(40, 22, 3, {235, 240, 250}, {205, 215, 235}));
  writer.AddEntry("toolbars.bmp", StateStrip(40, 26, 5, {250, 250, 255}, {215, 225, 245}));
  writer.AddEntry("checkbox.bmp", GlyphStrip(13, 8));
  writer.AddEntry("radio.bmp", GlyphStrip(13, 8));
  writer.AddEntry("trackbar.bmp", StateStrip(11, 21, 4, {230, 240, 255}, {150, 170, 220}));
  writer.AddEntry("spin.bmp", StateStrip(15, 10, 8, {230, 240, 255}, {170, 190, 230}));
  writer.AddEntry("close.bmp", GlyphStrip(18, 4));
  writer.AddEntry("maximize.bmp", GlyphStrip(18, 4));
  writer.AddEntry("minimize.bmp", GlyphStrip(18, 4));
  writer.AddEntry("restore.bmp", GlyphStrip(18, 4));
  writer.AddEntry("help.bmp", GlyphStrip(18, 4));
  writer.AddEntry("sysmenu.bmp", GlyphStrip(18, 4));
  expandedSize = writer.BuildExpanded().size();
  return writer.Build();
}

// Milliseconds per call over several timed batches: the best batch (least
// disturbed by other processes) and the median one.
struct TTiming {
  double BestMs;
  double MedianMs;
};

TTiming Time(int batches, int callsPerBatch, const std::function<void()>& work) {
  std::vector<double> perCall;
  for (int b = 0; b < batches; ++b) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < callsPerBatch; ++i) work();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    perCall.push_back(spent.count() / callsPerBatch);
  }
  std::sort(perCall.begin(), perCall.end());
  return {perCall.front(), perCall[perCall.size() / 2]};
}

void Report(const char* what, const TTiming& t, double mb) {
  std::printf("%-30s best %7.3f ms (%7.1f MB/s)   median %7.3f ms (%7.1f MB/s)\n", what, t.BestMs,
              mb / (t.BestMs / 1e3), t.MedianMs, mb / (t.MedianMs / 1e3));
}

}  // namespace

int main() {
  size_t expandedSize = 0;
  const std::vector<uint8_t> package = BuildPackage(expandedSize);
  std::printf("package: 37 entries, %zu bytes expanded, %zu bytes compressed (%.1f%%)\n",
              expandedSize, package.size(), 100.0 * package.size() / expandedSize);

  size_t sink = 0;
  const TTiming expand = Time(15, 40, [&] {
    sink += TLZH::Expand(package.data(), package.size()).size();
  });
  const std::vector<uint8_t> expanded = TLZH::Expand(package.data(), package.size());
  std::vector<uint8_t> copy(expanded.size());
  const TTiming plainCopy = Time(15, 400, [&] {
    std::memcpy(copy.data(), expanded.data(), expanded.size());
    sink += copy[sink % copy.size()];
  });
  TSkinReader reader;
  const TTiming load = Time(15, 40, [&] {
    sink += reader.Load(package.data(), package.size()) ? reader.Count() : 0;
  });

  const double mb = expanded.size() / 1e6;
  Report("expand (TLZH::Expand)", expand, mb);
  Report("load (TSkinReader::Load)", load, mb);
  Report("plain copy of the same bytes", plainCopy, mb);
  std::printf("expand / plain copy, best times: %.1f\n", expand.BestMs / plainCopy.BestMs);
  std::printf("(checksum %zu)\n", sink);
  return 0;
}
