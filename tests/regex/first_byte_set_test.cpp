// The first-byte set lets the start loop skip positions, which is sound only
// where an attempt there would fail before writing a register: each case
// here is matched with it on and off and every register compared, and the
// analysis must give up where a skipped attempt could have left a register
// behind (a group closing on an empty body, "\m", a back-reference).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "regex/first_byte_set.h"
#include "regex_test_support.h"

namespace {

FirstByteSet SetOf(const char* pattern) {
  PatternObject object(pattern);
  FirstByteSet first;
  BuildFirstByteSet(object.Root(), object.IgnoreCase(), &first);
  return first;
}

std::string Members(const FirstByteSet& first) {
  std::string members;
  for (int byte = 0; byte < 256; ++byte)
    if (InSet(first.bytes, static_cast<unsigned char>(byte))) members += static_cast<char>(byte);
  return members;
}

std::string MatchWith(const char* pattern, const std::string& text, bool enabled) {
  PatternObject object(pattern);
  object.SetPrefilterEnabled(enabled);
  return RunMatch(object, text);
}

}  // namespace

TEST(FirstByteSet, CollectsWhatAMatchCanStartWith) {
  struct Case {
    const char* pattern;
    const char* members;
  } const cases[] = {
      {"/(if)|(while)|(for)/", "fiw"},
      {"/a*b?c/", "abc"},
      {"/(ab)*c/", "ac"},
      {"/\\bx+/", "x"},  // a word start only filters
      {"/[0-9]+[uU]/", "0123456789"},
      {"/a|/", ""},            // a bar at the end: may match empty
      {"/[qQ]?=\\w+/", "Qq"},  // a look-ahead first decides the byte
      {"/K/i", "Kk"},
      {"/\x90/i", "\x90\xE0"},
      {"/x{0,2}y/", "xy"},
      {"/x{2,}/", "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    FirstByteSet first = SetOf(c.pattern);
    if (*c.members == '\0') {
      EXPECT_FALSE(first.usable);
    } else {
      EXPECT_TRUE(first.usable);
      EXPECT_EQ(Members(first), c.members);
    }
  }
}

TEST(FirstByteSet, GivesUpWhereASkippedStartCouldLeaveARegister) {
  const char* const patterns[] = {
      "/(a?)b/",      // the group closes on an empty body before "b" fails
      "/w|((x?)y)/",  // ... and a later start may match without walking it
      "/\\mab/",     "/a*\\Mb/", "/\\1a/", "/x*/", "/$/", "/(a|)b/",
      "/(z)?!c/",  // a negative look-ahead whose operand closes a group
  };
  for (const char* pattern : patterns) {
    SCOPED_TRACE(pattern);
    EXPECT_FALSE(SetOf(pattern).usable);
  }
}

TEST(FirstByteSet, SkippingChangesNoRegister) {
  struct Case {
    const char* pattern;
    const char* text;
  } const cases[] = {
      {"/w|((x?)y)/", "qw"},
      {"/(a?)b|c/", "qqc"},
      {"/(a*)*b/", "zzb"},
      {"/\\mx*\\My/", "ay"},
      {"/(q)?!(r)/", "qr"},
      {"/((a)|b)+c/", "xbac"},
      {"/(if)|(while)/", "xwhile"},
      {"/\\b\\w+=\\d/", "  ab=1"},
      {"/[a-c]|(d?)e/", "xxe"},
      // A single start ("^", or an anchored call) is checked against the set too.
      {"/^[ab](c)/", "bc"},
      {"/^[ab](c)/", "cc"},
      {"/^(x)|y/", "y"},
      {"/^(x)|y/", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(MatchWith(c.pattern, c.text, true), MatchWith(c.pattern, c.text, false));
  }
}

// Past the 32,767-byte cut nothing is matched, and a byte at the cut is
// still a position the start loop must reach with the set on.
TEST(FirstByteSet, AgreesAroundTheCut) {
  for (size_t lead : {size_t(32763), size_t(32765), size_t(32766), size_t(32767)}) {
    std::string text = std::string(lead, ' ') + "if while";
    SCOPED_TRACE(lead);
    for (const char* pattern : {"/(if)|(while)/", "/[fi]+\\b/", "/(i)?=f/"}) {
      PatternObject on(pattern), off(pattern);
      off.SetPrefilterEnabled(false);
      EXPECT_EQ(RunMatch(on, text), RunMatch(off, text)) << pattern;
    }
  }
}

TEST(FirstByteSet, IgnoreCaseTakesEveryByteThatFoldsAlike) {
  for (int wanted = 1; wanted < 256; ++wanted) {
    if (strchr("/\\()[]{}*+?|.^$", wanted)) continue;
    const char pattern[] = {'/', '[', 'q', ']', '|', static_cast<char>(wanted), '/', 'i', 0};
    std::string expected = "q";
    for (int byte = 0; byte < 256; ++byte)
      if (byte != 'q' && FoldByte(static_cast<unsigned char>(byte)) ==
                             FoldByte(static_cast<unsigned char>(wanted)))
        expected += static_cast<char>(byte);
    std::sort(expected.begin(), expected.end(), [](char a, char b) {
      return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
    });
    SCOPED_TRACE(wanted);
    EXPECT_EQ(Members(SetOf(pattern)), expected);
  }
}
