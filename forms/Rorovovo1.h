#pragma once

#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

#include "chart/chart_document.h"
#include "forms/day_reading.h"
#include "forms/person.h"
#include "forms/person_panel.h"
#include "profiles/celebrities.h"
#include "profiles/preferences.h"
#include "profiles/profile_entry.h"
#include "rhythm/critical.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace rorovovo::profiles {
class IniStore;
class ProfileList;
}  // namespace rorovovo::profiles
namespace rorovovo::rhythm {
struct Rhythm;
}  // namespace rorovovo::rhythm

namespace rorovovo::forms {

class BevelPanel;
class LazyMenu;
class LineShape;
class PictureBox;
class TFormAbout;
class TFormCompatibility;
class TFormCritical;
class TFormEditor;
class TFormInterpret;
class TFormPlanner;

// The main window. Other code reaches its controls by their object names, which are the names below; what it
// offers otherwise is the person it drew.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The person of the chart last drawn; nothing before the first draw.
    const std::optional<DrawnPerson>& drawnPerson() const { return drawn_; }

    // The dialogs are made the first time they are needed; these make them if they are not there yet.
    TFormAbout* aboutBox();
    TFormEditor* profileEditor();
    TFormInterpret* interpretWindow();

  signals:
    // Once for each draw of a person's chart, after the chart, the panel and the indicators show them.
    void personDrawn(const forms::DrawnPerson& person);

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Building the window, in this order.
    void setupChartPanel(QWidget* client);
    void setupCyclePanel(QWidget* client);
    void setupPersonPanel(QWidget* client);
    void setupTimeControls(QWidget* client);
    void setupIndicators(QWidget* client);
    void setupTabOrder();
    void setupMenus();
    void setupRhythmMenu();
    void setupToolsMenu();
    void setupHelpMenu();
    void setupLanguageMenu();
    void setupShortcuts();
    void connectHandlers();
    void watchEvents();

    // Window handlers.
    void FormCreate();
    void FormResize();
    void FormClose();
    void ButtonCloseClick();
    void MenuOptionsSizeClick();
    void MenuOptionsPositClick();
    // Handles the system command of the system menu's "&About..." entry; never swallows a message.
    bool AppMessage(QObject* receiver, QEvent* event);

    // The chart and the cycle-day panel.
    bool CheckBirthDate();
    void DrawChartFrame();
    void DrawRhythmCurve(int period, int offset);
    void ButtonDrawBioClick();
    void MenuProgramDrawExtraClick(QObject* sender);
    void MenuOptionsShowCyclesClick(QAction* sender);
    void Edit2Change(QLineEdit* sender);
    void ClearIndicator(PictureBox* image);
    void DrawPhaseIndicator(PictureBox* image, int dayNo, int period, unsigned color);
    void ShowZodiacSign(double date);

    // Critical days: the list window and the marks on the chart.
    void MenuToolsCriticalClick();
    void MenuOptionsCriticalMarksClick();
    void MenuOptionsDarkChartClick();
    void MenuOptionsColourBlindClick();
    void applyColourOptions();
    void showExtraLegend(bool shown);
    // Draws again what is drawn in the rhythms' or the chart's colours, after a change of palette or scheme.
    void redrawInNewColours();
    void MenuOptionsLanguageClick(QAction* item);
    void afterDraw();
    void DrawCriticalMarks();
    // What the strip's day column reads for the person drawn, as a tool tip shows it; empty before any draw.
    QString chartDayText(int column) const;
    std::optional<DayReading> chartDay(int column) const;

    // Moving through time.
    void ScrollBar1Change();
    void Button_nowClick();
    void DrawVerticalText(PictureBox* image, const QString& text);

    // The date boxes.
    bool Edit_dateKeyPress(QLineEdit* sender, QChar& key);
    void Edit_dayClick();
    void Edit_monthClick();
    void Edit_yearClick();
    void Edit_dayExit(QLineEdit* sender);
    void Edit_yearExit(QLineEdit* sender);
    // The boxes' keys and clicks: the window's shortcuts first, and the date boxes' own handlers.
    bool editBoxEvent(QLineEdit* box, QEvent* event);

