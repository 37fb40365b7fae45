// What a link label tells accessibility tools: a link named by its text, with
// its target as value and opening it as the default action.
#pragma once
#include <windows.h>

// The answer to WM_GETOBJECT for OBJID_CLIENT of a link label: a reference to
// its accessible object, made for the asker (LresultFromObject).
LRESULT AnswerLinkAccessibleObject(HWND control, WPARAM wParam);
