// The edited file: lines as bytes in the editor's code page, the cursor and
// the view. The cursor may stand past the end of a line, as in the host's
// editor; typing there pads the line with blanks.
#include <string.h>

#include <algorithm>

#include "code_pages.h"
#include "host.h"
#include "lng_file.h"
#include "word_motion.h"

namespace host {

namespace {
const std::string kEmptyLine;
const int kTabSize = 8;

// Lines of a text that end at "\n", plus the one after the last "\n".
size_t CountLines(const std::string& text) {
  size_t count = 1;
  const char* p = text.data();
  const char* end = p + text.size();
  while ((p = static_cast<const char*>(memchr(p, '\n', size_t(end - p)))) != nullptr) {
    ++count;
    ++p;
  }
  return count;
}
}  // namespace

Editor::Editor() : slots_(1, Slot{0, 0, 0}), owned_(1), wordDiv_(kDefaultWordDiv) {}

void Editor::SetText(const std::vector<std::string>& lines) {
  bulk_.clear();
  owned_.assign(lines.begin(), lines.end());
  if (owned_.empty()) owned_.resize(1);
  slots_.resize(owned_.size());
  for (size_t i = 0; i < slots_.size(); ++i) slots_[i] = Slot{0, 0, static_cast<int>(i)};
  curLine_ = curPos_ = topLine_ = leftPos_ = 0;
  modified_ = false;
}

void Editor::Materialize(int i) const {
  Slot& slot = slots_[i];
  if (slot.owned >= 0) return;
  slot.owned = static_cast<int>(owned_.size());
  owned_.emplace_back(bulk_, slot.offset, slot.length);
}

int Editor::LineLength(int i) const {
  const Slot& slot = slots_[i];
  return slot.owned >= 0 ? static_cast<int>(owned_[slot.owned].size()) : slot.length;
}

const char* Editor::LineData(int i, int* length) const {
  if (i < 0 || i >= TotalLines()) return nullptr;
  const Slot& slot = slots_[i];
  if (slot.owned >= 0) {
    *length = static_cast<int>(owned_[slot.owned].size());
    return owned_[slot.owned].data();
  }
  *length = slot.length;
  return bulk_.data() + slot.offset;
}

void Editor::InsertLine(int at, const std::string& text) {
  slots_.insert(slots_.begin() + at, Slot{0, 0, static_cast<int>(owned_.size())});
  owned_.push_back(text);
  modified_ = true;
}

void Editor::EraseLine(int at) {
  // The erased line's string stays in owned_ until the next load; editing in
  // the stand-in is a few keys of a test, not a session.
  slots_.erase(slots_.begin() + at);
  modified_ = true;
}

bool Editor::LoadFile(const std::string& path, const std::string& encoding, std::string* error) {
  std::string dummy;
  if (!error) error = &dummy;
  if (encoding != "utf8" && encoding != "oem" && encoding != "ansi") {
    *error = "unknown encoding \"" + encoding + "\" (utf8, oem or ansi)";
    return false;
  }
  std::string raw;
  if (!ReadWholeFile(path, &raw, error)) return false;
  unmapped_ = 0;
  if (encoding == "utf8") {
    if (raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
    if (ansi_)
      raw = Utf8ToAnsi(raw, &unmapped_);
    else
      Utf8ToOemInPlace(&raw, &unmapped_);
  } else {
    ansi_ = encoding == "ansi";
  }
  bulk_.swap(raw);
  slots_.clear();
  slots_.reserve(CountLines(bulk_));
  const char* data = bulk_.data();
  size_t size = bulk_.size(), pos = 0;
  for (;;) {
    const void* hit = memchr(data + pos, '\n', size - pos);
    if (!hit) {
      slots_.push_back(Slot{pos, static_cast<int>(size - pos), -1});
      break;
    }
    size_t end = static_cast<const char*>(hit) - data;
    size_t stop = end > pos && data[end - 1] == '\r' ? end - 1 : end;
    slots_.push_back(Slot{pos, static_cast<int>(stop - pos), -1});
    pos = end + 1;
  }
  owned_.clear();
  curLine_ = curPos_ = topLine_ = leftPos_ = 0;
  modified_ = false;
  return true;
}

void Editor::SetFileName(const std::string& fullPath) {
  fileName_ = fullPath;
}
void Editor::SetAnsi(bool ansi) {
  ansi_ = ansi;
}

void Editor::SetWindow(int columns, int rows) {
  windowColumns_ = std::max(columns, 1);
  windowRows_ = std::max(rows, 1);
  FollowCursor();
}

const std::string& Editor::Line(int i) const {
  if (i < 0 || i >= TotalLines()) return kEmptyLine;
  Materialize(i);
  return owned_[slots_[i].owned];
}

std::string& Editor::MutableLine(int i) {
  modified_ = true;
  i = std::max(0, std::min(i, TotalLines() - 1));
  Materialize(i);
  return owned_[slots_[i].owned];
}

void Editor::SetCursor(int line, int pos, int top, int left) {
  int last = TotalLines() - 1;
  if (line >= 0) curLine_ = std::min(line, last);
  if (pos >= 0) curPos_ = pos;
  if (top >= 0) topLine_ = std::min(top, last);
  if (left >= 0) leftPos_ = left;
  FollowCursor();
}

void Editor::FollowCursor() {
  if (curLine_ < topLine_) topLine_ = curLine_;
  if (curLine_ >= topLine_ + windowRows_) topLine_ = curLine_ - windowRows_ + 1;
  if (curPos_ < leftPos_) leftPos_ = curPos_;
  if (curPos_ >= leftPos_ + windowColumns_) leftPos_ = curPos_ - windowColumns_ + 1;
}

bool Editor::ProcessKey(WORD vk, DWORD controlState, char ch) {
  bool ctrl = (controlState & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED)) != 0;
  bool alt = (controlState & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED)) != 0;
  int last = TotalLines() - 1;
  const std::string& line = Line(curLine_);
  int length = static_cast<int>(line.size());
  if (alt) return false;
  // F8 switches the table the bytes are shown and converted in.
  if (vk == VK_F8 && !ctrl && !(controlState & SHIFT_PRESSED)) {
    ansi_ = !ansi_;
    return true;
  }
  switch (vk) {
    case VK_LEFT:
      if (ctrl) {
        int pos = WordLeft(line, curPos_, wordDiv_);
        if (pos >= 0)
          curPos_ = pos;
        else if (curLine_ > 0) {
          --curLine_;
          curPos_ = LineLength(curLine_);
        }
      } else if (curPos_ > 0) {
        --curPos_;
      } else if (curLine_ > 0) {
        --curLine_;
        curPos_ = LineLength(curLine_);
      }
      break;
    case VK_RIGHT:
      if (ctrl) {
        int pos = WordRight(line, curPos_, wordDiv_);
        if (pos >= 0)
          curPos_ = pos;
        else if (curLine_ < last) {
          ++curLine_;
          curPos_ = 0;
        }
      } else {
        ++curPos_;
      }
      break;
    case VK_UP:
      if (ctrl) topLine_ = std::max(topLine_ - 1, 0);
      if (curLine_ > 0 && (!ctrl || curLine_ >= topLine_ + windowRows_)) --curLine_;
      break;
    case VK_DOWN:
      if (ctrl && topLine_ < last) ++topLine_;
      if (curLine_ < last && (!ctrl || curLine_ < topLine_)) ++curLine_;
      break;
    case VK_HOME:
      if (ctrl) curLine_ = 0;
      curPos_ = 0;
      break;
    case VK_END:
      if (ctrl) curLine_ = last;
      curPos_ = LineLength(curLine_);
      break;
    case VK_PRIOR:
      curLine_ = std::max(curLine_ - (windowRows_ - 1), 0);
      topLine_ = std::max(topLine_ - (windowRows_ - 1), 0);
      break;
    case VK_NEXT:
      curLine_ = std::min(curLine_ + (windowRows_ - 1), last);
      topLine_ = std::min(topLine_ + (windowRows_ - 1), std::max(last - windowRows_ + 1, 0));
      break;
    case VK_INSERT: overtype_ = !overtype_; break;
    case VK_BACK:
      if (curPos_ > length) {
        --curPos_;
      } else if (curPos_ > 0) {
        MutableLine(curLine_).erase(--curPos_, 1);
      } else if (curLine_ > 0) {
        curPos_ = LineLength(curLine_ - 1);
        std::string joined = line;
        MutableLine(curLine_ - 1) += joined;
        EraseLine(curLine_);
        --curLine_;
      }
      break;
    case VK_DELETE:
      if (curPos_ < length) {
        MutableLine(curLine_).erase(curPos_, 1);
      } else if (curLine_ < last) {
        std::string next = Line(curLine_ + 1);
        std::string& here = MutableLine(curLine_);
        here.resize(curPos_, ' ');
        here += next;
        EraseLine(curLine_ + 1);
      }
      break;
    case VK_RETURN: {
      if (ctrl) return false;
      std::string rest = curPos_ < length ? line.substr(curPos_) : std::string();
      MutableLine(curLine_).resize(std::min(curPos_, length));
      InsertLine(curLine_ + 1, rest);
      ++curLine_;
      curPos_ = 0;
      break;
    }
    default: {
      unsigned char c = static_cast<unsigned char>(ch);
      if (ctrl || (c < ' ' && c != '\t')) return false;
      std::string& text = MutableLine(curLine_);
      if (curPos_ > static_cast<int>(text.size())) text.resize(curPos_, ' ');
      if (overtype_ && curPos_ < static_cast<int>(text.size()))
        text[curPos_] = static_cast<char>(c);
      else
        text.insert(text.begin() + curPos_, static_cast<char>(c));
      ++curPos_;
      break;
    }
  }
  FollowCursor();
  return true;
}

int TabPosition(const std::string& line, int pos) {
  int column = 0;
  for (int i = 0; i < pos; ++i) {
    if (i < static_cast<int>(line.size()) && line[i] == '\t')
      column += kTabSize - column % kTabSize;
    else
      ++column;
  }
  return column;
}

}  // namespace host
