// Widgets the views build from model controls: bound, with the program's look for figures.
#pragma once

#include "platform/controls.h"

#include <QFont>
#include <QString>

#include <functional>
#include <span>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

namespace tallyman::gui {

// Names the widget after the control it shows ("txtAmount_3" for txtAmount(3)), so tests and
// accessibility tools can find it.
template <typename W> W* named(W* widget, const char* name, int index = -1)
{
    widget->setObjectName(index < 0 ? QString::fromLatin1(name)
                                    : QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index));
    return widget;
}

// Figures line up when every digit has the same width.
QFont figureFont();

// The width of a number box for `chars` figures.
int figureBoxWidth(int chars);
// An entry box for a number: right-aligned figures, wide enough for `chars` characters.
QLineEdit* numberBox(ui::TextBox& model, int chars = 9);
// An entry box for free text.
QLineEdit* textBox(ui::TextBox& model, int chars = 24);
QLabel* caption(ui::Label& model);
// A label that shows a computed amount: right-aligned figures on a sunken field.
QLabel* figureLabel(ui::Label& model, int chars = 12);
// A fixed text of the view itself.
QLabel* staticText(const QString& text);
QPushButton* commandButton(ui::CommandButton& model);
// A button showing only a picture; the model's tooltip names it.
QToolButton* pictureButton(ui::CommandButton& model, const QString& iconPath, const QString& accessibleText);
QCheckBox* checkBox(ui::CheckBox& model);
QRadioButton* optionButton(ui::OptionButton& model);
// A list that offers its items only.
QComboBox* comboBox(ui::ComboBox& model);

// A frame with a title; `model` (when given) may hide, disable or retitle it.
QGroupBox* frame(const QString& title, ui::Control* model = nullptr);

// Runs `show` with the control now and after every change of it, for as long as `owner`
// lives; a control that goes first is no longer asked.
void follow(QObject* owner, ui::Control& model, std::function<void(const ui::Control&)> show);

// A table of number boxes: a heading row, then one row per box with a row caption on the left.
class FigureTable {
public:
    explicit FigureTable(int boxChars = 9)
        : m_boxChars(boxChars)
    { }
    // A column of boxes named `name`_0, `name`_1, ...
    FigureTable& column(ui::Label* heading, std::span<ui::TextBox> boxes, const char* name);
    // One caption label per row.
    FigureTable& rowCaptions(std::span<ui::Label> labels);
    // The row numbers as the lines of one label ("1\n2\n...").
    FigureTable& rowNumbers(ui::Label& lines);
    // A heading over the row captions.
    FigureTable& rowHeading(ui::Label& heading);
    // The row captions take the visible and enabled state of this control as well.
    FigureTable& captionsFollow(ui::Control& holder);
    // Without captions or numbers the rows are numbered 1, 2, ...
    QWidget* build() const;

private:
    struct Column {
        ui::Label* heading;
        std::span<ui::TextBox> boxes;
        const char* name;
    };
    int m_boxChars;
    std::vector<Column> m_columns;
    std::span<ui::Label> m_rowCaptions;
    ui::Label* m_rowNumbers = nullptr;
    ui::Label* m_rowHeading = nullptr;
    ui::Control* m_captionHolder = nullptr;
};

// A frame around a figure table, headed by the table's title (bold) and its pay period.
QGroupBox* tableFrame(ui::Label& title, ui::Label* period, QWidget* table);

// The fixed warning of the tax dialogs: the bold "WARNING!" and the note beside it.
QWidget* warningNote(ui::Label& warning, ui::Label& note);

} // namespace tallyman::gui
