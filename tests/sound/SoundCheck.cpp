// Finds the voice recordings in a sound recording and checks their order.
//
//   SoundCheck <recording.raw> <Sound folder> <expected>...
//   SoundCheck --self-test <Sound folder>
//
// The recording is raw 16-bit little-endian mono PCM at 22050 Hz, recorded
// from the sound server; the Sound folder holds the WAV files the program
// plays, in the same format, so a file played unchanged comes back sample for
// sample. Each burst of sound in the recording is identified by its content:
// the file whose waveform correlates best with the burst, placed where the
// burst starts, must correlate strongly; and the burst must last as long as
// that file's sound. A burst that matches no file is "?".
//
// A busy machine may starve the sound server for a moment: it then plays
// digital silence (exact zeros) in the middle of a file, and the player may
// stop a file a few milliseconds early. Waveforms are therefore compared
// twice: as they are, and with their zero samples left out, which makes such
// dropouts invisible to the comparison; the better of the two counts.
// Dropouts are measured and reported; they are no fault of the program,
// which hands each whole file to the system at once. A file cut short by more
// than the length tolerance is a fault.
//
// <expected> is the sequence the recording must hold, one word per burst:
//   NAME     a burst of Sound/NAME.wav (for example 5, 10, 等于)
//   ?        at most one burst here that matches no file (a default sound)
//   +MS      the pause between the bursts on either side is at least MS ms
//            (with the dropouts of the burst before it, which delay its end)
// No expected word at all means the recording must be silent. --longest MS
// (before the words) also demands that no burst last longer than MS ms
// (dropouts left out).
//
// Prints each burst, then "ok" or the faults; exit code 0 when the recording
// holds exactly the expected sequence, 1 when not, 2 on errors.
//
// --self-test builds recordings from the WAV files themselves and checks that
// the files, their order, lengths and pauses are read back, and that
// reversed, cut-short and noise bursts are not taken for files.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr long kRate = 22050;
// A sample counts as sound at 1% of full scale (-40 dBFS). The recordings are
// loudness-matched to -19 dBFS RMS, and the sink's silence is exact zeros.
constexpr float kLoud = 0.01f;
// Quieter stretches shorter than this belong to the burst around them (the
// gaps between the syllables of one word, zero crossings).
constexpr long kJoin = kRate * 50 / 1000;
// How far (in non-zero samples) a file may be shifted from where its first
// loud sample meets the burst's first loud sample.
constexpr long kSlack = kRate * 5 / 1000;
// Smallest correlation that identifies a burst as a file. Different files
// correlate at most about 0.8 (see the self-test); a file played unchanged
// comes back at 1.0.
constexpr double kMatch = 0.95;
// How much the length of a burst (dropouts left out) may differ from that of
// its file.
constexpr long kLengthTolerance = kRate * 25 / 1000;

double Ms(long samples) { return samples * 1000.0 / kRate; }

bool IsLoud(float x) { return std::fabs(x) >= kLoud; }

// First loud sample at or after `from`, or -1.
long NextLoud(const std::vector<float>& s, long from) {
  for (long i = std::max(0L, from); i < long(s.size()); ++i)
    if (IsLoud(s[i])) return i;
  return -1;
}

// Last loud sample of the run that starts at `first`, the run ending at a
// quiet stretch longer than kJoin or at `limit`.
long RunEnd(const std::vector<float>& s, long first, long limit) {
  long last = first;
  limit = std::min(limit, long(s.size()));
  for (long i = first; i < limit && i - last <= kJoin; ++i)
    if (IsLoud(s[i])) last = i;
  return last;
}

float Dot(const float* a, const float* b, long n) {
  float acc[8] = {};
  long i = 0;
  for (; i + 8 <= n; i += 8)
    for (int k = 0; k < 8; ++k) acc[k] += a[i + k] * b[i + k];
  double sum = 0;
  for (; i < n; ++i) sum += double(a[i]) * b[i];
  for (float x : acc) sum += x;
  return float(sum);
}

