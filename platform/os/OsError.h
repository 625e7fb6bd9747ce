// Errors of the operating system, carried as the Windows error codes that the file
// operations map, together with the errno they came from and a message naming the file.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace bindershelf::os {

// The Windows error codes this layer produces. None has the top bit set.
namespace winerr {
inline constexpr uint32_t Success = 0;
inline constexpr uint32_t FileNotFound = 2;
inline constexpr uint32_t PathNotFound = 3;
inline constexpr uint32_t TooManyOpenFiles = 4;
inline constexpr uint32_t AccessDenied = 5;
inline constexpr uint32_t NotEnoughMemory = 8;
inline constexpr uint32_t NotSameDevice = 17;
inline constexpr uint32_t WriteProtect = 19;
inline constexpr uint32_t GenFailure = 31;  // the fallback for every errno not listed below
inline constexpr uint32_t SharingViolation = 32;
inline constexpr uint32_t FileExists = 80;
inline constexpr uint32_t InvalidParameter = 87;
inline constexpr uint32_t DiskFull = 112;
inline constexpr uint32_t DirNotEmpty = 145;
inline constexpr uint32_t FilenameTooLong = 206;
inline constexpr uint32_t FileTooLarge = 223;
inline constexpr uint32_t IoDevice = 1117;
inline constexpr uint32_t CantResolveFilename = 1921;
}  // namespace winerr

// Maps errno to a Windows error code:
//
//   0                         -> 0   Success
//   ENOENT                    -> 2   FileNotFound, or 3 PathNotFound when the directory
//                                    that should hold `path` does not exist
//   ENOTDIR                   -> 3   PathNotFound
//   EMFILE, ENFILE            -> 4   TooManyOpenFiles
//   EACCES, EPERM, EISDIR     -> 5   AccessDenied
//   ENOMEM                    -> 8   NotEnoughMemory
//   EXDEV                     -> 17  NotSameDevice
//   EROFS                     -> 19  WriteProtect
//   EBUSY, ETXTBSY            -> 32  SharingViolation
//   EEXIST                    -> 80  FileExists
//   EINVAL                    -> 87  InvalidParameter
//   ENOSPC, EDQUOT            -> 112 DiskFull
//   ENOTEMPTY                 -> 145 DirNotEmpty
//   ENAMETOOLONG              -> 206 FilenameTooLong
//   EFBIG                     -> 223 FileTooLarge
//   EIO                       -> 1117 IoDevice
//   ELOOP (also O_NOFOLLOW on a symbolic link) -> 1921 CantResolveFilename
//   anything else             -> 31  GenFailure
//
// `path` is only looked at for ENOENT; it may be empty (then the answer is 2).
uint32_t WindowsErrorFromErrno(int errnum, const std::string& path);

// The system's text for errno ("No such file or directory").
std::string SystemErrorText(int errnum);

class EOSError : public std::runtime_error {
 public:
  EOSError(uint32_t windowsCode, int errnum, std::string path, const std::string& message);

  uint32_t WindowsCode() const { return Code; }
  int Errno() const { return Errnum; }
  // The file the failed operation was about.
  const std::string& Path() const { return FilePath; }

 private:
  uint32_t Code;
  int Errnum;
  std::string FilePath;
};

// Raises EOSError for errno on `path` with the message: action "path": system text,
// for example: Cannot open "/data/descript.ion": No such file or directory.
[[noreturn]] void RaiseOSError(std::string_view action, const std::string& path, int errnum);

}  // namespace bindershelf::os
