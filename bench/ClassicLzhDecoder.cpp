#include "bench/ClassicLzhDecoder.h"

namespace {

constexpr int N = 4096;
constexpr int F = 60;
constexpr int THRESHOLD = 2;
constexpr int N_CHAR = 256 - THRESHOLD + F;
constexpr int T = N_CHAR * 2 - 1;
constexpr int R = T - 1;
constexpr unsigned MAX_FREQ = 0x8000;

// Upper six position bits and code length by the first byte read.
struct TPositionTables {
  uint8_t Code[256];
  uint8_t Len[256];
  TPositionTables() {
    const int counts[] = {1, 3, 8, 12, 24, 16};  // upper values per code length 3 .. 8
    int upper = 0, byte = 0;
    for (int group = 0; group < 6; ++group) {
      const int len = group + 3;
      for (int v = 0; v < counts[group]; ++v, ++upper) {
        for (int k = 0; k < (1 << (8 - len)); ++k, ++byte) {
          Code[byte] = static_cast<uint8_t>(upper);
          Len[byte] = static_cast<uint8_t>(len);
        }
      }
    }
  }
};
const TPositionTables kPosition;

class TClassic {
 public:
  TClassic(const uint8_t* in, size_t size) : FIn(in), FEnd(in + size) {}

  std::vector<uint8_t> Decode(uint32_t textsize) {
    std::vector<uint8_t> out;
    out.reserve(textsize);
    StartHuff();
    for (int i = 0; i < N - F; ++i) text_buf[i] = ' ';
    for (int i = N - F; i < N; ++i) text_buf[i] = 0;
    int r = N - F;
    for (uint32_t count = 0; count < textsize;) {
      const int c = DecodeChar();
      if (c < 256) {
        out.push_back(static_cast<uint8_t>(c));
        text_buf[r++] = static_cast<uint8_t>(c);
        r &= N - 1;
        ++count;
      } else {
        const int i = (r - DecodePosition() - 1) & (N - 1);
        const int j = c - 255 + THRESHOLD;
        for (int k = 0; k < j; ++k) {
          const uint8_t b = text_buf[(i + k) & (N - 1)];
          out.push_back(b);
          text_buf[r++] = b;
          r &= N - 1;
          ++count;
        }
      }
    }
    return out;
  }

 private:
  int GetByteIn() { return FIn < FEnd ? *FIn++ : 0; }

  int GetBit() {
    while (getlen <= 8) {
      getbuf |= GetByteIn() << (8 - getlen);
      getlen += 8;
    }
    const int i = getbuf;
    getbuf <<= 1;
    getlen--;
    return (i >> 15) & 1;
  }

  int GetByte() {
    while (getlen <= 8) {
      getbuf |= GetByteIn() << (8 - getlen);
      getlen += 8;
    }
    const unsigned i = getbuf;
    getbuf <<= 8;
    getlen -= 8;
    return (i >> 8) & 0xFF;
  }

  void StartHuff() {
    int i, j;
    for (i = 0; i < N_CHAR; i++) {
      freq[i] = 1;
      son[i] = static_cast<uint16_t>(i + T);
      prnt[i + T] = static_cast<uint16_t>(i);
    }
    i = 0;
    j = N_CHAR;
    while (j <= R) {
      freq[j] = static_cast<uint16_t>(freq[i] + freq[i + 1]);
      son[j] = static_cast<uint16_t>(i);
      prnt[i] = prnt[i + 1] = static_cast<uint16_t>(j);
      i += 2;
      j++;
    }
    freq[T] = 0xFFFF;
    prnt[R] = 0;
  }

  void Reconst() {
    int i, j, k;
    unsigned f;
    j = 0;
    for (i = 0; i < T; i++) {
      if (son[i] >= T) {
        freq[j] = static_cast<uint16_t>((freq[i] + 1) / 2);
        son[j] = son[i];
        j++;
      }
    }
    for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
      k = i + 1;
      f = freq[j] = static_cast<uint16_t>(freq[i] + freq[k]);
      for (k = j - 1; f < freq[k]; k--) {
      }
      k++;
      for (int m = j; m > k; --m) {
        freq[m] = freq[m - 1];
        son[m] = son[m - 1];
      }
      freq[k] = static_cast<uint16_t>(f);
      son[k] = static_cast<uint16_t>(i);
    }
    for (i = 0; i < T; i++) {
      if ((k = son[i]) >= T) {
        prnt[k] = static_cast<uint16_t>(i);
      } else {
        prnt[k] = prnt[k + 1] = static_cast<uint16_t>(i);
      }
    }
  }

  void Update(int c) {
    if (freq[R] == MAX_FREQ) Reconst();
    c = prnt[c + T];
    do {
      const unsigned k = ++freq[c];
      int l = c + 1;
      if (k > freq[l]) {
        while (k > freq[++l]) {
        }
        l--;
        freq[c] = freq[l];
        freq[l] = static_cast<uint16_t>(k);

        int i = son[c];
        prnt[i] = static_cast<uint16_t>(l);
        if (i < T) prnt[i + 1] = static_cast<uint16_t>(l);

        const int j = son[l];
        son[l] = static_cast<uint16_t>(i);

        prnt[j] = static_cast<uint16_t>(c);
        if (j < T) prnt[j + 1] = static_cast<uint16_t>(c);
        son[c] = static_cast<uint16_t>(j);

        c = l;
      }
    } while ((c = prnt[c]) != 0);
  }

  int DecodeChar() {
    unsigned c = son[R];
    while (c < T) {
      c += GetBit();
      c = son[c];
    }
    c -= T;
    Update(static_cast<int>(c));
    return static_cast<int>(c);
  }

  int DecodePosition() {
    unsigned i = static_cast<unsigned>(GetByte());
    const unsigned c = static_cast<unsigned>(kPosition.Code[i]) << 6;
    int j = kPosition.Len[i] - 2;
    while (j--) i = (i << 1) + static_cast<unsigned>(GetBit());
    return static_cast<int>(c | (i & 0x3F));
  }

  const uint8_t* FIn;
  const uint8_t* FEnd;
  unsigned getbuf = 0;
  int getlen = 0;
  uint8_t text_buf[N];
  uint16_t freq[T + 1];
  uint16_t prnt[T + N_CHAR];
  uint16_t son[T];
};

}  // namespace

std::vector<uint8_t> ClassicLzhExpand(const uint8_t* data, size_t size) {
  if (size < 4) return {};
  const uint32_t stated = static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
                          static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24;
  TClassic classic(data + 4, size - 4);
  return classic.Decode(stated);
}
