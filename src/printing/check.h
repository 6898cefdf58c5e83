// The check with its two stubs, printed on check paper shifted by the printer offsets, and the
// alignment test page that helps choose those offsets.
#pragma once

#include "platform/printer.h"
#include "printing/period_figures.h"

#include <string>

namespace tallyman::printing {

// The check writer's texts as they stand, and the words kept from its last refresh.
struct CheckTexts {
    std::string txtCheckDate, txtPayTo, txtCheckAmt, txtMemo;
    std::string txtUserName, txtUserAddress, txtUserState, txtUserSSnum;
    std::string words; // the amount in words, not the words field's text
};

// Whole columns to the right, and the top margin in lines: the vertical offset plus 3, rounded
// after the addition (half to even) as the offset dialog gives them.
struct CheckOffsets {
    int horizontal = 0;
    int marginLines = 3;
};

struct CheckFigures {
    PeriodFigures period;
    CheckTexts check;
    CheckOffsets offsets;
};

// Blank lines above the check's date line: one more than the margin, none below zero.
int linesAboveCheck(int marginLines);

// The check in Arial 11, then the two stubs in Arial 8; ends the document. No printer dialog.
bool PrintCheck(ui::Printer& printer, const CheckFigures& figures);

// The check's fields as labelled boxes at the offsets, with column numbers every ten columns
// and line numbers down the left side, for holding behind a blank check.
bool PrintTestPage(ui::Printer& printer, const CheckOffsets& offsets);

} // namespace tallyman::printing
