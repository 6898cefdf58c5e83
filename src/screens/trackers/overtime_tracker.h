// The overtime tracker (Form2, "OverTime Percentage"): the overtime of the past pay periods
// against an approved percentage of the annual salary.
#pragma once

#include "platform/controls.h"
#include "trackers/overtime_record.h"

#include <optional>
#include <string>

namespace tallyman {

class App;

inline constexpr int TrackerRowsShownFirstBlock = 26; // rows 0..25; the second block is 26..52
inline constexpr int TrackerWidthWeekly = 7725; // twips
inline constexpr int TrackerWidthBiWeekly = 5055;

class OvertimeTrackerScreen : public ui::Screen {
public:
    explicit OvertimeTrackerScreen(App& app);

    ui::TextBox txtAnnual; // "Annual Salary"
    ui::TextBox txtApPercent; // "Enter Your Approved Percentage"
    ui::Label lbEarned; // "OverTime Earned"
    ui::TextBox txtPercent; // "You are at"
    ui::Label lbMax; // "Max. allowable amount at approved percentage "
    ui::Label lbAvail; // "Available overtime left"
    ui::Label lbWk; // the main window's week ending
    ui::Label lb_OT; // the main window's overtime pay of the period
    ui::ControlArray<ui::TextBox, 53> Text1; // week endings
    ui::ControlArray<ui::TextBox, 53> txtOT; // "O.T. Only"
    ui::Control Frame2; // the second block: rows 27 to 53 and their headings
    ui::CommandButton cmdADD, cmdAdvance, cmdUndo, cmdPrint, cmdClose;

    // The window's width in twips: the second block shown (weekly) or not.
    int width() const { return m_width; }

    void load();
    // The record into the boxes; a salary of 0 shows as the starting salary.
    void FillInOT();
    // New: empty rows, no percentage, the new user's salary; record and boxes alike.
    void ClearAll();
    // TOTAL. False when nothing was computed (the message says why).
    bool cmdADD_Click();
    // TOTAL as the window runs it when it is shown: no message, and the files are written only
    // when the figures changed.
    void totalOnShow();
    void cmdAdvance_Click();
    void cmdUndo_Click();
    void cmdPrint_Click();
    // Back: the rows into the record, SaveOT, close.
    void cmdClose_Click();
    void Text1_KeyDown(int row, int key);
    void txtOT_KeyDown(int row, int key);
    // The week-ending date picker of a row.
    void Text1_Click(int row);

    // Weekly shows both blocks; bi-weekly only the first 26 rows.
    void showPayFrequency(bool weekly);
    // What SaveOT takes from the screen: every row of the range (an empty O.T. box gets "0"),
    // and the numeric values of the salary and percentage boxes.
    void takeIntoRecord();

private:
    // Rows 0..52 weekly, 0..26 bi-weekly.
    int rowsUsed() const;
    // The last row a key may move to: bi-weekly's row 27 is kept but never shown.
    int lastShownRow() const;
    void moveInColumn(ui::ControlArray<ui::TextBox, 53>& column, int row, int key);
    void copyRowsIntoRecord();
    void showFigures();
    // TOTAL's arithmetic from the boxes into `figures`. Nothing when done; otherwise why not
    // (empty: the "Attention" case of a missing salary or percentage).
    std::optional<std::string> workOut(OvertimeTracker& figures) const;
    bool total(bool quiet);

    App& m_app;
    int m_width = TrackerWidthWeekly;
};

} // namespace tallyman
