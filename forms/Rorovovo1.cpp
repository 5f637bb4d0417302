#include "forms/Rorovovo1.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>
#include <iterator>
#include <tuple>

#include "core/qt_text.h"
#include "forms/CriticalDays.h"
#include "forms/QuorvitAbout.h"
#include "forms/chart_table.h"
#include "forms/pictures.h"
#include "forms/widgets.h"
#include "platform/app_info.h"
#include "platform/guard.h"
#include "platform/metrics.h"
#include "platform/paths.h"
#include "platform/system_menu.h"
#include "platform/translator.h"
#include "profiles/ini_store.h"
#include "profiles/profile_list.h"
#include "rhythm/rhythms.h"

namespace rorovovo::forms {

std::unique_ptr<profiles::IniStore> IniFile;

TForm1* Form1 = nullptr;
QPointer<TFormAbout> FormAbout;
QPointer<TFormEditor> FormEditor;
QPointer<TFormInterpret> FormInterpret;

namespace {

// The settings file the program opened before this window, to choose the language.
std::unique_ptr<profiles::IniStore> adoptedSettings;

constexpr int kAboutCommand = 1025;
constexpr int kDesignClientWidth = 654;
constexpr int kDesignClientHeight = 328;
// Grey texts keep their hue, but with a margin over the 3:1 that large or quiet text needs.
constexpr double kQuietTextContrast = 3.5;

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* l = new QLabel(text, parent);
    return place(l, name, left, top);
}

// Narrows a label's face, by no more than a tenth, until its text ends at `right` in its parent or before it.
void keepWithin(QLabel* l, int right) {
    QFont f = l->font();
    for (int stretch = 100; stretch > 90 && l->x() + textWidth(l) > right; stretch -= 2) {
        f.setStretch(stretch - 2);
        l->setFont(f);
    }
    l->adjustSize();
}

QToolButton* flatButton(QWidget* parent, const char* name, const QString& icon, const QString& hint, int left, int top,
                        int width, int height) {
    auto* b = new QToolButton(parent);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    if (!icon.isEmpty()) {
        b->setIcon(pictureIcon(icon));
        b->setIconSize(QSize(20, 20));
    }
    b->setToolTip(hint);
    // A picture has no words: a screen reader names the button by its hint, as a sighted user learns it.
    if (!icon.isEmpty()) b->setAccessibleName(hint.trimmed());
    return place(b, name, left, top, width, height);
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

QAction* separator(QMenu* menu, const char* name) {
    QAction* a = menu->addSeparator();
    a->setObjectName(QLatin1String(name));
    return a;
}

}  // namespace

void adoptSettingsFile(std::unique_ptr<profiles::IniStore> settings) { adoptedSettings = std::move(settings); }

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), profileList_(new profiles::ProfileList(IniFile, this)), prefs_(IniFile) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr(" Biorhythms"));
    setWindowIcon(pictureIcon(QStringLiteral(":/images/icon48.png")));
    setFont(designFont(12));
    // A sizable frame with a minimize box but no maximize box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The controls first: the menu bar may wait for the session bus, which is being connected meanwhile (program.cpp).
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    setupChartPanel(client);
    setupCyclePanel(client);
    setupPersonPanel(client);
    setupTimeControls(client);
    setupIndicators(client);
    setupTabOrder();
    setupMenus();
    connectHandlers();
    watchEvents();
    connectProfileList();
    resize(kDesignClientWidth, kDesignClientHeight + MainMenu1->sizeHint().height());
    move(193, 127);
    applySizeLimits();
    Form1 = this;
    platform::guarded([this] { FormCreate(); });
}

TForm1::~TForm1() {
    platform::removeMessageHook();
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::setupMenus() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(MainMenu1);
    // Made after the controls, it still comes first among the window's children, as screen readers list them.
    MainMenu1->lower();

    MenuProgram = MainMenu1->addMenu(tr("Program"));
    MenuProgram->setObjectName(QStringLiteral("MenuProgram"));
    MenuAddNew = menuItem(MenuProgram, "MenuAddNew", tr("Add new profile..."));
    MenuDelete = menuItem(MenuProgram, "MenuDelete", tr("Delete profile..."));
    MenuSep4 = separator(MenuProgram, "MenuSep4");
    MenuProgramDrawBio = menuItem(MenuProgram, "MenuProgramDrawBio", tr("Draw biorhythms"));
    MenuProgramDrawExtra = menuItem(MenuProgram, "MenuProgramDrawExtra", tr("Draw extra* rythms"));
    MenuProgramIterpret = menuItem(MenuProgram, "MenuProgramIterpret", tr("Biorhythms interpretation..."));
    MenuSep6 = separator(MenuProgram, "MenuSep6");
    MenuProgramExit = menuItem(MenuProgram, "MenuProgramExit", tr("Exit"));

    MenuProfiles = MainMenu1->addMenu(tr("Profiles"));
    MenuProfiles->setObjectName(QStringLiteral("MenuProfiles"));
    MenuProfilePersonal = MenuProfiles->addMenu(tr("Personal"));
    MenuProfilePersonal->setObjectName(QStringLiteral("MenuProfilePersonal"));
    MenuSep5 = separator(MenuProfiles, "MenuSep5");
    MenuProfileCelebrity = MenuProfiles->addMenu(tr("Celebrity"));
    MenuProfileCelebrity->setObjectName(QStringLiteral("MenuProfileCelebrity"));
    PersonalGroup = new QActionGroup(this);
    PersonalGroup->setObjectName(QStringLiteral("PersonalGroup"));
    PersonalGroup->setExclusive(true);

    MenuOptions = MainMenu1->addMenu(tr("Options"));
    MenuOptions->setObjectName(QStringLiteral("MenuOptions"));
    MenuOptionsSize = menuItem(MenuOptions, "MenuOptionsSize", tr("Save window's size"));
    MenuOptionsSize->setCheckable(true);
    MenuOptionsPosit = menuItem(MenuOptions, "MenuOptionsPosit", tr("Save window's position"));
    MenuOptionsPosit->setCheckable(true);
    MenuSep7 = separator(MenuOptions, "MenuSep7");
    setupRhythmMenu();
    MenuSep9 = separator(MenuOptions, "MenuSep9");
    MenuOptionsCriticalMarks = menuItem(MenuOptions, "MenuOptionsCriticalMarks", tr("Mark critical days"));
    MenuOptionsCriticalMarks->setCheckable(true);
    MenuOptionsDarkChart = menuItem(MenuOptions, "MenuOptionsDarkChart", tr("Dark chart"));
    MenuOptionsDarkChart->setCheckable(true);
    MenuOptionsColourBlind = menuItem(MenuOptions, "MenuOptionsColourBlind", tr("Colour-blind-safe colours"));
    MenuOptionsColourBlind->setCheckable(true);
    setupLanguageMenu();

    setupToolsMenu();
    MenuSep1 = MainMenu1->addAction(QStringLiteral("|"));
    MenuSep1->setObjectName(QStringLiteral("MenuSep1"));
    setupHelpMenu();
}

