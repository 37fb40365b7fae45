// The soak test's user actions: what they are, how they print and replay,
// how one is drawn at random for the state the model is in, and how each is
// done to the real program and to the model alike.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"
#include "tests/e2e/soak_model.h"

enum SoakActionKind {
    ACT_PICK_CATEGORY,    // a: category
    ACT_PICK_UNIT,        // a: side, b: unit (taken modulo the category's count)
    ACT_KEY_UNIT,         // a: side, b: steps (+ down, - up), c: settle key, d: 1 dropped with Alt+Down first
    ACT_KEY_CATEGORY,     // b: +1 or -1, c: settle key, d: as for ACT_KEY_UNIT
    ACT_TYPE_TEXT,        // a: side, text (WM_CHAR after a click; '\b' is Backspace)
    ACT_CLEAR_BOX,        // a: side
    ACT_TAB_KEYS,         // a: count, b: 1 for Shift+Tab
    ACT_TYPE_KEYS,        // text, real keys into the focused box
    ACT_SWAP,             // a: 0 the command, 1 Alt+V Enter
    ACT_DECIMALS,         // a: places
    ACT_NOTATION,         // a: 0 Scientific, 1 Automatic
    ACT_FAVORITE_ADD,
    ACT_FAVORITE_REMOVE,
    ACT_APPLY_RECENT,     // a: position in the menu, newest first
    ACT_APPLY_FAVORITE,   // a: index
    ACT_FIND_UNIT,        // a: category, b: unit, c: side (0 cancel),
                          // d: bit 0 opened from the menu (else Ctrl+F), bit 1 closed by a button (else keys)
    ACT_SAVE_ON_EXIT,
    ACT_RESTART,          // a: 0 Exit from the menu, 1 the close button
    ACT_MOUSE_PICK,       // a: chooser (0 category, 1 from-unit, 2 to-unit), b: item; real clicks
    ACT_ABOUT,            // the About box from the menu, a: closed by 0 Enter, 1 Escape
    ACT_CHOICE,           // a: SoakChoice, b: 1 from the keys (else the command)
    ACT_ALL_UNITS,        // a: opened by 0 the menu, 1 Ctrl+U; b: the row read (modulo the rows);
                          // c: closed by 0 Escape, 1 the close box
    ACT_FRACTIONS,        // a: item of the Fractions pop-up (0 "Off", k "1/2^k")
    ACT_KINDS
};

// Short codes of the kinds, as a replay code writes them.
extern const char* const SOAK_KIND_CODES[ACT_KINDS];

// How a browse with the keys ends: a key, or not at all (the next action ends it).
enum SettleKey { SETTLE_ENTER, SETTLE_TAB, SETTLE_SHIFT_TAB, SETTLE_NONE, SETTLE_ESCAPE };

struct SoakAction {
    SoakActionKind kind;
    int a, b, c, d;
    std::string text;
};

SoakAction SoakMake(SoakActionKind kind, int a = 0, int b = 0, int c = 0, int d = 0, const std::string& text = "");

// One line a person can follow ("Tab to the from-unit chooser, Down x2, Enter").
std::string SoakDescribe(const SoakAction& action);
// A sequence as a replay code ("KU,1,2,0,0;S,0,0,0,0") and back.
std::string SoakEncode(const std::vector<SoakAction>& actions);
bool SoakDecode(const std::string& code, std::vector<SoakAction>* actions);

// Random numbers that are the same for a seed on every build (splitmix64).
struct SoakRng {
    uint64_t state;
    uint64_t Next();
    int Below(int n);
    bool Chance(int percent);
    int Between(int low, int high);
};

// An action for the model at the state it is in, drawn until one keeps
// every box predictable (see SoakAnswerText). last: the previous kind.
SoakAction SoakGenerate(const SoakModel& m, SoakRng& rng, SoakActionKind last);

// Does the action to the program (when app is given) and to the model; what
// went wrong on the program's side (a control that did not answer, a box
// that did not open, the settings file after an exit), or nothing.
std::vector<std::string> SoakPerform(const SoakAction& action, SoakModel* m, MetrovaApp* app);

// Whether the action goes through the system's input queue (so the program
// handles it after SoakPerform returns).
bool SoakUsesRealInput(const SoakAction& action);

// Moves the pointer out of the window, so that no list dropped later opens
// under it (and follows it).
void SoakParkPointer();
