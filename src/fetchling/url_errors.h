// Error numbers of the failures the component reports itself, in the socket layer's numbering
// (Winsock), so the error box reads as the platform's errors do.
#pragma once

namespace fetchling {

inline constexpr int kErrInvalidArgument = 10022;       // WSAEINVAL
inline constexpr int kErrProtocolNotSupported = 10043;  // WSAEPROTONOSUPPORT
inline constexpr int kErrAddressNotAvailable = 10049;   // WSAEADDRNOTAVAIL
inline constexpr int kErrHostNotFound = 11001;          // WSAHOST_NOT_FOUND

}  // namespace fetchling
