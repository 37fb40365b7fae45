// Names between the catalogue's two encodings: built-in names are
// Windows-1252, the user's own UTF-8 (catalogue/units.h).
#pragma once

// The Unicode code points of Windows-1252 bytes 0x80..0x9F.
extern const unsigned short CP1252_HIGH[32];

// A name in Windows-1252, for the texts made of names in that code page
// (the lists' menus, Find Unit): a built-in name as it is, a custom one in
// buffer, "?" for what the code page cannot hold.
const char* UnitName1252(int category, int unit, char* buffer, int size);
const char* CategoryName1252(int category, char* buffer, int size);
