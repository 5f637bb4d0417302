// Every text of every window is whole and clear of the other controls, in the face the run resolves the windows'
// font to: Liberation Sans, or the family named by ROROVOVO_TEST_FONT (DejaVu Sans in the second run); in every
// language, from the translations the build made (a text not translated yet is measured in English).
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTranslator>

#include "core/qt_text.h"
#include "forms/FormCompatibility.h"
#include "forms/widgets.h"
#include "platform/translator.h"
#include "rhythm/interpretation.h"
#include "tests/forms/drawn_person.h"

namespace rorovovo::forms {
namespace {

QString testFamily() {
    const QString family = qEnvironmentVariable("ROROVOVO_TEST_FONT");
    return family.isEmpty() ? QStringLiteral("Liberation Sans") : family;
}

// The text a control shows and the box it lays it out in, in the control's own coordinates.
struct TextBox {
    QString text;
    QRect area;
    Qt::Alignment align;
    bool wrap = false;
};

std::optional<TextBox> textBoxOf(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->text().isEmpty() || l->pixmap().isNull() == false) return std::nullopt;
        QString text = Qt::mightBeRichText(l->text()) && l->textFormat() != Qt::PlainText
                           ? QTextDocumentFragment::fromHtml(l->text()).toPlainText()
                           : l->text();
        if (l->buddy()) text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        const int m = l->margin();
        return TextBox{text, l->contentsRect().adjusted(m, m, -m, -m), l->alignment(), l->wordWrap()};
    }
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
        if (e->text().isEmpty() || e->echoMode() != QLineEdit::Normal) return std::nullopt;
        QStyleOptionFrame option;
        option.initFrom(e);
        option.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, e) : 0;
        // As the box lays its text out: inside its frame and margins, two pixels in from each side.
        const QRect area = e->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, e)
                               .marginsRemoved(e->textMargins())
                               .adjusted(2, 0, -2, 0);
        return TextBox{e->text(), area, Qt::AlignLeft | Qt::AlignVCenter, false};
    }
    const auto* b = qobject_cast<const QAbstractButton*>(w);
    if (!b || b->text().isEmpty()) return std::nullopt;
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    const bool check = qobject_cast<const QCheckBox*>(b) || qobject_cast<const QRadioButton*>(b);
    QRect area =
        b->style()->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, b);
    if (!b->icon().isNull()) area.setLeft(area.left() + b->iconSize().width() + 4);
    QString text = b->text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return TextBox{text, area, check ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter, false};
}

QString rectText(const QRectF& r) {
    return QStringLiteral("(%1,%2 %3x%4)")
        .arg(r.x(), 0, 'f', 1)
        .arg(r.y(), 0, 'f', 1)
        .arg(r.width(), 0, 'f', 1)
        .arg(r.height(), 0, 'f', 1);
}

bool overlap(const QRectF& a, const QRectF& b) {
    const QRectF both = a.intersected(b);
    return both.width() >= 1 && both.height() >= 1;  // a pixel or more
}

QString nameOf(const QWidget* w) { return w->window()->objectName() + QLatin1Char('.') + w->objectName(); }

// A control's text as laid out, in its parent's coordinates: for each line and each part of a line between gaps of
// two or more blanks or underscores, which another control may fill, the part's line box and the box of its ink.
// Adds to `faults` the lines that do not fit the control or its parent.
struct Part {
    QRectF line, ink;
};

std::vector<Part> layOut(const QWidget* w, QStringList& faults) {
    const auto box = textBoxOf(w);
    if (!box) return {};
    const QFontMetricsF fm(w->font());
    QTextLayout layout(box->text, w->font());
    QTextOption option;
    option.setWrapMode(box->wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = -fm.leading();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box->wrap ? box->area.width() : 1e6);
        height += fm.leading();
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();

    const QString name = nameOf(w) + QStringLiteral(" \"") + box->text + QStringLiteral("\" ");
    const QRectF area(box->area);
    qreal top = area.top();
    if (box->align & Qt::AlignVCenter) top += (area.height() - height) / 2;
    if (box->align & Qt::AlignBottom) top += area.height() - height;
    // A scroll area's view shows part of its contents by design.
    const bool clipped = qobject_cast<const QAbstractScrollArea*>(w->parentWidget()->parentWidget());
    const QRectF parentRect = QRectF(w->parentWidget()->rect()).adjusted(-0.5, -0.5, 0.5, 0.5);
    static const QRegularExpression gap(QStringLiteral(" {2,}|_{2,}"));
    std::vector<Part> parts;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        qreal left = area.left();
        if (box->align & Qt::AlignHCenter) left += (area.width() - line.naturalTextWidth()) / 2;
        if (box->align & Qt::AlignRight) left += area.width() - line.naturalTextWidth();
        const QRectF lineBox(left, top + line.y(), line.naturalTextWidth(), line.height());
        if (!area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(lineBox))
            faults << name + QStringLiteral("is cut off: line ") + rectText(lineBox) + QStringLiteral(" in ") +
                          rectText(area);
        const QString text = box->text.mid(line.textStart(), line.textLength());
        int from = 0;
        auto addPart = [&](int to) {
            while (from < to && text[from].isSpace()) ++from;
            while (to > from && text[to - 1].isSpace()) --to;
            if (to <= from) return;
            const qreal x0 = left + line.cursorToX(line.textStart() + from);
            const qreal x1 = left + line.cursorToX(line.textStart() + to);
            const QRectF ink = fm.tightBoundingRect(text.mid(from, to - from));
            parts.push_back(
                {QRectF(x0, lineBox.top(), x1 - x0, line.height()).translated(w->pos()),
                 QRectF(x0 + ink.left(), lineBox.top() + line.ascent() + ink.top(), ink.width(), ink.height())
                     .translated(w->pos())});
        };
        for (auto it = gap.globalMatch(text); it.hasNext();) {
            const auto match = it.next();
            addPart(int(match.capturedStart()));
            from = int(match.capturedEnd());
        }
        addPart(int(text.size()));
    }
    // Wholly outside, a text is hidden on purpose (a panel shows it by growing); partly outside, it is cut.
    for (const Part& part : parts)
        if (!clipped && overlap(part.ink, parentRect) && !parentRect.contains(part.ink))
            faults << name + QStringLiteral("runs out of its parent: ") + rectText(part.ink);
    return parts;
}

