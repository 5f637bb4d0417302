#include "forms/Rorovovo2.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/errors.h"
#include "forms/widgets.h"
#include "platform/dialogs.h"
#include "profiles/profile_entry.h"
#include "profiles/profile_list.h"
#include "rhythm/convert.h"

namespace rorovovo::forms {

namespace {

QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* b = place(new QPushButton(caption, parent), name, left, top, 57, 22);
    // Enter in a box must not press a button, least of all the one on the panel out of view.
    b->setAutoDefault(false);
    return b;
}

std::string utf8(const QLineEdit* box) { return box->text().toStdString(); }

}  // namespace

TFormEditor::TFormEditor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormEditor"));
    setWindowTitle(QStringLiteral("Profile editor"));
    // A fixed dialog frame: a caption with a close box, no minimise, maximise or sizing.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(designFont(12));
    createControls();
    move(492, 370);
    FormCreate();
}

void TFormEditor::createControls() {
    Panel_add = place(new BevelPanel(this, BevelPanel::Style::LoweredInner), "Panel_add", 0, 0, 201, 89);
    Label10 = place(new QLabel(QStringLiteral("name"), Panel_add), "Label10", 16, 4);
    Edit_name = place(new QLineEdit(Panel_add), "Edit_name", 16, 16, 161, 21);
    Label1 = place(new QLabel(QStringLiteral("day"), Panel_add), "Label1", 17, 44);
    Label2 = place(new QLabel(QStringLiteral("month"), Panel_add), "Label2", 40, 44);
    Label3 = place(new QLabel(QStringLiteral("year"), Panel_add), "Label3", 78, 44);
    Edit_name->setTextMargins(0, 0, 0, 0);
    dateBoxes_ = DateBoxes::create(Panel_add, 16, 56);
    Edit_day = dateBoxes_.day;
    Edit_month = dateBoxes_.month;
    Edit_year = dateBoxes_.year;
    Button_addnew = pushButton(Panel_add, "Button_addnew", QStringLiteral("add new"), 120, 56);

    // Designed out of view; the main window brings the panel of the wanted mode to the left edge.
    Panel_del = place(new BevelPanel(this, BevelPanel::Style::LoweredInner), "Panel_del", 400, 0, 201, 89);
    ComboBox1 = new QComboBox(Panel_del);
    ComboBox1->setEditable(false);
    place(ComboBox1, "ComboBox1", 22, 16, 155, 21);
    Button_delete = pushButton(Panel_del, "Button_delete", QStringLiteral("delete"), 120, 56);

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

void TFormEditor::Button_addnewClick() {
    if (Edit_name->text().isEmpty() || dateBoxes_.anyEmpty() || !dateBoxes_.check()) return;
    const QString name = Edit_name->text();
    // The boxes take any text that converts ("$0A" or " 5" as well), so the stored date is written afresh.
    const QString entry = profiles::buildProfileEntry(
        name, rhythm::strToInt(utf8(Edit_day)), rhythm::strToInt(utf8(Edit_month)), rhythm::strToInt(utf8(Edit_year)));
    if (const QString why = profiles::unstorableReason(name, entry); !why.isEmpty()) {
        platform::showMessage(why);
        return;
    }
    // Another copy may have stored the name since the list was loaded.
    profileList().refresh();
    if (profileList().find(profiles::trimmedProfileName(name)) >= 0) {
        platform::showMessage(QStringLiteral("The name you are trying to add already exists on the database.."));
        return;
    }
    profileList().add(entry);
    done(QDialog::Accepted);
}

void TFormEditor::Button_deleteClick() {
    const int p = ComboBox1->currentIndex();
    if (p < 0) {
        platform::showMessage(QStringLiteral("No profile is selected, so nothing was deleted."));
        return;
    }
    const QString name = ComboBox1->itemText(p);
    if (platform::messageDlg(QStringLiteral("Sure to delete  '") + name + QStringLiteral("'s'  profile?"),
                             platform::DialogKind::Confirmation,
                             {platform::DialogButton::Ok, platform::DialogButton::Cancel}) !=
        platform::DialogButton::Ok)
        return;
    if (!profileList().remove(p)) {
        platform::showMessage(QStringLiteral("The profile '") + name +
                              QStringLiteral("' is no longer in the settings file."));
        // The list has been reloaded from the file; offer what it holds now.
        ComboBox1->clear();
        for (int k = 0; k < profileList().count(); ++k) ComboBox1->addItem(profileList().name(k));
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
