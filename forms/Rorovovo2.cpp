#include "forms/Rorovovo2.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

#include "core/errors.h"
#include "forms/widgets.h"
#include "platform/dialogs.h"
#include "profiles/profile_entry.h"
#include "profiles/profile_list.h"

namespace rorovovo::forms {

namespace {

QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* b = place(new QPushButton(caption, parent), name, left, top, 57, 22);
    // Enter in a box must not press a button, least of all the one on the panel out of view.
    b->setAutoDefault(false);
    return b;
}

// The panel out of view sits beyond the editor's client width.
constexpr int kOutOfView = 400;

}  // namespace

TFormEditor::TFormEditor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormEditor"));
    setWindowTitle(tr("Profile editor"));
    // A fixed dialog frame: a caption with a close box, no minimise, maximise or sizing.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(designFont(12));
    createControls();
    move(492, 370);
    FormCreate();
}

void TFormEditor::createControls() {
    Panel_add = place(new BevelPanel(this, BevelPanel::Style::LoweredInner), "Panel_add", 0, 0, 201, 89);
    PersonPanel person = PersonPanel::create(Panel_add, {{"Label10", "Label1", "Label2", "Label3"},
                                                         {QPoint(16, 4), {17, 44}, {40, 44}, {78, 44}},
                                                         {16, 16, 161, 21},
                                                         {16, 56}});
    std::tie(Edit_name, Edit_day, Edit_month, Edit_year) = person.boxes();
    dateBoxes_ = person.date;
    Button_addnew = pushButton(Panel_add, "Button_addnew", tr("add new"), 120, 56);

    // Designed out of view; the main window brings the panel of the wanted mode to the left edge.
    Panel_del = place(new BevelPanel(this, BevelPanel::Style::LoweredInner), "Panel_del", 400, 0, 201, 89);
    ComboBox1 = new QComboBox(Panel_del);
    ComboBox1->setEditable(false);
    place(ComboBox1, "ComboBox1", 22, 16, 155, 21);
    ComboBox1->setAccessibleName(tr("profile"));
    Button_delete = pushButton(Panel_del, "Button_delete", tr("delete"), 120, 56);

    QWidget::setTabOrder(Edit_name, Edit_year);
    QWidget::setTabOrder(Edit_year, Edit_month);
    QWidget::setTabOrder(Edit_month, Edit_day);
    QWidget::setTabOrder(Edit_day, Button_addnew);
    QWidget::setTabOrder(Button_addnew, ComboBox1);
    QWidget::setTabOrder(ComboBox1, Button_delete);

    onSignal(this, Button_addnew, &QPushButton::clicked, &TFormEditor::Button_addnewClick);
    onSignal(this, Button_delete, &QPushButton::clicked, &TFormEditor::Button_deleteClick);
}

void TFormEditor::FormCreate() {
    setFixedSize(Panel_add->width() + 1, Panel_add->height() + 1);
    dateBoxes_.fillToday();
}

void TFormEditor::FormShow() { Edit_name->setFocus(Qt::OtherFocusReason); }

bool TFormEditor::addProfile(profiles::ProfileList* list) {
    Panel_add->move(0, Panel_add->y());
    Panel_del->move(kOutOfView, Panel_del->y());
    setProfileList(list);
    return exec() == QDialog::Accepted;
}

bool TFormEditor::deleteProfile(profiles::ProfileList* list, int selected) {
    ComboBox1->setModel(list);
    ComboBox1->setCurrentIndex(selected);
    Panel_add->move(kOutOfView, Panel_add->y());
    Panel_del->move(0, Panel_del->y());
    setProfileList(list);
    return exec() == QDialog::Accepted;
}

void TFormEditor::Button_addnewClick() {
    if (Edit_name->text().isEmpty() || dateBoxes_.anyEmpty() || !dateBoxes_.check()) return;
    const rhythm::Date date = dateBoxes_.value();
    const auto added = profileList().addProfile(Edit_name->text(), date.Day, date.Month, date.Year);
    if (!added.refusal.isEmpty()) {
        platform::showMessage(added.refusal);
        return;
    }
    done(QDialog::Accepted);
}

void TFormEditor::Button_deleteClick() {
    const int p = ComboBox1->currentIndex();
    if (p < 0) {
        platform::showMessage(tr("No profile is selected, so nothing was deleted."));
        return;
    }
    const QString name = ComboBox1->itemText(p);
    if (platform::messageDlg(tr("Sure to delete  '%1's'  profile?").arg(name), platform::DialogKind::Confirmation,
                             {platform::DialogButton::Ok, platform::DialogButton::Cancel}) !=
        platform::DialogButton::Ok)
        return;
    if (!profileList().remove(p)) {
        platform::showMessage(tr("The profile '%1' is no longer in the settings file.").arg(name));
        // The list has been reloaded from the file and offers what it holds now.
        ComboBox1->setCurrentIndex(-1);
        return;
    }
    done(QDialog::Accepted);
}

void TFormEditor::setProfileList(profiles::ProfileList* list) { profileList_ = list; }

profiles::ProfileList& TFormEditor::profileList() const {
    if (!profileList_) throw AppError("The profile list is not open");
    return *profileList_;
}

void TFormEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Only the panel in view answers: the other one's button cannot be pressed through the keyboard.
    Button_addnew->setEnabled(Panel_add->x() < width());
    Button_delete->setEnabled(Panel_del->x() < width());
    FormShow();
}

void TFormEditor::hideEvent(QHideEvent* event) {
    Button_addnew->setEnabled(true);
    Button_delete->setEnabled(true);
    QDialog::hideEvent(event);
}

}  // namespace rorovovo::forms
