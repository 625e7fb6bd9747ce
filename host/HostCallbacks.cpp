#include "host/HostCallbacks.h"

#include <ostream>

namespace bindershelf::host {

namespace {

TProgressDisplay* Progress = nullptr;
TMessageBoxes* Messages = nullptr;
std::ostream* Log = nullptr;

std::string Text(const char* text) { return text ? text : ""; }

int32_t FS_STDCALL OnProgress(int32_t, char* sourceName, char*, int32_t percentDone) {
  if (Progress) Progress->Report(Text(sourceName), percentDone);
  return 0;  // go on: the host never aborts a copy
}

void FS_STDCALL OnLog(int32_t, int32_t messageType, char* logString) {
  if (!Log) return;
  if (Progress) Progress->Interrupt();
  *Log << "log(" << messageType << "): " << Text(logString) << "\n";
}

BOOL FS_STDCALL OnRequest(int32_t, int32_t requestType, char* customTitle, char* customText, char*, int32_t) {
  // Message boxes are the only request the host can answer; any other is declined.
  if (requestType != RT_MsgOK || !Messages) return FS_FALSE;
  if (Progress) Progress->Interrupt();
  std::string title = Text(customTitle);
  Messages->Show(title.empty() ? "Message" : title, Text(customText));
  return FS_TRUE;
}

}  // namespace

THostCallbacks ConnectHostCallbacks(TProgressDisplay& progress, TMessageBoxes& messages, std::ostream& log) {
  Progress = &progress;
  Messages = &messages;
  Log = &log;
  return {&OnProgress, &OnLog, &OnRequest};
}

}  // namespace bindershelf::host
