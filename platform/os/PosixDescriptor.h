// An owned POSIX file descriptor, closed when it goes.
#pragma once

#include <unistd.h>

#include <cerrno>

#include <utility>

namespace bindershelf::os {

class TDescriptor {
 public:
  explicit TDescriptor(int fd = -1) : Fd(fd) {}
  ~TDescriptor() { Reset(); }
  TDescriptor(TDescriptor&& other) noexcept : Fd(std::exchange(other.Fd, -1)) {}
  TDescriptor& operator=(TDescriptor&& other) noexcept {
    if (this != &other) {
      Reset();
      Fd = std::exchange(other.Fd, -1);
    }
    return *this;
  }

  int Get() const { return Fd; }
  bool IsOpen() const { return Fd >= 0; }
  // Closes and tells the errno of a failed close, 0 on success.
  int Close() {
    const int fd = std::exchange(Fd, -1);
    return fd >= 0 && ::close(fd) != 0 ? errno : 0;
  }
  void Reset() { Close(); }

 private:
  int Fd;
};

}  // namespace bindershelf::os
