// The host's English edition.
#include "profile/host_edition.h"

const char EditionName[] = "west";
const char EditionEraseDialogTitle[] = "Erase CD-RW";
const char EditionEraseButtonCaption[] = "Erase";