// Texts that do not fit their controls, and texts whose ink runs into a sibling's text or into a sibling control
// without text. A frame drawn beneath a whole text is its backdrop.
QStringList textFaults(const QWidget* window) {
    QStringList faults;
    QList<QWidget*> parents = window->findChildren<QWidget*>();
    parents.prepend(const_cast<QWidget*>(window));  // isVisibleTo(itself) holds
    for (const QWidget* parent : parents) {
        if (parent->window() != window || !parent->isVisibleTo(window)) continue;
        std::vector<std::pair<const QWidget*, std::vector<Part>>> siblings;  // bottom to top
        for (const QObject* o : parent->children()) {
            const auto* w = qobject_cast<const QWidget*>(o);
            if (w && w->isVisibleTo(window) && !w->isWindow()) siblings.emplace_back(w, layOut(w, faults));
        }
        // A text that ends at the window's edge reads as cut off there, though it is whole.
        constexpr qreal kEdge = 3;
        const QPointF offset = parent->mapTo(window, QPoint(0, 0));
        for (const auto& [w, parts] : siblings)
            for (const Part& part : parts) {
                const QRectF ink = part.ink.translated(offset);
                if (!overlap(ink, window->rect())) continue;  // a panel kept out of sight by design
                if (ink.left() < kEdge || ink.right() > window->width() - kEdge)
                    faults << nameOf(w) + QStringLiteral(" ends at the window's edge: ") + rectText(ink);
            }
        for (std::size_t i = 0; i < siblings.size(); ++i)
            for (std::size_t j = 0; j < siblings.size(); ++j) {
                const auto& [w, parts] = siblings[i];
                const auto& [other, otherParts] = siblings[j];
                if (i == j || (textBoxOf(other) && j < i)) continue;  // each pair of texts once
                for (const Part& part : parts) {
                    bool hit = false;
                    if (textBoxOf(other)) {
                        for (const Part& o : otherParts) hit = hit || overlap(part.ink, o.ink);
                    } else {
                        const QRectF box(other->geometry());
                        const bool backdrop = j < i && box.contains(part.line);
                        hit = !backdrop && overlap(part.ink, box);
                    }
                    if (hit)
                        faults << nameOf(w) + QStringLiteral(" runs into ") + other->objectName() +
                                      QStringLiteral(" at ") + rectText(part.ink);
                }
            }
    }
    faults.removeDuplicates();
    return faults;
}

class TextFitTest : public testing::DrawnPersonTest, public ::testing::WithParamInterface<QString> {
  protected:
    static void SetUpTestSuite() {
        designFont(12);  // the windows' own substitutions first, then the face of this run in their place
        QFont::removeSubstitutions(QStringLiteral("MS Sans Serif"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), testFamily());
    }
    void SetUp() override {
        // As the program starts in the language: its translations and its dates before the first window.
        platform::installTranslators(GetParam(), QStringLiteral(ROROVOVO_PROGRAM_DIR "/translations/"));
        DrawnPersonTest::SetUp();
    }
    void TearDown() override {
        DrawnPersonTest::TearDown();
        for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        QLocale::setDefault(QLocale::system());
    }
};

// The keyboard mark of a caption, lower case, or nothing.
QChar mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// Captions of one menu, or of one window's labels and buttons, that share a keyboard mark.
QStringList clashes(const QString& where, const QStringList& captions) {
    QStringList faults;
    QMap<QChar, QString> taken;
    for (const QString& caption : captions) {
        const QChar m = mnemonic(caption);
        if (m.isNull()) continue;
        if (taken.contains(m))
            faults << where + QStringLiteral(": \"") + taken[m] + QStringLiteral("\" and \"") + caption +
                          QStringLiteral("\" share &") + m;
        taken.insert(m, caption);
    }
    return faults;
}

