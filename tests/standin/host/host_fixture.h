// Shared pieces of the host stand-in's tests: a Host with the services at
// hand, dialog item builders and a scratch folder for language files.
#pragma once

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "host/host.h"

namespace host_test {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override { Reset(host::HostOptions()); }
  void TearDown() override {
    FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
    host_.reset();
  }
  void Reset(const host::HostOptions& options) {
    host_.reset();
    host_.reset(new host::Host(options));
  }
  host::Host& h() { return *host_; }
  const PluginStartupInfo& info() { return *host_->StartupInfo(); }
  void Keys(const std::string& script) { ASSERT_TRUE(host_->QueueKeys(script)) << script; }
  // The screen row as UTF-8, trailing blanks removed.
  std::string Row(int y) const {
    std::string text = host_->ScreenText();
    size_t pos = 0;
    for (int i = 0; i < y && pos != std::string::npos; ++i) pos = text.find('\n', pos) + 1;
    std::string row = text.substr(pos, text.find('\n', pos) - pos);
    while (!row.empty() && row.back() == ' ') row.pop_back();
    return row;
  }
  bool ScreenHas(const std::string& utf8) const {
    return host_->ScreenText().find(utf8) != std::string::npos;
  }
  const std::string& LastTrace() const { return host_->Trace().back(); }

 private:
  std::unique_ptr<host::Host> host_;
};

inline FarDialogItem Item(int type, int x1, int y1, int x2, int y2, const char* text,
                          DWORD flags = 0, int selected = 0) {
  FarDialogItem item;
  memset(&item, 0, sizeof item);
  item.Type = type;
  item.X1 = x1;
  item.Y1 = y1;
  item.X2 = x2;
  item.Y2 = y2;
  item.Flags = flags;
  item.Selected = selected;
  snprintf(item.Data, sizeof item.Data, "%s", text);
  return item;
}

inline FarMenuItem MenuItem(const char* text, int selected = 0, int separator = 0) {
  FarMenuItem item;
  memset(&item, 0, sizeof item);
  snprintf(item.Text, sizeof item.Text, "%s", text);
  item.Selected = selected;
  item.Separator = separator;
  return item;
}

// A fresh folder under the system's temporary one, removed with its files.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  const std::string& path() const { return path_; }
  std::string Write(const std::string& name, const std::string& text) const;

 private:
  std::string path_;
};

}  // namespace host_test
