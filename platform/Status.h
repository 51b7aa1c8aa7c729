#pragma once
// Status codes of the platform layer. 0 is success; a system failure is 0x80070000 plus the
// low 16 bits of errno, the same shape the Windows build reports for its last-error code.
#include <cstdint>

namespace platform {

using Status = int;

inline constexpr Status kOk = 0;

// Our own codes sit in the 0xF000 block, which no errno reaches.
inline constexpr Status kSharingViolation = static_cast<Status>(0x8007F020u);

// A read that ended early without a system error (the file shrank under us).
inline constexpr Status kShortRead = 4;

// 0x80070000 | (error & 0xFFFF); an error of 0 still gives a failure (EIO), never success.
Status StatusFromErrno(int error);

}  // namespace platform