QStringList menuClashes(const QMenu* menu) {
    QStringList captions, faults;
    for (const QAction* a : menu->actions()) {
        captions << a->text();
        if (a->menu()) faults << menuClashes(a->menu());
    }
    return faults + clashes(menu->objectName(), captions);
}

TEST_P(TextFitTest, everyWindowsTexts_fitAndKeepClearOfEachOther) {
    ASSERT_EQ(QFontInfo(designFont(12)).family(), testFamily()) << "the face of this run is not installed";
    // A birthday, so the greeting shows too, and an age of three figures.
    draw(QStringLiteral("Ann"), QDate(1815, 3, 15));
    control<QAction>("MenuToolsCritical")->trigger();
    control<QAction>("MenuToolsCompat")->trigger();
    auto* compat = form->findChild<TFormCompatibility*>(QStringLiteral("FormCompatibility"));
    ASSERT_NE(compat, nullptr);
    controlOf<QLineEdit>(compat, "Edit_name2")->setText(QStringLiteral("Bob"));
    controlOf<QLineEdit>(compat, "Edit_day2")->setText(QStringLiteral("05"));
    controlOf<QLineEdit>(compat, "Edit_month2")->setText(QStringLiteral("06"));
    controlOf<QLineEdit>(compat, "Edit_year2")->setText(QStringLiteral("1985"));
    controlOf<QPushButton>(compat, "Button_compare")->click();
    control<QAction>("MenuProgramIterpret")->trigger();
    form->aboutBox()->show();
    form->profileEditor()->show();
    form->show();
    QApplication::processEvents();
    ASSERT_TRUE(controlOf<QLabel>(form->interpretWindow(), "LabelGreeting")->isVisible());

    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || qobject_cast<const QMenu*>(window)) continue;
        ++windows;
        const QStringList faults = textFaults(window);
        EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join(QLatin1Char('\n')));
    }
    EXPECT_EQ(windows, 6) << "main window, About, editor, interpretation, critical days, compatibility";
}

TEST_P(TextFitTest, everyZodiacName_fitsItsLabel) {
    const QDate oneDayOfEachSign[] = {{1990, 1, 25}, {1990, 2, 25},  {1990, 3, 25},  {1990, 4, 25},
                                      {1990, 5, 25}, {1990, 6, 25},  {1990, 7, 25},  {1990, 8, 25},
                                      {1990, 9, 25}, {1990, 10, 25}, {1990, 11, 25}, {1990, 12, 25}};
    QStringList seen;
    for (const QDate& birth : oneDayOfEachSign) {
        draw(QStringLiteral("Ann"), birth);
        const auto* sign = control<QLabel>("Label_Sign");
        seen << sign->text();
        QStringList faults;
        layOut(sign, faults);
        EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join(QLatin1Char('\n')));
    }
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), 12);
}

TEST_P(TextFitTest, everyInterpretationText_fitsItsBox) {
    const struct {
        std::string_view (*text)(int day);
        int period;
    } rhythms[] = {{rhythm::physicalText, 23}, {rhythm::emotionalText, 28}, {rhythm::intellectualText, 33}};
    QLabel* box = controlOf<QLabel>(form->interpretWindow(), "Label4");
    for (const auto& r : rhythms)
        for (int day = 0; day < r.period; ++day) {
            const std::string_view text = r.text(day);
            box->setText(core::translated("Interpretation", text));
            QStringList faults;
            layOut(box, faults);
            EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join(QLatin1Char('\n')));
        }
}

TEST_P(TextFitTest, noTwoCaptionsOfOneMenuOrWindow_shareAKeyboardMark) {
    draw(QStringLiteral("Ann"), QDate(1815, 3, 15));
    for (const char* tool : {"MenuToolsCritical", "MenuToolsPlanner", "MenuToolsReminders"})
        control<QAction>(tool)->trigger();
    QStringList faults;
    QMenu bar;  // the menu bar's own items are one menu too
    for (QAction* a : form->menuBar()->actions()) bar.addAction(a);
    bar.setObjectName(QStringLiteral("MainMenu1"));
    faults << menuClashes(&bar);
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window == form || qobject_cast<const QMenu*>(window)) continue;
        ++windows;
        QStringList captions;
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            if (const auto* l = qobject_cast<const QLabel*>(w); l && l->buddy()) captions << l->text();
            if (const auto* b = qobject_cast<const QAbstractButton*>(w)) captions << b->text();
        }
        faults << clashes(window->objectName(), captions);
    }
    EXPECT_EQ(windows, 3) << "critical days, planner, reminders";
    EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join(QLatin1Char('\n')));
}

QStringList languages() {
    return QStringList{QStringLiteral("en")} + QStringLiteral(ROROVOVO_LANGUAGES).split(QLatin1Char(','));
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFitTest, ::testing::ValuesIn(languages()),
                         [](const auto& language) { return language.param.toStdString(); });

}  // namespace
}  // namespace rorovovo::forms