    // Profiles.
    void MenuPersonalItemClick(QAction* item);
    void MenuCelebrityItemClick(QAction* item);
    void ComboBox1Change();
    void Edit_nameChange();
    void Button_addnewClick();
    void MenuAddNewClick();
    void MenuDeleteClick();

    // Interpretation.
    void MenuProgramIterpretClick();
    void ShowInterpretation();

    // Tools: two people side by side, the chart saved and printed.
    void MenuToolsCompatClick();
    // Days planned for several people, with the stored profiles and the celebrities to pick from.
    void MenuToolsPlannerClick();
    void MenuToolsSaveClick();
    void MenuToolsPrintClick();
    void MenuToolsRemindersClick();
    // The stored profiles, then the celebrities, as name and date part.
    QList<profiles::ProfileEntry> knownPeople() const;
    // The chart last drawn as a document: the name drawn, the strip's days and the rhythms on it. Nothing before the
    // first draw.
    std::optional<chart::ChartDocument> drawnChartDocument() const;

    // Help, web links, About box and version check.
    void MenuHelpHelpClick();
    void MenuHelpNewsClick();
    void MenuHelpDonationsClick();
    void MenuHelpAboutClick();
    void MenuHelpNewVersionsClick();

    // The controls that stand for a rhythm; a rhythm that is not a base rhythm has no day box and no indicator.
    QAction* rhythmOption(const rhythm::Rhythm& r) const;
    QLineEdit* cycleDayBox(const rhythm::Rhythm& r) const;
    PictureBox* phaseIndicator(const rhythm::Rhythm& r) const;
    // Draws one rhythm's curve for the person being drawn and shows its day in its box.
    void drawRhythm(const rhythm::Rhythm& r, DrawnPerson& person);
    rhythm::ShownRhythms checkedRhythms() const;

    // The size limits of the window's client area, worked out from the frame and screen metrics.
    QSize minimumClientSize() const;
    QSize maximumClientSize() const;
    void applySizeLimits();
    void fitToFrame();

    void LoadCelebrities();
    void LoadProfiles();
    // The list and the Personal submenu follow the profile list: a load refills them, an add or a delete
    // changes one entry.
    void connectProfileList();
    QAction* newPersonalItem(int position);
    QAction* newProfileItem(const QString& caption, void (TForm1::*handler)(QAction*), const QString& hint);
    void removeProfile(int position);
    // Marks the Personal item of a position, now or as soon as the item is made.
    void checkPersonalItem(int position);
    void selectShownEntry();
    static QString profileName(const QAction* item);

    // Controls, named as the program knows them.
    BevelPanel* PanelBio;
    PictureBox* ImageBio;
    QScrollBar* ScrollBar1;
    BevelPanel* Panel2;
    QLabel *Label11, *Label12, *Label13, *Label14;
    QLineEdit *Edit2, *Edit3, *Edit4, *Edit5;
    LineShape *Shape1, *Shape2, *Shape3, *Shape4, *Shape5, *Shape6, *Shape7, *Shape8;
    QLabel *Label6, *Label7, *Label8, *Label9, *Label16, *Label17;
    BevelPanel* Panel1;
    QLabel *Label4, *Label5, *Label15;  // the person panel's own captions; the boxes' captions are the panel's
    QLineEdit *Edit_name, *Edit_day, *Edit_month, *Edit_year, *Edit6, *Edit_age;
    QPushButton* Button_addnew;
    QLabel* Label_Sign;
    PictureBox* ImageSign;
    QToolButton *ButtonAddNew, *ButtonDrawBio, *ButtonAbout, *ButtonHelp, *ButtonClose, *SpeedButton1;
    QComboBox* ComboBox1;
    QPushButton* Button_now;
    PictureBox* Image_date;
    BevelPanel* Panel3;
    PictureBox *Image_Physical, *Image_Emotional, *Image_Intellectual, *Image_Intuitional;
    PictureBox* myImageList;
    DateBoxes dateBoxes_;

