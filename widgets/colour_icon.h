// A colour copy of a two-colour icon. Common controls 6 under Wine measure an
// icon by its colour bitmap, which a two-colour icon does not have, and refuse
// it: an icon control given the copy shows it.
#pragma once
#include <windows.h>

// A new icon that draws as icon does, with a colour image and the same mask;
// for an icon that already has colours, a plain copy. 0 on failure. The
// caller destroys it (DestroyIcon).
HICON ColourCopyOfIcon(HICON icon);
