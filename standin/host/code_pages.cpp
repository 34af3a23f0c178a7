// Code page 866 and 1251 tables. The reverse direction is one 64K-entry table
// per code page, built on first use, so a 5 MB file converts in one pass
// without searching.
#include "code_pages.h"

#include <string.h>

namespace host {

static const uint16_t kOemHigh[128] = {
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B,
    0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433,
    0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B,
    0x044C, 0x044D, 0x044E, 0x044F, 0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0};

static const uint16_t kOemControlGlyphs[32] = {
    0x0020, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8, 0x25CB, 0x25D9,
    0x2642, 0x2640, 0x266A, 0x266B, 0x263C, 0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7,
    0x25AC, 0x21A8, 0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC};

// 0x98 is unassigned in 1251; it maps to itself as a C1 control, as Windows does.
static const uint16_t kAnsiHigh[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

uint32_t OemToUnicode(unsigned char c) {
  return c < 0x80 ? c : kOemHigh[c - 0x80];
}

uint32_t OemGlyph(unsigned char c) {
  if (c < 0x20) return kOemControlGlyphs[c];
  if (c == 0x7F) return 0x2302;
  return OemToUnicode(c);
}

uint32_t AnsiToUnicode(unsigned char c) {
  if (c < 0x80) return c;
  if (c >= 0xC0) return 0x0410 + (c - 0xC0);
  return kAnsiHigh[c - 0x80];
}

namespace {

// Reverse table: byte + 1 for every BMP character the code page holds, 0 for none.
struct ReverseTable {
  uint16_t bytes[0x10000];
  explicit ReverseTable(uint32_t (*forward)(unsigned char)) {
    memset(bytes, 0, sizeof bytes);
    for (int c = 0; c < 256; ++c) {
      uint32_t u = forward(static_cast<unsigned char>(c));
      if (u < 0x10000 && bytes[u] == 0) bytes[u] = static_cast<uint16_t>(c + 1);
    }
  }
  int Find(uint32_t u) const {
    if (u == 0) return 0;
    if (u >= 0x10000 || bytes[u] == 0) return -1;
    return bytes[u] - 1;
  }
};

const ReverseTable& OemReverse() {
  static const ReverseTable* table = new ReverseTable(OemToUnicode);
  return *table;
}

const ReverseTable& AnsiReverse() {
  static const ReverseTable* table = new ReverseTable(AnsiToUnicode);
  return *table;
}

// Converts in place: a character never takes more bytes in the code page than
// in UTF-8, so the write position never passes the read position.
void FromUtf8InPlace(std::string* text, const ReverseTable& table, int* unmapped) {
  char* o = &(*text)[0];
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text->data());
  size_t size = text->size(), pos = 0;
  int missing = 0;
  while (pos < size) {
    // Runs of ASCII go eight bytes at a time.
    uint64_t word;
    if (pos + 8 <= size && (memcpy(&word, p + pos, 8), (word & 0x8080808080808080ull) == 0)) {
      if (o != reinterpret_cast<const char*>(p + pos)) memcpy(o, &word, 8);
      o += 8;
      pos += 8;
      continue;
    }
    unsigned char c = p[pos];
    if (c < 0x80) {
      *o++ = static_cast<char>(c);
      ++pos;
      continue;
    }
    int32_t u = NextUtf8(*text, &pos);
    int byte = u < 0 ? -1 : table.Find(static_cast<uint32_t>(u));
    if (byte < 0) {
      ++missing;
      byte = '?';
    }
    *o++ = static_cast<char>(byte);
  }
  text->resize(static_cast<size_t>(o - text->data()));
  if (unmapped) *unmapped += missing;
}

}  // namespace

int UnicodeToOem(uint32_t u) {
  return OemReverse().Find(u);
}
int UnicodeToAnsi(uint32_t u) {
  return AnsiReverse().Find(u);
}

namespace {

struct ByteTable {
  unsigned char to[256];
  ByteTable(uint32_t (*from)(unsigned char), const ReverseTable& into) {
    for (int c = 0; c < 256; ++c) {
      int b = into.Find(from(static_cast<unsigned char>(c)));
      to[c] = static_cast<unsigned char>(b < 0 ? '?' : b);
    }
  }
};

}  // namespace

unsigned char AnsiToOemByte(unsigned char c) {
  static const ByteTable* table = new ByteTable(AnsiToUnicode, OemReverse());
  return table->to[c];
}

unsigned char OemToAnsiByte(unsigned char c) {
  static const ByteTable* table = new ByteTable(OemToUnicode, AnsiReverse());
  return table->to[c];
}

void AppendUtf8(uint32_t u, std::string* out) {
  if (u < 0x80) {
    out->push_back(static_cast<char>(u));
  } else if (u < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (u >> 6)));
    out->push_back(static_cast<char>(0x80 | (u & 0x3F)));
  } else if (u < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (u >> 12)));
    out->push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (u & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (u >> 18)));
    out->push_back(static_cast<char>(0x80 | ((u >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (u & 0x3F)));
  }
}

int32_t NextUtf8(const std::string& text, size_t* pos) {
  unsigned char c = static_cast<unsigned char>(text[*pos]);
  if (c < 0x80) {
    ++*pos;
    return c;
  }
  int extra = c >= 0xC2 && c < 0xE0   ? 1
              : c >= 0xE0 && c < 0xF0 ? 2
              : c >= 0xF0 && c < 0xF5 ? 3
                                      : -1;
  if (extra < 0 || *pos + extra >= text.size()) {
    ++*pos;
    return -1;
  }
  uint32_t u = c & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    unsigned char next = static_cast<unsigned char>(text[*pos + i]);
    if ((next & 0xC0) != 0x80) {
      ++*pos;
      return -1;
    }
    u = (u << 6) | (next & 0x3F);
  }
  static const uint32_t kMinimum[4] = {0, 0x80, 0x800, 0x10000};
  if (u < kMinimum[extra] || u > 0x10FFFF || (u >= 0xD800 && u < 0xE000)) {
    ++*pos;
    return -1;
  }
  *pos += extra + 1;
  return static_cast<int32_t>(u);
}

std::string Utf8ToOem(const std::string& text, int* unmapped) {
  std::string out(text);
  FromUtf8InPlace(&out, OemReverse(), unmapped);
  return out;
}

void Utf8ToOemInPlace(std::string* text, int* unmapped) {
  FromUtf8InPlace(text, OemReverse(), unmapped);
}

std::string Utf8ToAnsi(const std::string& text, int* unmapped) {
  std::string out(text);
  FromUtf8InPlace(&out, AnsiReverse(), unmapped);
  return out;
}

std::string OemToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (unsigned char c : text) AppendUtf8(OemToUnicode(c), &out);
  return out;
}

std::string AnsiToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (unsigned char c : text) AppendUtf8(AnsiToUnicode(c), &out);
  return out;
}

}  // namespace host
