// skerrow-regex: tries a search or rule pattern on subject texts.
//
//   skerrow-regex PATTERN            one subject per line of standard input
//   skerrow-regex --tokens PATTERN   prints the token sequence
//   skerrow-regex --tree PATTERN     prints the node tree
//
// For each subject it prints "0" (no match) or "1" and the start and end
// registers of groups 0 to groupCount - 1 as they stand after the match.
// Lines are raw bytes split at "\n" (a "\r" stays part of the subject); a
// NUL byte ends a subject, as it ends a line handed to the module. An
// invalid pattern prints "invalid: reason" on standard error and exits 2.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "regex/pattern_dump.h"
#include "regex/pattern_object.h"
#include "regex/tokenizer.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void UseBinaryStreams() {
#ifdef _WIN32
  // Text mode would turn "\r\n" into "\n" on input and "\n" into "\r\n" on output.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
}

int Usage() {
  std::fputs("usage: skerrow-regex [--tokens | --tree] /PATTERN/FLAGS < subjects\n", stderr);
  return 2;
}

int Invalid(CompileError error) {
  std::fprintf(stderr, "invalid: %s\n", CompileErrorText(error));
  return 2;
}

int PrintTokens(const char* pattern) {
  int length = static_cast<int>(std::strlen(pattern));
  if (length > kMaxPatternText) return Invalid(ErrTooLong);
  std::vector<int> tokens(length + 1);
  int count = 0;
  PatternFlags flags;
  CompileError error = TokenizePattern(pattern, length, tokens.data(), &count, &flags);
  if (error != CompileOk) return Invalid(error);
  for (int i = 0; i < count; ++i) std::printf("%d %s\n", tokens[i], TokenName(tokens[i]).c_str());
  return 0;
}

void PrintResult(PatternObject* pattern, const std::string& line) {
  MatchGroups groups;
  if (!pattern->MatchText(line.c_str(), &groups)) {
    std::fputs("0\n", stdout);
    return;
  }
  std::fputs("1", stdout);
  for (int g = 0; g < groups.groupCount && g < kMaxGroups; ++g) {
    std::printf(" %d %d", groups.groupStart[g], groups.groupEnd[g]);
  }
  std::fputs("\n", stdout);
}

int MatchLines(PatternObject* pattern) {
  std::string line;
  int c;
  bool pending = false;
  while ((c = std::getchar()) != EOF) {
    if (c == '\n') {
      PrintResult(pattern, line);
      line.clear();
      pending = false;
    } else {
      line += static_cast<char>(c);
      pending = true;
    }
  }
  if (pending) PrintResult(pattern, line);  // a last line without "\n"
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  UseBinaryStreams();
  if (argc == 3 && std::strcmp(argv[1], "--tokens") == 0) return PrintTokens(argv[2]);
  bool tree = argc == 3 && std::strcmp(argv[1], "--tree") == 0;
  if (argc != 2 && !tree) return Usage();
  PatternObject pattern(argv[argc - 1]);
  if (!pattern.IsPatternValid()) return Invalid(pattern.LastError());
  if (tree) {
    std::printf("%s\n", DumpTree(pattern).c_str());
    return 0;
  }
  return MatchLines(&pattern);
}