// A signal, whole or with its zero samples left out: the values, and where
// each was.
struct Squeezed {
  std::vector<float> S;
  std::vector<long> Where;
  Squeezed(const std::vector<float>& s, bool dropZeros) {
    for (long i = 0; i < long(s.size()); ++i)
      if (!dropZeros || s[i] != 0.0f) S.push_back(s[i]), Where.push_back(i);
  }
  // Index of the first non-zero sample at or after sample i.
  long IndexOf(long i) const { return long(std::lower_bound(Where.begin(), Where.end(), i) - Where.begin()); }
};

// The two ways of comparing: 0 whole, 1 with zero samples left out.
constexpr int kWhole = 0, kNoZeros = 1;

// A file's samples in one way of comparing.
struct VoiceView {
  Squeezed Sq{{}, false};
  long First = 0, Last = 0;  // index of the first and last loud sample in Sq
  double Energy = 0;
};

struct Voice {
  std::string Name;
  std::vector<float> Samples;
  long First = 0, Last = 0;  // first and last loud sample
  VoiceView View[2];
};

// The squeezed recording with silence on either side and running sums of its
// squares, so that correlations need no bounds checks.
struct Matcher {
  long Pad;
  std::vector<float> S;
  std::vector<double> Energy;  // Energy[i] = sum of S[0..i-1] squared
  Matcher(const Squeezed& rec, long pad) : Pad(pad), S(rec.S.size() + 2 * pad, 0.0f), Energy(S.size() + 1, 0.0) {
    std::copy(rec.S.begin(), rec.S.end(), S.begin() + pad);
    for (size_t i = 0; i < S.size(); ++i) Energy[i + 1] = Energy[i] + double(S[i]) * S[i];
  }
  // Normalised correlation of the file placed at index `at`.
  double Score(const VoiceView& v, long at) const {
    long from = at + Pad, n = long(v.Sq.S.size());
    if (from < 0 || from + n > long(S.size())) return 0.0;
    double xx = Energy[from + n] - Energy[from];
    if (xx <= 1e-12 || v.Energy <= 0) return 0.0;
    return Dot(S.data() + from, v.Sq.S.data(), n) / std::sqrt(xx * v.Energy);
  }
  // Best placement of the file with its first loud sample near index k.
  double Best(const VoiceView& v, long k, long* at) const {
    double best = -1;
    for (long a = k - v.First - kSlack; a <= k - v.First + kSlack; ++a) {
      double c = Score(v, a);
      if (c > best) best = c, *at = a;
    }
    return best;
  }
};

// Reads a 16-bit PCM mono 22050 Hz WAV file.
bool ReadWav(const fs::path& file, std::vector<float>& out, std::string& error) {
  std::ifstream in(file, std::ios::binary);
  std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto u16 = [&](size_t at) { return unsigned(b[at] | b[at + 1] << 8); };
  auto u32 = [&](size_t at) { return uint32_t(u16(at) | uint32_t(u16(at + 2)) << 16); };
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4)) {
    error = "not a RIFF WAVE file";
    return false;
  }
  bool format = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    uint32_t size = u32(at + 4);
    size_t body = at + 8;
    if (body + size > b.size()) size = uint32_t(b.size() - body);
    if (!std::memcmp(b.data() + at, "fmt ", 4) && size >= 16) {
      if (u16(body) != 1 || u16(body + 2) != 1 || u32(body + 4) != kRate || u16(body + 14) != 16) {
        error = "not 16-bit PCM mono 22050 Hz";
        return false;
      }
      format = true;
    } else if (!std::memcmp(b.data() + at, "data", 4) && format) {
      out.clear();
      for (size_t i = 0; i + 1 < size; i += 2) out.push_back(int16_t(u16(body + i)) / 32768.0f);
      return true;
    }
    at = body + size + (size & 1);
  }
  error = "no format or data chunk";
  return false;
}

