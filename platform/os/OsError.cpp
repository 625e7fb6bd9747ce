#include "platform/os/OsError.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace bindershelf::os {
namespace {

// Tells "the file is missing" (2) from "the directory it should be in is missing" (3).
bool ParentDirectoryExists(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos || slash == 0) return true;  // the current or root directory
  struct stat st;
  return ::stat(path.substr(0, slash).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// strerror_r comes in two shapes; each overload takes the result of one of them.
[[maybe_unused]] const char* ErrorText(int result, const char* buffer) {
  return result == 0 ? buffer : "Unknown error";
}
[[maybe_unused]] const char* ErrorText(const char* result, const char*) { return result; }

}  // namespace

uint32_t WindowsErrorFromErrno(int errnum, const std::string& path) {
  switch (errnum) {
    case 0: return winerr::Success;
    case ENOENT: return ParentDirectoryExists(path) ? winerr::FileNotFound : winerr::PathNotFound;
    case ENOTDIR: return winerr::PathNotFound;
    case EMFILE:
    case ENFILE: return winerr::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR: return winerr::AccessDenied;
    case ENOMEM: return winerr::NotEnoughMemory;
    case EXDEV: return winerr::NotSameDevice;
    case EROFS: return winerr::WriteProtect;
    case EBUSY:
    case ETXTBSY: return winerr::SharingViolation;
    case EEXIST: return winerr::FileExists;
    case EINVAL: return winerr::InvalidParameter;
    case ENOSPC:
    case EDQUOT: return winerr::DiskFull;
    case ENOTEMPTY: return winerr::DirNotEmpty;
    case ENAMETOOLONG: return winerr::FilenameTooLong;
    case EFBIG: return winerr::FileTooLarge;
    case EIO: return winerr::IoDevice;
    case ELOOP: return winerr::CantResolveFilename;
    default: return winerr::GenFailure;
  }
}

std::string SystemErrorText(int errnum) {
  char buffer[256] = {};
  return ErrorText(::strerror_r(errnum, buffer, sizeof buffer), buffer);
}

EOSError::EOSError(uint32_t windowsCode, int errnum, std::string path, const std::string& message)
    : std::runtime_error(message), Code(windowsCode), Errnum(errnum), FilePath(std::move(path)) {}

void RaiseOSError(std::string_view action, const std::string& path, int errnum) {
  std::string message(action);
  message += " \"" + path + "\": " + SystemErrorText(errnum);
  throw EOSError(WindowsErrorFromErrno(errnum, path), errnum, path, message);
}

}  // namespace bindershelf::os
