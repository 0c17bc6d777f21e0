// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the real window, through Qt's accessibility
// interfaces: the tree, its names and roles, and whole texts.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <map>
#include <vector>

#include "tests/window/window_fixture.h"
#include "ui/card_names.h"

namespace korvane {
namespace {

struct Found {
    QAccessible::Role role;
    QString name;
    QString description;
    QString value;
};

class Accessible : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        forceDeck({51, 36, 0, 30});  // dealer: king of spades down, jack of clubs; player: ace, 5
        open();
    }
    // Everything below the window, in the tree's order.
    std::vector<Found> tree() {
        std::vector<Found> out;
        walk(QAccessible::queryAccessibleInterface(&table_->view()), out);
        return out;
    }
    static void walk(QAccessibleInterface* node, std::vector<Found>& out) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            EXPECT_EQ(child->parent()->object(), node->object());
            EXPECT_EQ(node->indexOfChild(child), i);
            out.push_back({child->role(), child->text(QAccessible::Name),
                           child->text(QAccessible::Description), child->text(QAccessible::Value)});
            walk(child, out);
        }
    }
    std::map<QString, QAccessible::Role> rolesByName() {
        std::map<QString, QAccessible::Role> out;
        for (const Found& f : tree())
            out[f.name] = f.role;
        return out;
    }
};

TEST_F(Accessible, TheTreeHoldsWhatThePlayerSeesAndNothingElse) {
    const std::map<QString, QAccessible::Role> expected{
        {"Settings", QAccessible::Grouping},
        {"English", QAccessible::Button},
        {"Danish", QAccessible::Button},
        {"Choose the card back", QAccessible::Button},
        {"Bet: 10", QAccessible::StaticText},
        {"$ Loan office", QAccessible::Button},
        {"Sounds", QAccessible::CheckBox},
        {"Bet", QAccessible::ScrollBar},
        {"Deck", QAccessible::Graphic},
        {"Your total: ?", QAccessible::StaticText},
        {"Dealer's total: ?", QAccessible::StaticText},
        {"Status", QAccessible::StaticText},
        {"Rounds won by the dealer: 0", QAccessible::StaticText},
        {"Rounds won by you: 0", QAccessible::StaticText},
        {"Cash: 1000", QAccessible::StaticText},
        {"Korvane Rules", QAccessible::Button},
        {"Start a round", QAccessible::Button}};
    EXPECT_EQ(rolesByName(), expected);
    EXPECT_EQ(tree().size(), expected.size()) << "each once; no unnamed filler";
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&table_->view());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Korvane"));
}

TEST_F(Accessible, CardsAreNamedAndTheHiddenOneGivesNothingAway) {
    QTest::mouseClick(widget(table_->form().Command3), Qt::LeftButton);
    dealNow();
    const auto roles = rolesByName();
    for (const char* card : {"Jack of clubs", "Ace of hearts", "5 of clubs", "Face-down card"})
        EXPECT_EQ(roles.count(card), 1u) << card;
    EXPECT_EQ(roles.at("Face-down card"), QAccessible::Graphic);
    EXPECT_EQ(roles.at("Status: Your Turn"), QAccessible::StaticText);
    EXPECT_EQ(roles.at("1  DEAL"), QAccessible::Button);
    for (const Found& f : tree()) {
        const QString all = f.name + f.description + f.value;
        EXPECT_FALSE(all.contains(QStringLiteral("King of spades"))) << all.toStdString();
        EXPECT_FALSE(all.contains(QStringLiteral("face51"))) << all.toStdString();
    }
    QAccessibleInterface* hole =
        QAccessible::queryAccessibleInterface(widget(table_->form().Picture1(0)));
    EXPECT_EQ(hole->interface_cast(QAccessible::ImageInterface), nullptr) << "no picture to name";
    QTest::mouseClick(widget(table_->form().Picture4(1)), Qt::LeftButton);
    const auto danish = rolesByName();
    for (const char* name : {"Klør knægt", "Kort med bagsiden op", "Kontanter: 1000", "1  EN TIL"})
        EXPECT_EQ(danish.count(QString::fromUtf8(name)), 1u) << name;
}

TEST_F(Accessible, NumbersShowAsValues) {
    QAccessibleInterface* cash =
        QAccessible::queryAccessibleInterface(widget(table_->form().Label10));
    ASSERT_NE(cash->valueInterface(), nullptr);
    EXPECT_EQ(cash->valueInterface()->currentValue().toDouble(), 1000);
    QAccessibleInterface* status =
        QAccessible::queryAccessibleInterface(widget(table_->form().Label5));
    EXPECT_EQ(status->valueInterface(), nullptr) << "words are no value";
}

TEST_F(Accessible, TheChooserIsAGroupOfFiveBacksOneChecked) {
    QTest::mouseClick(widget(table_->form().Picture4(2)), Qt::LeftButton);
    QAccessibleInterface* chooser =
        QAccessible::queryAccessibleInterface(widget(table_->form().Frame4));
    EXPECT_EQ(chooser->role(), QAccessible::Grouping);
    EXPECT_EQ(chooser->text(QAccessible::Name), QStringLiteral("Select Card Graphics"));
    ASSERT_EQ(chooser->childCount(), 5);
    int checked = 0;
    for (int i = 0; i < 5; ++i) {
        QAccessibleInterface* back = chooser->child(i);
        EXPECT_EQ(back->role(), QAccessible::RadioButton);
        EXPECT_FALSE(back->text(QAccessible::Name).isEmpty());
        checked += back->state().checked ? 1 : 0;
    }
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(chooser->child(4)->state().checked) << "the dark red back is in use";
}

TEST_F(Accessible, TheDanishRulesLineIsWholeWhereItDoesNotFit) {
    Form1& form = table_->form();
    auto* rules = widget<QLabel>(form.Label11);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(rules);
    EXPECT_TRUE(rules->toolTip().isEmpty()) << "the English line fits";
    QTest::mouseClick(widget(form.Picture4(1)), Qt::LeftButton);
    const QString whole = QString::fromStdString(form.Label11.caption);
    ASSERT_TRUE(whole.endsWith(QStringLiteral("uanset din score.")));
    EXPECT_EQ(rules->toolTip(), whole);
    EXPECT_EQ(spoken->text(QAccessible::Description), whole);
    EXPECT_EQ(spoken->text(QAccessible::Name), QStringLiteral("Korvane Regler"));
    EXPECT_EQ(rules->geometry(), QRect(16, 240, 257, 89)) << "the label stays where it was";
}

}  // namespace
}  // namespace korvane