    // Menus.
    QMenuBar* MainMenu1;
    QMenu* MenuProgram;
    QAction *MenuAddNew, *MenuDelete, *MenuSep4, *MenuProgramDrawBio, *MenuProgramDrawExtra, *MenuProgramIterpret,
        *MenuSep6, *MenuProgramExit;
    QMenu* MenuProfiles;
    QMenu* MenuProfilePersonal;
    QAction* MenuSep5;
    QMenu* MenuProfileCelebrity;
    QMenu* MenuOptions;
    QAction *MenuOptionsSize, *MenuOptionsPosit, *MenuSep7;
    QMenu* MenuOptionsShowRhytms;
    QAction *MenuOptionsShowPhysical, *MenuOptionsShowEmotional, *MenuOptionsShowIntellectual,
        *MenuOptionsShowIntuitional, *MenuSep8, *MenuOptionsShowSpiritual, *MenuOptionsShowAesthetics;
    QAction *MenuSep9, *MenuOptionsCriticalMarks, *MenuOptionsDarkChart, *MenuOptionsColourBlind;
    // Options > Language: "System" (the desktop's), then each language in its own name; the choice is stored at once
    // and applies at the next start.
    QAction* MenuSep10;
    QMenu* MenuOptionsLanguage;
    QActionGroup* LanguageGroup;
    QMenu* MenuTools;  // our own additions, between "Options" and the divider
    QAction *MenuToolsCritical, *MenuToolsCompat, *MenuToolsPlanner, *MenuToolsSave, *MenuToolsPrint,
        *MenuToolsReminders;
    QAction* MenuSep1;
    QMenu* MenuHelp;
    QAction *MenuHelpHelp, *MenuSep2, *MenuHelpNews, *MenuHelpNewVersions, *MenuSep3, *MenuHelpDonations,
        *MenuHelpAbout;
    QActionGroup* PersonalGroup;  // the Personal items, one checked at a time

    // The entry whose name and date the boxes show since the last pick; a reload keeps it selected.
    std::optional<QString> selectedEntry_;
    bool selectionWriteReported_ = false;
    profiles::ProfileList* profileList_;
    profiles::Preferences prefs_;
    bool closed_ = false;
    bool fitting_ = false;
    QSize storedOuterSize_;           // the saved outer size, kept until the user sizes the window
    QSize restoredSize_;              // what the saved size came to inside the frame
    QMargins frame_{-1, -1, -1, -1};  // the frame the size limits and the restored size were worked out with
    std::optional<DrawnPerson> drawn_;
    // The days the four day boxes show; before the first draw their designed texts, 2 to 5.
    std::array<int, rhythm::BaseRhythmCount> shownCycleDays_{2, 3, 4, 5};
    bool extraDrawn_ = false;  // the extra rhythms are on the chart
    // The celebrity file as read at start-up; its menu items are made from it when the menu first opens.
    profiles::CelebrityList celebrities_;
    LazyMenu* celebrityItems_ = nullptr;
    LazyMenu* personalItems_ = nullptr;
    int checkedPersonal_ = -1;
    bool removingSelected_ = false;
    QPointer<TFormCritical> criticalWindow_;
    QPointer<TFormCompatibility> compatibilityWindow_;
    QPointer<TFormPlanner> plannerWindow_;
    QRect signLabelPlace_;                // where the sign name sits when it fits
    rhythm::RhythmSet drawnRhythms_ = 0;  // the curves on the chart since its last clearing
};

// The settings-file object, open from start-up to the main window's close.
extern std::unique_ptr<profiles::IniStore> IniFile;
// The settings file as the program opened it before the main window, to choose the language: the next main window
// keeps it as IniFile instead of opening the file again.
void adoptSettingsFile(std::unique_ptr<profiles::IniStore> settings);

// The four windows. Each lives from its first use to the end of the run, and is cleared when its window goes.
extern TForm1* Form1;
extern QPointer<TFormAbout> FormAbout;
extern QPointer<TFormEditor> FormEditor;
extern QPointer<TFormInterpret> FormInterpret;

}  // namespace rorovovo::forms
