#pragma once
class CQuillet3App;
// A game-tab process: the web engine, the login page, then the game window.
bool InitWebEngine();
// Runs the login background with its page; 2 when it was cancelled.
int RunLoginBackground();
// Creates the hidden game window; false when it could not be created.
bool CreateGameWindow(CQuillet3App& app);
