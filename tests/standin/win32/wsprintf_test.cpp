// wsprintfA against the real one's behaviour (Wine's user32 is the reference):
// conversions, flags, widths, precisions, unknown conversions and the
// 1024-character limit. Runs in both builds.
#include "shell/win_api.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int kLimit = 1024;

// %p prints a pointer's width in hex digits: 8 on the 32-bit Windows the
// stand-in copies, 16 in the 64-bit Windows build.
#ifdef _WIN64
const char kPointerDigits[] = "0000000000001234";
#else
const char kPointerDigits[] = "00001234";
#endif

struct Formatted {
  int result;
  std::string text;
};

// Formats into a buffer larger than the limit, filled with '#' so that bytes
// written past the terminator would show.
template <typename... Args>
Formatted Format(const char* format, Args... args) {
  static char buffer[2 * kLimit];
  std::fill(buffer, buffer + sizeof buffer, '#');
  int result = wsprintfA(buffer, format, args...);
  return Formatted{result, buffer};
}

struct Row {
  const char* format;
  Formatted actual;
  const char* expected;
};

void Check(const Row* rows, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    SCOPED_TRACE(rows[i].format);
    EXPECT_EQ(rows[i].expected, rows[i].actual.text);
    EXPECT_EQ(static_cast<int>(strlen(rows[i].expected)), rows[i].actual.result);
  }
}

TEST(Wsprintf, IntegerConversions) {
  const Row rows[] = {
      {"%d|%i|%u", Format("%d|%i|%u", -5, -6, -7), "-5|-6|4294967289"},
      {"%x|%X", Format("%x|%X", 0xabc, 0xabc), "abc|ABC"},
      {"%ld|%li|%lu|%lx|%lX", Format("%ld|%li|%lu|%lx|%lX", -1, -2, 3, 0xfff, 0xfff),
       "-1|-2|3|fff|FFF"},
      {"%hd|%hu|%hx", Format("%hd|%hu|%hx", 70000, 70000, 70000), "70000|70000|11170"},
      {"%u|%x of -1", Format("%u|%x", -1, -1), "4294967295|ffffffff"},
      {"%d of INT_MIN", Format("%d", static_cast<int>(0x80000000)), "-2147483648"},
      {"%I64d", Format("%I64d|%d", 5000000000LL, 9), "5000000000|9"},
      {"%p", Format("%p", reinterpret_cast<void*>(0x1234)), kPointerDigits},
  };
  Check(rows, sizeof rows / sizeof rows[0]);
}

TEST(Wsprintf, FlagsWidthsAndPrecisions) {
  const Row rows[] = {
      {"%5d|%-5d|%05d|%-05d", Format("%5d|%-5d|%05d|%-05d", 42, 42, 42, 42),
       "   42|42   |00042|42   "},
      {"%05d negative", Format("%05d", -42), "-0042"},
      {"%.3d|%8.3d|%-8.3d|%08.3d", Format("%.3d|%8.3d|%-8.3d|%08.3d", 7, 7, 7, 7),
       "007|     007|007     |00000007"},
      {"%.10d negative", Format("%.10d", -42), "-000000042"},
      {"%.0d|%5.d of 0", Format("%.0d|%5.d", 0, 0), "0|    0"},
      {"%#x|%#X|%#x of 0", Format("%#x|%#X|%#x", 0xabc, 0xabc, 0), "0xabc|0XABC|0x0"},
      {"%#5x|%#06x|%-#x", Format("%#5x|%#06x|%-#x", 255, 255, 10), "   0xff|0x0000ff|0xa"},
      {"%10.3x|%-#10.3X", Format("%10.3x|%-#10.3X|", 0x1f, 0x1f), "       01f|0X01F       |"},
      {"%s widths", Format("%s|%10s|%-10s", "abc", "abc", "abc"), "abc|       abc|abc       "},
      {"%s precisions", Format("%.2s|%10.2s|%-2.1s|%.0s", "abc", "abc", "abc", "abc"),
       "ab|        ab|a |abc"},
      {"%0s pads with blanks", Format("%05s|%-05s", "ab", "ab"), "   ab|ab   "},
      {"%c widths", Format("%c|%3c|%-3c|%05c", 'a', 'b', 'c', 'z'), "a|  b|c  |    z"},
  };
  Check(rows, sizeof rows / sizeof rows[0]);
}

TEST(Wsprintf, TextsAndCharacters) {
  const WCHAR wide[] = {'l', 's', 0x0430, 0};
  const WCHAR unmappable[] = {'a', 0x4E00, 'b', 0};
  const Row rows[] = {
      {"%s NULL", Format("%s", static_cast<const char*>(nullptr)), "(null)"},
      {"%S NULL", Format("%S", static_cast<const WCHAR*>(nullptr)), "(null)"},
      {"%s high bytes", Format("%s", "\xB3\xE0"), "\xB3\xE0"},
      {"%c high byte", Format("%c", 0xE0), "\xE0"},
      {"%hc|%lc|%C", Format("%hc|%lc|%C", 'a', 0x0430, 0x0431), "a|\xE0|\xE1"},
      {"%lc unmappable|%C euro", Format("%lc|%C", 0x4E00, 0x20AC), "?|\x88"},
      {"%hs|%ls|%S|%ws", Format("%hs|%ls|%S|%ws", "hs", wide, wide, wide),
       "hs|ls\xE0|ls\xE0|ls\xE0"},
      {"%ls unmappable", Format("%ls", unmappable), "a?b"},
  };
  Check(rows, sizeof rows / sizeof rows[0]);
}

