// The main window's result figures, declared once: the label that shows each, the caption
// beside it, its JSON key and its record in a saved period. The window, its view, calc,
// period show and Save/Get Pay Period read this table.
#pragma once

#include "screens/main_window.h"
#include "trackers/saved_period.h"

#include <optional>
#include <span>
#include <string>

namespace tallyman {

struct CalcLabels;

// The sections of calc's printout, in the order it prints them.
enum class ResultGroup { Earnings, Withheld, Totals };

// Where the window shows a figure: the Results frame's first and second columns, and the
// Taxes/Deductions frame's taxes and deductions columns. Each fills its column top down.
enum class ResultColumn { Results, ResultsSide, Taxes, Deductions };

struct ResultField {
    // The label's control name, the key of calc's and period show's JSON. The elements of
    // lbTaxDed share their key and are written as one array.
    const char* key;
    // The label and the calculation's text for it; both null for an element of lbTaxDed.
    ui::Label MainWindow::*label;
    std::string CalcLabels::*calculated;
    std::size_t element; // the index in lbTaxDed when label is null
    // The lbTaxTag index of the caption beside it; -1 where the window shows a fixed text.
    int tag;
    const char* caption; // as the window starts (User Info names the five deductions)
    std::optional<SavedRecord> record;
    ResultGroup group;
    ResultColumn column;
};

// In the order of the saved records; calc's JSON keeps this order.
std::span<const ResultField> resultFields();

ui::Label& resultLabel(MainWindow& window, const ResultField& field);
const ui::Label& resultLabel(const MainWindow& window, const ResultField& field);
// The caption the window shows beside the figure now.
std::string resultCaption(const MainWindow& window, const ResultField& field);
const std::string& calculatedText(const CalcLabels& labels, const ResultField& field);

} // namespace tallyman
