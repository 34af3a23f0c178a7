// wsprintfA and wvsprintfA: the user32 formatter, conversion for conversion as
// the real one behaves (recorded under Wine):
//   %[-][#][0][width][.precision][h|l|w|I64]type, type one of c C d i u x X s S p;
//   h and l pick narrow or wide for c, C, s, S and are ignored for numbers;
//   %p is %08X of the pointer; # adds 0x/0X to x and X, also to a zero;
//   0 pads numbers (not texts) with zeros up to the width; the sign comes first;
//   a precision is the minimum count of digits, or the maximum length of a text
//   (.0 means no limit); a NULL text prints "(null)".
// No floating point, no '*', no '+' or ' ' flags: an unknown conversion letter
// prints as itself, after the blanks its width asks for.
// Output stops at 1023 characters plus the terminator; a result that reaches
// that limit returns 1024 (even one of exactly 1023 characters), shorter ones
// return their length.
// Differences nobody relies on: '#' on d, i or u is ignored (the real one
// copies bytes past the number), and a "0x" prefix that does not fit is cut
// rather than written past the 1024 bytes. %p prints all digits of a 64-bit
// pointer natively (at least 8).
// Covered by tests/standin/win32/wsprintf_test.cpp.
#include "code_pages.h"
#include "shell/win_api.h"

#include <string.h>