TEST(Wsprintf, PercentAndUnknownConversionsPrintAsText) {
  const Row rows[] = {
      {"100%%", Format("100%%"), "100%"},
      {"%q|%y", Format("%q|%y|%d", 1), "q|y|1"},
      {"% d and %+d", Format("% d|%+d|%d", 5), " d|+d|5"},
      {"%e|%f|%g: no floating point", Format("%e|%f|%g|%d", 1), "e|f|g|1"},
      {"%*d takes no argument", Format("%*d|%d", 5), "*d|5"},
      {"%lld", Format("%lld|%d", 5), "ld|5"},
      {"%o and %n", Format("%o|%n|%d", 8), "o|n|8"},
      {"%3% pads on the left only", Format("%3%|%-3%|"), "   ||"},
      {"%.-3d", Format("%.-3d|%d", 7), "-3d|7"},
      {"%#-x", Format("%#-x|"), "-x|"},
      {"trailing %", Format("abc%"), "abc"},
  };
  Check(rows, sizeof rows / sizeof rows[0]);
}

// The module builds formats with run-time widths this way.
TEST(Wsprintf, BuiltFormatWithRunTimeWidth) {
  Formatted built = Format("%%%dd\xB3", 3);
  EXPECT_EQ("%3d\xB3", built.text);
  EXPECT_EQ(4, built.result);
  Formatted line = Format(built.text.c_str(), 7);
  EXPECT_EQ("  7\xB3", line.text);
}

TEST(Wsprintf, ZeroCharacterEndsTheTextButIsCounted) {
  Formatted f = Format("%c%c", 0, 'x');
  EXPECT_EQ(2, f.result);
  EXPECT_EQ("", f.text);
}

TEST(Wsprintf, OutputStopsAt1023CharactersAndReturns1024) {
  struct LimitRow {
    const char* name;
    size_t fill;  // 'a's before the tail
    const char* tailFormat;
    int tailValue;
    const char* expectedTail;  // the last characters written
    int expectedResult;
  };
  const LimitRow rows[] = {
      {"1022 characters fit", 1021, "%c", 'b', "ab", 1022},
      {"exactly 1023 counts as cut", 1022, "%c", 'b', "ab", kLimit},
      {"number cut after its first digit", 1022, "%d", 12345, "a1", kLimit},
      {"width shrinks to the room left", 1020, "%3c|", 'z', "a  z", kLimit},
      {"sign kept, digits cut", 1021, "%06d|", -42, "a-4", kLimit},
      {"zero padding shrinks too", 1019, "%06d|", -42, "a-042", kLimit},
      {"left aligned number", 1019, "%-6d|", -42, "a-42 ", kLimit},
  };
  for (const LimitRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::string format = std::string(row.fill, 'a') + row.tailFormat;
    Formatted f = Format(format.c_str(), row.tailValue);
    EXPECT_EQ(row.expectedResult, f.result);
    size_t tail = strlen(row.expectedTail);
    ASSERT_GE(f.text.size(), tail);
    EXPECT_EQ(row.expectedTail, f.text.substr(f.text.size() - tail));
    EXPECT_LE(f.text.size(), 1023u);
  }
}

TEST(Wsprintf, LongArgumentsAreCutWithTheTerminatorInside) {
  std::string big(3000, 'a');
  const char* formats[] = {"%s", "%2000d", "%.2000d", "%99999999999d|"};
  for (const char* format : formats) {
    SCOPED_TRACE(format);
    Formatted f = format[1] == 's' ? Format(format, big.c_str()) : Format(format, 1);
    EXPECT_EQ(kLimit, f.result);
    EXPECT_EQ(1023u, f.text.size());
  }
  Formatted literal = Format(std::string(1500, 'f').c_str());
  EXPECT_EQ(kLimit, literal.result);
  EXPECT_EQ(std::string(1023, 'f'), literal.text);
}

TEST(Wsprintf, NothingIsWrittenPastTheTerminator) {
  static char buffer[2 * kLimit];
  std::fill(buffer, buffer + sizeof buffer, '#');
  std::string big(1500, 'a');
  wsprintfA(buffer, "%s", big.c_str());
  EXPECT_EQ('\0', buffer[1023]);
  EXPECT_EQ('#', buffer[1024]);
}

int ViaVaList(char* out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int result = wvsprintfA(out, format, args);
  va_end(args);
  return result;
}

TEST(Wsprintf, VaListFormMatches) {
  char out[kLimit];
  EXPECT_EQ(7, ViaVaList(out, "%s=%04x", "ab", 0x1f));
  EXPECT_STREQ("ab=001f", out);
}

}  // namespace
