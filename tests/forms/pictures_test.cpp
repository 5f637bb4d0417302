// The program reads its own pictures without the toolkit's image reader, its style makes the menu bar's overflow
// arrow only when it is drawn, and its panels fill their bevels; what a user sees must be what the toolkit would have
// shown.
#include "forms/pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <memory>

#include "forms/widgets.h"

namespace {

using rorovovo::forms::BevelPanel;
using rorovovo::forms::makeProgramStyle;
using rorovovo::forms::readPicture;

TEST(Pictures, everyPictureOfTheProgram_readsAsTheToolkitReadsIt) {
    const QDir images(QStringLiteral(":/images"));
    const QStringList names = images.entryList(QDir::Files);
    ASSERT_GE(names.size(), 10);
    for (const QString& name : names) {
        const QString path = images.filePath(name);
        const QImage ours = readPicture(path);
        const QImage toolkits(path);
        ASSERT_FALSE(ours.isNull()) << qPrintable(name);
        EXPECT_EQ(ours, toolkits) << qPrintable(name);
        EXPECT_EQ(ours.format(), toolkits.format()) << qPrintable(name);
        EXPECT_EQ(ours.devicePixelRatio(), toolkits.devicePixelRatio()) << qPrintable(name);
    }
    EXPECT_TRUE(readPicture(QStringLiteral(":/images/no such picture.png")).isNull());
}

TEST(Pictures, theOverflowArrows_areTheDesktopStylesOwn) {
    const std::unique_ptr<QStyle> program(makeProgramStyle());
    QProxyStyle desktop;
    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon made = program->standardIcon(which);
        const QIcon expected = desktop.standardIcon(which);
        EXPECT_FALSE(made.isNull());
        for (const int size : {16, 32})
            EXPECT_EQ(made.pixmap(size).toImage(), expected.pixmap(size).toImage()) << which << " at " << size;
        EXPECT_EQ(made.availableSizes(), expected.availableSizes()) << which;
    }
}

// Each bevel is the pair of one-pixel lines a panel of the design has, at every scale of the screen.
TEST(Pictures, bevelledPanels_showTheirEdgesAsOnePixelLines) {
    using Style = BevelPanel::Style;
    const struct {
        Style style;
        QPalette::ColorRole outer[2], inner[2];  // top and left, then bottom and right; NoRole: no inner bevel
    } cases[] = {{Style::SingleBorder, {QPalette::Mid, QPalette::Light}, {QPalette::Shadow, QPalette::Midlight}},
                 {Style::RaisedInLoweredOut, {QPalette::Dark, QPalette::Light}, {QPalette::Light, QPalette::Dark}},
                 {Style::LoweredInner, {QPalette::Dark, QPalette::Light}, {QPalette::NoRole, QPalette::NoRole}},
                 {Style::Frame, {QPalette::Dark, QPalette::Light}, {QPalette::Light, QPalette::Dark}}};
    for (const auto& c : cases) {
        for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
            BevelPanel panel(nullptr, c.style);
            panel.resize(41, 23);
            const auto blank = [&] {
                QImage image(panel.size() * scale, QImage::Format_ARGB32_Premultiplied);
                image.setDevicePixelRatio(scale);
                image.fill(Qt::white);
                return image;
            };
            QImage shown = blank();
            panel.render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
            QImage lines = blank();
            {
                BevelPanel plain(nullptr, Style::None);
                plain.resize(panel.size());
                plain.render(&lines, QPoint(), QRegion(), QWidget::DrawChildren);
                QPainter p(&lines);
                const auto bevel = [&](const QRect& r, const QPalette::ColorRole(&roles)[2]) {
                    if (roles[0] == QPalette::NoRole) return;
                    p.setPen(panel.palette().color(roles[0]));
                    p.drawLine(r.topLeft(), r.topRight());
                    p.drawLine(r.topLeft(), r.bottomLeft());
                    p.setPen(panel.palette().color(roles[1]));
                    p.drawLine(r.bottomLeft(), r.bottomRight());
                    p.drawLine(r.topRight(), r.bottomRight());
                };
                const QRect r = panel.rect().adjusted(0, 0, -1, -1);
                bevel(r, c.outer);
                bevel(r.adjusted(1, 1, -1, -1), c.inner);
            }
            EXPECT_EQ(shown, lines) << "style " << int(c.style) << " at scale " << scale;
        }
    }
}

}  // namespace
