// SPDX-License-Identifier: GPL-3.0-or-later
// On a screen scaled twice the cards are drawn from the art made at twice the size.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/window/window_fixture.h"

namespace korvane {
namespace {

using HiDpi = WindowTest;

TEST_F(HiDpi, TheDeckPileIsDrawnPixelForPixelFromTheDoubleArt) {
    open();
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    QWidget* pile = widget(table_->form().Picture1(11));
    ASSERT_NE(pile, nullptr);
    const QImage shot = pile->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage art =
        QImage(table_->view().images().path("back10@2x")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(240, 328));
    EXPECT_EQ(shot, art);
}

}  // namespace
}  // namespace korvane
