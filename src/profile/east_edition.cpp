// The host's Japanese edition (Nero 5.5J).
#include "profile/host_edition.h"

const char EditionName[] = "east";
const char EditionEraseDialogTitle[] = "CD-RWの消去";
const char EditionEraseButtonCaption[] = "消去";
