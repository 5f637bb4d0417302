#include "forms/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionSlider>
#include <QTextLayout>
#include <QValidator>
#include <algorithm>
#include <cmath>

#include "chart/qt_geometry.h"
#include "forms/pictures.h"
#include "rhythm/convert.h"

namespace rorovovo::forms {

QFont designFont(int pixelHeight, bool bold) {
    QFont font(chart::detail::installedFace(QStringLiteral("MS Sans Serif")));
    font.setStyleHint(QFont::SansSerif);
    // The height given is the character cell, leading included; the face's em is about nine tenths of it.
    font.setPixelSize(std::max(1, int(pixelHeight * 0.9 + 0.5)));
    font.setBold(bold);
    return font;
}

QRectF textSpan(const QLabel* label, int from, int to) {
    // The same steps as the label's own drawing: lines a line height plus the leading apart.
    const QFontMetricsF fm(label->font());
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = label->contentsRect().top() + label->margin();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->wordWrap() ? label->contentsRect().width() - 2 * label->margin() : 1e6);
        line.setPosition(QPointF(0, y));
        y += line.height() + fm.leading();
    }
    layout.endLayout();
    const QTextLine line = layout.lineForTextPosition(from);
    if (!line.isValid()) return {};
    const qreal left = label->contentsRect().left() + label->margin();
    const qreal x0 = line.cursorToX(from), x1 = line.cursorToX(to);
    return QRectF(left + x0, line.y(), x1 - x0, line.height());
}

int textWidth(const QLabel* label) {
    return int(std::ceil(QFontMetricsF(label->font()).horizontalAdvance(label->text()))) + 2 * label->margin() +
           label->width() - label->contentsRect().width();
}

namespace {

// What the user reads needs 4.5:1 on the window's background; on the designed light desktop the designed colours
// stand as they are.
constexpr double kTextContrast = 4.5;
const char* const kDesignColour = "rorovovoTextColour";
const char* const kQuietRatio = "rorovovoQuietRatio";
const char* const kRhythm = "rorovovoRhythm";
const char* const kQuietBoxRatio = "rorovovoQuietBoxRatio";

void applyTextColor(QWidget* widget, const QColor& color) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    widget->setPalette(p);
}

QColor windowBackground() { return QApplication::palette().color(QPalette::Window); }

}  // namespace

void showClearButton(QLineEdit* box) {
    box->setClearButtonEnabled(true);
    // The toolkit's button shows its action, which has an icon and no words.
    for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
        button->setAccessibleName(QCoreApplication::translate("Widgets", "Clear"));
}

bool darkWindows() { return windowBackground().lightness() < 128; }

namespace {
bool darkChart_ = false;
}

const chart::ChartColours& screenChart() { return darkChart_ ? chart::kDarkChart : chart::kLightChart; }
void useDarkChart(bool dark) { darkChart_ = dark; }

ColourChanges& colourChanges() {
    static ColourChanges* changes = new ColourChanges;  // lives as long as the program
    return *changes;
}

QColor readableText(const QColor& color, const QColor& background) {
    return darkWindows() ? readableOn(color, background, kTextContrast) : color;
}

void setTextColor(QWidget* widget, const QColor& color) {
    widget->setProperty(kDesignColour, color);
    applyTextColor(widget, readableText(color, windowBackground()));
}

void setQuietTextColor(QWidget* widget, double ratio) {
    widget->setProperty(kQuietRatio, ratio);
    const QPalette& p = QApplication::palette();
    applyTextColor(widget,
                   readableOn(p.color(QPalette::Disabled, QPalette::WindowText), p.color(QPalette::Window), ratio));
}

void setQuietBoxText(QLineEdit* box, double ratio) {
    box->setProperty(kQuietBoxRatio, ratio);
    const QPalette& app = QApplication::palette();
    QPalette p = box->palette();
    p.setColor(QPalette::Disabled, QPalette::Text,
               readableOn(app.color(QPalette::Disabled, QPalette::Text), app.color(QPalette::Disabled, QPalette::Base),
                          ratio));
    box->setPalette(p);
}

