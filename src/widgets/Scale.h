#pragma once

// Dots per inch against 96, in percent, rounded: the scale every dialog and
// the main form size their fonts and list columns by.
int ScalePercent(int dotsPerInch);
