// The program reads its own pictures without the toolkit's image reader, and its style makes the menu bar's
// overflow arrow only when it is drawn; what a user sees must be what the toolkit would have shown.
#include "forms/pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QProxyStyle>
#include <memory>

namespace {

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

}  // namespace
