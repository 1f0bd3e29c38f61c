#pragma once
// The machine's own IPv4 address in dotted decimal, as the feedback window reports it.

#include <QString>

namespace zw::online {

// The first address of the first interface that is up, running and not a loopback, in the
// order the system lists its interfaces; "127.0.0.1" when there is none.
QString localIPv4Address();

} // namespace zw::online