void TForm1::setupRhythmMenu() {
    MenuOptionsShowRhytms = MenuOptions->addMenu(tr("Default rhythms to show..."));
    MenuOptionsShowRhytms->setObjectName(QStringLiteral("MenuOptionsShowRhytms"));
    // The option item of each rhythm in the table's order, with its caption as the menu spells it.
    const struct {
        QAction** item;
        const char* name;
        const char* caption;
    } options[] = {{&MenuOptionsShowPhysical, "MenuOptionsShowPhysical", QT_TR_NOOP("Physical rhythm")},
                   {&MenuOptionsShowEmotional, "MenuOptionsShowEmotional", QT_TR_NOOP("Emotional rhythm")},
                   {&MenuOptionsShowIntellectual, "MenuOptionsShowIntellectual", QT_TR_NOOP("Intellectual rhythm")},
                   {&MenuOptionsShowIntuitional, "MenuOptionsShowIntuitional", QT_TR_NOOP("Intuitional rhythm")},
                   {&MenuOptionsShowSpiritual, "MenuOptionsShowSpiritual", QT_TR_NOOP("Spiritual rhythm")},
                   {&MenuOptionsShowAesthetics, "MenuOptionsShowAesthetics", QT_TR_NOOP("Aesthetics rhytm")}};
    static_assert(std::size(options) == std::tuple_size_v<decltype(rhythm::Rhythms)>);
    for (const auto& rhythm : rhythm::Rhythms) {
        const auto& option = options[rhythm.Number - 1];
        // A separator parts the base rhythms from the extra ones.
        if (rhythm.Number > 1 && !rhythm.Base && rhythm::rhythmByNumber(rhythm.Number - 1).Base)
            MenuSep8 = separator(MenuOptionsShowRhytms, "MenuSep8");
        QAction* item = menuItem(MenuOptionsShowRhytms, option.name, tr(option.caption));
        item->setCheckable(true);
        item->setChecked(rhythm.Base);
        item->setData(rhythm.Number);  // the tag: the rhythm's number and its digit in the saved setting
        *option.item = item;
    }
}

void TForm1::setupLanguageMenu() {
    MenuSep10 = separator(MenuOptions, "MenuSep10");
    MenuOptionsLanguage = MenuOptions->addMenu(tr("Language"));
    MenuOptionsLanguage->setObjectName(QStringLiteral("MenuOptionsLanguage"));
    LanguageGroup = new QActionGroup(this);
    LanguageGroup->setExclusive(true);
    //: Options > Language: the language the desktop speaks.
    QAction* desktop = menuItem(MenuOptionsLanguage, "MenuOptionsLanguage_System", tr("System"));
    desktop->setData(platform::kSystemLanguage);
    LanguageGroup->addAction(desktop)->setCheckable(true);
    for (const platform::Language& l : platform::languages()) {
        // Each language in its own name, whatever the program speaks, so it is found by those who read it.
        QAction* item = MenuOptionsLanguage->addAction(l.nativeName);
        item->setObjectName(QStringLiteral("MenuOptionsLanguage_") + l.code);
        item->setData(l.code);
        LanguageGroup->addAction(item)->setCheckable(true);
    }
    desktop->setChecked(true);
}

void TForm1::setupToolsMenu() {
    // Commands the program gained later live here, so the original menus keep their items as they were.
    MenuTools = MainMenu1->addMenu(tr("Tools"));
    MenuTools->setObjectName(QStringLiteral("MenuTools"));
    MenuToolsCritical = menuItem(MenuTools, "MenuToolsCritical", tr("Critical days..."));
    MenuToolsCompat = menuItem(MenuTools, "MenuToolsCompat", tr("Compatibility..."));
    MenuToolsPlanner = menuItem(MenuTools, "MenuToolsPlanner", tr("Planner..."));
    MenuToolsSave = menuItem(MenuTools, "MenuToolsSave", tr("Save chart as..."));
    MenuToolsPrint = menuItem(MenuTools, "MenuToolsPrint", tr("Print chart..."));
    MenuToolsReminders = menuItem(MenuTools, "MenuToolsReminders", tr("Reminders..."));
    // Nothing to save or print before a chart has been drawn.
    MenuToolsSave->setEnabled(false);
    MenuToolsPrint->setEnabled(false);
}

