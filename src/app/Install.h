#pragma once
// The first run: installation of the program file with its shortcuts, and the plug-in.
int InstallProgram();
void SetUpPlugin();
