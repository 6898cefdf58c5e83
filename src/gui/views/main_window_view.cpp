// Layout of the main window: hours on the left with the CLEAR and ADD buttons under them,
// results and the taxes and deductions on the right, the federal table in the status bar.
#include "gui/views/main_window_view.h"

#include "gui/bindings.h"
#include "gui/resources.h"
#include "gui/view_widgets.h"
#include "screens/main_window.h"
#include "screens/result_fields.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

namespace tallyman::gui {

namespace {

// Texts the window shows beside the model's controls.
struct HoursRow {
    const char* label;
    const char* toolTip;
};
constexpr std::array<HoursRow, 8> HoursRows { {
    { "STRAIGHT TIME HOURS 1", "Pay rate 1" },
    { "STRAIGHT TIME HOURS 2", "Pay rate 2" },
    { "O.T.", "" },
    { "O.T. TIME AND 1/2 (1.5X)", "" },
    { "HOLIDAY IN HOURS", "" },
    { "VACATION - SICK, IN HOURS", "" },
    { "PAY IN DOLLAR AMOUNT", "Use Dollar amount" },
    { "TIPS (Hours)", "Use Dollar amount" },
} };

// A label that opens the week-ending picker when clicked, as the date box does.
class ClickForwarder : public QObject {
public:
    ClickForwarder(QWidget* widget, ui::TextBox& target)
        : QObject(widget)
        , m_target(&target)
        , m_alive(target.lifetime())
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease && !m_alive.expired()
            && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_target->click();
        return false;
    }

private:
    ui::TextBox* m_target;
    std::weak_ptr<const void> m_alive;
};

QLabel* tagLabel(ui::Label& model)
{
    auto* tag = caption(model);
    tag->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return tag;
}

QFont emphasised(QFont font, double scale = 1.0)
{
    font.setBold(true);
    if (scale != 1.0)
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

} // namespace

MainWindowView::MainWindowView(MainWindow& m, QWidget* parent)
    : QMainWindow(parent)
    , m_model(m)
    , m_alive(m.lifetime())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(builtInIcon(QStringLiteral(":/icons/tallyman.png")));

