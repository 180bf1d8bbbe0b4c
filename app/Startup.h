#pragma once
// The program's start-up up to its message loop: the application object initialised, its title
// and icon set, the main window created and then the About dialog, hidden.

void StartSaruvi();
