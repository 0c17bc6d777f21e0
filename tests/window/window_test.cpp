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
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>

#include "access/table_access.h"
#include "tests/window/window_fixture.h"
#include "window/image_store.h"
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

// The art lies beside the program in the build tree, and in the prefix's
// share/korvane/images once the program is installed in libexec/korvane/.
TEST(ArtFolder, IsFoundBesideTheProgramOrInItsPrefix) {
    const QString scratch = QStringLiteral(KORVANE_SHOTS "/art_folder_test");
    QDir(scratch).removeRecursively();
    const struct {
        const char* made;
        const char* program;
        const char* found;  // "" for none
    } cases[] = {
        {"build/app/images", "build/app", "build/app/images"},
        {"usr/share/korvane/images", "usr/libexec/korvane", "usr/share/korvane/images"},
        {"bare/libexec/korvane", "bare/libexec/korvane", ""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(QDir(scratch).mkpath(QLatin1String(c.made)));
        const QString found = ImageStore::folderFor(scratch + '/' + QLatin1String(c.program));
        const QString expected = *c.found ? scratch + '/' + QLatin1String(c.found) : QString();
        EXPECT_EQ(found.toStdString(), expected.toStdString()) << c.program;
    }
    QDir(scratch).removeRecursively();
}

TEST_F(Window, TheMouseMovesTheSoundSwitchAndTheBet) {
    Form1& form = table_->form();
    auto* sounds = widget<QCheckBox>(form.Check1);
    EXPECT_TRUE(sounds->isChecked()) << "the sounds are on at start-up";
    QTest::mouseClick(sounds, Qt::LeftButton, {}, QPoint(6, sounds->height() / 2));
    EXPECT_EQ(form.Check1.value, 0);
    EXPECT_FALSE(sounds->isChecked());
    auto* bet = widget<QScrollBar>(form.HScroll1);
    bet->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click beside the thumb
    EXPECT_EQ(widget<QLabel>(form.Label13)->text(), QStringLiteral("20"));
    // Dragging the thumb moves the bet as it goes.
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
    EXPECT_GT(form.HScroll1.value(), 20);
    EXPECT_EQ(form.Label13.caption, std::to_string(form.HScroll1.value())) << "follows the thumb";
    QTest::mouseRelease(bet, Qt::LeftButton, {}, thumb.center() + QPoint(40, 0));
    EXPECT_EQ(form.Label13.caption, std::to_string(bet->value()));
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
