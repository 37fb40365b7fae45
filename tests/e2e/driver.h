// Drives the real metrova.exe from a test: starts it, finds its window and
// controls, types, picks, sends menu commands and reads back what it shows.
// Every call that talks to Metrova gives up after a few seconds, so a hung or
// crashed program fails the test instead of hanging it; the program is killed
// when the test ends (and, through a job object, when the driver dies).
#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include "catalogue/units.h"
#include <functional>
#include <string>
#include <vector>

const DWORD DRIVER_TIMEOUT_MS = 5000;      // any single exchange with Metrova
const DWORD DRIVER_START_TIMEOUT_MS = 20000; // from CreateProcess to a visible window

struct MetrovaApp {
    PROCESS_INFORMATION process;   // zero when not running
    HANDLE job;                    // kills Metrova when the driver goes
    HWND window;                   // the main window (class "metrova")
    HHOOK probe;                   // the probe hook in Metrova's window thread
};

// --- Starting and stopping -------------------------------------------------
// The metrova.exe under test, as a Windows path.
std::string MetrovaExePath();
// Starts metrova.exe (or exePath) in currentDirectory (0: the driver's own)
// and waits for its visible main window. False, with the reason in *why.
bool StartMetrova(MetrovaApp* app, std::string* why, const char* exePath = 0,
                  const char* currentDirectory = 0);
// Waits for Metrova to end by itself; true and its exit code when it did.
bool WaitForExit(MetrovaApp* app, DWORD timeoutMs, DWORD* exitCode);
// Ends Metrova if it still runs (killing it when it does not close) and frees everything.
void StopMetrova(MetrovaApp* app);
bool IsRunning(const MetrovaApp* app);

// --- Windows and controls --------------------------------------------------
HWND FindChild(HWND parent, const char* className, int id);   // 0 when missing
std::string WindowText(HWND window);
std::string ClassOf(HWND window);
RECT ClientRectOf(HWND child);   // the child's rectangle in its parent's client pixels

// The About box and the Find Unit box, dialogs owned by the main window, once
// they are open (each waits up to DRIVER_TIMEOUT_MS for it; 0 when it does not
// come).
HWND FindAboutBox(const MetrovaApp& app);
HWND FindUnitBox(const MetrovaApp& app);
// The All Units window once it is open (waiting as above), and its rows read
// inside Metrova: the value and the unit column of each.
HWND AllUnitsBox(const MetrovaApp& app);
struct ListRow {
    std::string value, unit;   // UTF-8
};
std::vector<ListRow> ListRows(MetrovaApp* app, HWND list);
// Waits up to DRIVER_TIMEOUT_MS for a window (a box) to go; true when it went.
bool WaitForClose(HWND window);

// The main window's controls by their ids.
HWND FromBox(const MetrovaApp& app);
HWND ToBox(const MetrovaApp& app);
HWND CategoryChooser(const MetrovaApp& app);
HWND FromUnitChooser(const MetrovaApp& app);
HWND ToUnitChooser(const MetrovaApp& app);

// --- Acting as the user ----------------------------------------------------
// A message to a window of Metrova's that gives up after DRIVER_TIMEOUT_MS or
// when Metrova hangs; false then. *result gets the answer.
bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = 0);
// WM_SETTEXT with a UTF-16 text, bounded the same way; true when it was set.
bool SetTextWide(HWND window, const wchar_t* text);
bool ClickInto(HWND control);                    // left click near the right end: focus, caret at the end
bool TypeText(HWND edit, const char* text);      // click into it, then one WM_CHAR per character
bool ClearBox(HWND edit);                        // click, select all, Backspace
bool TypeTextWide(HWND edit, const std::wstring& text);   // as TypeText, one UTF-16 WM_CHAR per unit
bool PasteText(HWND edit, const std::wstring& text);      // through the clipboard (CF_UNICODETEXT) over all of it
std::wstring WindowTextWide(HWND window);        // its text exactly as it holds it
bool PickItem(HWND combo, int index);            // select and notify the parent, as a user's pick does
bool SendCommand(HWND window, int id);           // a menu command; returns when it has been handled
bool PostCommand(HWND window, int id);           // a menu command that opens a modal box

// --- Real input --------------------------------------------------------------
// Keystrokes and clicks that go through the system's input queue, as a user's
// do (SendInput), to the window that has the focus.
// Makes Metrova the foreground window and waits until it is.
bool BringToFront(MetrovaApp* app);
// Presses and releases key, with Shift and/or Ctrl or Alt held when asked.
enum KeyModifiers { KEY_PLAIN = 0, KEY_SHIFT = 1, KEY_CTRL = 2, KEY_ALT = 4 };
bool PressKey(WORD virtualKey, int modifiers = KEY_PLAIN);
// Types text (ASCII) key by key.
bool PressKeys(const char* text);
// A left click at (x, y) of the window's client area.
bool RealClick(HWND window, int x, int y);
// Polls condition every 20 ms until it holds or timeoutMs pass; its last answer.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = DRIVER_TIMEOUT_MS);
// Gives Metrova time to handle the input sent so far (for checks that
// something did not happen): a bounded pause and a round trip.
void LetInputSettle(MetrovaApp* app);
// Waits until Metrova has taken every key, click and posted message from its
// queue (asked through the probe); false when some still wait after timeoutMs.
bool WaitForInputHandled(MetrovaApp* app, DWORD timeoutMs = DRIVER_TIMEOUT_MS);

// Picks the two units in the current category and adds the conversion to the
// favourites from the menu (a failure fails the test).
void AddFavoriteOf(const MetrovaApp& app, int fromIndex, int toIndex);

