#pragma once

// The title of every window, message box, tray tip and shortcut.
inline constexpr const char* kAppTitle = "6182Orvane";
// The version of reports, the update key and the version menu entry.
inline constexpr const char* kAppVersion = "3.0.0.1";
