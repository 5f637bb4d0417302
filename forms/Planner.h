#pragma once

#include <QAbstractScrollArea>
#include <QDialog>
#include <QList>
#include <memory>
#include <optional>
#include <vector>

#include "chart/roster.h"
#include "profiles/profile_entry.h"
#include "rhythm/planner.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace rorovovo::profiles {
class IniStore;
}  // namespace rorovovo::profiles

namespace rorovovo::forms {

// The roster as a scrolling grid: names and dates stay in place, the group's row stays at the bottom. The arrow,
// Page and Home/End keys move the cell with the keyboard, which shows its tool tip as the mouse pointer does. Only
// painting happens on a scroll; the table is the window's.
class RosterView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit RosterView(QWidget* parent = nullptr);

    void setPlan(const rhythm::PlanTable* table, const std::vector<rhythm::PlanMember>* members,
                 const QStringList& names, double today);
    // The cell with the keyboard: a member, or the group's row at table.Members, and a day of the span.
    int currentMember() const { return member_; }
    int currentDay() const { return day_; }
    void setCurrent(int member, int day);
    // The day's column in the middle of the view, and its cell of the group's row current.
    void showDay(int day);
    // Where a cell is in the viewport, and what its tool tip says.
    QRect cellRect(int member, int day) const;
    QString cellToolTip(int member, int day) const;
    const chart::RosterMetrics& metrics() const { return metrics_; }

  signals:
    void shownDaysChanged(int first, int last);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void updateScrollBars();
    void showCurrentToolTip();
    bool cellAt(QPoint at, int* member, int* day) const;
    const rhythm::PlanTable* table_ = nullptr;
    const std::vector<rhythm::PlanMember>* members_ = nullptr;
    QStringList names_;
    QStringList fitted_;  // as the names' column shows them
    double today_ = 0;
    chart::RosterMetrics metrics_;
    int member_ = 0;
    int day_ = 0;
};

// Days planned for a group: members from the stored profiles, the celebrities, typed in, a stored group or a file;
// the roster of their critical days over a span; the best and worst days for all of them; and the roster, the table
// and the best days out to a printer, a PDF or CSV file and a calendar. Never modal; the main window creates it once.
class TFormPlanner : public QDialog {
    Q_OBJECT
  public:
    // The window keeps its size, members and rhythms, and the groups, in this settings file.
    explicit TFormPlanner(const std::unique_ptr<profiles::IniStore>& settings, QWidget* parent = nullptr);
    // The people the list offers.
    void setPeople(const QList<profiles::ProfileEntry>& personal, const QList<profiles::ProfileEntry>& celebrities);
    // The start date goes back to today each time the window opens.
    void reset();
    // Appends the people whose entries hold a valid date, up to the planner's limit (which it says when reached);
    // returns how many had no valid date.
    int addMembers(const QList<profiles::ProfileEntry>& entries);
    const std::vector<rhythm::PlanMember>& members() const { return members_; }
    const rhythm::PlanTable& table() const { return table_; }
    // How often the table was worked out: a scroll must not do it.
    int tableBuilds() const { return builds_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building the window, in this order.
    QLayout* setupMembersPanel();
    QLayout* setupDaysPanel();
    QLayout* setupButtons();
    void setupTabOrder();
    void connectHandlers();

    void EditFilterChange();
    void ButtonAddPeopleClick();
    void ButtonAddTypedClick();
    void ButtonRemoveClick();
    void ButtonRemoveAllClick();
    void ButtonOpenGroupClick();
    void ButtonSaveGroupClick();
    void ButtonDeleteGroupClick();
    void ButtonOpenFileClick();
    void ButtonAddFileClick();
    void addFromFile(bool replace);
    void ButtonSaveFileClick();
    void ButtonImportContactsClick();
    void ButtonMoreClick();
    void ButtonSavePdfClick();
    void ButtonPrintClick();
    void ButtonSaveCsvClick();
    void ButtonSaveCalendarClick();

    QLabel* LabelMembers;
    QListWidget* ListMembers;
    QPushButton *ButtonRemove, *ButtonRemoveAll;
    QLineEdit* EditFilter;
    QListWidget* ListPeople;  // the stored profiles, then the celebrities
    QPushButton* ButtonAddPeople;
    QLineEdit *Edit_name, *Edit_day, *Edit_month, *Edit_year;
    QPushButton* ButtonAddTyped;
    QComboBox* ComboGroups;  // editable: the name a group is saved under
    QPushButton *ButtonOpenGroup, *ButtonSaveGroup, *ButtonDeleteGroup;
    QPushButton *ButtonOpenFile, *ButtonAddFile, *ButtonSaveFile, *ButtonImportContacts;
    QDateEdit* DateFrom;
    QSpinBox* SpinDays;
    QCheckBox* CheckRhythm[6];  // in the rhythm table's order
    QLabel* LabelShown;
    RosterView* Roster;
    QTableWidget *TableBest, *TableWorst;
    QPushButton* ButtonMore;
    QLabel* LabelStatus;
    QPushButton *ButtonSavePdf, *ButtonPrint, *ButtonSaveCsv, *ButtonSaveCalendar, *ButtonClose;
    void saveSettings();
    void rebuild();
    void fillRankings();
    void fillGroups();
    void membersChanged();
    QList<profiles::ProfileEntry> memberEntries() const;
    rhythm::ShownRhythms plannerRhythms() const;
    QString title() const;
    QString savePath(const QString& caption, const QString& suffix, const QString& filter);
    void readSettings();
    QStringList settingsSnapshot() const;

    std::vector<rhythm::PlanMember> members_;
    QList<profiles::ProfileEntry> entries_;  // as given: name and DD.MM.YYYY
    QStringList names_;
    rhythm::PlanTable table_;
    std::vector<rhythm::RankedDay> best_, worst_;
    int ranked_ = 10;  // how many of each the lists show
    int builds_ = 0;
    bool settingsRead_ = false;
    const std::unique_ptr<profiles::IniStore>& settings_;
    QStringList storedSettings_;  // what the settings file holds for the window, to write only a change
};

}  // namespace rorovovo::forms
