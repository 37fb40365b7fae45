// The "Fractions" pop-up of the Options menu: "Off" and 1/2 .. 1/64, one
// check mark at a time. The answers themselves are laid out in core.
#include "core/conversion_state.h"
#include "core/convert_text.h"
#include "res/resource.h"
#include "shell/shell.h"

// Item k of the pop-up stands for the denominator 2^k; item 0 is "Off".
static int ItemDenominator(int item)
{
    return item == 0 ? 0 : 1 << item;
}

void UpdateFractionChecks(HWND window)
{
    for (int id = IDM_FRACTIONS_FIRST; id <= IDM_FRACTIONS_LAST; ++id) {
        const bool checked = ItemDenominator(id - IDM_FRACTIONS_FIRST) == AnswerDenominator();
        CheckMenuItem(GetMenu(window), UINT(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

bool OnFractionsCommand(HWND window, WPARAM id)
{
    if (id < IDM_FRACTIONS_FIRST || id > IDM_FRACTIONS_LAST) return false;
    SetAnswerDenominator(ItemDenominator(int(id) - IDM_FRACTIONS_FIRST));
    UpdateFractionChecks(window);
    Recompute(Conversion.ActiveSide);
    return true;
}