void setRhythmColour(QWidget* widget, const rhythm::Rhythm& r) {
    widget->setProperty(kRhythm, r.Number);
    const QColor colour(QRgb(rhythm::colourOf(r)));
    if (auto* line = qobject_cast<LineShape*>(widget)) {
        line->setColor(colour);
        // The design's legend lines are solid (the extra rhythms' dashes are two lines); the safe palette's
        // patterns are drawn along them.
        line->setPen(rhythm::activePalette() == rhythm::Palette::Design ? PenStyle::Solid : rhythm::penOf(r));
    } else if (widget->metaObject()->indexOfProperty("color") >= 0) {
        widget->setProperty("color", colour);
    } else {
        setTextColor(widget, colour);
    }
}

void recolourAll() {
    for (QWidget* w : QApplication::allWidgets()) {
        if (const QVariant number = w->property(kRhythm); number.isValid())
            setRhythmColour(w, rhythm::rhythmByNumber(number.toInt()));
        else if (const QVariant box = w->property(kQuietBoxRatio); box.isValid())
            setQuietBoxText(qobject_cast<QLineEdit*>(w), box.toDouble());
        else if (const QVariant ratio = w->property(kQuietRatio); ratio.isValid())
            setQuietTextColor(w, ratio.toDouble());
        else if (const QVariant colour = w->property(kDesignColour); colour.isValid())
            setTextColor(w, colour.value<QColor>());
    }
    emit colourChanges().changed();
}

namespace {

// Checks each edit of a box against the limit. A write by the program leaves the box without undo history, which
// tells it apart from typing and pasting.
class TypedLengthLimit : public QValidator {
  public:
    TypedLengthLimit(QLineEdit* box, int maxChars) : QValidator(box), box_(box), max_(maxChars), before_(box->text()) {
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
    }

    State validate(QString& text, int& cursor) const override {
        if (text.size() <= max_ || !box_->isUndoAvailable()) return Acceptable;
        // What the edit put in: the part between what it kept of the text before at either end.
        qsizetype head = 0;
        while (head < cursor && head < before_.size() && text[head] == before_[head]) ++head;
        qsizetype tail = 0;
        while (tail < text.size() - cursor && tail < before_.size() - head &&
               text[text.size() - 1 - tail] == before_[before_.size() - 1 - tail])
            ++tail;
        const qsizetype inserted = text.size() - head - tail;
        const qsizetype room = std::max<qsizetype>(0, max_ - (text.size() - inserted));
        if (inserted <= 0 || room == 0) return Invalid;
        text = text.left(head) + text.mid(head, std::min(inserted, room)) + text.right(tail);
        cursor = int(head + std::min(inserted, room));
        return Acceptable;
    }

  private:
    QLineEdit* box_;
    int max_;
    QString before_;
};

}  // namespace

void limitTypedLength(QLineEdit* box, int maxChars) { box->setValidator(new TypedLengthLimit(box, maxChars)); }

namespace {

class EventHook : public QObject {
  public:
    EventHook(QObject* watched, std::function<bool(QEvent*)> handler)
        : QObject(watched), handler_(std::move(handler)) {}
    bool eventFilter(QObject*, QEvent* event) override { return handler_(event); }

  private:
    std::function<bool(QEvent*)> handler_;
};

}  // namespace

QString padded(int value, int digits) { return QString::fromStdString(rhythm::zeroPadded(value, digits)); }

void onEvent(QObject* watched, std::function<bool(QEvent* event)> handler) {
    watched->installEventFilter(new EventHook(watched, std::move(handler)));
}

void keepTextInside(QLineEdit* box) {
    const QFont designed = box->font();
    QObject::connect(box, &QLineEdit::textChanged, box, [box, designed](const QString& text) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        constexpr int kInnerMargin = 2;  // the box's own room between the frame and the text, each side
        const int room =
            box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 2 * kInnerMargin;
        QFont font = designed;
        const auto needed = [&] { return QFontMetrics(font).horizontalAdvance(text) + 1; };  // and the cursor
        const int take = needed() > room ? std::min(kInnerMargin, (needed() - room + 1) / 2) : 0;
        for (int stretch = 98; stretch >= 86 && needed() > room + 2 * take; stretch -= 2) font.setStretch(stretch);
        if (font != box->font()) box->setFont(font);
        box->setTextMargins(-take, 0, -take, 0);
        if (take > 0 && !box->hasFocus()) box->setCursorPosition(0);
    });
}

