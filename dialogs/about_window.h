// The About and licence windows: their records and the halves of their
// opening functions, so a test can drive them one event at a time.
#pragma once

struct AboutWindow {
  int title = -1, makerLine = -1, makerLink = -1, titleFrame = -1, version = -1, licenceButton = -1;
  int freewareLine2 = -1, freewareLine3 = -1, logo = -1, donateButton = -1;
};

struct LicenseWindow {
  int statement = -1, badgeButton = -1, notices = -1;
};

extern AboutWindow About;
extern LicenseWindow License;

// About opening steps 1 and 2: the main window disabled, the window and its controls.
void openAboutWindowSteps();
// Waits for the next event of the About window and handles it (a click on
// "License Agreement" runs the whole licence window); returns 0 once the
// window has been handed to ConfirmQuit, 1 while it stays open.
int aboutWindowPass();

// Licence opening steps 1 to 5: the window, its statement and the notices.
void openLicenseWindowSteps();
// As aboutWindowPass, for the licence window.
int licenseWindowPass();
