#pragma once

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <memory>

#include "chart/colors.h"
#include "chart/qimage_surface.h"
#include "platform/guard.h"
#include "rhythm/rhythms.h"

namespace rorovovo::forms {

// Names a control and puts it at its place; without a size it takes the size its content asks for.
template <class W>
W* place(W* widget, const char* name, int left, int top, int width = -1, int height = -1) {
    widget->setObjectName(QLatin1String(name));
    if (width < 0) {
        widget->adjustSize();
        width = widget->width();
        height = widget->height();
    }
    widget->setGeometry(left, top, width, height);
    return widget;
}

// Runs a window's handler on a control's signal, guarded as every handler is; the signal's arguments are not used.
template <class Window, class Sender, class Signal>
void onSignal(Window* window, Sender* sender, Signal signal, void (Window::*handler)()) {
    QObject::connect(sender, signal, window,
                     [window, handler] { platform::guarded([window, handler] { (window->*handler)(); }); });
}

// Calls `handler` with every event of `watched` before it gets it; true stops the event there. The hook goes with
// the object.
void onEvent(QObject* watched, std::function<bool(QEvent* event)> handler);

// An integer written with at least `digits` digits, zeros in front ("%.2d", "%.4d").
QString padded(int value, int digits);

// A search box with the toolkit's clear button, which is named for a screen reader.
void showClearButton(QLineEdit* box);

// A text's colour as designed on a light desktop; on a dark one lightened as far as needed for 4.5:1 on the
// background.
QColor readableText(const QColor& color, const QColor& background);
// The colour a control writes its text in. On a dark desktop it is lightened as far as needed to read on the
// window's background; recolourAll() applies it again after the desktop's scheme changes.
void setTextColor(QWidget* widget, const QColor& color);
// The desktop's grey for quiet texts, yet dark (or light) enough to read on the window's background.
void setQuietTextColor(QWidget* widget, double ratio);
// The grey a disabled box writes its text in, dark (or light) enough to read on its background.
void setQuietBoxText(QLineEdit* box, double ratio);
// A text, legend line or bar in a rhythm's colour (a line also in its pen) of the palette in use.
void setRhythmColour(QWidget* widget, const rhythm::Rhythm& r);
// Applies the three above again to every control, after the palette or the desktop's scheme changed.
void recolourAll();
// Whether the application's windows are dark, by their background.
bool darkWindows();

// The colours the strips on screen are drawn in, the user's choice; exports and print keep the light chart.
const chart::ChartColours& screenChart();
void useDarkChart(bool dark);

// Tells every window that draws pictures in these colours to draw them again, after recolourAll().
class ColourChanges : public QObject {
    Q_OBJECT
  signals:
    void changed();
};
ColourChanges& colourChanges();

// The windows' font, "MS Sans Serif" where the desktop has it, else a face of the same narrow build;
// pixelHeight is the height of a character cell.
QFont designFont(int pixelHeight, bool bold = false);

// Where a label draws characters [from, to) of its plain text (which must stay on one line): the box from the first
// character's left edge to the last one's right edge, one line high, in the label's coordinates. The label is top
// and left aligned; a word-wrapped label breaks its lines at its contents width.
QRectF textSpan(const QLabel* label, int from, int to);
// The width a label needs for its plain text on one line, in whole pixels.
int textWidth(const QLabel* label);

// Binds a box's length limit to what the user types or pastes, as a native edit box does, cutting a paste to the
// room left; the program's own writes into the box are shown whole.
void limitTypedLength(QLineEdit* box, int maxChars);

// A text the program writes into a box too narrow for it (a pasted "-5" written back as "-05", an age of 211.0)
// takes the box's inner margins, and then a narrower face, and shows from its start rather than slide under the
// box's border; a text that fits is laid out as designed.
void keepTextInside(QLineEdit* box);

// The contrast ratio of two colours by their relative luminance, from 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);
// The colour, darkened (on a dark background: lightened) only as far as needed to stand out from the background at
// the given ratio.
QColor readableOn(const QColor& color, const QColor& background, double ratio = 3.0);

// The chart's scroll bar. It takes the keyboard in its place of the tab order and on a click and shows that it has
// it; its thumb is the smallest the style draws, since a page step is no visible share of the strip.
class ChartScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    explicit ChartScrollBar(QWidget* parent = nullptr);

  protected:
    void initStyleOption(QStyleOptionSlider* option) const override;
    void paintEvent(QPaintEvent* event) override;
};

// A picture control: shows its off-screen picture, stretched to the control or at its own size, and may treat
// the colour of the picture's bottom-left pixel as transparent so the parent shows through.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // The drawing surface of the picture; the first use creates a white picture at the control's current size.
    chart::QImageSurface& canvas();
    bool hasPicture() const { return surface_ != nullptr || !pendingFile_.isEmpty(); }
    const QImage& picture() const;
    // Gives the control a new picture, or none.
    void setPicture(const QImage& image);
    // Gives the control the picture in a file, read only when the picture is first wanted.
    void setPictureFile(const QString& fileName);
    void clearPicture();

    void setStretch(bool stretch);
    void setTransparent(bool transparent);
    bool transparent() const { return transparent_; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void pictureChanged();
    const QImage& shownImage();
    void loadPendingFile();

    std::unique_ptr<chart::QImageSurface> surface_;
    QString pendingFile_;
    QImage masked_;
    bool maskedValid_ = false;
    bool stretch_ = false;
    bool transparent_ = false;
};

// A straight horizontal line of a given colour and pen width, centred in the control.
class LineShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
  public:
    LineShape(QWidget* parent, const QColor& color, int penWidth);
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    // Dashes along the line, as a curve in this pen is drawn; solid by default.
    void setPen(PenStyle pen);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor color_;
    int penWidth_;
    PenStyle pen_ = PenStyle::Solid;
};

// A panel with the classic raised and lowered bevels, or a single-line border.
class BevelPanel : public QFrame {
    Q_OBJECT
  public:
    enum class Style { None, SingleBorder, RaisedInLoweredOut, LoweredInner, Frame };
    BevelPanel(QWidget* parent, Style style);
    // The area inside the border, where children sit and are clipped; it follows the panel's size.
    QWidget* clientArea();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    int borderWidth() const;
    Style style_;
    QWidget* client_ = nullptr;
};

}  // namespace rorovovo::forms