double contrastRatio(const QColor& a, const QColor& b) {
    return chart::contrastRatio(a.rgb() & 0xFFFFFF, b.rgb() & 0xFFFFFF);
}

QColor readableOn(const QColor& color, const QColor& background, double ratio) {
    QColor c = color;
    // Mixed with white: lighter() leaves black and deep colours where they are.
    if (background.lightness() < 128)
        return QColor(QRgb(chart::lightenedTo(color.rgb() & 0xFFFFFF, background.rgb() & 0xFFFFFF, ratio)));
    for (int factor = 105; contrastRatio(c, background) < ratio && c != Qt::black; factor += 5)
        c = color.darker(factor);
    return c;
}

ChartScrollBar::ChartScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void ChartScrollBar::initStyleOption(QStyleOptionSlider* option) const {
    QScrollBar::initStyleOption(option);
    option->pageStep = 0;  // the thumb's length only; the page step itself still moves 300 pixels
}

void ChartScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QStyleOptionSlider slider;
    initStyleOption(&slider);
    // A line round the thumb, in the colour of a selection, shows where the arrow keys act.
    QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &slider, QStyle::SC_ScrollBarSlider, this);
    QPainter p(this);
    p.setPen(palette().color(QPalette::Highlight));
    p.drawRect(thumb.adjusted(0, 0, -1, -1));
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

PictureBox::~PictureBox() = default;

chart::QImageSurface& PictureBox::canvas() {
    loadPendingFile();
    if (!surface_) {
        surface_ =
            std::make_unique<chart::QImageSurface>(std::max(1, width()), std::max(1, height()), devicePixelRatioF());
        surface_->setChangedCallback([this] { pictureChanged(); });
    }
    return *surface_;
}

const QImage& PictureBox::picture() const {
    static const QImage none;
    // Reading the file changes nothing anyone can see, so a const look may do it.
    const_cast<PictureBox*>(this)->loadPendingFile();
    return surface_ ? surface_->image() : none;
}

void PictureBox::setPicture(const QImage& image) {
    // The pixels go through the surface so later drawing continues on the same picture.
    canvas().setImage(image);
}

void PictureBox::setPictureFile(const QString& fileName) {
    surface_.reset();
    pendingFile_ = fileName;
    pictureChanged();
}

void PictureBox::loadPendingFile() {
    if (pendingFile_.isEmpty()) return;
    // Through an icon, so a screen of pixel ratio 2 gets the file's "@2x" twin at its full resolution.
    const QIcon icon = pictureIcon(pendingFile_);
    const QImage image = icon.pixmap(icon.availableSizes().value(0), devicePixelRatioF()).toImage();
    pendingFile_.clear();
    setPicture(image);
}

void PictureBox::clearPicture() {
    pendingFile_.clear();
    surface_.reset();
    pictureChanged();
}

void PictureBox::setStretch(bool stretch) {
    stretch_ = stretch;
    pictureChanged();
}

void PictureBox::setTransparent(bool transparent) {
    transparent_ = transparent;
    pictureChanged();
}

void PictureBox::pictureChanged() {
    maskedValid_ = false;
    // A picture that covers the whole control says so, and a control moved over the screen (the chart strip when it
    // scrolls) then has the pixels it already showed moved with it; only what comes into view is painted.
    const bool covers =
        surface_ && !transparent_ && (stretch_ || (surface_->width() >= width() && surface_->height() >= height()));
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
    update();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    pictureChanged();
}

