#include "forms/chart_table.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "forms/widgets.h"

namespace rorovovo::forms {

namespace {

struct StripData {
    int days;
    std::function<std::optional<DayReading>(int)> day;
    int current = -1;
};

QHash<const QObject*, StripData>& strips() {
    static QHash<const QObject*, StripData> all;
    return all;
}

class ChartTable;

class ChartCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    ChartCell(ChartTable* table, int row, int column) : table_(table), row_(row), column_(column) {}
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }
    // The table cell's own face.
    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

  private:
    ChartTable* table_;
    int row_, column_;
};

class ChartTable : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit ChartTable(QWidget* strip) : QAccessibleWidget(strip, QAccessible::Table) {}
    ~ChartTable() override { forgetCells(); }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QCoreApplication::translate("ChartTable", "Chart");
        if (t == QAccessible::Description)
            return QCoreApplication::translate("ChartTable",
                                               "One row a day: its date, each rhythm's percentage and direction, "
                                               "and the rhythms critical that day");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        return columns && index >= 0 && index < childCount() ? cellAt(index / columns, index % columns) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = child ? dynamic_cast<const ChartCell*>(child) : nullptr;
        return cell ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    // The table's face.
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        const int key = row * 64 + column;
        auto it = cells_.constFind(key);
        if (it == cells_.constEnd())
            it = cells_.insert(key, QAccessible::registerAccessibleInterface(
                                        new ChartCell(const_cast<ChartTable*>(this), row, column)));
        return QAccessible::accessibleInterface(*it);
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int column) const override {
        const std::optional<DayReading> first = reading(0);
        if (!first) return {};
        if (column == 0) return QCoreApplication::translate("ChartTable", "Date");
        if (column <= first->rows.size()) return first->rows[column - 1].rhythm;
        return QCoreApplication::translate("ChartTable", "Critical");
    }
    QString rowDescription(int row) const override { return cellText(row, 0); }
    int columnCount() const override {
        const std::optional<DayReading> first = reading(0);
        return first ? int(first->rows.size()) + 2 : 0;
    }
    int rowCount() const override { return reading(0) ? data().days : 0; }
    int selectedCellCount() const override { return data().current >= 0 ? 1 : 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return data().current >= 0 ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        return data().current >= 0 ? QList<QAccessibleInterface*>{cellAt(data().current, 0)}
                                   : QList<QAccessibleInterface*>{};
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return data().current >= 0 ? QList<int>{data().current} : QList<int>{}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return row == data().current; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { forgetCells(); }

    QString cellText(int row, int column) const {
        const std::optional<DayReading> r = reading(row);
        if (!r) return {};
        if (column == 0) return dateWithWeekday(r->date);
        if (column <= r->rows.size()) {
            const DayReading::Row& rhythm = r->rows[column - 1];
            //: A rhythm's cell of the chart's table: "87 % rising".
            return QCoreApplication::translate("ChartTable", "%1 % %2")
                .arg(rhythm.percent)
                .arg(direction(rhythm.rising));
        }
        return r->critical.isEmpty() ? QCoreApplication::translate("ChartTable", "none") : joinNames(r->critical);
    }
    QRect cellRect(int row) const {
        const QWidget* w = widget();
        const int dayWidth = data().days ? w->width() / data().days : 0;
        return QRect(w->mapToGlobal(QPoint(row * dayWidth, 0)), QSize(dayWidth, w->height()));
    }
    const StripData& data() const { return strips()[object()]; }

  private:
    void forgetCells() {
        for (QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }
    std::optional<DayReading> reading(int row) const {
        const StripData& strip = data();
        return strip.day && row >= 0 && row < strip.days ? strip.day(row) : std::nullopt;
    }
    mutable QHash<int, QAccessible::Id> cells_;
};

bool ChartCell::isValid() const { return table_ && table_->isValid(); }
QAccessibleInterface* ChartCell::parent() const { return table_; }
QAccessibleInterface* ChartCell::table() const { return table_; }
QString ChartCell::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? table_->cellText(row_, column_) : QString();
}
QRect ChartCell::rect() const { return table_->cellRect(row_); }
bool ChartCell::isSelected() const { return table_->isRowSelected(row_); }
QAccessible::State ChartCell::state() const {
    QAccessible::State s;
    s.readOnly = true;
    s.selectable = true;
    s.selected = s.focused = isSelected();
    return s;
}

QAccessibleInterface* tableFactory(const QString&, QObject* object) {
    if (object && object->isWidgetType() && strips().contains(object))
        return new ChartTable(static_cast<QWidget*>(object));
    return nullptr;
}

// Says the day the keyboard reached, as its cells read.
void announce(QWidget* strip, int column) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(strip);
    QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
    if (!cells) return;
    if (QAccessibleInterface* cell = cells->cellAt(column, 0)) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

}  // namespace

void exposeAsTable(QWidget* strip, int days, std::function<std::optional<DayReading>(int)> day) {
    static const bool installed = [] {
        QAccessible::installFactory(tableFactory);
        return true;
    }();
    Q_UNUSED(installed);
    strips().insert(strip, {days, std::move(day)});
    QObject::connect(strip, &QObject::destroyed, [strip] { strips().remove(strip); });
    // By a click only, so the window's designed tab order stays as it is.
    strip->setFocusPolicy(Qt::ClickFocus);
    onEvent(strip, [strip](QEvent* event) {
        if (event->type() == QEvent::FocusIn) {
            // The keyboard starts on the first day in view.
            StripData& d = strips()[strip];
            const int dayWidth = std::max(1, strip->width() / std::max(1, d.days));
            d.current = std::clamp(-strip->x() / dayWidth, 0, std::max(0, d.days - 1));
            announce(strip, d.current);
        }
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
        StripData& d = strips()[strip];
        d.current = std::clamp(d.current + (key == Qt::Key_Right ? 1 : -1), 0, d.days - 1);
        announce(strip, d.current);
        return true;
    });
}

}  // namespace rorovovo::forms
