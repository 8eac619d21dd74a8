#include "profile/host_profile.h"

#include "profile/host_edition.h"

const HostProfile Host = {
    .MainWindowClass = "NERO_BURNING_ROM Class",
    .MainWindowTitle = "Nero - Burning Rom - ",
    .DefaultHostCommand = "\"C:\\Program Files\\Ahead\\Nero\\nero.exe\"",
    .AfxWindowClass = "Afx:400000:0:10011:0:0",
    .EraseMenuPosition = 3,
    .EraseItemPosition = 6,
    .EraseDialogClass = "#32770",
    .EraseDialogTitle = EditionEraseDialogTitle,
    .EraseButtonClass = "Button",
    .EraseButtonCaption = EditionEraseButtonCaption,
    .ExitMenuPosition = 0,
};