namespace {

const int kOutputLimit = 1024;  // bytes, terminator included

enum ArgType {
  ArgChar,
  ArgWideChar,
  ArgText,
  ArgWideText,
  ArgSigned,
  ArgUnsigned,
  ArgHex,
  ArgUnknown
};

struct Conversion {
  bool leftAlign = false;
  bool hexPrefix = false;
  bool zeroPad = false;
  bool upperHex = false;
  bool narrow = false;  // h
  bool wide = false;    // l or w
  bool wide64 = false;  // I64
  bool pointer = false;
  unsigned width = 0;
  unsigned precision = 0;
  ArgType type = ArgUnknown;
};

unsigned ParseDigits(const char*& p) {
  unsigned value = 0;
  while (*p >= '0' && *p <= '9') {
    if (value < 100000) value = value * 10 + static_cast<unsigned>(*p - '0');
    ++p;
  }
  return value;
}

ArgType TypeFor(char letter, Conversion* c) {
  switch (letter) {
    case 'c': return c->wide ? ArgWideChar : ArgChar;
    case 'C': return c->narrow ? ArgChar : ArgWideChar;
    case 's': return c->wide ? ArgWideText : ArgText;
    case 'S': return c->narrow ? ArgText : ArgWideText;
    case 'd':
    case 'i': return ArgSigned;
    case 'u': return ArgUnsigned;
    case 'p':
      c->pointer = true;
      c->width = 8;
      c->zeroPad = true;
      c->upperHex = true;
      return ArgHex;
    case 'X': c->upperHex = true; return ArgHex;
    case 'x': return ArgHex;
  }
  return ArgUnknown;
}

// Parses the conversion after '%'; on an unknown letter `format` is left on it so
// that it prints as an ordinary character.
Conversion ParseConversion(const char*& format) {
  Conversion c;
  if (*format == '-') c.leftAlign = true, ++format;
  if (*format == '#') c.hexPrefix = true, ++format;
  if (*format == '0') c.zeroPad = true, ++format;
  c.width = ParseDigits(format);
  if (*format == '.') c.precision = ParseDigits(++format);
  if (*format == 'I' && format[1] == '6' && format[2] == '4') {
    c.wide64 = true;
    format += 3;
  } else if (*format == 'h') {
    c.narrow = true, ++format;
  } else if (*format == 'l' || *format == 'w') {
    c.wide = true, ++format;
  }
  c.type = TypeFor(*format, &c);
  if (c.type != ArgUnknown) ++format;
  if (c.type != ArgHex) c.hexPrefix = false;
  if (c.leftAlign) c.zeroPad = false;
  return c;
}

struct Argument {
  char ch = 0;
  uint16_t wch = 0;
  const char* text = nullptr;
  const uint16_t* wideText = nullptr;
  long long number = 0;
};

Argument FetchArgument(const Conversion& c, va_list* args) {
  Argument a;
  switch (c.type) {
    case ArgChar: a.ch = static_cast<char>(va_arg(*args, int)); break;
    case ArgWideChar: a.wch = static_cast<uint16_t>(va_arg(*args, int)); break;
    case ArgText: a.text = va_arg(*args, const char*); break;
    case ArgWideText: a.wideText = va_arg(*args, const uint16_t*); break;
    case ArgSigned:
    case ArgUnsigned:
    case ArgHex:
      if (c.pointer)
        a.number = static_cast<long long>(reinterpret_cast<uintptr_t>(va_arg(*args, void*)));
      else if (c.wide64)
        a.number = va_arg(*args, long long);
      else
        a.number = va_arg(*args, int);
      break;
    case ArgUnknown: break;
  }
  return a;
}

// Writes the digits (and a leading '-') of the argument into `out`; returns the count.
unsigned FormatNumber(const Conversion& c, const Argument& a, char* out) {
  const char* digits = c.upperHex ? "0123456789ABCDEF" : "0123456789abcdef";
  unsigned long long n = static_cast<unsigned long long>(a.number);
  char* dst = out;
  if (c.type == ArgSigned && a.number < 0) {
    *dst++ = '-';
    n = 0 - n;
  }
  if (!c.wide64 && !c.pointer) n = static_cast<uint32_t>(n);
  unsigned base = c.type == ArgHex ? 16 : 10;
  char reversed[24];
  int count = 0;
  do {
    reversed[count++] = digits[n % base];
    n /= base;
  } while (n);
  while (count) *dst++ = reversed[--count];
  return static_cast<unsigned>(dst - out);
}

// The bounded output: writes beyond the limit are dropped, never stored.
struct Output {
  char* buffer;
  int used = 0;
  int left = kOutputLimit;  // the real formatter's count of bytes still free
  void Put(char ch) {
    if (used < kOutputLimit - 1) buffer[used++] = ch;
  }
  void Repeat(char ch, unsigned from, unsigned to) {
    for (unsigned i = from; i < to; ++i, --left) Put(ch);
  }
};

// Clamps width and precision to `room` and returns the length of the converted
// value (the real formatter's GetLen); `number` receives the digits.
unsigned MeasureValue(Conversion* c, Argument* a, char* number, unsigned room) {
  if (c->width > room) c->width = room;
  unsigned len = 0;
  switch (c->type) {
    case ArgChar:
    case ArgWideChar: return c->precision = 1;
    case ArgText:
      if (!a->text) a->text = "(null)";
      while ((!c->precision || len < c->precision) && a->text[len]) ++len;
      return c->precision = len < room ? len : room;
    case ArgWideText:
      if (!a->wideText) a->wideText = reinterpret_cast<const uint16_t*>(u"(null)");
      while ((!c->precision || len < c->precision) && a->wideText[len]) ++len;
      return c->precision = len < room ? len : room;
    case ArgSigned:
    case ArgUnsigned:
    case ArgHex: len = FormatNumber(*c, *a, number); break;
    case ArgUnknown: return 0;
  }
  if (len > room) len = room;
  if (c->precision < len) c->precision = len;
  if (c->precision > room) c->precision = room;
  if (c->zeroPad && c->width > c->precision) c->precision = c->width;
  return len;
}

void EmitNumber(Output* out, const Conversion& c, const char* number, unsigned len) {
  if (c.hexPrefix && out->left > 3) {
    out->Put('0');
    out->Put(c.upperHex ? 'X' : 'x');
    out->left -= 2;
  }
  unsigned sign = 0;
  if (len > 0 && number[0] == '-') {
    out->Put('-');
    sign = 1;
  }
  out->Repeat('0', len, c.precision);
  for (unsigned i = sign; i < len; ++i) out->Put(number[i]);
}

void EmitValue(Output* out, const Conversion& c, const Argument& a, const char* number,
               unsigned len) {
  switch (c.type) {
    case ArgChar: out->Put(a.ch); break;
    case ArgWideChar: out->Put(standin::AnsiFromUnicode(a.wch)); break;
    case ArgText:
      for (unsigned i = 0; i < len; ++i) out->Put(a.text[i]);
      break;
    case ArgWideText:
      for (unsigned i = 0; i < len; ++i) out->Put(standin::AnsiFromUnicode(a.wideText[i]));
      break;
    case ArgSigned:
    case ArgUnsigned:
    case ArgHex: EmitNumber(out, c, number, len); break;
    case ArgUnknown: break;
  }
}

int Format(char* buffer, const char* format, va_list* args) {
  Output out{buffer};
  while (*format && out.left > 1) {
    if (*format != '%' || format[1] == '%') {
      if (*format == '%') ++format;
      out.Put(*format++);
      --out.left;
      continue;
    }
    ++format;
    Conversion c = ParseConversion(format);
    Argument a = FetchArgument(c, args);
    char number[24];
    unsigned len = MeasureValue(&c, &a, number, static_cast<unsigned>(out.left - 1));
    if (!c.leftAlign) out.Repeat(' ', c.precision, c.width);
    if (c.type == ArgUnknown) continue;  // the real one pads on the left only
    EmitValue(&out, c, a, number, len);
    if (c.leftAlign) out.Repeat(' ', c.precision, c.width);
    out.left -= static_cast<int>(len);
  }
  buffer[out.used] = '\0';
  return out.left > 1 ? out.used : kOutputLimit;
}

}  // namespace

extern "C" {

int WINAPI wvsprintfA(LPSTR lpOut, LPCSTR lpFmt, va_list arglist) {
  if (!lpOut || !lpFmt) return 0;
  va_list args;
  va_copy(args, arglist);
  int result = Format(lpOut, lpFmt, &args);
  va_end(args);
  return result;
}

int WINAPIV wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...) {
  va_list args;
  va_start(args, lpFmt);
  int result = wvsprintfA(lpOut, lpFmt, args);
  va_end(args);
  return result;
}

}  // extern "C"
