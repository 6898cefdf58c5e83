// The ledger window's layout: menu bar, the two blocks of the grid in one table, the totals.
#include "gui/views/ledger_window_view.h"

#include "gui/bindings.h"
#include "gui/qt_text.h"
#include "gui/view_widgets.h"
#include "screens/ledger/ledger_window.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace tallyman::gui {

namespace {

constexpr int WeekColumn = 0; // the table's first column holds the week numbers
const QColor LightGrey(224, 224, 224);

// Rows of the table: the upper block and its paste hint, then (weekly) the lower block's
// header line and the lower block, whose hint stands under the table.
constexpr int UpperHintRow = LedgerUpperBlockRows;
constexpr int LowerHeaderRow = UpperHintRow + 1;
const char* const NumericEditor = "tallymanNumericCell";

ui::TextBox* editableCell(LedgerWindow& model, int row, int column)
{
    if (!LedgerWindow::editable(column))
        return nullptr;
    return static_cast<ui::TextBox*>(&model.cell(row, column));
}

// Typing in a Net or Gross cell goes through the model's key filter, as in a bound box.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(LedgerWindow& model, LedgerTableModel& table, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_model(model)
        , m_table(table)
    { }
    QWidget* createEditor(
        QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        const int row = m_table.gridRow(index.row());
        const ui::TextBox* box = row < 0 ? nullptr : editableCell(m_model, row, index.column() - 1);
        // The view filters every editor's events through the delegate: only the Net and Gross
        // editors are marked for the key filter, a Tips cell takes any text.
        editor->setProperty(NumericEditor, box && box->numeric());
        return editor;
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && watched->property(NumericEditor).toBool()) {
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            if (!typed.isEmpty() && typed.at(0).isPrint() && !m_numeric.acceptsKey(typed.at(0).unicode()))
                return true; // dropped, as the window's key filter drops it
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

private:
    LedgerWindow& m_model;
    LedgerTableModel& m_table;
    ui::TextBox m_numeric = [] {
        ui::TextBox filter;
        filter.setNumeric(true);
        return filter;
    }();
};

} // namespace

LedgerTableModel::LedgerTableModel(LedgerWindow& model, QObject* parent)
    : QAbstractTableModel(parent)
    , m_model(model)
    , m_alive(model.lifetime())
{
    // Any cell the model changes is shown again.
    for (int r = 0; r < LedgerGridRows; ++r)
        for (int c = 0; c < LedgerGridColumns; ++c)
            m_model.cell(r, c).listen([this] {
                if (!m_alive.expired())
                    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
            });
}

int LedgerTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || m_alive.expired())
        return 0;
    // Weekly: both blocks with the hint and the lower header line between them; bi-weekly:
    // the upper block and its hint.
    return m_model.visibleRows() == LedgerGridRows ? LedgerGridRows + 2 : LedgerUpperBlockRows + 1;
}

int LedgerTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LedgerGridColumns + 1;
}

int LedgerTableModel::gridRow(int tableRow) const
{
    if (tableRow < UpperHintRow)
        return tableRow;
    if (tableRow <= LowerHeaderRow)
        return -1;
    return tableRow - 2;
}

int LedgerTableModel::hintRow() { return UpperHintRow; }