void TForm1::setupHelpMenu() {
    MenuHelp = MainMenu1->addMenu(tr("Help"));
    MenuHelp->setObjectName(QStringLiteral("MenuHelp"));
    MenuHelpHelp = menuItem(MenuHelp, "MenuHelpHelp", tr("Help..."));
    MenuSep2 = separator(MenuHelp, "MenuSep2");
    MenuHelpNews = menuItem(MenuHelp, "MenuHelpNews", tr("Software news..."));
    MenuHelpNewVersions = menuItem(MenuHelp, "MenuHelpNewVersions", tr("Check new versions *"));
    MenuSep3 = separator(MenuHelp, "MenuSep3");
    MenuHelpDonations = menuItem(MenuHelp, "MenuHelpDonations", tr("Donations..."));
    MenuHelpAbout = menuItem(MenuHelp, "MenuHelpAbout", tr("About..."));
}

void TForm1::setupShortcuts() {
    MenuProgramExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    MenuHelpAbout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    MenuHelpHelp->setShortcut(QKeySequence(Qt::Key_F1));
    MenuToolsCritical->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    MenuToolsPlanner->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    MenuToolsSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuToolsPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    // Window-wide: they work whichever control has the keyboard.
    for (QAction* a : {MenuProgramExit, MenuHelpHelp, MenuHelpAbout, MenuToolsCritical, MenuToolsPlanner, MenuToolsSave,
                       MenuToolsPrint}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
}

void TForm1::setupChartPanel(QWidget* client) {
    // The chart window: the wide strip slides inside it.
    PanelBio = place(new BevelPanel(client, BevelPanel::Style::SingleBorder), "PanelBio", 24, 20, 513, 202);
    ImageBio = place(new PictureBox(PanelBio->clientArea()), "ImageBio", 0, 0, chart::Strip.ViewWidth,
                     chart::Strip.ChartHeight);
    ImageBio->setStretch(true);
    ScrollBar1 = place(new ChartScrollBar(PanelBio->clientArea()), "ScrollBar1", 0, chart::Strip.ChartHeight + 1,
                       chart::Strip.ViewWidth, 16);
    ScrollBar1->setSingleStep(10);
    ScrollBar1->setPageStep(300);
    ScrollBar1->setInvertedControls(false);  // the right arrow key moves towards later days
    ScrollBar1->raise();
}

void TForm1::setupCyclePanel(QWidget* client) {
    // The cycle-day panel with the legend.
    Panel2 = place(new BevelPanel(client, BevelPanel::Style::None), "Panel2", 542, 18, 105, 203);
    QLabel** dayLabels[] = {&Label11, &Label12, &Label13, &Label14};
    QLineEdit** dayBoxes[] = {&Edit2, &Edit3, &Edit4, &Edit5};
    const char* dayLabelNames[] = {"Label11", "Label12", "Label13", "Label14"};
    const char* dayBoxNames[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
    LineShape** legendShapes[] = {&Shape1, &Shape2, &Shape3, &Shape4};
    QLabel** legendLabels[] = {&Label6, &Label7, &Label8, &Label9};
    const char* shapeNames[] = {"Shape1", "Shape2", "Shape3", "Shape4"};
    const char* legendNames[] = {"Label6", "Label7", "Label8", "Label9"};
    // The extra rhythms' legend: two short dashes each, in the rhythm's colour.
    LineShape** extraShapes[][2] = {{&Shape5, &Shape7}, {&Shape6, &Shape8}};
    const char* extraShapeNames[][2] = {{"Shape5", "Shape7"}, {"Shape6", "Shape8"}};
    QLabel** extraLabels[] = {&Label16, &Label17};
    const char* extraLabelNames[] = {"Label16", "Label17"};
    int extra = 0;
    for (const auto& r : rhythm::Rhythms) {
        const QColor colour(QRgb(rhythm::colourOf(r)));
        const QString name = core::translated("Rhythm", r.Name);
        if (!r.Base) {
            const int i = extra++;
            const int top = 178 + 14 * i;
            *extraShapes[i][0] = place(new LineShape(Panel2, colour, 2), extraShapeNames[i][0], 8, top, 12, 2);
            *extraShapes[i][1] = place(new LineShape(Panel2, colour, 2), extraShapeNames[i][1], 22, top, 12, 2);
            for (LineShape* shape : {*extraShapes[i][0], *extraShapes[i][1]}) setRhythmColour(shape, r);
            *extraLabels[i] = label(Panel2, extraLabelNames[i], name, 42, top - 6);
            continue;
        }
        const int i = r.Number - 1;
        //: The blanks leave room for the day box drawn over them.
        QLabel* l = label(Panel2, dayLabelNames[i], tr("Day         of %1").arg(r.Period), 8, 10 + 24 * i);
        // Grey, as the desktop writes its quiet texts, yet dark enough to read on the button face.
        setQuietTextColor(l, kQuietTextContrast);
        *dayLabels[i] = l;
        // The text comes after the font: a box made with its text lays it out at once in the toolkit's default face.
        auto* box = place(new QLineEdit(Panel2), dayBoxNames[i], 31, 8 + 24 * i, 21, 19);
        box->setReadOnly(true);
        box->setFrame(false);
        box->setFont(designFont(12));
        box->setText(QString::number(i + 2));
        box->setAlignment(Qt::AlignCenter);
        setRhythmColour(box, r);
        box->setAccessibleName(tr("%1 day", "spoken name of a rhythm's cycle-day box").arg(name));
        *dayBoxes[i] = box;
        *legendShapes[i] = place(new LineShape(Panel2, colour, 2), shapeNames[i], 8, 118 + 14 * i, 26, 2);
        setRhythmColour(*legendShapes[i], r);
        *legendLabels[i] = label(Panel2, legendNames[i], name, 42, 112 + 14 * i);
    }
    // The legend ends a few pixels short of the window's edge in any face: a wide one is drawn a little narrower.
    for (QLabel* l : {Label6, Label7, Label8, Label9, Label16, Label17}) keepWithin(l, Panel2->width() - 3);
}

void TForm1::setupPersonPanel(QWidget* client) {
    Panel1 = place(new BevelPanel(client, BevelPanel::Style::RaisedInLoweredOut), "Panel1", 24, 228, 513, 89);
    PersonPanel person = PersonPanel::create(Panel1, {{"Label10", "Label1", "Label2", "Label3"},
                                                      {QPoint(18, 6), {129, 6}, {152, 6}, {190, 6}},
                                                      {16, 20, 105, 21},
                                                      {128, 20}});
    std::tie(Edit_name, Edit_day, Edit_month, Edit_year) = person.boxes();
    dateBoxes_ = person.date;
    Label4 = label(Panel1, "Label4", QStringLiteral("="), 224, 24);
    Label4->setFont(designFont(13, true));
    Label4->adjustSize();
    Label5 = label(Panel1, "Label5", tr("total days"), 244, 6);
    Label5->setFont(designFont(11));
    Label5->adjustSize();
    Edit6 = place(new QLineEdit(Panel1), "Edit6", 240, 20, 57, 21);
    Edit6->setEnabled(false);
    Label15 = label(Panel1, "Label15", tr("years"), 304, 6);
    Label15->setFont(designFont(11));
    Label15->adjustSize();
    for (QLabel* l : {Label4, Label5, Label15}) setTextColor(l, Qt::black);
    Edit_age = place(new QLineEdit(Panel1), "Edit_age", 302, 20, 33, 21);
    Edit_age->setEnabled(false);
    for (QLineEdit* e : {Edit6, Edit_age}) {
        keepTextInside(e);
        setQuietBoxText(e, kQuietTextContrast);
    }
    Button_addnew = place(new QPushButton(tr("add new"), Panel1), "Button_addnew", 344, 20, 57, 22);
    Label_Sign = place(new QLabel(tr("zodiac"), Panel1), "Label_Sign", 452, 5, 45, 13);
    Label_Sign->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    signLabelPlace_ = Label_Sign->geometry();
    ImageSign = place(new PictureBox(Panel1), "ImageSign", 450, 26, 49, 49);
    ImageSign->setStretch(true);
    ImageSign->setTransparent(true);
    ButtonAddNew = flatButton(Panel1, "ButtonAddNew", QStringLiteral(":/images/glyph_add.png"), tr(" add new profile "),
                              16, 52, 28, 26);
    ButtonDrawBio = flatButton(Panel1, "ButtonDrawBio", QString(), tr(" draw biorhythm "), 48, 52, 57, 26);
    ButtonDrawBio->setText(tr("draw bio"));
    ButtonAbout =
        flatButton(Panel1, "ButtonAbout", QStringLiteral(":/images/glyph_about.png"), tr(" about "), 116, 52, 28, 26);
    ButtonHelp =
        flatButton(Panel1, "ButtonHelp", QStringLiteral(":/images/glyph_help.png"), tr(" help "), 148, 52, 28, 26);
    ButtonClose =
        flatButton(Panel1, "ButtonClose", QStringLiteral(":/images/glyph_close.png"), tr(" close "), 188, 52, 28, 26);
    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setEditable(false);
    ComboBox1->setToolTip(tr(" select profile "));
    place(ComboBox1, "ComboBox1", 240, 54, 162, 21);
    SpeedButton1 = flatButton(Panel1, "SpeedButton1", QStringLiteral(":/images/glyph_interpret.png"),
                              tr(" biorhythm today's interpretation "), 408, 54, 25, 21);

    // What a screen reader announces for the boxes, taken from the captions beside them.
    const std::pair<QWidget*, const char*> spoken[] = {
        {Edit_name, QT_TR_NOOP("name")},   {Edit_day, QT_TR_NOOP("day")},     {Edit_month, QT_TR_NOOP("month")},
        {Edit_year, QT_TR_NOOP("year")},   {Edit6, QT_TR_NOOP("total days")}, {Edit_age, QT_TR_NOOP("years")},
        {ComboBox1, QT_TR_NOOP("profile")}};
    for (const auto& [widget, name] : spoken) widget->setAccessibleName(tr(name));
}

void TForm1::setupTimeControls(QWidget* client) {
    // Back to today, and the date at the view's left edge.
    Button_now = place(new QPushButton(QStringLiteral("!"), client), "Button_now", 8, 92, 16, 25);
    Image_date = place(new PictureBox(client), "Image_date", 8, 124, 17, 73);
}

void TForm1::setupIndicators(QWidget* client) {
    // The ring indicators.
    Panel3 = place(new BevelPanel(client, BevelPanel::Style::None), "Panel3", 542, 228, 105, 89);
    PictureBox** indicators[] = {&Image_Physical, &Image_Emotional, &Image_Intellectual, &Image_Intuitional};
    const char* indicatorNames[] = {"Image_Physical", "Image_Emotional", "Image_Intellectual", "Image_Intuitional"};
    const QPoint indicatorPlaces[] = {{7, 1}, {55, 1}, {7, 46}, {55, 46}};
    for (int i = 0; i < 4; ++i) {
        auto* image =
            place(new PictureBox(Panel3), indicatorNames[i], indicatorPlaces[i].x(), indicatorPlaces[i].y(), 40, 40);
        image->setTransparent(true);
        image->canvas();  // white at first, so fully transparent until the first draw
        *indicators[i] = image;
    }

    // The zodiac pictures, never shown: the sign picture is copied out of this strip.
    myImageList = place(new PictureBox(client), "myImageList", 16, 392, 576, 48);
    myImageList->setTransparent(true);
    myImageList->setPictureFile(QStringLiteral(":/images/zodiac_strip.png"));
}

void TForm1::setupTabOrder() {
    // Tab order: the person panel first (year, month, day, add new, name, list), then the chart, then "!".
    QWidget::setTabOrder(Edit_year, Edit_month);
    QWidget::setTabOrder(Edit_month, Edit_day);
    QWidget::setTabOrder(Edit_day, Button_addnew);
    QWidget::setTabOrder(Button_addnew, Edit_name);
    QWidget::setTabOrder(Edit_name, ComboBox1);
    QWidget::setTabOrder(ComboBox1, ScrollBar1);
    QWidget::setTabOrder(ScrollBar1, Edit2);
    QWidget::setTabOrder(Edit2, Edit3);
    QWidget::setTabOrder(Edit3, Edit4);
    QWidget::setTabOrder(Edit4, Edit5);
    QWidget::setTabOrder(Edit5, Button_now);
}

QAction* TForm1::rhythmOption(const rhythm::Rhythm& r) const {
    QAction* const items[] = {MenuOptionsShowPhysical,    MenuOptionsShowEmotional, MenuOptionsShowIntellectual,
                              MenuOptionsShowIntuitional, MenuOptionsShowSpiritual, MenuOptionsShowAesthetics};
    return items[r.Number - 1];
}

QLineEdit* TForm1::cycleDayBox(const rhythm::Rhythm& r) const {
    QLineEdit* const boxes[] = {Edit2, Edit3, Edit4, Edit5};
    return r.Base ? boxes[r.Number - 1] : nullptr;
}

PictureBox* TForm1::phaseIndicator(const rhythm::Rhythm& r) const {
    PictureBox* const images[] = {Image_Physical, Image_Emotional, Image_Intellectual, Image_Intuitional};
    return r.Base ? images[r.Number - 1] : nullptr;
}

void TForm1::connectHandlers() {
    const auto on = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
        onSignal(this, sender, signal, handler);
    };
    on(MenuProgramExit, &QAction::triggered, &TForm1::ButtonCloseClick);
    on(ButtonClose, &QToolButton::clicked, &TForm1::ButtonCloseClick);
    on(MenuOptionsSize, &QAction::triggered, &TForm1::MenuOptionsSizeClick);
    on(MenuOptionsPosit, &QAction::triggered, &TForm1::MenuOptionsPositClick);
    on(MenuProgramDrawBio, &QAction::triggered, &TForm1::ButtonDrawBioClick);
    on(ButtonDrawBio, &QToolButton::clicked, &TForm1::ButtonDrawBioClick);
    connect(MenuProgramDrawExtra, &QAction::triggered, this,
            [this] { platform::guarded([this] { MenuProgramDrawExtraClick(MenuProgramDrawExtra); }); });
    for (QAction* item : MenuOptionsShowRhytms->actions()) {
        if (item->isSeparator()) continue;
        connect(item, &QAction::triggered, this,
                [this, item] { platform::guarded([this, item] { MenuOptionsShowCyclesClick(item); }); });
    }
    for (QLineEdit* box : {Edit2, Edit3, Edit4, Edit5})
        connect(box, &QLineEdit::textChanged, this,
                [this, box] { platform::guarded([this, box] { Edit2Change(box); }); });
    on(ScrollBar1, &QScrollBar::valueChanged, &TForm1::ScrollBar1Change);
    on(Button_now, &QPushButton::clicked, &TForm1::Button_nowClick);
    on(Edit_name, &QLineEdit::textChanged, &TForm1::Edit_nameChange);
    on(Button_addnew, &QPushButton::clicked, &TForm1::Button_addnewClick);
    on(ComboBox1, &QComboBox::activated, &TForm1::ComboBox1Change);
    on(MenuAddNew, &QAction::triggered, &TForm1::MenuAddNewClick);
    on(ButtonAddNew, &QToolButton::clicked, &TForm1::MenuAddNewClick);
    on(MenuDelete, &QAction::triggered, &TForm1::MenuDeleteClick);
    on(MenuProgramIterpret, &QAction::triggered, &TForm1::MenuProgramIterpretClick);
    on(SpeedButton1, &QToolButton::clicked, &TForm1::MenuProgramIterpretClick);
    on(MenuHelpHelp, &QAction::triggered, &TForm1::MenuHelpHelpClick);
    on(ButtonHelp, &QToolButton::clicked, &TForm1::MenuHelpHelpClick);
    on(MenuHelpNews, &QAction::triggered, &TForm1::MenuHelpNewsClick);
    on(MenuHelpDonations, &QAction::triggered, &TForm1::MenuHelpDonationsClick);
    on(MenuHelpNewVersions, &QAction::triggered, &TForm1::MenuHelpNewVersionsClick);
    on(MenuHelpAbout, &QAction::triggered, &TForm1::MenuHelpAboutClick);
    on(MenuToolsCritical, &QAction::triggered, &TForm1::MenuToolsCriticalClick);
    on(MenuOptionsCriticalMarks, &QAction::triggered, &TForm1::MenuOptionsCriticalMarksClick);
    on(MenuOptionsDarkChart, &QAction::triggered, &TForm1::MenuOptionsDarkChartClick);
    on(MenuOptionsColourBlind, &QAction::triggered, &TForm1::MenuOptionsColourBlindClick);
    connect(&colourChanges(), &ColourChanges::changed, this,
            [this] { platform::guarded([this] { redrawInNewColours(); }); });
    on(ButtonAbout, &QToolButton::clicked, &TForm1::MenuHelpAboutClick);
    on(MenuToolsCompat, &QAction::triggered, &TForm1::MenuToolsCompatClick);
    on(MenuToolsPlanner, &QAction::triggered, &TForm1::MenuToolsPlannerClick);
    on(MenuToolsSave, &QAction::triggered, &TForm1::MenuToolsSaveClick);
    on(MenuToolsPrint, &QAction::triggered, &TForm1::MenuToolsPrintClick);
    on(MenuToolsReminders, &QAction::triggered, &TForm1::MenuToolsRemindersClick);
    for (QAction* item : LanguageGroup->actions())
        connect(item, &QAction::triggered, this,
                [this, item] { platform::guarded([this, item] { MenuOptionsLanguageClick(item); }); });
}

void TForm1::FormCreate() {
    // The system command of the "&About..." entry opens the About box.
    platform::installMessageHook([this](QObject* receiver, QEvent* event) { return AppMessage(receiver, event); });
    // The system menu loses Maximize and gains "&About..." between separators.
    platform::getSystemMenu(this, false)->removeMenu(5);
    platform::getSystemMenu(this, false)->removeMenu(4);
    platform::getSystemMenu(this, false)->insertMenu(4, true, 0, QString());
    platform::getSystemMenu(this, false)->insertMenu(5, false, kAboutCommand, tr("&About..."));
    platform::getSystemMenu(this, false)->insertMenu(6, true, 0, QString());
    dateBoxes_.fillToday();
    // The zodiac strip goes out of sight.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        myImageList->move(myImageList->x(), screen->geometry().height() + 100);
    // The chart strip: as wide as its window and the scroll range, opening at today.
    ImageBio->resize(PanelBio->width() + chart::Strip.ExtraWidth, ImageBio->height());
    ScrollBar1->setMaximum(chart::Strip.ExtraWidth);
    ScrollBar1->setValue(chart::Strip.TodayX);
    ImageBio->move(-chart::Strip.TodayX, ImageBio->y());
    ImageBio->canvas().setPenWidth(1);
    DrawChartFrame();
    setupShortcuts();
    // The settings file, kept open for the whole run. One that cannot be read (a FIFO, a folder) is reported; the
    // program runs on with the defaults.
    IniFile = adoptedSettings ? std::move(adoptedSettings)
                              : std::make_unique<profiles::IniStore>(platform::programFiles().settingsFile);
    if (!IniFile->problem().isEmpty()) platform::showError(IniFile->problem());
    // Window size. The stored size is the outer one, frame included; the frame is known only once the window is on
    // the screen and framed, so the size is applied now and put right whenever the frame turns out different.
    using namespace profiles::prefs;
    if (prefs_.get(WindowSize)) {
        storedOuterSize_.setWidth(prefs_.get(WinWidth, frameGeometry().width()));
        resize(storedOuterSize_.width() - (frameGeometry().width() - width()), height());
        storedOuterSize_.setHeight(prefs_.get(WinHeight, frameGeometry().height()));
        resize(width(), storedOuterSize_.height() - (frameGeometry().height() - height()));
        MenuOptionsSize->setChecked(true);
    }
    if (prefs_.get(WindowPosit)) {
        if (platform::windowPlacesKnown()) {
            move(x(), prefs_.get(WinTop, y()));
            move(prefs_.get(WinLeft, x()), y());
        }
        MenuOptionsPosit->setChecked(true);
    }
    LoadCelebrities();
    // The default rhythms; then the obsolete section of that name goes.
    const auto marks = rhythm::parseShownRhythms(prefs_.get(Rhytms).toStdString());
    const auto items = MenuOptionsShowRhytms->actions();
    for (QAction* item : items)
        if (!item->isSeparator()) item->setChecked(marks[item->data().toInt() - 1]);
    prefs_.eraseObsoleteRhythmSection();
    MenuOptionsCriticalMarks->setChecked(prefs_.get(profiles::prefs::CriticalMarks));
    MenuOptionsDarkChart->setChecked(prefs_.get(profiles::prefs::DarkChart));
    MenuOptionsColourBlind->setChecked(prefs_.get(profiles::prefs::ColourBlindSafe));
    if (MenuOptionsDarkChart->isChecked() || MenuOptionsColourBlind->isChecked()) applyColourOptions();
    const QString language = prefs_.get(profiles::prefs::Language);
    for (QAction* item : LanguageGroup->actions())
        if (item->data().toString() == language) item->setChecked(true);
    // The personal profiles; the last selected one is drawn.
    LoadProfiles();
    // Without a profile the list does not take the keyboard: the first box that takes input does.
    if (ComboBox1->count() == 0) Edit_year->setFocus(Qt::OtherFocusReason);
}

void TForm1::FormResize() {
    const int cw = centralWidget()->width();
    const int ch = centralWidget()->height();
    PanelBio->resize(cw - 141, PanelBio->height());
    ScrollBar1->resize(PanelBio->width() - 4, ScrollBar1->height());
    PanelBio->resize(PanelBio->width(), ch - 126);
    ImageBio->resize(ImageBio->width(), PanelBio->height() - 21);
    ScrollBar1->move(ScrollBar1->x(), ch - 146);
    Panel2->move(cw - 106, Panel2->y());
    Panel3->move(Panel2->x(), Panel3->y());
    Panel1->move(Panel1->x(), ch - 100);
    Panel3->move(Panel3->x(), Panel1->y());
    Image_date->move(Image_date->x(), ch - 204);
    Button_now->move(Button_now->x(), ch - 236);
}

QSize TForm1::minimumClientSize() const {
    using platform::SystemMetric;
    // The outer minimum is the designed client area plus frame, caption, edge and menu bar; what the frame and
    // caption add comes off again for the window's own area.
    const int menu = platform::getSystemMetrics(SystemMetric::CyMenu, this);
    const int edge = platform::getSystemMetrics(SystemMetric::CyEdge, this);
    return {kDesignClientWidth, 326 + edge + menu};
}

QSize TForm1::maximumClientSize() const {
    using platform::SystemMetric;
    const int frameX = platform::getSystemMetrics(SystemMetric::CxFrame, this);
    const int frameY = platform::getSystemMetrics(SystemMetric::CyFrame, this);
    const int caption = platform::getSystemMetrics(SystemMetric::CyCaption, this);
    const QSize outer(platform::getSystemMetrics(SystemMetric::CxScreen, this) - 600,
                      platform::getSystemMetrics(SystemMetric::CyScreen, this) - 500);
    const QSize inner(outer.width() - 2 * frameX, outer.height() - 2 * frameY - caption);
    return inner.expandedTo(minimumClientSize());
}

void TForm1::applySizeLimits() {
    setMinimumSize(minimumClientSize());
    setMaximumSize(maximumClientSize());
}

void TForm1::FormClose() {
    if (closed_) return;
    closed_ = true;
    // A tool window still open keeps what it stores on closing (its size, its choices) while the file is open.
    if (criticalWindow_ && criticalWindow_->isVisible()) criticalWindow_->close();
    if (IniFile) {
        // The window closes even when its settings cannot be written; the failure is still reported.
        platform::guarded([this] {
            using namespace profiles::prefs;
            profiles::IniStore::Batch batch(*IniFile);
            if (MenuOptionsSize->isChecked()) {
                prefs_.set(WinHeight, frameGeometry().height());
                prefs_.set(WinWidth, frameGeometry().width());
            }
            // A place the window could not read is no place to keep: the stored one stays.
            if (MenuOptionsPosit->isChecked() && platform::windowPlacesKnown()) {
                prefs_.set(WinTop, frameGeometry().y());
                prefs_.set(WinLeft, frameGeometry().x());
            }
            rhythm::ShownRhythms marks{};
            for (QAction* item : MenuOptionsShowRhytms->actions())
                if (!item->isSeparator()) marks[item->data().toInt() - 1] = item->isChecked();
            prefs_.set(Rhytms, QString::fromStdString(rhythm::shownRhythmsValue(marks)));
            batch.commit();
        });
        IniFile.reset();
    }
}

void TForm1::ButtonCloseClick() { close(); }

namespace {

// The item's mark has already flipped as it was chosen; the new state is stored, and a failed write puts the mark
// back, so the menu never shows a choice the file does not hold.
void storeOption(profiles::Preferences& prefs, QAction* item, const profiles::BoolPreference& key) {
    try {
        prefs.set(key, item->isChecked());
    } catch (...) {
        item->setChecked(!item->isChecked());
        throw;
    }
}

}  // namespace

void TForm1::MenuOptionsSizeClick() { storeOption(prefs_, MenuOptionsSize, profiles::prefs::WindowSize); }

void TForm1::MenuOptionsPositClick() { storeOption(prefs_, MenuOptionsPosit, profiles::prefs::WindowPosit); }

void TForm1::MenuOptionsCriticalMarksClick() {
    storeOption(prefs_, MenuOptionsCriticalMarks, profiles::prefs::CriticalMarks);
    // The marks come and go with a redraw of the person on the chart.
    if (drawn_) ButtonDrawBioClick();
}

void TForm1::MenuOptionsDarkChartClick() {
    storeOption(prefs_, MenuOptionsDarkChart, profiles::prefs::DarkChart);
    applyColourOptions();
}

void TForm1::MenuOptionsColourBlindClick() {
    storeOption(prefs_, MenuOptionsColourBlind, profiles::prefs::ColourBlindSafe);
    applyColourOptions();
}

void TForm1::applyColourOptions() {
    useDarkChart(MenuOptionsDarkChart->isChecked());
    rhythm::usePalette(MenuOptionsColourBlind->isChecked() ? rhythm::Palette::ColourBlindSafe
                                                           : rhythm::Palette::Design);
    recolourAll();
}

void TForm1::redrawInNewColours() {
    ScrollBar1Change();  // the date marker is engraved in the desktop's colours
    if (!drawn_) {
        DrawChartFrame();
        return;
    }
    const bool extra = extraDrawn_;
    ButtonDrawBioClick();
    if (extra) MenuProgramDrawExtraClick(nullptr);
}

void TForm1::MenuOptionsLanguageClick(QAction* item) {
    const QString before = prefs_.get(profiles::prefs::Language);
    try {
        prefs_.set(profiles::prefs::Language, item->data().toString());
    } catch (...) {
        // The menu keeps showing what the file holds.
        for (QAction* a : LanguageGroup->actions())
            if (a->data().toString() == before) a->setChecked(true);
        throw;
    }
    // The windows were laid out for their texts as they were built, so a new language waits for the next start;
    // that is said in the new language.
    const QString chosen = platform::chooseLanguage(item->data().toString(), QLocale::system().uiLanguages());
    if (chosen == platform::spokenLanguage()) return;
    platform::showMessage(platform::translatedIn(
        chosen, platform::programFiles().translations, "Messages",
        QT_TRANSLATE_NOOP("Messages", "The program speaks the chosen language from its next start.")));
}

bool TForm1::AppMessage(QObject* receiver, QEvent* event) {
    if (event->type() == platform::SysCommandEvent::eventType()) {
        const int command = static_cast<platform::SysCommandEvent*>(event)->command();
        if (command == kAboutCommand && receiver == this) {
            aboutBox()->exec();
        } else if (receiver == this) {
            platform::defaultSysCommand(this, command);
        }
    }
    return false;
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    fitToFrame();
}

bool TForm1::event(QEvent* event) {
    const bool done = QMainWindow::event(event);
    // A window manager frames the window some time after it is shown, and tells of it by moving the window.
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) fitToFrame();
    return done;
}

