// Envelope and tokenizer. Each step consumes one or more bytes of the body
// and emits at most one token. Look-ahead for multi-byte forms stays inside
// the body; the one exception is a backslash as the last byte of the body,
// whose escape takes the closing slash as a literal (the slash is there, so
// nothing past the text is read).
#include "regex/tokenizer.h"

#include "regex/token_codes.h"

namespace {

struct Tokenizer {
  const unsigned char* text;
  int pos;
  int bodyEnd;  // index of the closing slash
  bool skipBlanks;
  int* tokens;
  int count;
  bool inClass;  // classes never nest: "[" inside one is an ordinary byte
  int groupDepth;
  bool inBrace;  // braces never nest either
};

bool IsDigit(int byte) {
  return byte >= '0' && byte <= '9';
}

int HexValue(int byte) {
  if (byte >= 'a' && byte <= 'z') byte -= 'a' - 'A';  // ASCII upper-casing only
  if (IsDigit(byte)) return byte - '0';
  if (byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
  return -1;
}

int ByteAt(const Tokenizer& t, int index) {
  return index < t.bodyEnd ? t.text[index] : -1;
}

void Emit(Tokenizer* t, int token, int consumed) {
  t->tokens[t->count++] = token;
  t->pos += consumed;
}

int EscapeCode(int byte) {
  switch (byte) {
    case 'd': return ItemDigit;
    case 'D': return ItemNotDigit;
    case 'w': return ItemWord;
    case 'W': return ItemNotWord;
    case 's': return ItemBlank;
    case 'S': return ItemNotBlank;
    case 'u': return ItemUpper;
    case 'l': return ItemLower;
    case 'b': return ItemWordStart;
    case 'B': return ItemWordEnd;
    case 'c': return ItemNotAfterWord;
    case 'm': return ItemMarkStart;
    case 'M': return ItemMarkEnd;
    case 't': return '\t';
    case 'n': return '\n';
    case 'r': return '\r';
  }
  return -1;
}

// Group number written at index: one digit, or "1" and a digit for 10 to 19.
// Returns the bytes it takes (0 when there is no digit there).
int ReadGroupNumber(const Tokenizer& t, int index, int* group) {
  int first = ByteAt(t, index);
  if (!IsDigit(first)) return 0;
  int second = ByteAt(t, index + 1);
  if (first == '1' && IsDigit(second)) {
    *group = 10 + (second - '0');
    return 2;
  }
  *group = first - '0';
  return 1;
}

CompileError TokenizeEscape(Tokenizer* t) {
  int byte = t->text[t->pos + 1];  // at most the closing slash
  int code = EscapeCode(byte);
  if (code >= 0) {
    Emit(t, code, 2);
    return CompileOk;
  }
  int group = 0;
  if (byte == 'x') {
    int high = HexValue(ByteAt(*t, t->pos + 2));
    int low = high < 0 ? -1 : HexValue(ByteAt(*t, t->pos + 3));
    if (low < 0) return ErrBadHexEscape;
    Emit(t, high * 16 + low, 4);
  } else if (int digits = ReadGroupNumber(*t, t->pos + 1, &group)) {
    Emit(t, TokBackref + group, 1 + digits);
  } else if (byte == 'y' && (digits = ReadGroupNumber(*t, t->pos + 2, &group)) > 0) {
    Emit(t, TokRefBackref + group, 2 + digits);
  } else {
    Emit(t, byte, 2);
  }
  return CompileOk;
}

// Forms of two or three bytes outside a class; false when none applies.
bool TokenizeMultiByte(Tokenizer* t, CompileError* error) {
  int byte = t->text[t->pos];
  int after = ByteAt(*t, t->pos + 1);
  if (byte == '[' && after == '^') {
    if (t->inBrace) {
      *error = ErrInsideBraces;
    } else {
      t->inClass = true;
      Emit(t, TokNegClassOpen, 2);
    }
    return true;
  }
  if (byte == '}' && after == '?') {
    if (!t->inBrace) {
      *error = ErrStrayBraceClose;
    } else {
      t->inBrace = false;
      Emit(t, TokLazyBraceClose, 2);
    }
    return true;
  }
  if (after == '?' && (byte == '*' || byte == '+' || byte == '?')) {
    Emit(t, byte == '*' ? TokLazyStar : byte == '+' ? TokLazyPlus : TokLazyOptional, 2);
    return true;
  }
  if (byte != '?') return false;
  int distance = ByteAt(*t, t->pos + 2);
  if ((after == '#' || after == '~') && IsDigit(distance)) {
    Emit(t, (after == '#' ? TokLookBehind : TokNegLookBehind) + distance - '0', 3);
  } else if (after == '=' || after == '!') {
    Emit(t, after == '=' ? TokLookAhead : TokNegLookAhead, 2);
  } else {
    return false;
  }
  return true;
}

CompileError TokenizeSingle(Tokenizer* t) {
  int byte = t->text[t->pos];
  bool structure = byte == '(' || byte == ')' || byte == '[' || byte == '{';
  if (structure && t->inBrace) return ErrInsideBraces;
  switch (byte) {
    case '(':
      ++t->groupDepth;
      Emit(t, TokGroupOpen, 1);
      break;
    case ')':
      if (t->groupDepth == 0) return ErrStrayGroupClose;
      --t->groupDepth;
      Emit(t, TokGroupClose, 1);
      break;
    case '[':
      t->inClass = true;
      Emit(t, TokClassOpen, 1);
      break;
    case '{':
      t->inBrace = true;
      Emit(t, TokBraceOpen, 1);
      break;
    case '}':
      if (!t->inBrace) return ErrStrayBraceClose;
      t->inBrace = false;
      Emit(t, TokBraceClose, 1);
      break;
    case '.': Emit(t, ItemAny, 1); break;
    case '^': Emit(t, ItemTextStart, 1); break;
    case '$': Emit(t, ItemTextEnd, 1); break;
    case '*': Emit(t, TokStar, 1); break;
    case '+': Emit(t, TokPlus, 1); break;
    case '?': Emit(t, TokOptional, 1); break;
    case '|': Emit(t, TokBar, 1); break;
    default: Emit(t, byte, 1); break;
  }
  return CompileOk;
}

CompileError TokenizeStep(Tokenizer* t) {
  int byte = t->text[t->pos];
  if (t->skipBlanks && byte == ' ') {
    ++t->pos;
    return CompileOk;
  }
  if (byte == '\\') return TokenizeEscape(t);
  if (byte == ']') {
    if (!t->inClass || t->inBrace) return ErrStrayClassClose;
    t->inClass = false;
    Emit(t, TokClassClose, 1);
    return CompileOk;
  }
  if (t->inClass) {
    Emit(t, byte == '-' ? TokRangeDash : byte, 1);
    return CompileOk;
  }
  CompileError error = CompileOk;
  if (TokenizeMultiByte(t, &error)) return error;
  return TokenizeSingle(t);
}

// Index of the closing slash: the rightmost "/" after the opening one.
int FindClosingSlash(const unsigned char* text, int length) {
  for (int i = length - 1; i >= 1; --i) {
    if (text[i] == '/') return i;
  }
  return -1;
}

}  // namespace

CompileError TokenizePattern(const char* pattern, int length, int* tokens, int* count,
                             PatternFlags* flags) {
  const unsigned char* text = reinterpret_cast<const unsigned char*>(pattern);
  *count = 0;
  *flags = PatternFlags{false, false};
  if (length < 1 || text[0] != '/') return ErrNoOpeningSlash;
  int close = FindClosingSlash(text, length);
  if (close < 0) return ErrNoClosingSlash;
  for (int i = close + 1; i < length; ++i) {
    if (text[i] == 'i') flags->ignoreCase = true;
    if (text[i] == 'x') flags->skipBlanks = true;
  }
  Tokenizer t = {text, 1, close, flags->skipBlanks, tokens, 0, false, 0, false};
  while (t.pos < t.bodyEnd) {
    CompileError error = TokenizeStep(&t);
    if (error != CompileOk) return error;
  }
  *count = t.count;
  if (t.inClass) return ErrUnclosedClass;
  if (t.inBrace) return ErrUnclosedBrace;
  if (t.groupDepth > 0) return ErrUnclosedGroup;
  return CompileOk;
}
