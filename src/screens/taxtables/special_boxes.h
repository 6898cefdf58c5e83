// The state dialog's side of each special state: its box, where the dialog shows it, its preset
// and what a press on it does besides.
#pragma once

#include "engine/states/special_states.h"
#include "screens/taxtables/state_dialog.h"

#include <string>

namespace tallyman {

// What a press on a special-state box does to Round State.
enum class RoundState { Off, On, LeftToPreset };

struct SpecialBox {
    const SpecialState& state;
    ui::CheckBox StateDialog::*box;
    int place; // where the dialog shows the box, in reading order
    void (StateDialog::*preset)(); // nullptr: the state changes no field
    // What a press does besides unchecking the other boxes and running the preset:
    bool offersSpouse = false; // Spouse Works shown as it stands (else unchecked and hidden)
    RoundState roundOff = RoundState::Off;
    bool showsBiweeklyLabels = true; // the BIWEEKLY labels shown (Iowa's preset hides them)
    bool dropsLouisiana = false; // the record's Louisiana flag off at once
};

// Row i belongs to row i of SpecialStates, so the presets run in the same order as the formulas.
// Two lines a row read better here than one line a member.
// clang-format off
inline constexpr std::array SpecialBoxes {
    SpecialBox { .state = specialState(&StateTaxSettings::Ariz), .box = &StateDialog::ckAriz, .place = 0,
        .preset = nullptr },
    SpecialBox { .state = specialState(&StateTaxSettings::Louis), .box = &StateDialog::ckLouis, .place = 1,
        .preset = &StateDialog::LouisianaSet },
    SpecialBox { .state = specialState(&StateTaxSettings::Iowa), .box = &StateDialog::ckIowa, .place = 2,
        .preset = &StateDialog::IowaSet, .roundOff = RoundState::LeftToPreset, .showsBiweeklyLabels = false },
    SpecialBox { .state = specialState(&StateTaxSettings::Missouri), .box = &StateDialog::ckMissouri,
        .place = 3, .preset = &StateDialog::MissouriSet, .offersSpouse = true,
        .roundOff = RoundState::LeftToPreset },
    SpecialBox { .state = specialState(&StateTaxSettings::Mass), .box = &StateDialog::ckMass, .place = 6,
        .preset = &StateDialog::MassSet },
    SpecialBox { .state = specialState(&StateTaxSettings::Oregon), .box = &StateDialog::ckOregon, .place = 7,
        .preset = &StateDialog::OregonSet },
    SpecialBox { .state = specialState(&StateTaxSettings::Utah), .box = &StateDialog::ckUtah, .place = 4,
        .preset = &StateDialog::UtahSet, .offersSpouse = true },
    SpecialBox { .state = specialState(&StateTaxSettings::Alabama), .box = &StateDialog::ckAlabama,
        .place = 5, .preset = &StateDialog::AlabamaSet },
    SpecialBox { .state = specialState(&StateTaxSettings::Kentucky), .box = &StateDialog::ckKentucky,
        .place = 8, .preset = &StateDialog::KentuckySet },
    SpecialBox { .state = specialState(&StateTaxSettings::Wiscon), .box = &StateDialog::ckWiscon,
        .place = 11, .preset = &StateDialog::WisconsinSet, .dropsLouisiana = true },
    SpecialBox { .state = specialState(&StateTaxSettings::WisconApril), .box = &StateDialog::ckWisconApril,
        .place = 10, .preset = &StateDialog::WisconsinAprilSet, .dropsLouisiana = true },
    SpecialBox { .state = specialState(&StateTaxSettings::NC), .box = &StateDialog::ckNC, .place = 9,
        .preset = &StateDialog::NCSet, .roundOff = RoundState::On, .dropsLouisiana = true },
};
// clang-format on

constexpr bool boxesFollowTheStates()
{
    if (SpecialBoxes.size() != SpecialStates.size())
        return false;
    for (std::size_t i = 0; i < SpecialBoxes.size(); ++i) {
        if (&SpecialBoxes[i].state != &SpecialStates[i])
            return false;
        std::size_t atPlace = 0;
        for (const SpecialBox& row : SpecialBoxes)
            atPlace += row.place == static_cast<int>(i) ? 1 : 0;
        if (atPlace != 1)
            return false;
    }
    return true;
}
static_assert(boxesFollowTheStates(),
    "SpecialBoxes has the rows of SpecialStates in their order, and one box at each place");

// The row of a box.
constexpr const SpecialBox& specialBox(ui::CheckBox StateDialog::*box)
{
    for (const SpecialBox& row : SpecialBoxes)
        if (row.box == box)
            return row;
    throw "not a special-state box";
}

// The row of a state.
inline const SpecialBox& specialBox(const SpecialState& state)
{
    return SpecialBoxes[static_cast<std::size_t>(&state - SpecialStates.data())];
}

// A special-state box is named after its flag: ckAriz.
inline std::string controlName(const SpecialBox& row) { return std::string("ck") + row.state.field; }

} // namespace tallyman
