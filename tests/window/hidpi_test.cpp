// SPDX-License-Identifier: GPL-3.0-or-later
// On a screen scaled twice the cards are drawn from the art made at twice the size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "window/qt_look.h"
#include "window/qt_table.h"

namespace korvane {
namespace {

TEST(HiDpi, TheDeckPileIsDrawnPixelForPixelFromTheDoubleArt) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QDir::setCurrent(folder.path());
    QtTable table;
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table.view()));
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    QWidget* pile = table.view().widgetFor(table.form().Picture1(11));
    ASSERT_NE(pile, nullptr);
    const QImage shot = pile->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage art =
        QImage(QStringLiteral(":/images/back10@2x.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(240, 328));
    EXPECT_EQ(shot, art);
    QDir::setCurrent(QDir::tempPath());
}

}  // namespace
}  // namespace korvane
