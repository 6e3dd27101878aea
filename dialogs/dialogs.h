// The options, image collection, About and licence windows.
#pragma once

void openOptionsWindow();
void openCollectionWindow();
void openAboutWindow();
void openLicenseWindow();
void openWebLink(int control);
