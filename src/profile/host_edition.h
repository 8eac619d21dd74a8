// The texts in which the host's English and Japanese editions differ. Each
// program links exactly one edition file (west_edition.cpp or east_edition.cpp).
#pragma once

extern const char EditionName[];                // "west" or "east"
extern const char EditionEraseDialogTitle[];
extern const char EditionEraseButtonCaption[];
