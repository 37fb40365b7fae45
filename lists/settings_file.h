// Where the settings live (the application-data folder, or below the current
// folder when started from a removable drive) and the settings file itself.
#pragma once

extern char SettingsBase[260];   // folder holding Brisklane\Metrova\metrova.ini
extern int PortableMode;         // 1 when the executable is on a removable drive
extern int SaveOnExit;           // write the settings when the main window goes

void FindSettingsBase();
void LoadSettings();
void SaveSettings();
