// What the test driver and the probe DLL inside Metrova say to each other.
//
// The driver sends Metrova's main window the registered message PROBE_MESSAGE
// with wParam its own reply window and lParam a global atom holding the query
// text. The probe's WH_CALLWNDPROC hook sees the message inside Metrova, on its
// window thread, and answers with WM_COPYDATA (dwData PROBE_REPLY) to the reply
// window before the driver's send returns; the main window ignores the message.
// (The query is not itself sent as WM_COPYDATA: this Wine hands the hook the
// sender's pointer, not the copy.)
//
// Queries and their answers (text, lines end in '\n'):
//   "menu"         one line per menu item, depth first, in menu order:
//                  depth TAB id TAB flags TAB text; id -1 for a pop-up; flags are
//                  letters: C checked, S separator, P pop-up, G greyed. The
//                  text is UTF-8, read with the wide call.
//   "focus"        hex handle TAB control id TAB class name of the focus window.
//   "acp"          Metrova's ANSI code page (GetACP), in decimal.
//   "input"        "waiting" while keys, clicks or posted messages wait in
//                  Metrova's queue, else "none".
//   "font HEX"     font handle TAB face TAB height TAB weight of the font the
//                  window with that handle uses (WM_GETFONT), or "none".
//   "rows HEX"     one line per row of the list view with that handle: each
//                  column's text, UTF-8, TAB between them.
//   "dpichanged FROM TO"  sends the main window WM_DPICHANGED for DPI TO with
//                  its rectangle scaled by TO / FROM as the suggested one; "ok".
//   "liveregion"   control ids of the windows that raised EVENT_OBJECT_LIVEREGIONCHANGED
//                  since the last such query, one a line (the first starts listening).
//   "ncpaints"     how many WM_NCPAINT the main window got since the last such query.
#pragma once

const char PROBE_MESSAGE[] = "MetrovaProbeQuery";   // RegisterWindowMessageA
const unsigned long PROBE_REPLY = 0x4D505250;   // 'MPRP'
const char PROBE_HOOK_NAME[] = "ProbeHookProc";
