#pragma once
class CQuillet3App;
// Downloads the program file of m_updateAddress and moves it into place.
bool ReplaceProgram(CQuillet3App& app);
