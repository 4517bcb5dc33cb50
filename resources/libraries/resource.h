//{{NO_DEPENDENCIES}}
// Included by the resource script of a compiler project made by the designer.
// Every resource the script declares is named by a string ("GUI_DATA", "WALLPAPER",
// "ZIM_W" and the design's image names), so no numeric identifiers are defined here.
// Identifiers of resources you add yourself belong in this file.
