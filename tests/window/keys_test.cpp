// SPDX-License-Identifier: GPL-3.0-or-later
// What the keys do: the bet, clicks by Space and Enter, the chooser, F1, Ctrl+Q.
#include "tests/window/keyboard_fixture.h"

namespace korvane {
namespace {

TEST_F(Keyboard, TheBetMovesByArrowsAndPagesAsTheScrollBarDoes) {
    start();
    Form1& f = form();
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), &f.HScroll1);
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Right, 11},   {Qt::Key_Left, 10},   {Qt::Key_Up, 11},       {Qt::Key_Down, 10},
        {Qt::Key_PageUp, 20},  {Qt::Key_PageUp, 30}, {Qt::Key_PageDown, 20}, {Qt::Key_End, 100},
        {Qt::Key_PageUp, 100}, {Qt::Key_Home, 0},    {Qt::Key_Left, 0}};
    for (const auto& [key, bet] : steps) {
        press(key);
        EXPECT_EQ(f.HScroll1.value(), bet) << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(f.Label13.caption, std::to_string(bet));
    }
}

TEST_F(Keyboard, SpaceAndEnterActAsAClick) {
    start();
    Form1& f = form();
    const auto boxes = watchBoxes();
    tabTo(f.Picture4(1));
    press(Qt::Key_Space);
    EXPECT_EQ(f.Command1.caption, "&1  EN TIL");
    backTab();
    press(Qt::Key_Enter);
    EXPECT_EQ(f.Command1.caption, "&1  DEAL");
    tabTo(f.Label11);
    press(Qt::Key_Return);
    EXPECT_EQ(boxes->count, 1);
    EXPECT_TRUE(boxes->text.startsWith(QStringLiteral("Korvane plays 21")));
    EXPECT_EQ(focused(), &f.Label11);
}

TEST_F(Keyboard, TheArrowsChooseAmongTheBacks) {
    start();
    Form1& f = form();
    const auto boxes = watchBoxes();
    tabTo(f.Picture4(2));
    press(Qt::Key_Space);
    ASSERT_TRUE(f.Frame4.visible);
    EXPECT_EQ(focused(), &f.Picture1(10)) << "the back in use";
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Left, 9},  {Qt::Key_Right, 10}, {Qt::Key_Right, 6},
        {Qt::Key_Left, 10}, {Qt::Key_Home, 6},   {Qt::Key_End, 10},
        {Qt::Key_Down, 6},  {Qt::Key_Up, 10},    {Qt::Key_Left, 9}};
    for (const auto& [key, back] : steps) {
        press(key);
        EXPECT_EQ(focused(), &f.Picture1(back)) << QKeySequence(key).toString().toStdString();
    }
    EXPECT_EQ(pictureName(f.Picture1(5).picture), "back10")
        << "a move of the focus chooses nothing";
    press(Qt::Key_Return);
    EXPECT_EQ(pictureName(f.Picture1(5).picture), "back9");
    EXPECT_EQ(pictureName(f.Picture1(11).picture), "back9");
    EXPECT_FALSE(f.Frame4.visible);
    EXPECT_EQ(focused(), &f.Picture4(2)) << "back where the chooser was opened";
    QCoreApplication::processEvents();  // whatever the key left behind it
    EXPECT_EQ(boxes->count, 0) << "nothing beneath the chosen back took the key";
}

TEST_F(Keyboard, F1OpensTheRulesFromAnywhere) {
    start();
    Form1& f = form();
    const auto boxes = watchBoxes();
    press(Qt::Key_F1);
    EXPECT_EQ(boxes->count, 1);
    EXPECT_TRUE(boxes->text.startsWith(QStringLiteral("Korvane plays 21")));
    EXPECT_EQ(focused(), &f.Command3);
    f.Picture4_Click(1);  // Danish
    table_->view().refresh();
    press(Qt::Key_Tab);
    press(Qt::Key_F1);
    EXPECT_EQ(boxes->count, 2);
    EXPECT_EQ(focused(), &f.HScroll1);
    EXPECT_TRUE(boxes->text.contains(QStringLiteral("Målet med Korvane")));
}

TEST_F(Keyboard, CtrlQClosesTheWindowAsItsCloseButtonDoes) {
    start("2350\n2000\n");  // written back with CR LF only by a proper closing
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(table_->view().isVisible());
    QFile cash(QDir(folder()).filePath(QStringLiteral("Korvane.cash")));
    ASSERT_TRUE(cash.open(QIODevice::ReadOnly));
    EXPECT_EQ(cash.readAll(), QByteArray("2350\r\n2000\r\n"));
}

}  // namespace
}  // namespace korvane
