// Every text of every window against its background, in the light and the dark scheme, from the palettes the windows
// really use; and the windows following a switch of the scheme while they are open.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "forms/QuorvitAbout.h"
#include "forms/Rorovovo2.h"
#include "forms/widgets.h"
#include "platform/desktop_scheme.h"
#include "tests/forms/drawn_person.h"

namespace rorovovo::forms {
namespace {

// What a text is drawn on: its box's base, or the filled background of the nearest control under it.
QColor groundOf(const QWidget* w, QPalette::ColorGroup group) {
    if (qobject_cast<const QLineEdit*>(w)) return w->palette().color(group, QPalette::Base);
    const QWidget* under = w;
    while (under->parentWidget() && !under->autoFillBackground()) under = under->parentWidget();
    return under->palette().color(group, under->backgroundRole());
}

class SchemeTest : public testing::DrawnPersonTest, public ::testing::WithParamInterface<bool> {
  protected:
    void TearDown() override {
        platform::applyScheme(platform::ColourScheme::Light);
        recolourAll();
        DrawnPersonTest::TearDown();
    }
    // Every window the user can open beside the main one, after the desktop switched while they were open.
    std::vector<QWidget*> openEveryWindowAndSwitch() {
        std::vector<QWidget*> windows = openEveryWindow();
        if (GetParam()) platform::applyScheme(platform::ColourScheme::Dark);
        recolourAll();
        QCoreApplication::sendPostedEvents();
        return windows;
    }
};

// Texts need 4.5:1, the quiet grey ones and disabled boxes 3:1. On the light desktop the rhythms' own colours are
// the design's and stand as they are.
TEST_P(SchemeTest, everyTextOfEveryWindow_readsOnItsBackground) {
    draw(QStringLiteral("Anna Smith"), QDate(1958, 3, 15));
    const std::vector<QWidget*> windows = openEveryWindowAndSwitch();
    ASSERT_GE(windows.size(), 7u);
    int measured = 0;
    for (QWidget* window : windows)
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window)) continue;
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* box = qobject_cast<QLineEdit*>(w);
            if (!(label && !label->text().isEmpty() && label->pixmap().isNull()) && !(box && !box->text().isEmpty()))
                continue;
            if (!GetParam() && w->property("rorovovoRhythm").isValid()) continue;
            const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
            const QColor text = w->palette().color(group, w->foregroundRole());
            const QColor ground = groundOf(w, group);
            const bool quiet = !w->isEnabled() || w->property("rorovovoQuietRatio").isValid();
            EXPECT_GE(contrastRatio(text, ground), quiet ? 3.0 : 4.5)
                << window->objectName().toStdString() << "." << w->objectName().toStdString() << " "
                << text.name().toStdString() << " on " << ground.name().toStdString();
            ++measured;
        }
    EXPECT_GT(measured, 60);
}

TEST_P(SchemeTest, theWindowsFollowTheScheme_theChartKeepsItsWhiteStrip) {
    const std::vector<QWidget*> windows = openEveryWindowAndSwitch();
    for (QWidget* window : windows)
        EXPECT_EQ(window->palette().color(window->backgroundRole()).lightness() < 128, GetParam())
            << window->objectName().toStdString();
    const QImage chart = control<PictureBox>("ImageBio")->canvas().image();
    EXPECT_EQ(chart.pixel(chart.width() - 5, 3) & 0xFFFFFF, 0xFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(Schemes, SchemeTest, ::testing::Values(false, true),
                         [](const auto& p) { return p.param ? "dark" : "light"; });

}  // namespace
}  // namespace rorovovo::forms