const QImage& PictureBox::shownImage() {
    const QImage& image = surface_->image();
    if (!transparent_ || image.isNull()) return image;
    if (!maskedValid_) {
        masked_ = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = image.pixel(0, image.height() - 1) | 0xFF000000u;
        for (int y = 0; y < masked_.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(masked_.scanLine(y));
            for (int x = 0; x < masked_.width(); ++x)
                if ((line[x] | 0xFF000000u) == key) line[x] = 0;
        }
        maskedValid_ = true;
    }
    return masked_;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    loadPendingFile();
    if (!surface_) return;
    // Only the exposed part is drawn, so a wide chart strip costs no more than the visible window onto it. An
    // unstretched picture maps its device pixels one to one onto the screen's.
    const QRect target = event->rect();
    const bool oneToOne = !stretch_ || (surface_->width() == width() && surface_->height() == height());
    if (oneToOne && !transparent_) {
        QPainter p(this);
        surface_->paint(p, target);
        return;
    }
    const QImage& image = shownImage();
    if (image.isNull()) return;
    QPainter p(this);
    const double ratio = image.devicePixelRatio();
    const double sx = stretch_ ? double(image.width()) / width() : ratio;
    const double sy = stretch_ ? double(image.height()) / height() : ratio;
    const QRectF source(target.x() * sx, target.y() * sy, target.width() * sx, target.height() * sy);
    p.drawImage(QRectF(target), image, source);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
    QWidget::mousePressEvent(event);
}

LineShape::LineShape(QWidget* parent, const QColor& color, int penWidth)
    : QWidget(parent), color_(color), penWidth_(penWidth) {}

void LineShape::setColor(const QColor& color) {
    color_ = color;
    update();
}

void LineShape::setPen(PenStyle pen) {
    pen_ = pen;
    update();
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int top = (height() - penWidth_) / 2;
    const chart::detail::DashPattern dashes = chart::detail::dashPattern(pen_);
    if (dashes.count == 0) {
        p.fillRect(0, top, width(), penWidth_, color_);
        return;
    }
    for (int x = 0, i = 0; x < width(); x += dashes.lengths[i] * penWidth_, i = (i + 1) % dashes.count)
        if (i % 2 == 0) p.fillRect(x, top, dashes.lengths[i] * penWidth_, penWidth_, color_);
}

BevelPanel::BevelPanel(QWidget* parent, Style style) : QFrame(parent), style_(style) {}

int BevelPanel::borderWidth() const { return style_ == Style::SingleBorder ? 2 : 0; }

QWidget* BevelPanel::clientArea() {
    if (!client_) {
        client_ = new QWidget(this);
        client_->setObjectName(objectName() + QStringLiteral("Client"));
        const int b = borderWidth();
        client_->setGeometry(rect().adjusted(b, b, -b, -b));
    }
    return client_;
}

void BevelPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    const int b = borderWidth();
    if (client_) client_->setGeometry(rect().adjusted(b, b, -b, -b));
}

void BevelPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (style_ == Style::None) return;
    QPainter p(this);
    const QPalette& pal = palette();
    const QRect r = rect().adjusted(0, 0, -1, -1);
    // Each edge is filled with the footprint a one-pixel pen with square ends would cover: the same pixels at every
    // scale, without the painter plotting a drawn line pixel by pixel.
    auto edge = [&](const QPoint& from, const QPoint& to, const QColor& color) {
        p.fillRect(QRectF(QPointF(from) - QPointF(0.5, 0.5), QPointF(to) + QPointF(0.5, 0.5)), color);
    };
    auto bevel = [&](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
        edge(box.topLeft(), box.topRight(), topLeft);
        edge(box.topLeft(), box.bottomLeft(), topLeft);
        edge(box.bottomLeft(), box.bottomRight(), bottomRight);
        edge(box.topRight(), box.bottomRight(), bottomRight);
    };
    switch (style_) {
        case Style::SingleBorder:  // a sunken two-pixel border
            bevel(r, pal.color(QPalette::Mid), pal.color(QPalette::Light));
            bevel(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Shadow), pal.color(QPalette::Midlight));
            break;
        case Style::RaisedInLoweredOut:
            bevel(r, pal.color(QPalette::Dark), pal.color(QPalette::Light));
            bevel(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Light), pal.color(QPalette::Dark));
            break;
        case Style::LoweredInner:
            bevel(r, pal.color(QPalette::Dark), pal.color(QPalette::Light));
            break;
        case Style::Frame:
            bevel(r, pal.color(QPalette::Dark), pal.color(QPalette::Light));
            bevel(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Light), pal.color(QPalette::Dark));
            break;
        case Style::None:
            break;
    }
}

}  // namespace rorovovo::forms
