// SPDX-License-Identifier: GPL-3.0-or-later
// The real window on a desktop that writes its numbers with a decimal comma: the
// cash file keeps its ".", so the next run reads the cash it was left.
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <clocale>
#include <cstring>

#include "platform/number_text.h"
#include "tests/window/window_fixture.h"

namespace korvane {
namespace {

using CommaLocale = WindowTest;

TEST_F(CommaLocale, ARoundSavesAndReadsTheCashWithAPoint) {
    ASSERT_STREQ(std::localeconv()->decimal_point, ",")
        << "the locale da_DK.UTF-8 is missing; make test generates it with localedef";
    const QString cash = QDir(folder()).filePath(QStringLiteral("Korvane.cash"));
    QFile laid(cash);
    ASSERT_TRUE(laid.open(QIODevice::WriteOnly));
    laid.write("1750.5\r\n0\r\n");
    laid.close();
    forceDeck({9, 7, 22, 12});  // dealer 10 and 8; the player 10 and king, who stands
    open();
    Form1& form = table_->form();
    QTest::mouseClick(widget<QPushButton>(form.Command3), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return widget(form.Command2)->isEnabled(); }, 5000));
    QTest::mouseClick(widget<QPushButton>(form.Command2), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return widget(form.Command3)->isEnabled(); }, 5000));
    EXPECT_EQ(form.Label10.caption, "1760.5");
    QFile saved(cash);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("1760.5\r\n0\r\n")) << "saved as the round ended";
    saved.close();
    table_.reset();  // closed: saved again, and read back by the next run
    open();
    EXPECT_EQ(table_->form().Label10.caption, "1760.5");
    EXPECT_EQ(numericValue(table_->form().Label10.caption), 1760.5);
}

}  // namespace
}  // namespace korvane