QVariant LedgerTableModel::data(const QModelIndex& index, int role) const
{
    if (m_alive.expired() || !index.isValid())
        return {};
    const int row = gridRow(index.row());
    const int column = index.column() - 1;
    if (index.row() == UpperHintRow) {
        const ui::Label& hint = m_model.lbHint[0];
        if (role == Qt::DisplayRole && index.column() == WeekColumn && hint.visible())
            return qt(hint.caption());
        return {};
    }
    if (row < 0) {
        // The lower block's header line.
        if (role == Qt::DisplayRole && column >= 0)
            return qt(m_model.lbHeader[1][static_cast<std::size_t>(column)].caption());
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    if (index.column() == WeekColumn) {
        const ui::Label& week = m_model.Label2[static_cast<std::size_t>(row)];
        switch (role) {
        case Qt::DisplayRole:
            return qt(week.caption());
        case Qt::ToolTipRole:
            return qt(week.toolTip());
        case Qt::BackgroundRole:
            return row % 2 == 1 ? QVariant(LightGrey) : QVariant(QColor(Qt::white));
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        default:
            return {};
        }
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return qt(m_model.cellText(row, column));
    if (role == Qt::TextAlignmentRole)
        return int((column == ColDate ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return {};
}

bool LedgerTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (m_alive.expired() || role != Qt::EditRole)
        return false;
    const int row = gridRow(index.row());
    if (row < 0)
        return false;
    ui::TextBox* box = editableCell(m_model, row, index.column() - 1);
    if (!box)
        return false;
    box->setText(str(value.toString()));
    return true;
}

QVariant LedgerTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (m_alive.expired() || orientation != Qt::Horizontal || role != Qt::DisplayRole
        || section == WeekColumn)
        return {};
    return qt(m_model.lbHeader[0][static_cast<std::size_t>(section - 1)].caption());
}

Qt::ItemFlags LedgerTableModel::flags(const QModelIndex& index) const
{
    const int row = gridRow(index.row());
    if (row < 0 || m_alive.expired())
        return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() > WeekColumn && LedgerWindow::editable(index.column() - 1))
        flags |= Qt::ItemIsEditable;
    return flags;
}

namespace {

// Clicks on the week numbers: left pastes, right deletes the row.
class WeekClicks : public QObject {
public:
    WeekClicks(QTableView* view, LedgerWindow& model, LedgerTableModel& table)
        : QObject(view)
        , m_view(view)
        , m_model(model)
        , m_table(table)
        , m_alive(model.lifetime())
    {
        view->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonRelease || m_alive.expired())
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = m_view->indexAt(mouse->position().toPoint());
        if (!index.isValid() || index.column() != WeekColumn)
            return false;
        const int row = m_table.gridRow(index.row());
        if (row < 0)
            return false;
        ui::Label& week = m_model.Label2[static_cast<std::size_t>(row)];
        if (mouse->button() == Qt::LeftButton)
            week.click();
        else if (mouse->button() == Qt::RightButton)
            week.rightClick();
        return mouse->button() == Qt::RightButton;
    }

private:
    QTableView* m_view;
    LedgerWindow& m_model;
    LedgerTableModel& m_table;
    std::weak_ptr<const void> m_alive;
};

} // namespace

LedgerWindowView::LedgerWindowView(LedgerWindow& m, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIForm1"));
    const auto item = [this](ui::CommandButton& command, const char* name) {
        auto* action = menuBar()->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        bind(action, command);
        return action;
    };
    item(m.mnuClose, "mnuClose");
    item(m.mnuPrint, "mnuPrint");
    auto* clear = menuBar()->addMenu(qt(m.mnuClear.caption()));
    clear->setObjectName(QStringLiteral("mnuClear"));
    auto* clearAll = clear->addAction(QString());
    clearAll->setObjectName(QStringLiteral("mnuClearAll"));
    bind(clearAll, m.mnuClearAll);
    item(m.mnuAdd, "mnuAdd");
    item(m.mnuExcel, "mnuExcel");

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* table = new LedgerTableModel(m, this);
    auto* grid = new QTableView;
    grid->setObjectName(QStringLiteral("frmYear"));
    grid->setModel(table);
    grid->setItemDelegate(new CellDelegate(m, *table, grid));
    grid->verticalHeader()->hide();
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed);
    grid->setFont(figureFont());
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setMinimumSectionSize(56);
    new WeekClicks(grid, m, *table);
    // The upper block's hint spans its row of the table; the lower block's stands under it.
    grid->setSpan(LedgerTableModel::hintRow(), 0, 1, table->columnCount());
    layout->addWidget(grid, 1);
    auto* hint = caption(m.lbHint[1]);
    hint->setObjectName(QStringLiteral("lbHint"));
    layout->addWidget(hint);

    // ---- Totals ----
    auto* totals = new QGridLayout;
    // The first line: captions over number boxes; the second: "TOTALS:", then caption, box.
    for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::totalsTop>) {
        const std::size_t i = ledgerIndex(*c);
        totals->addWidget(caption(m.lbTotCaption[i]), 0, c->totalsTop.at);
        totals->addWidget(named(numberBox(m.txtTot[i], 9), c->totalBox), 1, c->totalsTop.at);
    }
    totals->addWidget(caption(m.lbTotTitle), 2, 0);
    for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::totalsBottom>) {
        const std::size_t i = ledgerIndex(*c);
        totals->addWidget(caption(m.lbTotCaption[i]), 2, 2 * c->totalsBottom.at + 1);
        totals->addWidget(named(textBox(m.txtTot[i], 9), c->totalBox), 2, 2 * c->totalsBottom.at + 2);
    }
    layout->addLayout(totals);

    auto* back = new QHBoxLayout;
    back->addStretch(1);
    back->addWidget(named(commandButton(m.cmdBack), "cmdBack"));
    layout->addLayout(back);
    setCentralWidget(central);
    resize(1280, 760);
    bind(this, m);
}

} // namespace tallyman::gui
