// The hand cursor's two bit planes: an upright hand, index finger up, black
// outline and white inside.
#include "widgets/hand_cursor.h"

#define ROW(a, b, c, d) 0x##a, 0x##b, 0x##c, 0x##d
#define EMPTY_AND ROW(FF, FF, FF, FF)
#define EMPTY_XOR ROW(00, 00, 00, 00)

const BYTE HandCursorAndPlane[HAND_CURSOR_SIZE * HAND_CURSOR_SIZE / 8] = {
    ROW(F9, FF, FF, FF), ROW(F0, FF, FF, FF), ROW(F0, FF, FF, FF), ROW(F0, FF, FF, FF),  //  0
    ROW(F0, FF, FF, FF), ROW(F0, 3F, FF, FF), ROW(F0, 07, FF, FF), ROW(F0, 01, FF, FF),  //  4
    ROW(F0, 00, FF, FF), ROW(10, 00, 7F, FF), ROW(00, 00, 7F, FF), ROW(00, 00, 7F, FF),  //  8
    ROW(80, 00, 7F, FF), ROW(C0, 00, 7F, FF), ROW(C0, 00, 7F, FF), ROW(E0, 00, 7F, FF),  // 12
    ROW(E0, 00, FF, FF), ROW(F0, 00, FF, FF), ROW(F0, 00, FF, FF), ROW(F8, 01, FF, FF),  // 16
    ROW(F8, 01, FF, FF), ROW(F8, 01, FF, FF), EMPTY_AND, EMPTY_AND,                      // 20
    EMPTY_AND, EMPTY_AND, EMPTY_AND, EMPTY_AND, EMPTY_AND, EMPTY_AND, EMPTY_AND, EMPTY_AND,  // 24
};

const BYTE HandCursorXorPlane[HAND_CURSOR_SIZE * HAND_CURSOR_SIZE / 8] = {
    ROW(00, 00, 00, 00), ROW(06, 00, 00, 00), ROW(06, 00, 00, 00), ROW(06, 00, 00, 00),  //  0
    ROW(06, 00, 00, 00), ROW(06, 00, 00, 00), ROW(06, C0, 00, 00), ROW(06, D8, 00, 00),  //  4
    ROW(06, DA, 00, 00), ROW(06, DB, 00, 00), ROW(67, FB, 00, 00), ROW(77, FF, 00, 00),  //  8
    ROW(37, FF, 00, 00), ROW(17, FF, 00, 00), ROW(1F, FF, 00, 00), ROW(0F, FF, 00, 00),  // 12
    ROW(0F, FE, 00, 00), ROW(07, FE, 00, 00), ROW(07, FE, 00, 00), ROW(03, FC, 00, 00),  // 16
    ROW(03, FC, 00, 00), ROW(00, 00, 00, 00), EMPTY_XOR, EMPTY_XOR,                      // 20
    EMPTY_XOR, EMPTY_XOR, EMPTY_XOR, EMPTY_XOR, EMPTY_XOR, EMPTY_XOR, EMPTY_XOR, EMPTY_XOR,  // 24
};

HCURSOR CreateHandCursor()
{
    return CreateCursor(GetModuleHandleA(0), HAND_CURSOR_HOTSPOT_X, HAND_CURSOR_HOTSPOT_Y,
                        HAND_CURSOR_SIZE, HAND_CURSOR_SIZE, HandCursorAndPlane, HandCursorXorPlane);
}
