// The bound widgets the views are built from.
#include "gui/view_widgets.h"

#include "gui/bindings.h"
#include "gui/resources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace tallyman::gui {

QFont figureFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    return font;
}

namespace {

int widthFor(const QFont& font, int chars)
{
    // Room for the text plus the frame and margins of a line edit.
    return QFontMetrics(font).horizontalAdvance(QString(chars, QLatin1Char('0'))) + 14;
}

} // namespace

int figureBoxWidth(int chars) { return widthFor(figureFont(), chars); }

QLineEdit* numberBox(ui::TextBox& model, int chars)
{
    auto* edit = new QLineEdit;
    edit->setFont(figureFont());
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedWidth(widthFor(edit->font(), chars));
    bind(edit, model);
    return edit;
}

QLineEdit* textBox(ui::TextBox& model, int chars)
{
    auto* edit = new QLineEdit;
    edit->setMinimumWidth(QFontMetrics(edit->font()).averageCharWidth() * chars);
    bind(edit, model);
    return edit;
}

QLabel* caption(ui::Label& model)
{
    auto* label = new QLabel;
    bind(label, model);
    return label;
}

QLabel* figureLabel(ui::Label& model, int chars)
{
    auto* label = new QLabel;
    label->setFont(figureFont());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(widthFor(label->font(), chars));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bind(label, model);
    return label;
}

QLabel* staticText(const QString& text) { return new QLabel(text); }

QPushButton* commandButton(ui::CommandButton& model)
{
    auto* button = new QPushButton;
    button->setAutoDefault(false);
    bind(button, model);
    return button;
}

QToolButton* pictureButton(ui::CommandButton& model, const QString& iconPath, const QString& accessibleText)
{
    auto* button = new QToolButton;
    button->setIcon(builtInIcon(iconPath));
    button->setIconSize(QSize(32, 32));
    button->setAutoRaise(false);
    button->setAccessibleName(accessibleText);
    bind(button, model);
    return button;
}

QCheckBox* checkBox(ui::CheckBox& model)
{
    auto* box = new QCheckBox;
    bind(box, model);
    return box;
}

QRadioButton* optionButton(ui::OptionButton& model)
{
    auto* button = new QRadioButton;
    bind(button, model);
    return button;
}

QComboBox* comboBox(ui::ComboBox& model)
{
    auto* combo = new QComboBox;
    bind(combo, model);
    return combo;
}

QGroupBox* frame(const QString& title, ui::Control* model)
{
    auto* group = new QGroupBox(title);
    if (model)
        bind(group, *model);
    return group;
}

namespace {

// Calls its function on every change of a control while both it and the control live.
class Follower : public QObject {
public:
    Follower(QObject* owner, ui::Control& model, std::function<void(const ui::Control&)> show)
        : QObject(owner)
        , m_model(&model)
        , m_alive(model.lifetime())
        , m_show(std::move(show))
    {
        m_listener = model.listen([this] {
            if (!m_alive.expired())
                m_show(*m_model);
        });
        m_show(model);
    }
    ~Follower() override
    {
        if (!m_alive.expired())
            m_model->unlisten(m_listener);
    }

private:
    ui::Control* m_model;
    std::weak_ptr<const void> m_alive;
    std::function<void(const ui::Control&)> m_show;
    ui::Observable::ListenerId m_listener = 0;
};

QStringList linesOf(const std::string& text) { return QString::fromStdString(text).split(QLatin1Char('\n')); }

} // namespace

void follow(QObject* owner, ui::Control& model, std::function<void(const ui::Control&)> show)
{
    new Follower(owner, model, std::move(show));
}

FigureTable& FigureTable::column(ui::Label* heading, std::span<ui::TextBox> boxes, const char* name)
{
    m_columns.push_back({ heading, boxes, name });
    return *this;
}

FigureTable& FigureTable::rowCaptions(std::span<ui::Label> labels)
{
    m_rowCaptions = labels;
    return *this;
}

