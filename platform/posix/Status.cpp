#include "platform/Status.h"

#include <cerrno>

namespace platform {

Status StatusFromErrno(int error) {
  if (error == 0) error = EIO;
  return static_cast<Status>(0x80070000u | (static_cast<unsigned>(error) & 0xFFFFu));
}

}  // namespace platform
