// SPDX-License-Identifier: GPL-3.0-or-later
// The table in a real Qt window on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>

#include "access/table_access.h"
#include "tests/window/window_fixture.h"
#include "window/qt_look.h"
#include "window/qt_table.h"

namespace korvane {
namespace {

class Window : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        open();
    }
};

TEST_F(Window, EveryWidgetStandsWhereTheControlTablePutsIt) {
    const TableView& view = table_->view();
    EXPECT_EQ(view.size(), QSize(693, 563));
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Korvane"));
    ASSERT_FALSE(view.bindings().empty());
    TableAccess access(table_->form());
    for (const auto& binding : view.bindings()) {
        const Widget& control = binding->control();
        const QWidget& w = *binding->widget();
        const PixelPlace p = pixelPlace(control.place);
        EXPECT_EQ(w.geometry(), QRect(p.left, p.top, p.width, p.height)) << control.name();
        EXPECT_EQ(w.isVisibleTo(&table_->view()), control.shown()) << control.name();
        // The fonts and the Tab stops every window takes from the table.
        const ScreenFont font = screenFont(control.font);
        EXPECT_EQ(w.font().family().toStdString(), font.face) << control.name();
        EXPECT_EQ(w.font().pixelSize(), font.pixelSize) << control.name();
        EXPECT_EQ(w.focusPolicy() == Qt::TabFocus, access.isStop(control)) << control.name();
    }
    EXPECT_TRUE(table_->view().images().missing(table_->form().images).empty());
}

TEST_F(Window, AScreenReaderCanFollowARound) {
    Form1& form = table_->form();
    const std::pair<const Widget*, const char*> named[] = {
        {&form.Label10, "Cash: 1000"},   {&form.Label13, "Bet: 10"},
        {&form.Label3, "Your total: ?"}, {&form.Label4, "Dealer's total: ?"},
        {&form.Label5, "Status"},        {&form.Command1, "1  DEAL"},
        {&form.Command2, "2  STOP"},     {&form.Command3, "Start a round"}};
    for (const auto& [control, name] : named)
        EXPECT_EQ(spokenName(*control), QString::fromUtf8(name)) << control->name();
}

TEST_F(Window, ShowsTheStartUpCaptionsAndOnlyTheStartButton) {
    Form1& form = table_->form();
    EXPECT_EQ(widget<QPushButton>(form.Command3)->text(), QStringLiteral("&Start"));
    EXPECT_TRUE(widget<QPushButton>(form.Command3)->isVisible());
    EXPECT_FALSE(widget<QPushButton>(form.Command1)->isVisible());
    EXPECT_FALSE(widget<QPushButton>(form.Command2)->isVisible());
    EXPECT_EQ(widget<QLabel>(form.Label10)->text(), QStringLiteral("1000"));
    EXPECT_EQ(widget<QLabel>(form.Label13)->text(), QStringLiteral("10"));
    EXPECT_TRUE(widget<QCheckBox>(form.Check1)->isChecked());
    EXPECT_FALSE(widget(form.Frame4)->isVisible());
    EXPECT_EQ(widget<QScrollBar>(form.HScroll1)->value(), 10);
}

TEST_F(Window, RealClicksReachTheTable) {
    Form1& form = table_->form();
    auto* sounds = widget<QCheckBox>(form.Check1);
    QTest::mouseClick(sounds, Qt::LeftButton, {}, QPoint(6, sounds->height() / 2));
    EXPECT_EQ(form.Check1.value, 0);
    auto* bet = widget<QScrollBar>(form.HScroll1);
    bet->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form.HScroll1.value(), 20);
    EXPECT_EQ(widget<QLabel>(form.Label13)->text(), QStringLiteral("20"));
    QTest::keyClick(bet, Qt::Key_Right);
    EXPECT_EQ(form.Label13.caption, "21");
    QTest::keyClick(bet, Qt::Key_Home);
    EXPECT_EQ(form.Label13.caption, "0");
}

TEST_F(Window, AccessKeysPressTheButtons) {
    Form1& form = table_->form();
    form.Command1.visible = form.Command2.visible = true;
    table_->view().refresh();
    table_->view().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table_->view()));
    const std::pair<Qt::Key, Button*> keys[] = {
        {Qt::Key_S, &form.Command3}, {Qt::Key_1, &form.Command1}, {Qt::Key_2, &form.Command2}};
    for (const auto& [key, button] : keys) {
        form.Command1.enabled = form.Command2.enabled = form.Command3.enabled = true;
        form.Timer1.setEnabled(false);
        table_->view().refresh();
        QSignalSpy pressed(widget<QPushButton>(*button), &QPushButton::clicked);
        QTest::keyClick(&table_->view(), key, Qt::AltModifier);
        // A pressed access key shows the button going down before it clicks.
        EXPECT_TRUE(pressed.wait(1000)) << button->name();
        EXPECT_EQ(pressed.count(), 1) << button->name();
    }
}

TEST_F(Window, DraggingTheThumbMovesTheBetAsItGoes) {
    Form1& form = table_->form();
    auto* bet = widget<QScrollBar>(form.HScroll1);
    QStyleOptionSlider option;
    option.initFrom(bet);
    option.orientation = Qt::Horizontal;
    option.minimum = bet->minimum();
    option.maximum = bet->maximum();
    option.sliderPosition = option.sliderValue = bet->value();
    option.pageStep = bet->pageStep();
    const QRect thumb = bet->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarSlider, bet);
    QTest::mousePress(bet, Qt::LeftButton, {}, thumb.center());
    QMouseEvent move(QEvent::MouseMove, QPointF(thumb.center() + QPoint(40, 0)),
                     bet->mapToGlobal(QPointF(thumb.center() + QPoint(40, 0))), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(bet, &move);
    EXPECT_GT(form.HScroll1.value(), 10);
    EXPECT_EQ(form.Label13.caption, std::to_string(form.HScroll1.value())) << "follows the thumb";
    QTest::mouseRelease(bet, Qt::LeftButton, {}, thumb.center() + QPoint(40, 0));
    EXPECT_EQ(form.Label13.caption, std::to_string(bet->value()));
}

TEST_F(Window, ClosingSavesTheCashOnce) {
    table_->close();
    QFile cash(QDir(folder()).filePath(QStringLiteral("Korvane.cash")));
    ASSERT_TRUE(cash.open(QIODevice::ReadOnly));
    EXPECT_EQ(cash.readAll(), QByteArray("1000\r\n0\r\n"));
    cash.close();
    cash.remove();
    table_.reset();  // the table's end does not save a second time
    EXPECT_FALSE(cash.exists());
}

TEST_F(Window, AScreenshotShowsTheGreenTableAndTheDeckPile) {
    const QImage shot = table_->view().grab().toImage();
    ASSERT_EQ(shot.size(), QSize(693, 563));
    shot.save(QStringLiteral(KORVANE_SHOTS "/table.png"));
    EXPECT_EQ(shot.pixelColor(300, 530), QColor(0, 128, 0)) << "the cloth";
    // The deck pile at 4200,3000 twips shows the dark-red back, not the cloth.
    const QColor pile = shot.pixelColor(280 + 60, 200 + 82);
    EXPECT_NE(pile, QColor(0, 128, 0));
    EXPECT_GT(pile.red(), pile.green());
    // No card in the dealer's first slot.
    EXPECT_EQ(shot.pixelColor(8 + 60, 8 + 82), QColor(0, 128, 0));
}

}  // namespace
}  // namespace korvane