    // ---- Menus ----
    auto* file = menuBar()->addMenu(QStringLiteral("File"));
    const auto item = [](QMenu* menu, ui::CommandButton& command, const char* name) {
        auto* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        bind(action, command);
        return action;
    };
    item(file, m.mnuNew, "mnuNew")->setShortcut(QKeySequence::New);
    item(file, m.mnuOpen, "mnuOpen")->setShortcut(QKeySequence::Open);
    item(file, m.mnuSave, "mnuSave")->setShortcut(QKeySequence::Save);
    file->addSeparator();
    item(file, m.mnuChecks, "mnuChecks");
    item(file, m.mnuPrintSheetItem, "mnuPrintSheetItem")->setShortcut(QKeySequence::Print);
    item(file, m.mnuPrintItem, "mnuPrintItem");
    item(file, m.mnuClearIitem, "mnuClearIitem");
    file->addSeparator();
    item(file, m.mnuExitItem, "mnuExitItem");
    auto* forms = menuBar()->addMenu(QStringLiteral("Forms"));
    forms->setObjectName(QStringLiteral("mnuForms"));
    item(forms, m.mnuVac, "mnuVac");
    item(forms, m.mnuOtItem, "mnuOtItem");
    item(forms, m.mnuYear, "mnuYear");
    forms->addSeparator();
    item(forms, m.mnuStub, "mnuStub");
    auto* options = menuBar()->addMenu(QStringLiteral("Options"));
    item(options, m.mnuHeader, "mnuHeader");
    item(options, m.mnuTaxInfoItem, "mnuTaxInfoItem");
    options->addSeparator();
    item(options, m.mnuState, "mnuState");
    item(options, m.mnuCity, "mnuCity");
    item(options, m.mnuNonCity, "mnuNonCity");
    options->addSeparator();
    item(options, m.mnuFedTable, "mnuFedTable");
    auto* help = menuBar()->addMenu(QStringLiteral("Help"));
    item(help, m.mnuHelpItem, "mnuHelpItem")->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    item(help, m.mnuAboutItem, "mnuAboutItem");

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);

    // ---- Heading: product, user and tables in use ----
    auto* heading = new QHBoxLayout;
    auto* product = staticText(QStringLiteral("Tallyman"));
    product->setFont(emphasised(product->font(), 1.6));
    product->setStyleSheet(QStringLiteral("color: #1f4f8f;"));
    heading->addWidget(product);
    heading->addStretch(1);
    auto* userCaption = staticText(QStringLiteral("User:"));
    heading->addWidget(userCaption);
    auto* user = named(caption(m.lbUser), "lbUser");
    user->setFont(emphasised(user->font()));
    heading->addWidget(user);
    heading->addSpacing(16);
    auto* notice = named(caption(m.lbTableNotice), "lbTableNotice");
    notice->setStyleSheet(QStringLiteral("color: #2e6b34;"));
    heading->addWidget(notice);
    layout->addLayout(heading);

    auto* choices = new QHBoxLayout;
    choices->addWidget(named(checkBox(m.ckFedJan), "ckFedJan"));
    choices->addWidget(named(checkBox(m.ckLouisPrior), "ckLouisPrior"));
    choices->addStretch(1);
    layout->addLayout(choices);

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    layout->addLayout(body, 1);

    // ---- Hours ----
    auto* hours = frame(QStringLiteral("Hours"));
    auto* hoursGrid = new QGridLayout(hours);
    for (std::size_t i = 0; i < HoursRows.size(); ++i) {
        const int row = static_cast<int>(i);
        auto* label = staticText(QString::fromLatin1(HoursRows[i].label));
        label->setToolTip(QString::fromLatin1(HoursRows[i].toolTip));
        if (i == 2) {
            // O.T. with its multiplier choice beside it.
            auto* ot = new QHBoxLayout;
            ot->addWidget(label);
            ot->addWidget(named(optionButton(m.opt1x), "opt1x"));
            ot->addWidget(named(optionButton(m.opt2x), "opt2x"));
            ot->addStretch(1);
            hoursGrid->addLayout(ot, row, 0);
        } else {
            hoursGrid->addWidget(label, row, 0);
        }
        auto* box = named(numberBox(m.txtAmount[i], 10), "txtAmount", row);
        label->setBuddy(box);
        hoursGrid->addWidget(box, row, 1);
    }
    auto* weekLabel = staticText(QStringLiteral("WEEK ENDING:"));
    weekLabel->setToolTip(QStringLiteral("Click for Date change"));
    new ClickForwarder(weekLabel, m.txtWeek);
    hoursGrid->addWidget(weekLabel, static_cast<int>(HoursRows.size()), 0);
    auto* week = named(textBox(m.txtWeek, 10), "txtWeek");
    week->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    week->setFont(figureFont());
    week->setFixedWidth(figureBoxWidth(10)); // the column of the hours
    hoursGrid->addWidget(week, static_cast<int>(HoursRows.size()), 1);
    left->addWidget(hours);

    auto* commands = frame(QString());
    auto* commandRow = new QHBoxLayout(commands);
    for (auto [command, icon] :
        { std::pair { &m.cmdClear, ":/icons/clear.png" }, std::pair { &m.cmdCal, ":/icons/add.png" } }) {
        auto* button = named(
            pictureButton(*command, QString::fromLatin1(icon), QString::fromStdString(command->caption())),
            command == &m.cmdCal ? "cmdCal" : "cmdClear");
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setMinimumWidth(88);
        commandRow->addWidget(button);
    }
    // The printer picture of the desktop's icon theme; its caption shows where there is none.
    auto* print = named(pictureButton(m.cmdPrint, QString(), QStringLiteral("Print")), "cmdPrint");
    print->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    print->setToolButtonStyle(print->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);
    commandRow->addWidget(print);
    auto* year = named(commandButton(m.cmdYear), "cmdYear");
    year->setText(QStringLiteral("Year to Date"));
    commandRow->addWidget(year);
    commandRow->addWidget(named(commandButton(m.cmdStub), "cmdStub"));
    left->addWidget(commands);

    // ---- Saved pay periods and the trackers ----
    auto* periods = new QGridLayout;
    periods->addWidget(named(commandButton(m.cmdSavePrev), "cmdSavePrev"), 0, 0);
    periods->addWidget(named(commandButton(m.cmdPeriod), "cmdPeriod"), 0, 1);
    periods->addWidget(named(commandButton(m.cmdOT), "cmdOT"), 1, 0);
    periods->addWidget(named(commandButton(m.Command1), "Command1"), 1, 1);
    left->addLayout(periods);
    left->addStretch(1);

    // ---- Results, and Taxes/Deductions: taxes on the left, deductions on the right ----
    auto* results = frame(QStringLiteral("Results"));
    auto* resultsGrid = new QGridLayout(results);
    auto* taxes = frame(QStringLiteral("Taxes/Deductions"));
    auto* taxGrid = new QGridLayout(taxes);
    // The columns of figures in the order of ResultColumn: the grid, the grid column of the
    // captions (the figures go in the next), the figures' width in characters, and whether the
    // captions are named after their lbTaxTag.
    struct FigureColumn {
        QGridLayout* grid;
        int gridColumn;
        int chars;
        bool namedTags;
    };
    const std::array<FigureColumn, 4> columns { {
        { resultsGrid, 0, 14, false },
        { resultsGrid, 3, 12, false },
        { taxGrid, 0, 11, true },
        { taxGrid, 3, 11, true },
    } };
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const FigureColumn& column = columns[c];
        int row = 0;
        for (const ResultField& field : resultFields()) {
            if (static_cast<std::size_t>(field.column) != c)
                continue;
            QLabel* tag = field.tag < 0 ? staticText(QString::fromLatin1(field.caption))
                                        : tagLabel(m.lbTaxTag[static_cast<std::size_t>(field.tag)]);
            if (column.namedTags && field.tag >= 0)
                named(tag, "lbTaxTag", field.tag);
            auto* amount = named(figureLabel(resultLabel(m, field), column.chars), field.key,
                field.label ? -1 : static_cast<int>(field.element));
            if (field.label == &MainWindow::lbNet) {
                tag->setFont(emphasised(tag->font()));
                amount->setFont(emphasised(amount->font(), 1.25));
            }
            column.grid->addWidget(tag, row, column.gridColumn);
            column.grid->addWidget(amount, row, column.gridColumn + 1);
            ++row;
        }
    }
    for (QGridLayout* grid : { resultsGrid, taxGrid }) {
        grid->setColumnMinimumWidth(2, 16);
        grid->setColumnStretch(5, 1);
    }
    right->addWidget(results);
    right->addWidget(taxes);
    right->addStretch(1);

    setCentralWidget(central);

    // ---- Federal table in use ----
    auto* fedCaption = caption(m.Label7);
    statusBar()->addWidget(fedCaption);
    auto* version = named(caption(m.lbTaxVer), "lbTaxVer");
    version->setIndent(12);
    statusBar()->addWidget(version, 1);
    statusBar()->setSizeGripEnabled(false);

    bind(this, m);
}

void MainWindowView::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The person starts by typing the first hours.
    if (!m_alive.expired())
        m_model.txtAmount[0].setFocus();
}

} // namespace tallyman::gui