bool MakeVoice(std::string name, std::vector<float> samples, Voice& v) {
  v.Name = std::move(name);
  v.Samples = std::move(samples);
  v.First = NextLoud(v.Samples, 0);
  if (v.First < 0) {
    std::fprintf(stderr, "SoundCheck: %s.wav is silent\n", v.Name.c_str());
    return false;
  }
  v.Last = RunEnd(v.Samples, v.First, long(v.Samples.size()));
  if (NextLoud(v.Samples, v.Last + 1) >= 0) {
    // The burst rule would cut this file in two: it could not be recognised.
    std::fprintf(stderr, "SoundCheck: %s.wav has a pause longer than %.0f ms inside\n", v.Name.c_str(), Ms(kJoin));
    return false;
  }
  for (int way : {kWhole, kNoZeros}) {
    VoiceView& view = v.View[way];
    view.Sq = Squeezed(v.Samples, way == kNoZeros);
    view.First = view.Sq.IndexOf(v.First);
    view.Last = view.Sq.IndexOf(v.Last);
    view.Energy = Dot(view.Sq.S.data(), view.Sq.S.data(), long(view.Sq.S.size()));
  }
  return true;
}

bool LoadVoices(const fs::path& folder, std::vector<Voice>& voices) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.path().extension() != ".wav") continue;
    std::vector<float> samples;
    std::string error;
    if (!ReadWav(entry.path(), samples, error)) {
      std::fprintf(stderr, "SoundCheck: %s: %s\n", entry.path().u8string().c_str(), error.c_str());
      return false;
    }
    Voice v;
    if (!MakeVoice(entry.path().stem().u8string(), std::move(samples), v)) return false;
    voices.push_back(std::move(v));
  }
  if (ec || voices.empty()) {
    std::fprintf(stderr, "SoundCheck: no WAV files in %s\n", folder.u8string().c_str());
    return false;
  }
  std::sort(voices.begin(), voices.end(), [](const Voice& a, const Voice& b) { return a.Name < b.Name; });
  return true;
}

const Voice* VoiceNamed(const std::vector<Voice>& voices, const std::string& name) {
  for (const Voice& v : voices)
    if (v.Name == name) return &v;
  return nullptr;
}

struct Burst {
  const Voice* File = nullptr;  // the file it is; none for "?"
  double Score = 0;             // correlation with that file (the nearest one for "?")
  std::string Nearest;          // the file that correlates best
  long First = 0, Last = 0;     // first and last loud sample
  long Dropout = 0;             // samples of silence put into the file
  std::string Name() const { return File ? File->Name : "?"; }
  long Length() const { return Last - First + 1; }
};

// Zero samples in runs of at least kDropoutRun between samples a and b.
constexpr long kDropoutRun = kRate * 2 / 1000;
long ZerosInRuns(const std::vector<float>& s, long a, long b) {
  long zeros = 0;
  for (long i = std::max(0L, a); i <= b && i < long(s.size());) {
    long j = i;
    while (j <= b && j < long(s.size()) && s[j] == 0.0f) ++j;
    if (j - i >= kDropoutRun) zeros += j - i;
    i = j > i ? j : i + 1;
  }
  return zeros;
}

class BurstFinder {
 public:
  BurstFinder(const std::vector<float>& rec, const std::vector<Voice>& voices)
      : Rec(rec), Voices(voices), Sq{Squeezed(rec, false), Squeezed(rec, true)},
        M{Matcher(Sq[kWhole], Longest(voices) + kSlack), Matcher(Sq[kNoZeros], Longest(voices) + kSlack)} {}

  std::vector<Burst> Find() const {
    std::vector<Burst> bursts;
    for (long pos = 0;;) {
      long first = NextLoud(Rec, pos);
      if (first < 0) break;
      Burst b;
      long end = 0;
      if (Identify(first, b, &end)) {
        // A starved player may stop a file a little early; the next file then
        // starts where this one's end should be, after a stretch of zeros.
        long cut = end, zeroStart = -1, zeroEnd = -1;
        for (long i = first; i < end;) {
          long j = i;
          while (j < end && Rec[j] == 0.0f) ++j;
          if (j - i >= kRate * 5 / 1000 && j < end) zeroStart = i, zeroEnd = j;
          i = j > i ? j : i + 1;
        }
        Burst next;
        long nextEnd = 0, nextFirst = zeroEnd < 0 ? -1 : NextLoud(Rec, zeroEnd);
        if (nextFirst >= 0 && nextFirst < end && Identify(nextFirst, next, &nextEnd) && nextEnd > end) cut = zeroStart;
        b.Last = first;
        for (long i = first; i < cut; ++i)
          if (IsLoud(Rec[i])) b.Last = i;
        b.Dropout = std::max(0L, ZerosInRuns(Rec, b.First, b.Last) - ZerosInRuns(b.File->Samples, b.File->First, b.File->Last));
        pos = cut;
      } else {
        b.File = nullptr;
        b.Last = RunEnd(Rec, first, long(Rec.size()));
        pos = b.Last + 1;
      }
      bursts.push_back(b);
    }
    return bursts;
  }

