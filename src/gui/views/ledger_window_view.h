// The Year To Date window: the grid of pay periods as a table, the totals under it, the menu.
#pragma once

#include <QAbstractTableModel>
#include <QMainWindow>

#include <memory>

namespace tallyman {
class LedgerWindow;
}

namespace tallyman::gui {

// The grid's cells as a table: one row a pay period, the week number and the grid's columns.
// Reads and writes the screen model's controls; holds nothing of its own.
class LedgerTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LedgerTableModel(LedgerWindow& model, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The grid row a table row shows (-1 for the hint and header lines); the lower block
    // follows the upper block's paste hint and its own header line.
    int gridRow(int tableRow) const;
    // The table row of the upper block's paste hint, spanning the whole row.
    static int hintRow();

private:
    LedgerWindow& m_model;
    std::weak_ptr<const void> m_alive;
};

class LedgerWindowView : public QMainWindow {
    Q_OBJECT
public:
    LedgerWindowView(LedgerWindow& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
