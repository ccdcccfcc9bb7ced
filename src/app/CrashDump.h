#pragma once
// Installs the handler that writes a crash dump beside the program file.
void InstallCrashFilter();
