#include "forms/QuorvitAbout.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

#include "forms/pictures.h"
#include "forms/widgets.h"
#include "platform/app_info.h"
#include "platform/file_version.h"
#include "platform/guard.h"
#include "platform/shell.h"
#include "platform/web_links.h"

namespace rorovovo::forms {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setMargin(0);
    l->setIndent(0);
    l->adjustSize();
    l->move(left, top);
    return l;
}

QLabel* fixedLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry, bool wrap) {
    QLabel* l = label(parent, name, text, geometry.left(), geometry.top());
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFixedSize(geometry.size());
    return l;
}

QLabel* linkLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    QLabel* l = fixedLabel(parent, name, text, geometry, false);
    QFont font = designFont(11);
    font.setUnderline(true);
    l->setFont(font);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    l->setPalette(p);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

}  // namespace

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(designFont(12));
    // The button face by role, so the box follows the desktop's scheme.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFixedSize(294, 166);
    move(164, 169);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, -4, 73, 57);
    Image1->setScaledContents(true);
    // Through an icon, which takes the picture's "@2x" twin on a screen of pixel ratio 2.
    Image1->setPixmap(pictureIcon(QStringLiteral(":/images/about_picture.png")).pixmap(Image1->size()));

    Label3 = label(this, "Label3", tr("Freeware by"), 128, 11);
    Label9 = label(this, "Label9", QStringLiteral("\u00A9"), 212, 10);
    Label2 = label(this, "Label2", QStringLiteral("Quorvit"), 224, 12);
    Label10 = linkLabel(this, "Label10", platform::siteAddressText(), QRect(180, 23, 99, 13));
    Label6 = fixedLabel(this, "Label6",
                        tr("Find your own personal Zavirir, all 4 curves. Add as many people as you want "
                           "and check how everyone is doing for the day!"),
                        QRect(10, 56, 228, 41), true);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(248, 56, 41, 41);
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(8, 104, 280, 2);

    Label4 = fixedLabel(this, "Label4",
                        tr("If you like this program, do email me with feedback, ideas, suggestions or "
                           "questions to"),
                        QRect(9, 112, 278, 26), true);
    Label7 = linkLabel(this, "Label7", platform::feedbackAddressText(), QRect(157, 124, 122, 13));
    //: The donation link below ("donating ") is laid over the blank, which stays seven underscores.
    Label5 = fixedLabel(this, "Label5", tr("You can also help the development, by _______ a few $$"),
                        QRect(8, 144, 281, 13), false);
    Label8 = linkLabel(this, "Label8", tr("donating "), QRect(195, 144, 44, 13));
    // Opaque, so the word covers the blank of the sentence beneath it.
    Label8->setAutoFillBackground(true);

    for (QWidget* w : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label9),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label10), static_cast<QWidget*>(Label6),
                       static_cast<QWidget*>(Image2), static_cast<QWidget*>(Label4), static_cast<QWidget*>(Label7),
                       static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label8)})
        w->installEventFilter(this);

    fitTexts();
    FormCreate();
}

void TFormAbout::fitTexts() {
    // The boxes were drawn for a narrow face; with the faces of a Linux desktop a text may need more room. Each
    // keeps its place and grows to the right or down; what lies below moves down, and the box grows with it.
    Label10->setFixedWidth(std::max(Label10->width(), textWidth(Label10)));
    int shift = 0;
    auto growDown = [&](QLabel* l) {
        l->move(l->x(), l->y() + shift);
        const int end = int(l->text().size());  // a fraction of a pixel of leading under the last line is no loss
        const int needed = std::max(l->height(), qRound(textSpan(l, end - 1, end).bottom()));
        shift += needed - l->height();
        l->setFixedHeight(needed);
    };
    growDown(Label6);
    Bevel1->move(Bevel1->x(), Bevel1->y() + shift);

    // The mail link follows the sentence that leads to it, on its last line or, without room there, under it.
    growDown(Label4);
    const QString text4 = Label4->text();
    const QRectF last = textSpan(Label4, int(text4.size()) - 1, int(text4.size()));
    const int ascentShift = QFontMetrics(Label4->font()).ascent() - QFontMetrics(Label7->font()).ascent();
    const int linkWidth = textWidth(Label7);
    const int space = QFontMetrics(Label7->font()).horizontalAdvance(QLatin1Char(' '));
    const QPoint link(Label4->x() + int(std::ceil(last.right())) + space, Label4->y() + int(last.top()) + ascentShift);
    Label7->setFixedWidth(linkWidth);
    Label7->move(link);
    if (link.x() + linkWidth > width() - Label4->x()) {
        Label7->move(Label4->x(), Label4->y() + int(std::ceil(last.bottom())) + ascentShift);
        shift += std::max(0, Label7->y() + Label7->height() - (Label4->y() + Label4->height()));
    }

    // The donation link covers the blank of its sentence; the blank is lengthened where the word is wider.
    const QString blank = QStringLiteral("_______");
    const QFontMetricsF sentence(Label5->font());
    const int missing = int(std::ceil(
        (QFontMetricsF(Label8->font()).horizontalAdvance(Label8->text()) - sentence.horizontalAdvance(blank)) /
        sentence.horizontalAdvance(QLatin1Char('_'))));
    if (missing > 0) Label5->setText(Label5->text().replace(blank, blank + QString(missing, QLatin1Char('_'))));
    Label5->setWordWrap(textWidth(Label5) > Label5->width());
    growDown(Label5);
    const int blankStart = int(Label5->text().indexOf(blank));
    const int blankEnd = int(Label5->text().lastIndexOf(QLatin1Char('_'))) + 1;
    const QRectF span = textSpan(Label5, blankStart, blankEnd);
    const int donateShift = QFontMetrics(Label5->font()).ascent() - QFontMetrics(Label8->font()).ascent();
    Label8->setFixedWidth(int(std::ceil(span.width())));
    Label8->move(Label5->x() + int(span.left()), Label5->y() + int(span.top()) + donateShift);
    setFixedHeight(height() + shift);
}

QString TFormAbout::captionFor(const QString& title, const QString& exePath) {
    return title + QStringLiteral("   (v") + platform::getFileVersion(exePath) + QLatin1Char(')');
}

void TFormAbout::FormCreate() {
    setWindowTitle(captionFor(platform::applicationTitle(), platform::executablePath()));
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) icon = pictureIcon(QStringLiteral(":/images/icon48.png"));
    Image2->setPixmap(icon.pixmap(QSize(41, 41)));
}

void TFormAbout::FormClick() { accept(); }

void TFormAbout::Label10Click() { platform::shellOpen(platform::freewareUrl()); }

void TFormAbout::Label7Click() { platform::shellOpen(platform::feedbackMailUrl()); }

void TFormAbout::Label8Click() { platform::shellOpen(platform::donationUrl()); }

void TFormAbout::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        FormClick();
        return;
    }
    QDialog::mousePressEvent(event);
}

bool TFormAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return QDialog::eventFilter(watched, event);
    platform::guarded([&] {
        if (watched == Label10)
            Label10Click();
        else if (watched == Label7)
            Label7Click();
        else if (watched == Label8)
            Label8Click();
        else
            FormClick();
    });
    return true;
}

}  // namespace rorovovo::forms