void TForm1::fitToFrame() {
    // Sizing the window below sends resize events of its own, which are not the user's.
    if (fitting_ || !isVisible() || !windowHandle()) return;
    const QMargins frame = windowHandle()->frameMargins();
    if (storedOuterSize_.isValid() && restoredSize_.isValid() && size() != restoredSize_)
        storedOuterSize_ = QSize();  // the user has sized the window since
    if (frame == frame_) return;
    frame_ = frame;
    const QScopedValueRollback<bool> busy(fitting_, true);
    // The limits and the saved size are outer sizes, so both follow the frame as it becomes known. The saved size
    // goes first, already inside the new limits: limits that shrank the window on their own would leave it at a
    // size between the old and the new, which the window manager may grant last.
    if (storedOuterSize_.isValid()) {
        resize(storedOuterSize_.shrunkBy(frame).boundedTo(maximumClientSize()).expandedTo(minimumClientSize()));
        restoredSize_ = size();
    }
    applySizeLimits();
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm1::watchEvents() {
    onEvent(centralWidget(), [this](QEvent* event) {
        if (event->type() == QEvent::Resize) platform::guarded([this] { FormResize(); });
        return false;
    });
    onEvent(ScrollBar1, [this](QEvent* event) {
        if (event->type() != QEvent::KeyPress) return false;
        // Page Up goes back in time and Page Down forward, like the left and right arrows.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_PageUp && key != Qt::Key_PageDown) return false;
        ScrollBar1->triggerAction(key == Qt::Key_PageUp ? QAbstractSlider::SliderPageStepSub
                                                        : QAbstractSlider::SliderPageStepAdd);
        return true;
    });
    // Pointing at a day of the chart tells what it reads.
    exposeAsTable(ImageBio, chart::Strip.Days, [this](int column) { return chartDay(column); });
    onEvent(ImageBio, [this](QEvent* event) {
        if (event->type() != QEvent::ToolTip) return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = chartDayText(help->pos().x() / chart::Strip.DayWidth);
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, ImageBio);
        return true;
    });
    for (QLineEdit* box : {Edit_name, Edit2, Edit3, Edit4, Edit5, Edit_day, Edit_month, Edit_year})
        onEvent(box, [this, box](QEvent* event) { return editBoxEvent(box, event); });
}

