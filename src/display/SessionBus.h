#pragma once

// The desktop session's message bus, as far as the start of the game is
// concerned. The toolkit's accessibility bridge looks for the bus the first
// time a control changes, before the first frame. In a session without a
// bus (a bare X server, a remote display) the bus library then forks and
// tries to start dbus-launch, which takes a few milliseconds and slows
// every thread of the starting game while it forks, even where dbus-launch
// is not installed and the attempt cannot succeed.

namespace zindo {

/// True when the session bus can be reached or started: an address is given
/// (Address), the user's bus socket is in RuntimeDirectory, or dbus-launch,
/// which starts a bus for the session on demand, is in /usr/bin or in a
/// folder of SearchPath (the default search path when SearchPath is null).
/// A null or empty Address or RuntimeDirectory counts as unset.
bool SessionBusReachable(const char* Address, const char* RuntimeDirectory, const char* SearchPath);

/// Looks at this process's environment as SessionBusReachable does. When the
/// session has no bus and no way to start one, tells the bus library so
/// (DBUS_SESSION_BUS_ADDRESS=disabled:), so that looking for the bus fails
/// at once; programs the game starts inherit that, and they could not have
/// reached or started a bus either. Changes the environment: call it before
/// any thread is started. Returns true when it did so.
bool DisableUnreachableSessionBus();

} // namespace zindo