FigureTable& FigureTable::rowNumbers(ui::Label& lines)
{
    m_rowNumbers = &lines;
    return *this;
}

FigureTable& FigureTable::rowHeading(ui::Label& heading)
{
    m_rowHeading = &heading;
    return *this;
}

FigureTable& FigureTable::captionsFollow(ui::Control& holder)
{
    m_captionHolder = &holder;
    return *this;
}

QWidget* FigureTable::build() const
{
    auto* table = new QWidget;
    auto* grid = new QGridLayout(table);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    if (m_rowHeading) {
        auto* heading = caption(*m_rowHeading);
        heading->setWordWrap(true);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(heading, 0, 0);
    }
    std::size_t rows = 0;
    int col = 1;
    for (const auto& column : m_columns) {
        if (column.heading) {
            auto* heading = caption(*column.heading);
            heading->setWordWrap(true);
            heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            heading->setFixedWidth(widthFor(figureFont(), m_boxChars));
            // Room for the longest heading ("Multiply by Percentage in Decimal") on three lines.
            heading->setMinimumHeight(QFontMetrics(heading->font()).lineSpacing() * 3 + 2);
            grid->addWidget(heading, 0, col);
        }
        for (std::size_t row = 0; row < column.boxes.size(); ++row)
            grid->addWidget(
                named(numberBox(column.boxes[row], m_boxChars), column.name, static_cast<int>(row)),
                static_cast<int>(row) + 1, col);
        rows = std::max(rows, column.boxes.size());
        ++col;
    }

    std::vector<QLabel*> captions;
    for (std::size_t row = 0; row < rows; ++row) {
        QLabel* label
            = row < m_rowCaptions.size() ? caption(m_rowCaptions[row]) : staticText(QString::number(row + 1));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, static_cast<int>(row) + 1, 0);
        captions.push_back(label);
    }
    if (m_rowNumbers) {
        follow(table, *m_rowNumbers, [captions](const ui::Control& control) {
            const QStringList lines = linesOf(static_cast<const ui::Label&>(control).text());
            for (std::size_t row = 0; row < captions.size(); ++row) {
                const auto line = static_cast<qsizetype>(row);
                captions[row]->setText(line < lines.size() ? lines[line] : QString());
                captions[row]->setEnabled(control.enabled());
                captions[row]->setVisible(control.visible());
            }
        });
    }
    if (m_captionHolder) {
        auto* holder = m_captionHolder;
        std::span<ui::Label> own = m_rowCaptions;
        follow(table, *holder, [captions, own](const ui::Control& control) {
            for (std::size_t row = 0; row < captions.size(); ++row) {
                const bool ownVisible = row >= own.size() || own[row].visible();
                const bool ownEnabled = row >= own.size() || own[row].enabled();
                captions[row]->setVisible(control.visible() && ownVisible);
                captions[row]->setEnabled(control.enabled() && ownEnabled);
            }
        });
    }
    grid->setColumnStretch(col, 1);
    return table;
}

QGroupBox* tableFrame(ui::Label& title, ui::Label* period, QWidget* table)
{
    auto* group = new QGroupBox;
    auto* layout = new QVBoxLayout(group);
    auto* header = new QHBoxLayout;
    auto* heading = caption(title);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    header->addWidget(heading);
    header->addStretch(1);
    if (period) {
        auto* periodLabel = caption(*period);
        periodLabel->setFont(bold);
        header->addWidget(periodLabel);
    }
    layout->addLayout(header);
    layout->addWidget(table);
    layout->addStretch(1);
    return group;
}

QWidget* warningNote(ui::Label& warning, ui::Label& note)
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* warn = caption(warning);
    QFont bold = warn->font();
    bold.setBold(true);
    warn->setFont(bold);
    warn->setStyleSheet(QStringLiteral("color: #b00020;"));
    warn->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* text = caption(note);
    text->setWordWrap(true);
    layout->addWidget(warn);
    layout->addWidget(text, 1);
    return box;
}

} // namespace tallyman::gui
