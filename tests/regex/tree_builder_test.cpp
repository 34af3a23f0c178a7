// The tree the builder makes, one dump per pattern, its structural
// invariants, group numbering, counts, classes and the first item.
#include <gtest/gtest.h>

#include "regex/token_codes.h"
#include "regex/tree_builder.h"
#include "regex_test_support.h"

namespace {

// Every node of a sequence has the sequence's parent; a postfix operand is
// alone and points back to its operator; a group body points to the group.
void CheckLinks(const PatternNode* first, const PatternNode* parent, int* nodes) {
  for (const PatternNode* node = first; node; node = node->next) {
    ++*nodes;
    EXPECT_EQ(node->parent, parent) << DumpNode(node);
    if (node->kind == NodeGroup) CheckLinks(node->operand.child, node, nodes);
    if (IsPostfixKind(node->kind)) {
      ASSERT_NE(node->operand.child, nullptr);
      EXPECT_EQ(node->operand.child->next, nullptr);
      CheckLinks(node->operand.child, node, nodes);
    }
  }
}

}  // namespace

TEST(TreeBuilder, DumpsOfTypicalPatterns) {
  struct Case {
    const char* pattern;
    const char* tree;
  } cases[] = {
      {"//", "grp0{empty}"},
      {"/()/", "grp0{grp1{empty}}"},
      {"/ab*/", "grp0{lit:a star{lit:b}}"},
      {"/ab+c/", "grp0{lit:a plus{lit:b} lit:c}"},
      {"/(ab)+c/", "grp0{plus{grp1{lit:a lit:b}} lit:c}"},
      {"/(a)(b(c))/", "grp0{grp1{lit:a} grp2{lit:b grp3{lit:c}}}"},
      {"/a**/", "grp0{star{star{lit:a}}}"},
      {"/a*?+?"
       "?/",
       "grp0{opt{lplus{lstar{lit:a}}}}"},
      {"/a*?+?"
       "?"
       "?/",
       "grp0{lopt{lplus{lstar{lit:a}}}}"},
      {"/x?/", "grp0{opt{lit:x}}"},
      {"/a|b|c/", "grp0{alt{lit:a} alt{lit:b} lit:c}"},
      {"/abc|def/", "grp0{lit:a lit:b alt{lit:c} lit:d lit:e lit:f}"},
      {"/(abc)|(def)/", "grp0{alt{grp1{lit:a lit:b lit:c}} grp2{lit:d lit:e lit:f}}"},
      {"/a|/", "grp0{alt{lit:a}}"},
      {"/a||b/", "grp0{alt{alt{lit:a}} lit:b}"},
      {"/(abc)?=/", "grp0{ahead{grp1{lit:a lit:b lit:c}}}"},
      {"/a?!b/", "grp0{nahead{lit:a} lit:b}"},
      {"/b(a)?#2/", "grp0{lit:b behind2{grp1{lit:a}}}"},
      {"/a?~0/", "grp0{nbehind0{lit:a}}"},
      {"/a{3}/", "grp0{between3,3{lit:a}}"},
      {"/a{2,}/", "grp0{atleast2{lit:a}}"},
      {"/a{,4}?/", "grp0{lbetween0,4{lit:a}}"},
      {"/a{1,}?/", "grp0{latleast1{lit:a}}"},
      {"/a{}/", "grp0{between0,0{lit:a}}"},
      {"/a{,}/", "grp0{atleast0{lit:a}}"},
      {"/a{2,3}b/", "grp0{between2,3{lit:a} lit:b}"},
      {"/a{007}/", "grp0{between7,7{lit:a}}"},
      {"/a{255}/", "grp0{between255,255{lit:a}}"},
      {"/a{3,1}/", "grp0{between3,1{lit:a}}"},
      {"/a{2}*/", "grp0{star{between2,2{lit:a}}}"},
      {"/\\1\\y2\\19/", "grp0{ref:1 yref:2 ref:19}"},
      {"/.^$\\d\\m/", "grp0{item:. item:^ item:$ item:\\d item:\\m}"},
      {"/a b/x", "grp0{lit:a lit:b}"},
      {"/ /x", "grp0{empty}"},
      {"/a /x", "grp0{lit:a}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    PatternObject object(c.pattern);
    ASSERT_TRUE(object.IsPatternValid()) << CompileErrorText(object.LastError());
    EXPECT_EQ(DumpTree(object), c.tree);
    int nodes = 0;
    EXPECT_EQ(object.Root()->parent, nullptr);
    CheckLinks(object.Root()->operand.child, nullptr, &nodes);
  }
}

TEST(TreeBuilder, ClassesHoldExactlyTheirMembers) {
  struct Case {
    const char* pattern;
    const char* tree;
  } cases[] = {
      {"/[a-c]/", "grp0{class[a-c]}"},
      {"/[c-a]/", "grp0{class[]}"},
      {"/[-a]/", "grp0{class[a]}"},
      {"/[\\-a]/", "grp0{class[\\x2Da]}"},
      {"/[a-]/", "grp0{class[\\x2Da]}"},  // the dash is literal, the class ends at its "]"
      {"/[a-c-]/", "grp0{class[a-c]}"},   // a dash after a range is between no two members
      {"/[]/", "grp0{class[]}"},
      {"/[^a]/", "grp0{nclass[a]}"},
      {"/[ab]/i", "grp0{class[ab]}"},  // no folding in classes
      {"/[\\d]/", "grp0{class[0-9]}"},
      {"/[\\D]/", "grp0{class[\\x00-/:-\\xFF]}"},
      {"/[\\s]/", "grp0{class[\\x20]}"},
      {"/[\\S]/", "grp0{class[\\x00-\\x1F!-\\xFF]}"},
      {"/[\\w]/", "grp0{class[0-9A-Z_a-z\\x80-\\xAF\\xE0-\\xF7]}"},
      {"/[\\W]/", "grp0{class[\\x00-/:-@[-^`{-\\x7F\\xB0-\\xDF\\xF8-\\xFF]}"},
      {"/[\\u\\b.]/", "grp0{class[.]}"},  // other codes add nothing; "." is literal here
      {"/[\\t-\\r]/", "grp0{class[\\x09-\\x0D]}"},
      {"/[\\x41-\\x43]/", "grp0{class[A-C]}"},
      {"/[\\d-\\x05]/", "grp0{class[\\x03-\\x05]}"},  // an escape code bound keeps its low 8 bits
      {"/[\\]]/", "grp0{class[\\x5D]}"},
      {"/[(){}|]/", "grp0{class[(){-}]}"},
      // A class is the union of its members, whatever their order.
      {"/[ \\S]/", "grp0{class[\\x00-\\xFF]}"},
      {"/[\\S ]/", "grp0{class[\\x00-\\xFF]}"},
      {"/[\\s\\S]/", "grp0{class[\\x00-\\xFF]}"},
      {"/[\\W\\S]/", "grp0{class[\\x00-\\xFF]}"},
      // A dash as a bound is the byte 0x2D.
      {"/[--a]/", "grp0{class[\\x2D-a]}"},
      {"/[+--]/", "grp0{class[+-\\x2D]}"},
      {"/[--\\-]/", "grp0{class[\\x2D]}"},
      {"/[a--]/", "grp0{class[]}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(Tree(c.pattern), c.tree);
  }
}

TEST(TreeBuilder, GroupsAreNumberedByTheirOpeningParenthesis) {
  struct Case {
    const char* pattern;
    int groups;
  } cases[] = {
      {"//", 1},
      {"/a/", 1},
      {"/(a)(b(c))/", 4},
      {"/((((a))))/", 5},
      {"/(a)|(b)/", 3},
      {"/[(]/", 1},
      {"/\\(a\\)/", 1},
      {"/(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)(m)(n)(o)/", 16},
      {"/(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)(m)(n)(o)(p)(q)/", 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    PatternObject object(c.pattern);
    EXPECT_EQ(object.GroupCount(), c.groups);
  }
  // Groups after the fifteenth all get number 16, which has no registers.
  EXPECT_EQ(Tree("/(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)(m)(n)(o)(p)(q)/"),
            "grp0{grp1{lit:a} grp2{lit:b} grp3{lit:c} grp4{lit:d} grp5{lit:e} grp6{lit:f} "
            "grp7{lit:g} grp8{lit:h} grp9{lit:i} grp10{lit:j} grp11{lit:k} grp12{lit:l} "
            "grp13{lit:m} grp14{lit:n} grp15{lit:o} grp16{lit:p} grp16{lit:q}}");
}

TEST(TreeBuilder, FirstItemServesTheAnchoredPreCheck) {
  struct Case {
    const char* pattern;
    int first;
  } cases[] = {
      {"/abc/", 'a'},
      {"/(x)+y/", 'x'},
      {"/^a/", ItemTextStart},
      {"/\\bx/", ItemWordStart},
      {"/((a))/", 'a'},
      {"/a+?/", 'a'},
      {"/a*b/", 0},
      {"/\\d/", 0},
      {"/a?b/", 0},
      {"/a|b/", 0},
      {"/(a|b)/", 0},
      {"/[a]/", 0},
      {"/a{2}/", 0},
      {"/$/", 0},
      {"//", 0},
      {"/.b/", 0},
      {"/\\x00a/", 0},
      {"/\\\\/", '\\'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    PatternObject object(c.pattern);
    ASSERT_TRUE(object.IsPatternValid());
    EXPECT_EQ(object.FirstItem(), c.first);
  }
}

TEST(TreeBuilder, RefusesWhatCannotBeBuilt) {
  struct Case {
    const char* pattern;
    CompileError error;
  } cases[] = {
      {"/*a/", ErrNothingToRepeat},      {"/(+a)/", ErrNothingToRepeat},
      {"/|a/", ErrNothingToRepeat},      {"/(|a)/", ErrNothingToRepeat},
      {"/(?=a)/", ErrNothingToRepeat},   {"/a(*)/", ErrNothingToRepeat},
      {"/{2}/", ErrNothingToRepeat},     {"/?#1a/", ErrNothingToRepeat},
      {"/a{x}/", ErrBadCount},           {"/a{300}/", ErrBadCount},
      {"/a{256}/", ErrBadCount},         {"/a{2,1a}/", ErrBadCount},
      {"/a{-1}/", ErrBadCount},          {"/a{1,2,3}/", ErrBadCount},
      {"/a{99999999999}/", ErrBadCount}, {"/a{1,256}?/", ErrBadCount},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    PatternObject object(c.pattern);
    EXPECT_FALSE(object.IsPatternValid());
    EXPECT_EQ(object.LastError(), c.error);
    EXPECT_EQ(object.GroupCount(), 0);
  }
}

TEST(TreeBuilder, ParseCountReadsDigitTokensOnly) {
  const int tokens[] = {'1', '2', '3', 'x', '0', '0', '2', '5', '6'};
  EXPECT_EQ(ParseCount(tokens, 0, 0), 0);
  EXPECT_EQ(ParseCount(tokens, 0, 3), 123);
  EXPECT_EQ(ParseCount(tokens, 0, 4), -1);
  EXPECT_EQ(ParseCount(tokens, 4, 7), 2);
  EXPECT_EQ(ParseCount(tokens, 6, 9), kMaxCount + 1);
  const int code[] = {ItemDigit};
  EXPECT_EQ(ParseCount(code, 0, 1), -1);
}