 private:
  static long Longest(const std::vector<Voice>& voices) {
    long longest = 0;
    for (const Voice& v : voices) longest = std::max(longest, long(v.Samples.size()));
    return longest;
  }

  // The file that best matches a burst starting at sample `first`; true when
  // it matches well enough, with *end just after where the file lies.
  bool Identify(long first, Burst& b, long* end) const {
    b = Burst();
    b.First = first;
    b.Score = -1;
    long bestAt = 0;
    int bestWay = kWhole;
    for (int way : {kWhole, kNoZeros}) {
      long k = Sq[way].IndexOf(first);
      for (const Voice& v : Voices) {
        long at = 0;
        double c = M[way].Best(v.View[way], k, &at);
        if (c > b.Score) b.Score = c, b.Nearest = v.Name, b.File = &v, bestAt = at, bestWay = way;
      }
    }
    if (!b.File || b.Score < kMatch) return false;
    const Squeezed& s = Sq[bestWay];
    long last = bestAt + long(b.File->View[bestWay].Sq.S.size()) - 1;
    *end = s.Where[std::clamp(last, 0L, long(s.Where.size()) - 1)] + 1;
    return true;
  }

  const std::vector<float>& Rec;
  const std::vector<Voice>& Voices;
  const Squeezed Sq[2];
  const Matcher M[2];
};

std::vector<Burst> FindBursts(const std::vector<float>& rec, const std::vector<Voice>& voices) {
  return BurstFinder(rec, voices).Find();
}

void PrintBursts(const std::vector<Burst>& bursts) {
  for (size_t i = 0; i < bursts.size(); ++i) {
    const Burst& b = bursts[i];
    std::printf("  burst %zu at %7.3f s: %6.3f s long", i + 1, b.First / double(kRate), b.Length() / double(kRate));
    if (i > 0) std::printf(", after a pause of %4.0f ms", Ms(b.First - bursts[i - 1].Last - 1));
    if (b.File) {
      std::printf(": %s.wav (correlation %.3f; the file's sound lasts %.3f s", b.Name().c_str(), b.Score,
                  (b.File->Last - b.File->First + 1) / double(kRate));
      if (b.Dropout) std::printf("; %.0f ms of dropouts", Ms(b.Dropout));
      std::printf(")\n");
    } else {
      std::printf(": no file (nearest %s.wav, correlation %.3f)\n", b.Nearest.c_str(), b.Score);
    }
  }
}

