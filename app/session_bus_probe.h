#pragma once

#include <chrono>
#include <string_view>

namespace hobwatch {

// Whether the session bus at `address` (as DBUS_SESSION_BUS_ADDRESS gives it: entries such as
// "unix:path=/run/user/1000/bus" separated by ";", values %-escaped) takes a connection and then
// says nothing for `patience`, as a bus whose daemon hangs does. The entries are tried in order,
// as the D-Bus library does; an entry that refuses the connection is passed over, since the
// library fails on it at once too. A bus reached otherwise than through a local socket (TCP, a
// bus started on demand) is taken on trust. Waits at most `patience`.
bool SessionBusHangs(std::string_view address, std::chrono::milliseconds patience);

// Called before Qt starts. A session bus that hangs would hold up the window for as long as Qt's
// accessibility bridge waits for it, and a request to end with it: such a bus is given up for
// the whole run (no notifications, no screen reader), which one line on standard error says.
void GiveUpHungSessionBus();

}  // namespace hobwatch
