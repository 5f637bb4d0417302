#pragma once

#include <QDate>
#include <QDialog>

#include "forms/person.h"
#include "profiles/preferences.h"
#include "rhythm/critical.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLayout;
class QPushButton;
class QTableWidget;

namespace rorovovo::forms {

// The critical days of the person last drawn, from a start date over a span. Never modal; the main window
// creates it once and tells it who was drawn.
class TFormCritical : public QDialog {
    Q_OBJECT
  public:
    // The window keeps its size and choice of rhythms in this settings file.
    TFormCritical(const std::unique_ptr<profiles::IniStore>& settings, QWidget* parent = nullptr);

    // The person the list is for.
    void setPerson(const forms::DrawnPerson& person);
    // The start date goes back to today and the span to its default each time the window opens.
    void reset();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // Building the window, in this order.
    QLayout* setupRange();
    QLayout* setupRhythmChoice();
    void setupTable();
    QLayout* setupButtons();
    void setupTabOrder();
    void connectHandlers();

    void ButtonNextTripleClick();
    void ButtonSaveCalendarClick();

    QLabel* LabelPerson;  // who the list is for, or that nobody has been drawn yet
    QDateEdit* DateFrom;
    QComboBox* ComboSpan;
    QCheckBox* CheckRhythm[6];  // the rhythms listed, in the rhythm table's order; the window's own choice
    QLabel* LabelKindNote;
    QTableWidget* TableCritical;
    QLabel* LabelNext;
    QPushButton *ButtonNextTriple, *ButtonSaveCalendar, *ButtonClose;
    profiles::Preferences prefs_;

    void fill(int days);
    int spanDays() const;
    double fromValue() const;
    rhythm::ShownRhythms listedRhythms() const;

    bool hasPerson_ = false;
    QString name_;
    double birth_ = 0;
    std::vector<rhythm::CriticalDay> days_;
    int listedDays_ = 0;  // the span, or more once the next triple day lies beyond it
    bool sizeRead_ = false;
    QSize storedSize_;       // as the settings file holds it
    QString storedRhythms_;  // likewise
};

}  // namespace rorovovo::forms