// Compares the bursts with the expected words; returns the faults.
std::vector<std::string> Compare(const std::vector<Burst>& bursts, const std::vector<Voice>& voices,
                                 const std::vector<std::string>& expected, long longest = -1) {
  std::vector<std::string> faults;
  char line[256];
  for (size_t j = 0; j < bursts.size() && longest >= 0; ++j) {
    long length = bursts[j].Length() - bursts[j].Dropout;
    if (length > longest) {
      std::snprintf(line, sizeof line, "burst %zu (%s) lasts %.0f ms without dropouts, longer than %.0f ms", j + 1,
                    bursts[j].Name().c_str(), Ms(length), Ms(longest));
      faults.push_back(line);
    }
  }
  size_t i = 0;        // next burst
  long minPause = -1;  // pending "+MS", in samples
  for (const std::string& word : expected) {
    if (word.size() > 1 && word[0] == '+') {
      minPause = std::lround(std::atof(word.c_str() + 1) * kRate / 1000.0);
      continue;
    }
    if (word == "?") {
      if (i < bursts.size() && !bursts[i].File) ++i;
      continue;
    }
    if (!VoiceNamed(voices, word)) {
      faults.push_back("the expected sound " + word + ".wav is not in the Sound folder");
      return faults;
    }
    if (i >= bursts.size()) {
      faults.push_back("missing: " + word + " (the recording has only " + std::to_string(bursts.size()) + " bursts)");
      return faults;
    }
    const Burst& b = bursts[i];
    if (b.Name() != word) {
      std::snprintf(line, sizeof line, "burst %zu is %s, expected %s", i + 1, b.Name().c_str(), word.c_str());
      faults.push_back(line);
      return faults;
    }
    long fileLength = b.File->Last - b.File->First + 1;
    if (std::labs(b.Length() - b.Dropout - fileLength) > kLengthTolerance) {
      std::snprintf(line, sizeof line, "burst %zu (%s) lasts %.0f ms without dropouts, its file %.0f ms", i + 1,
                    word.c_str(), Ms(b.Length() - b.Dropout), Ms(fileLength));
      faults.push_back(line);
    }
    if (minPause >= 0 && i > 0) {
      // The player takes a file as done when its length has passed; dropouts
      // in it push its real end later, into the pause after it. That time
      // counts as pause: the program waited it.
      const Burst& before = bursts[i - 1];
      long pause = b.First - before.Last - 1, lost = before.Dropout;
      if (pause + lost < minPause) {
        std::snprintf(line, sizeof line, "the pause before burst %zu (%s) is %.0f ms (%.0f ms with the dropouts before it), less than %.0f ms",
                      i + 1, word.c_str(), Ms(pause), Ms(pause + lost), Ms(minPause));
        faults.push_back(line);
      }
    }
    minPause = -1;
    ++i;
  }
  if (i < bursts.size()) {
    std::snprintf(line, sizeof line, "%zu more burst(s) than expected, from burst %zu (%s)", bursts.size() - i, i + 1,
                  bursts[i].Name().c_str());
    faults.push_back(line);
  }
  return faults;
}

int Check(const std::vector<float>& rec, const std::vector<Voice>& voices, const std::vector<std::string>& expected,
          long longest = -1) {
  std::vector<Burst> bursts = FindBursts(rec, voices);
  std::printf("  %.2f s recorded, %zu burst(s)\n", rec.size() / double(kRate), bursts.size());
  PrintBursts(bursts);
  std::string heard;  // one line: each burst's name and length, and the pauses
  for (size_t i = 0; i < bursts.size(); ++i) {
    char item[96];
    if (i > 0) std::snprintf(item, sizeof item, " | %.0f ms | ", Ms(bursts[i].First - bursts[i - 1].Last - 1)), heard += item;
    const Burst& b = bursts[i];
    std::snprintf(item, sizeof item, "%s %.3f s", b.Name().c_str(), (b.Length() - b.Dropout) / double(kRate));
    heard += item;
    if (b.Dropout) std::snprintf(item, sizeof item, " (+%.0f ms dropouts)", Ms(b.Dropout)), heard += item;
  }
  std::printf("  heard: %s\n", bursts.empty() ? "nothing" : heard.c_str());
  std::vector<std::string> faults = Compare(bursts, voices, expected, longest);
  for (const std::string& f : faults) std::printf("  FAULT: %s\n", f.c_str());
  if (faults.empty()) std::printf("  ok\n");
  return faults.empty() ? 0 : 1;
}

// ---- self-test ----

struct Mixer {
  std::vector<float> Out;
  uint32_t Seed = 12345;
  float Noise(float level) {
    Seed = Seed * 1664525u + 1013904223u;
    return (float(Seed >> 8) / float(1u << 24) - 0.5f) * 2.0f * level;
  }
  void Silence(long n) { Out.insert(Out.end(), n, 0.0f); }
  void Add(const std::vector<float>& s, long from = 0, long to = -1) {
    if (to < 0) to = long(s.size());
    Out.insert(Out.end(), s.begin() + from, s.begin() + to);
  }
};

