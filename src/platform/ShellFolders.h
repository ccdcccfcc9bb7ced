#pragma once
// The user's special folders, after the XDG base-directory rules.
#include <string>

namespace platform::ShellFolders {

std::string Home();
std::string LocalAppData(); // $XDG_DATA_HOME, else ~/.local/share
std::string AppData();      // $XDG_CONFIG_HOME, else ~/.config
std::string Desktop();      // XDG_DESKTOP_DIR of user-dirs.dirs, else ~/Desktop
std::string Personal();     // XDG_DOCUMENTS_DIR of user-dirs.dirs, else ~/Documents
std::string Programs();     // $XDG_DATA_HOME/applications
std::string Favorites();    // ~/Favorites
std::string TempPath();     // $TMPDIR, else /tmp; always ends with "/"

} // namespace platform::ShellFolders
