#pragma once
class CQuillet3App;
// Removes the launcher's key and shortcuts, reports, and deletes the program file.
void UninstallProgram(CQuillet3App& app);