// Fails (returns 1) when the check's verdict is not the one wanted.
int Expect(const char* what, bool pass, const std::vector<float>& rec, const std::vector<Voice>& voices,
           const std::vector<std::string>& expected) {
  std::printf("self-test: %s (must %s)\n", what, pass ? "pass" : "fail");
  bool passed = Check(rec, voices, expected) == 0;
  if (passed == pass) return 0;
  std::printf("  SELF-TEST FAULT: the check %s\n", passed ? "passed" : "failed");
  return 1;
}

int SelfTest(const std::vector<Voice>& voices) {
  int failed = 0;
  // No file may pass for another: the closest pair must stay well below the
  // correlation that identifies a burst.
  double closest = 0;
  std::string pair;
  for (const Voice& a : voices) {
    for (int way : {kWhole, kNoZeros}) {
      Matcher m(a.View[way].Sq, long(a.Samples.size()) * 2);
      for (const Voice& b : voices) {
        long at = 0;
        double c = &a == &b ? 0.0 : m.Best(b.View[way], a.View[way].First, &at);
        if (c > closest) closest = c, pair = a.Name + ".wav and " + b.Name + ".wav";
      }
    }
  }
  std::printf("self-test: the most alike files are %s (correlation %.3f)\n", pair.c_str(), closest);
  if (closest > kMatch - 0.1) {
    std::printf("  SELF-TEST FAULT: too close to tell apart\n");
    ++failed;
  }

  // Every file in turn, with pauses of 60..250 ms between the end of one file
  // and the start of the next; the pauses between loud samples are computed
  // from the files.
  Mixer m;
  m.Silence(kRate / 4);
  std::vector<std::string> expected, stricter;
  for (size_t i = 0; i < voices.size(); ++i) {
    const Voice& v = voices[i];
    if (i > 0) {
      long pause = kRate * long(60 + (i * 37) % 190) / 1000;
      const Voice& p = voices[i - 1];
      long loud = long(p.Samples.size()) - 1 - p.Last + pause + v.First;
      expected.push_back("+" + std::to_string(long(std::floor(Ms(loud)))));
      stricter.push_back("+" + std::to_string(long(std::floor(Ms(loud))) + 2));
      m.Silence(pause);
    }
    m.Add(v.Samples);
    expected.push_back(v.Name);
    stricter.push_back(v.Name);
  }
  m.Silence(kRate / 4);
  failed += Expect("every file in a row", true, m.Out, voices, expected);
  size_t faults = Compare(FindBursts(m.Out, voices), voices, stricter).size();
  std::printf("self-test: the same, every pause demanded 2 ms longer than it is: %zu of %zu too short\n", faults,
              voices.size() - 1);
  if (faults != voices.size() - 1) {
    std::printf("  SELF-TEST FAULT: every pause should have been too short\n");
    ++failed;
  }

  // Quiet noise throughout and a gain change: correlation does not mind
  // (with no zero samples left, only the whole comparison can work).
  const Voice& a = voices[0];
  const Voice& b = voices[voices.size() / 2];
  Mixer g;
  g.Silence(kRate / 4);
  g.Add(a.Samples);
  g.Silence(kRate / 5);
  g.Add(b.Samples);
  g.Silence(kRate / 4);
  for (float& x : g.Out) x = x * 0.7f + g.Noise(0.001f);
  failed += Expect("two files, softer, in quiet noise", true, g.Out, voices, {a.Name, b.Name});

  // Dropouts: zeros put into the middle of a file are left out of the
  // comparison and measured.
  const Voice& longest = *std::max_element(voices.begin(), voices.end(), [](const Voice& x, const Voice& y) {
    return x.Samples.size() < y.Samples.size();
  });
  long third = long(longest.Samples.size()) / 3;
  Mixer d;
  d.Silence(kRate / 4);
  d.Add(longest.Samples, 0, third);
  d.Silence(kRate * 5 / 1000);
  d.Add(longest.Samples, third, 2 * third);
  d.Silence(kRate * 150 / 1000);
  d.Add(longest.Samples, 2 * third);
  d.Silence(kRate / 10);
  d.Add(a.Samples);
  d.Silence(kRate / 4);
  failed += Expect("a file broken by dropouts of 5 and 150 ms, then another", true, d.Out, voices,
                   {longest.Name, "+100", a.Name});
  // A file that lost its last 20 ms of sound, then another 30 ms later.
  Mixer l;
  l.Silence(kRate / 4);
  l.Add(longest.Samples, 0, longest.Last + 1 - kRate * 20 / 1000);
  l.Silence(kRate * 30 / 1000);
  l.Add(a.Samples);
  l.Silence(kRate / 4);
  failed += Expect("a file without its last 20 ms, then another 30 ms later", true, l.Out, voices,
                   {longest.Name, a.Name});
  std::vector<Burst> found = FindBursts(d.Out, voices);
  if (found.empty() || found[0].Dropout != kRate * 155 / 1000) {
    std::printf("  SELF-TEST FAULT: the dropouts were not measured as 155 ms\n");
    ++failed;
  }

  // A file played backwards has the length and loudness of the file but not
  // its content; noise has neither. Neither may pass for a file.
  Mixer n;
  n.Silence(kRate / 4);
  n.Add(std::vector<float>(longest.Samples.rbegin(), longest.Samples.rend()));
  n.Silence(kRate / 5);
  std::vector<float> noise(kRate / 3);
  for (float& x : noise) x = n.Noise(0.1f);
  n.Add(noise);
  n.Silence(kRate / 5);
  failed += Expect("a file backwards, then noise, as two unknown bursts", true, n.Out, voices, {"?", "?"});
  failed += Expect("the same taken for the file", false, n.Out, voices, {longest.Name, "?"});

  // A file cut short is not the file, however little is missing.
  Mixer c;
  c.Silence(kRate / 4);
  c.Add(longest.Samples, 0, long(longest.Samples.size()) * 3 / 5);
  c.Silence(kRate / 4);
  failed += Expect("three fifths of a file taken for the file", false, c.Out, voices, {longest.Name});
  // Every file without the last 40 ms of its sound (more than the length
  // tolerance) must be noticed: as too short, or as no file at all.
  int unnoticed = 0;
  for (const Voice& v : voices) {
    Mixer t;
    t.Silence(kRate / 4);
    t.Add(v.Samples, 0, v.Last + 1 - kRate * 40 / 1000);
    t.Silence(kRate / 4);
    if (Compare(FindBursts(t.Out, voices), voices, {v.Name}).empty()) {
      std::printf("  SELF-TEST FAULT: %s.wav without its last 40 ms passed for the file\n", v.Name.c_str());
      ++unnoticed;
    }
  }
  std::printf("self-test: files without the last 40 ms of their sound: %d of %zu passed for the file\n", unnoticed,
              voices.size());
  failed += unnoticed;

  // Silence is silent; a file is not silence.
  Mixer s;
  s.Silence(kRate);
  failed += Expect("silence", true, s.Out, voices, {});
  failed += Expect("a file taken for silence", false, c.Out, voices, {});
  std::printf("self-test: %s\n", failed ? "FAILED" : "passed");
  return failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--self-test") {
    std::vector<Voice> voices;
    if (!LoadVoices(argv[2], voices)) return 2;
    return SelfTest(voices);
  }
  if (argc < 3) {
    std::fprintf(stderr, "usage: SoundCheck <recording.raw> <Sound folder> [--longest MS] <expected>...\n"
                         "       SoundCheck --self-test <Sound folder>\n");
    return 2;
  }
  std::vector<Voice> voices;
  if (!LoadVoices(argv[2], voices)) return 2;
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "SoundCheck: cannot read %s\n", argv[1]);
    return 2;
  }
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<float> rec(bytes.size() / 2);
  for (size_t i = 0; i < rec.size(); ++i)
    rec[i] = int16_t(uint16_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8)) / 32768.0f;
  int first = 3;
  long longest = -1;
  if (argc > 4 && std::string(argv[3]) == "--longest") {
    longest = std::lround(std::atof(argv[4]) * kRate / 1000.0);
    first = 5;
  }
  return Check(rec, voices, std::vector<std::string>(argv + first, argv + argc), longest);
}
