// SPDX-License-Identifier: GPL-3.0-or-later
// Languages, backs and cheats in the real window: what a player sees.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "tests/window/window_fixture.h"
#include "window/qt_look.h"
#include "window/qt_table.h"

namespace korvane {
namespace {

class Presentation : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        open();
    }
};

TEST_F(Presentation, TheDanishTableWithTheChooserOpen) {
    Form1& form = table_->form();
    QTest::mouseClick(widget(form.Picture4(1)), Qt::LeftButton);
    forceDeck({12, 32, 48, 15});  // dealer: king down, seven of clubs; player: ten and three
    QTest::mouseClick(widget(form.Command3), Qt::LeftButton);
    dealNow();
    QTest::mouseClick(widget(form.Picture4(2)), Qt::LeftButton);
    EXPECT_EQ(qobject_cast<QPushButton*>(widget(form.Command1))->text(),
              QStringLiteral("&1  EN TIL"));
    ASSERT_TRUE(widget(form.Frame4)->isVisible());
    const QImage shot = table_->view().grab().toImage();
    shot.save(QStringLiteral(KORVANE_SHOTS "/chooser.png"));
    // The chooser covers the deck pile with its own green and the five backs.
    EXPECT_EQ(shot.pixelColor(middleOf(form.Picture1(6))).rgb() != QColor(0, 128, 0).rgb(), true);
}

TEST_F(Presentation, ADoubleClickOnABackReachesNothingBeneath) {
    Form1& form = table_->form();
    QTest::mouseClick(widget(form.Picture4(2)), Qt::LeftButton);
    // Under the third back lies the deck pile, whose click would be refused in a box.
    const QPoint spot = middleOf(form.Picture1(8));
    ASSERT_EQ(table_->view().childAt(spot), widget(form.Picture1(8)));
    int boxes = 0;
    whenABoxOpens([&boxes](QMessageBox&) { ++boxes; });
    QWindow* window = table_->view().windowHandle();
    // The double click's time runs from its first click, for the table as for us.
    QElapsedTimer sinceFirstClick;
    sinceFirstClick.start();
    QTest::mouseClick(window, Qt::LeftButton, {}, spot);
    EXPECT_FALSE(form.Frame4.visible);
    EXPECT_EQ(table_->view().childAt(spot), widget(form.Picture1(11)));
    QTest::mouseDClick(window, Qt::LeftButton, {}, spot);
    QCoreApplication::processEvents();  // whatever the double click left behind it
    EXPECT_EQ(boxes, 0);
    EXPECT_EQ(pictureName(form.Picture1(5).picture), "back8");
    // The pile takes clicks again once a double click's time has passed.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            QTest::mouseClick(window, Qt::LeftButton, {}, spot);
            return boxes > 0;
        },
        5000));
    EXPECT_GE(sinceFirstClick.elapsed(), QApplication::doubleClickInterval());
    EXPECT_EQ(boxes, 1);
}

TEST_F(Presentation, TheRulesBoxBreaksItsLines) {
    QString text;
    whenABoxOpens([&text](QMessageBox& box) {
        text = box.text();
        box.grab().save(QStringLiteral(KORVANE_SHOTS "/rules.png"));
    });
    QTest::mouseClick(widget(table_->form().Label11), Qt::LeftButton);
    EXPECT_EQ(text.count(QChar('\n')), 10);
    EXPECT_EQ(text.count(QChar('\r')), 0);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Korvane plays 21")));
}

// A box answers in the table's language, as every window's boxes do.
TEST_F(WindowTest, ABoxSpeaksTheTablesLanguage) {
    QFile cash(folder() + "/Korvane.cash");
    ASSERT_TRUE(cash.open(QIODevice::WriteOnly));
    cash.write("0\r\n0\r\n");
    cash.close();
    open();
    Form1& form = table_->form();
    QTest::mouseClick(widget(form.Picture4(1)), Qt::LeftButton);
    QStringList words;
    whenABoxOpens([&words](QMessageBox& box) {
        for (const QAbstractButton* button : box.buttons())
            words << button->text();
    });
    QTest::mouseClick(widget(form.Label15), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!words.isEmpty(), 5000);
    words.sort();
    EXPECT_EQ(words, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nej")}));
}

TEST_F(Presentation, ThePeekedFaceShowsBehindTheOpenBox) {
    Form1& form = table_->form();
    QImage behind;
    whenABoxOpens([&](QMessageBox& box) {
        if (box.text() != QStringLiteral("CHEATER")) return;
        behind = widget(form.Picture1(11))->grab().toImage();
    });
    form.Label16_DblClick();  // cheat mode, its box answered by the watcher
    QTest::mouseClick(widget(form.Picture1(11)), Qt::LeftButton);
    // Before the first round the pile shows the king of spades.
    const QImage king(table_->view().images().path("face51"));
    EXPECT_EQ(behind.convertToFormat(QImage::Format_RGB32),
              king.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(pictureName(form.Picture1(11).picture), "back10");
}

// The cheat switches are painted on the cloth, with no widget of their own: the
// "X" takes double clicks, the unseen one a click in cheat mode only.
TEST_F(Presentation, TheCheatSwitchesTakeTheMouseWithoutAWidget) {
    Form1& form = table_->form();
    QWindow* window = table_->view().windowHandle();
    const QPoint unseen = middleOf(form.Label17);
    ASSERT_EQ(widget(form.Label16), nullptr);
    ASSERT_EQ(table_->view().childAt(middleOf(form.Label16)), nullptr);
    ASSERT_EQ(table_->view().childAt(unseen), nullptr);
    QTest::mouseClick(window, Qt::LeftButton, {}, unseen);
    EXPECT_EQ(form.Label10.caption, "1000");
    int boxes = 0;
    whenABoxOpens([&boxes](QMessageBox&) { ++boxes; });
    for (int i = 0; i < 3; ++i)
        QTest::mouseDClick(window, Qt::LeftButton, {}, middleOf(form.Label16));
    EXPECT_TRUE(form.CheatMode);
    EXPECT_EQ(boxes, 2);
    // Its "X" in bright green on the cloth.
    const QImage shot = table_->view().grab().toImage();
    bool green = false;
    const QRect place = table_->view().cheatSwitches().placeOf(form.Label16);
    for (int x = place.left(); x <= place.right(); ++x)
        for (int y = place.top(); y <= place.bottom(); ++y)
            green = green || shot.pixelColor(x, y).green() > 200;
    EXPECT_TRUE(green);
    QTest::mouseClick(window, Qt::LeftButton, {}, unseen + QPoint(1, 0));
    EXPECT_EQ(form.Label10.caption, "10000");
}

}  // namespace
}  // namespace korvane
