#include "forms/QuorvitInterpret.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

#include "core/qt_text.h"
#include "forms/widgets.h"
#include "rhythm/interpretation.h"
#include "rhythm/rhythms.h"

namespace rorovovo::forms {

namespace {

constexpr int kDesignWidth = 492, kDesignHeight = 216;

QLabel* heading(QWidget* parent, const char* name, const QString& text, int top, const QColor& color) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setFont(designFont(15));
    setTextColor(l, color);
    l->adjustSize();
    l->move(16, top);
    return l;
}

QLabel* textLabel(QWidget* parent, const char* name, const QString& text, int top) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Fixed size: a long text wraps inside the box instead of growing it.
    l->setGeometry(16, top, 417, 33);
    l->setFixedSize(417, 33);
    return l;
}

}  // namespace

TFormInterpret::TFormInterpret(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormInterpret"));
    setWindowTitle(tr("     Rhythm's interpretation ..."));
    // A tool window: small caption with a close button only.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFont(designFont(12));
    setFixedSize(kDesignWidth, kDesignHeight);
    move(562, 231);

    Bevel1 = new BevelPanel(this, BevelPanel::Style::Frame);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(8, 8, 465, 201);

    // The labels are the window's own children laid over the frame, so the frame never hides them.
    // The first three rhythms, each headed by its name in its colour.
    QLabel** headings[] = {&Label1, &Label2, &Label3};
    const char* headingNames[] = {"Label1", "Label2", "Label3"};
    for (int i = 0; i < 3; ++i) {
        const rhythm::Rhythm& r = rhythm::Rhythms[i];
        *headings[i] = heading(this, headingNames[i], core::translated("Rhythm", r.Name), 12 + 62 * i,
                               QColor(QRgb(rhythm::colourOf(r))));
        setRhythmColour(*headings[i], r);
    }
    Label4 = textLabel(this, "Label4", tr("physical"), 32);
    Label5 = textLabel(this, "Label5", tr("emotional"), 94);
    Label6 = textLabel(this, "Label6", tr("intellectual"), 156);

    // The free strip at the foot of the frame, under the intellectual text.
    LabelGreeting = new QLabel(core::translated("Interpretation", rhythm::BirthdayGreeting), this);
    LabelGreeting->setObjectName(QStringLiteral("LabelGreeting"));
    LabelGreeting->setFont(designFont(12, true));
    setTextColor(LabelGreeting, QColor(0, 0, 255));
    LabelGreeting->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelGreeting->setGeometry(16, 190, 449, 16);
    LabelGreeting->hide();
}

void TFormInterpret::FormClick() { close(); }

void TFormInterpret::showTexts(const QString& caption, const QString& physical, const QString& emotional,
                               const QString& intellectual, bool birthday) {
    Label4->setText(physical);
    Label5->setText(emotional);
    Label6->setText(intellectual);
    setCaption(caption);
    LabelGreeting->setVisible(birthday);
    show();
    raise();
    activateWindow();
}

void TFormInterpret::setCaption(const QString& caption) {
    setWindowTitle(caption);
    // Title bars write in about the desktop's own face, bold on most; their buttons and icon take about this much.
    constexpr int kTitleBarRoom = 100;
    QFont title = QApplication::font();
    title.setBold(true);
    int wanted = QFontMetrics(title).horizontalAdvance(caption) + kTitleBarRoom;
    if (const QScreen* s = screen()) wanted = std::min(wanted, s->availableGeometry().width() - 40);
    const int w = std::max(kDesignWidth, wanted);
    if (w == width()) return;
    setFixedSize(w, kDesignHeight);
    // The frame and the greeting at its foot widen with the window; the texts keep their designed boxes.
    Bevel1->resize(w - (kDesignWidth - 465), Bevel1->height());
    LabelGreeting->resize(w - (kDesignWidth - 449), LabelGreeting->height());
}

bool TFormInterpret::onBackground(const QPoint& pos) const {
    // The frame holds all the labels; a click anywhere on it, or on a label, is not a click on the window.
    return rect().contains(pos) && !Bevel1->geometry().contains(pos);
}

void TFormInterpret::mousePressEvent(QMouseEvent* event) {
    pressedOnBackground_ = event->button() == Qt::LeftButton && onBackground(event->position().toPoint());
    QDialog::mousePressEvent(event);
}

void TFormInterpret::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release on the background with the left button.
    const bool click =
        pressedOnBackground_ && event->button() == Qt::LeftButton && onBackground(event->position().toPoint());
    pressedOnBackground_ = false;
    QDialog::mouseReleaseEvent(event);
    if (click) FormClick();
}

}  // namespace rorovovo::forms
