// Envelope, flags, token codes and the failures of the tokenizing stage.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "regex/pattern_dump.h"
#include "regex/token_codes.h"
#include "regex/tokenizer.h"

namespace {

struct Tokenized {
  CompileError error;
  std::string tokens;
  PatternFlags flags;
};

Tokenized Tokenize(const std::string& pattern) {
  // Exactly the pattern's bytes, so a read past its end shows under ASan.
  std::vector<int> tokens(pattern.size() + 1);
  std::vector<char> text(pattern.begin(), pattern.end());
  Tokenized result;
  int count = 0;
  result.error = TokenizePattern(text.data(), static_cast<int>(text.size()), tokens.data(), &count,
                                 &result.flags);
  for (int i = 0; i < count; ++i) {
    if (i) result.tokens += " ";
    result.tokens += TokenName(tokens[i]);
  }
  return result;
}

}  // namespace

TEST(Envelope, BodyEndsAtTheRightmostSlashAndFlagsFollowIt) {
  struct Case {
    const char* pattern;
    const char* tokens;
    bool ignoreCase, skipBlanks;
  } cases[] = {
      {"//", "", false, false},
      {"/a/b/", "lit:a lit:/ lit:b", false, false},
      {"/a/b/i", "lit:a lit:/ lit:b", true, false},
      {"/a/xi", "lit:a", true, true},
      {"/a/I", "lit:a", false, false},
      {"/a/X", "lit:a", false, false},
      {"/a/qiq", "lit:a", true, false},
      {"/a\\/", "lit:a lit:/", false, false},  // the escape takes the closing slash
      {"/a\\/i", "lit:a lit:/", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    Tokenized t = Tokenize(c.pattern);
    EXPECT_EQ(t.error, CompileOk);
    EXPECT_EQ(t.tokens, c.tokens);
    EXPECT_EQ(t.flags.ignoreCase, c.ignoreCase);
    EXPECT_EQ(t.flags.skipBlanks, c.skipBlanks);
  }
}

TEST(Tokenizer, ProducesTheCodesOfEachForm) {
  struct Case {
    const char* pattern;
    const char* tokens;
  } cases[] = {
      {"/a b/x", "lit:a lit:b"},
      {"/a\\ b/x", "lit:a lit:\\x20 lit:b"},
      {"/a\tb/x", "lit:a lit:\\x09 lit:b"},
      {"/[a b]/x", "[ lit:a lit:b ]"},
      {"/a{1, 2}/x", "lit:a { lit:1 lit:, lit:2 }"},
      {"/a b/", "lit:a lit:\\x20 lit:b"},
      {"/a?#1/", "lit:a behind1"},
      {"/a?~9/", "lit:a nbehind9"},
      {"/a?#x/", "lit:a opt lit:# lit:x"},
      {"/a?~/", "lit:a opt lit:~"},
      {"/a?=b?!/", "lit:a ahead lit:b nahead"},
      {"/a*?b+?c?"
       "?/",
       "lit:a lstar lit:b lplus lit:c lopt"},
      {"/a*b+c?d|/", "lit:a star lit:b plus lit:c opt lit:d alt"},
      {"/a{2}?/", "lit:a { lit:2 }?"},
      {"/.^$/", "item:. item:^ item:$"},
      {"/\\d\\D\\w\\W\\s\\S\\u\\l/",
       "item:\\d item:\\D item:\\w item:\\W item:\\s item:\\S item:\\u item:\\l"},
      {"/\\b\\B\\c\\m\\M/", "item:\\b item:\\B item:\\c item:\\m item:\\M"},
      {"/\\t\\n\\r/", "lit:\\x09 lit:\\x0A lit:\\x0D"},
      {"/\\x4a\\x4A\\xff\\x00/", "lit:J lit:J lit:\\xFF lit:\\x00"},
      {"/\\1\\9\\0/", "ref:1 ref:9 ref:0"},
      {"/\\12/", "ref:12"},
      {"/\\19/", "ref:19"},
      {"/\\23/", "ref:2 lit:3"},
      {"/\\y/", "lit:y"},
      {"/\\y1\\y12\\y23/", "yref:1 yref:12 yref:2 lit:3"},
      {"/\\\\\\/\\[\\]\\-\\(\\.\\a/", "lit:\\ lit:/ lit:[ lit:] lit:- lit:( lit:. lit:a"},
      {"/[(]/", "[ lit:( ]"},
      {"/[^a-z]/", "[^ lit:a dash lit:z ]"},
      {"/[a^.*+?$|{}[]/", "[ lit:a lit:^ lit:. lit:* lit:+ lit:? lit:$ lit:| lit:{ lit:} lit:[ ]"},
      {"/[\\d\\]]/", "[ item:\\d lit:] ]"},
      {"/[]/", "[ ]"},
      {"/[a-]/", "[ lit:a dash ]"},
      {"/(a)/", "( lit:a )"},
      {"/\xE0\xFF/", "lit:\\xE0 lit:\\xFF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    Tokenized t = Tokenize(c.pattern);
    EXPECT_EQ(t.error, CompileOk);
    EXPECT_EQ(t.tokens, c.tokens);
  }
}

TEST(Tokenizer, RefusesEachMalformedForm) {
  struct Case {
    const char* pattern;
    CompileError error;
  } cases[] = {
      {"", ErrNoOpeningSlash},
      {"abc", ErrNoOpeningSlash},
      {"a/b/", ErrNoOpeningSlash},
      {"/", ErrNoClosingSlash},
      {"/abc", ErrNoClosingSlash},
      {"/a]/", ErrStrayClassClose},
      {"/[]a]/", ErrStrayClassClose},
      {"/(a]/", ErrStrayClassClose},
      {"/a)/", ErrStrayGroupClose},
      {"/(a))/", ErrStrayGroupClose},
      {"/a}/", ErrStrayBraceClose},
      {"/a}?/", ErrStrayBraceClose},
      {"/a{1(}/", ErrInsideBraces},
      {"/a{1)}/", ErrInsideBraces},
      {"/a{[}/", ErrInsideBraces},
      {"/a{[^}/", ErrInsideBraces},
      {"/a{{}/", ErrInsideBraces},
      {"/a{]}/", ErrStrayClassClose},
      {"/[a/", ErrUnclosedClass},
      {"/[/^", ErrUnclosedClass},  // "[^" is not read across the closing slash
      {"/(a/", ErrUnclosedGroup},
      {"/((a)/", ErrUnclosedGroup},
      {"/a{2/", ErrUnclosedBrace},
      {"/\\x/", ErrBadHexEscape},
      {"/\\x4/", ErrBadHexEscape},
      {"/\\x4/a", ErrBadHexEscape},  // the digits must lie within the body
      {"/\\x4g/", ErrBadHexEscape},
      {"/\\xg4/", ErrBadHexEscape},
      {"/[\\xZZ]/", ErrBadHexEscape},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(Tokenize(c.pattern).error, c.error);
  }
}

TEST(Tokenizer, ReadsNothingPastTheTextWhenItEndsInsideAForm) {
  // Every prefix of patterns whose forms are cut at the end: the tokenizer
  // runs on exactly the bytes given (Tokenize copies them), so ASan and the
  // fuzz build catch a read past the end; here the results must be sane.
  const std::string whole = "/a?#1\\x4a\\y12[^a-]{2,}?\\/";
  for (size_t n = 0; n <= whole.size(); ++n) {
    SCOPED_TRACE(whole.substr(0, n));
    Tokenized t = Tokenize(whole.substr(0, n));
    if (n < 2) {
      EXPECT_NE(t.error, CompileOk);
    }
  }
}
