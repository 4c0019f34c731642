#pragma once
// The layout names the fonts it was designed with; map them onto fonts that a
// Debian desktop has, with matching widths where there is a choice.
void InstallFontSubstitutes();