// --- Reading back ----------------------------------------------------------
// Whether the three choosers show this category and these two units.
bool Shows(const MetrovaApp& app, int category, int fromIndex, int toIndex);
// A list item as ListItems gives it, "id from ~ to", with the names of the
// two units as the unit choosers hold them.
std::string ListItemOf(const MetrovaApp& app, int id, int fromIndex, int toIndex);
// The display's DPI as the prefix gives it (96 unless a test runs at another).
int DisplayDpi();
// value * DisplayDpi() / 96, rounded to nearest, as Metrova scales its layout.
int Scaled(int value96);

int ComboSelection(HWND combo);                  // -1 when none
int ComboCount(HWND combo);
std::wstring ComboItemWide(HWND combo, int index);   // the text exactly as the chooser holds it
std::string ComboItem(HWND combo, int index);    // the same in Windows-1252
// The list of a dropped-down chooser: a top-level window of class ComboLBox
// while it shows; 0 when none shows.
HWND ShownList(const MetrovaApp& app);
int ListBoxCount(HWND list);
std::wstring ListBoxItem(HWND list, int index);  // as the list holds it, UTF-16
int ListBoxSelection(HWND list);                 // -1 when none
// A top-level dialog of Metrova's with this caption, owned by its main window;
// waits up to the driver's time-out for it to open. 0 when none opened.
HWND WaitForDialog(const MetrovaApp& app, const char* caption);

// Rows the tests pick by index: two units of "Metric Length & Distance".
const int KILOMETER = 8;
const int METER = 10;

// The pop-ups of the menu bar that hold the lists.
const int GO_MENU = 0;          // "&Go": the recent conversions below its separator
const int FAVORITES_MENU = 2;   // "&Favorites": the favourites below its separator

struct MenuEntry {
    int id;                      // -1 for a pop-up
    bool checked, separator, popup, grayed;
    std::string text;            // Windows-1252 of wideText
    std::wstring wideText;       // the text exactly as the menu holds it
    std::vector<MenuEntry> items;   // a pop-up's items
};

// Asks the probe inside Metrova; false (with *reply holding the reason) on failure.
bool ProbeQuery(MetrovaApp* app, const char* query, std::string* reply);
// The whole menu bar: its pop-ups and their items.
bool ReadMenu(MetrovaApp* app, std::vector<MenuEntry>* bar);
// "id text" of every item below the separator of pop-up popup, top to bottom:
// the recent or favourite items.
std::vector<std::string> ListItems(MetrovaApp* app, int popup);
// The texts alone of the same items, exactly as the menu holds them.
std::vector<std::wstring> ListItemTextsWide(MetrovaApp* app, int popup);
// The item with this id anywhere in the menu bar, or 0.
const MenuEntry* FindMenuItem(const std::vector<MenuEntry>& bar, int id);
// Control id of the window holding the keyboard focus inside Metrova (0: none).
int FocusedControlId(MetrovaApp* app, std::string* className = 0);
// Metrova's ANSI code page (GetACP inside it), 0 when the probe does not answer.
int MetrovaCodePage(MetrovaApp* app);

// --- The clipboard ---------------------------------------------------------
// Empties it (true when it could be opened), and its Unicode text ("" when it
// holds none).
bool EmptyTheClipboard();
std::wstring ClipboardText();

// --- Text ------------------------------------------------------------------
std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
// A catalogue name (Windows-1252 bytes) as UTF-16: what Metrova must show
// whatever the system's code page is.
std::wstring WideFrom1252(const std::string& text);
// Whether the system's 8-bit code page spells the text without a substitute.
bool SpelledByCodePage(const std::wstring& text);

// --- Settings --------------------------------------------------------------
// The application-data folder Metrova keeps its settings under when it does
// not run from a removable drive (the same prefix, so the same folder), as
// UTF-8; the helpers below reach it through the wide calls.
std::string AppDataFolder();
// <app data>\Brisklane\Metrova\metrova.ini
std::string SettingsFilePath();
// Deletes the settings file and its two folders (when empty).
void ClearSettings();
bool WriteSettingsFile(const std::string& contents);
bool ReadSettingsFile(std::string* contents);

// --- Drives -----------------------------------------------------------------
// Makes letter: a removable drive on unixFolder, or removes it when unixFolder
// is empty, through Wine's mount manager (no wineserver restart needed).
bool DefineRemovableDrive(char letter, const std::string& unixFolder);
// A drive letter from R to Y that names no drive, or 0.
char FreeDriveLetter();
// The Unix path of a Windows path under Wine, or "" elsewhere.
std::string UnixPathOf(const std::string& windowsPath);

// --- The application-data folder moved --------------------------------------
// A test may point the prefix's application-data folder (the "AppData" value
// of the user's shell folders, which Wine reads at each lookup) at a folder of
// its own, whose name begins with APP_DATA_MOVED_MARK, and put it back after.
// A value still pointing at such a folder is a killed run's leftover: the
// prefix's own default is put back instead.
extern const wchar_t APP_DATA_MOVED_MARK[];
struct AppDataMove {
    HKEY key;              // the user's shell folders, 0 until opened
    DWORD type;            // the value's type as it was
    bool hadValue;         // whether there was a value to put back
    std::wstring saved;    // the value as it was
};
// Opens the key and remembers the value; false when the key cannot be opened.
bool BeginAppDataMove(AppDataMove* move);
// A folder path in the temporary folder carrying the mark, this process's id
// and `tail`; "" when there is no temporary folder.
std::wstring MovedAppDataFolder(const std::wstring& tail);
bool MoveAppDataTo(AppDataMove* move, const std::wstring& folder);
// Puts the value back and closes the key.
void EndAppDataMove(AppDataMove* move);

// A test with a fresh Metrova on empty settings; stopped again afterwards.
// Derived fixtures may write settings in BeforeStart().
class MetrovaTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual void BeforeStart() {}
    MetrovaApp app = {};
};
