#pragma once
// The application's start-up, from the entry point to the event loop, in order:
// Main runs EarlyStartup (file types, application object, menu bar), then the
// framework's initialisation, which calls LateStartup back to open the splash window,
// then the event loop until Quit. Main returns the exit status.

int Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();
