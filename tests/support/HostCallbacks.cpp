#include "support/HostCallbacks.h"

namespace testing_support {

namespace {
std::string Text(const char* s) { return s ? s : ""; }
}  // namespace

THostRecord& HostRecord() {
  static THostRecord record;
  return record;
}

int32_t FS_STDCALL RecordProgress(int32_t pluginNr, char* source, char* target, int32_t percent) {
  HostRecord().progress.push_back({pluginNr, Text(source), Text(target), percent});
  return 0;
}

void FS_STDCALL RecordLog(int32_t, int32_t, char*) {}

BOOL FS_STDCALL RecordRequest(int32_t pluginNr, int32_t type, char* title, char* text, char*, int32_t) {
  HostRecord().requests.push_back({pluginNr, type, Text(title), Text(text)});
  return FS_TRUE;
}

}  // namespace testing_support
