// Keeps widgets and their screen-model controls in step both ways: the model's state shows in
// the widget, the person's input reaches the model and its handlers.
#pragma once

namespace tallyman::ui {
class Control;
class TextBox;
class Label;
class CheckBox;
class OptionButton;
class ComboBox;
class CommandButton;
class Screen;
} // namespace tallyman::ui

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tallyman::gui {

// Every binding lives as long as its widget. A model may go first: the widget then stops
// forwarding. Visible, enabled and tooltip follow the model; a focus request of the model
// moves the real focus to the widget.
//
// Captions: a label's text always follows the model. Buttons, check boxes, option buttons,
// frames and window titles follow the model's caption once it has one, so a view may give
// them their text itself.

// Text both ways; typed keys pass the model's key filter; getting the focus selects as the
// model says (the whole text); Enter and the arrow keys go to the model's onKeyDown; a click runs
// the model's onClick.
void bind(QLineEdit* widget, ui::TextBox& model);
// Text from the model; left and right clicks to the model.
void bind(QLabel* widget, ui::Label& model);
// Value both ways; a person's toggle sets the value, which runs the model's onClick; the press
// of the mouse button runs onMouseDown first.
void bind(QCheckBox* widget, ui::CheckBox& model);
// Selection both ways; the model's group, not Qt, makes the buttons exclusive.
void bind(QRadioButton* widget, ui::OptionButton& model);
// Items from the model, text both ways (typed text too when the box is editable).
void bind(QComboBox* widget, ui::ComboBox& model);
// A click runs the model's click.
void bind(QAbstractButton* widget, ui::CommandButton& model);
// A menu item: triggering it runs the model's click.
void bind(QAction* action, ui::CommandButton& model);
// A frame: title, visible and enabled.
void bind(QGroupBox* widget, ui::Control& model);
// A window: title, shown, the close box as a close request the model decides on, activation
// and clicks on an empty spot. Also registers the window for printing its picture.
void bind(QWidget* window, ui::Screen& model);

} // namespace tallyman::gui
