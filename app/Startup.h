#pragma once
// The program's start-up up to its message loop: the application object initialised, the
// framework's classes registered for the stored forms, the title and icon set, the main window
// created and then the About dialog, hidden.

void StartSaruvi();