bool TForm1::editBoxEvent(QLineEdit* box, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // The window's shortcuts win over the edit boxes' own keys (Ctrl+X is Exit, Ctrl+A is About, Ctrl+K the
        // critical days).
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* a : actions())
            if (!a->shortcut().isEmpty() && a->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        return false;
    }
    if (box != Edit_day && box != Edit_month && box != Edit_year) return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            if (text.isEmpty() || key->key() == Qt::Key_Delete) return false;              // keys that type nothing
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;  // moves the focus on
            bool keep = true;
            for (QChar c : text) {
                QChar ch = c;
                platform::guarded([&] { keep = Edit_dateKeyPress(box, ch) && keep; });
            }
            return !keep;
        }
        case QEvent::MouseButtonRelease: {
            // The box handles the click first, then its handler selects the whole text.
            box->event(event);
            platform::guarded([&] {
                if (box == Edit_day)
                    Edit_dayClick();
                else if (box == Edit_month)
                    Edit_monthClick();
                else
                    Edit_yearClick();
            });
            return true;
        }
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Leaving the box for another control of the window, not the window losing the keyboard.
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
            platform::guarded([&] {
                if (box == Edit_year)
                    Edit_yearExit(box);
                else
                    Edit_dayExit(box);
            });
            return false;
        }
        default:
            return false;
    }
}

}  // namespace rorovovo::forms
