// The options, image collection, statistics, About and licence windows.
#pragma once

void openOptionsWindow();
void openCollectionWindow();
void openStatisticsWindow();
void openAboutWindow();
void openLicenseWindow();
void openWebLink(int control);
