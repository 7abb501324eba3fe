// Program start: the style from the style file, then every screen created once in its fixed order.
#pragma once

// Applies the style named in the style file, creates the main window (which creates the shared
// data module, opens the design-time connection and creates the login window), then every other
// screen; the login window is shown. Returns false when the program has to end (the design-time
// connection could not be opened: the message has been shown and the program terminated).
bool startProgram();

// Applies the style file's style (creating the file with "Windows" when needed).
void applyStyleFromFile();

// Creates the screens in their fixed order; false when the design-time connection failed.
bool createScreens();

// Destroys every screen and the data module (the end of a run; tests start afresh after it).
void destroyScreens();
