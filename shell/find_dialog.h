// The Find Unit box: a query over every unit of the catalogue, the rows it
// finds, and a choice of the side the chosen unit goes to.
#pragma once
#include <windows.h>

struct FoundUnitChoice {
    int category;
    int unit;
    int side;   // BOX_FROM or BOX_TO
};

// Runs the modal box over owner; true, with the choice, when the user chose a
// unit, false when the box was cancelled.
bool RunFindUnitDialog(HWND owner, FoundUnitChoice* choice);

// The query typed into a dialog's box as the matcher takes it: Windows-1252,
// cut to FIND_QUERY_MAX bytes. query holds FIND_QUERY_MAX + 1 bytes.
void ReadQueryBox(HWND dialog, int box, char* query);
