// The main window as the portable code sees it: an opaque handle that the
// Windows shell fills with its HWND (the same type there) and native tests
// leave null.
#pragma once

struct HWND__;
typedef HWND__* WindowHandle;
