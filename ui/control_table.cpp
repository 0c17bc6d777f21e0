// SPDX-License-Identifier: GPL-3.0-or-later
// Where every control of the table stands, and how it looks when the window is
// created. Places are twips from the top-left of the container.
#include "ui/table_window.h"
#include "ui/texts.h"

namespace korvane {
namespace {

const Colour kCloth = Colour::rgb(0, 128, 0);
const Colour kDarkCloth = Colour::rgb(0, 64, 0);
const Colour kBlack = Colour::rgb(0, 0, 0);
const Colour kBrightGreen = Colour::rgb(0, 255, 0);
const Colour kPaleGreen = Colour::rgb(0, 192, 0);
const Colour kWhite = Colour::rgb(255, 255, 255);

Font sansSerif(double size, bool bold = false) {
    return Font{"MS Sans Serif", size, bold};
}
const Font kDefaultFont = sansSerif(8.25);
const Font kLarge = sansSerif(18);
const Font kMedium = sansSerif(13.5);

void label(Label& l, Place place, std::string caption, Colour back, Colour fore, Font font,
           Alignment alignment = Alignment::Left) {
    l.place = place;
    l.caption = std::move(caption);
    l.backColor = back;
    l.foreColor = fore;
    l.font = std::move(font);
    l.alignment = alignment;
}

void button(Button& b, Place place, std::string caption, Font font, bool visible = true) {
    b.place = place;
    b.caption = std::move(caption);
    b.font = std::move(font);
    b.visible = visible;
}

PictureBox& picture(PictureBox& p, Place place, Colour back = kCloth) {
    p.place = place;
    p.backColor = back;
    return p;
}

}  // namespace

void TableWindow::layOutWindow() {
    Me.caption = kTitle;
    Me.backColor = kCloth;
    // The surface the table was laid out on; start-up shrinks the window to the table.
    Me.width = 13290 + kFrameWidthTwips;
    Me.height = 15150 + kFrameHeightTwips;
    Me.icon = images.get("icon");
}

void TableWindow::layOutRows() {
    for (int k = 0; k < 5; ++k) {
        picture(Picture1(k), {120 + 2040 * k, 120, 1800, 2460});
        picture(Picture2(k), {120 + 2040 * k, 5880, 1800, 2460});
    }
    const auto centre = Alignment::Centre;
    label(Label6, {240, 3000, 1575, 495}, "DEALER", kDarkCloth, kBrightGreen, kLarge);
    label(Label8, {1920, 3000, 855, 495}, "0", kBlack, kBrightGreen, kLarge, centre);
    label(Label4, {3000, 3000, 735, 495}, "?", Colour::rgb(255, 0, 0), kWhite, kLarge, centre);
    picture(Picture1(11), {4200, 3000, 1800, 2460});
    button(Command3, {6240, 3000, 1575, 735}, "&Start", kMedium);
    label(Label5, {8040, 3000, 2175, 495}, "", kDarkCloth, Colour::rgb(192, 255, 192), kLarge,
          centre);
    label(Label11, {240, 3600, 3855, 1335}, textsFor(Language::English).rulesLine, kCloth,
          kPaleGreen, Font{"Times New Roman", 14.25});
    button(Command1, {6240, 3960, 1575, 615}, "&1  DEAL", sansSerif(9.75, true), false);
    button(Command2, {6240, 4800, 1575, 615}, "&2  STOP", sansSerif(9.75, true), false);
    label(Label7, {240, 5040, 1575, 495}, "PLAYER", kDarkCloth, kBrightGreen, kLarge);
    label(Label9, {1920, 5040, 855, 495}, "0", kBlack, kBrightGreen, kLarge, centre);
    label(Label3, {3000, 5040, 735, 495}, "?", Colour::rgb(0, 0, 255), kWhite, kLarge, centre);
    label(Label14, {8040, 5400, 375, 375}, "$", kBlack, kBrightGreen, kMedium, centre);
    label(Label10, {8400, 5400, 1695, 375}, "1000", kBlack, kBrightGreen, kMedium,
          Alignment::Right);
    label(Label18, {10095, 5400, 135, 375}, "", kBlack, kBrightGreen, kMedium);
    label(Label16, {120, 2640, 135, 195}, "X", kCloth, kBrightGreen, kDefaultFont);
    label(Label17, {120, 5640, 105, 195}, "X", kCloth, kCloth, kDefaultFont);
}

void TableWindow::layOutSettings() {
    Frame3.place = {8040, 3480, 2175, 1815};
    Frame3.caption = "Settings";
    Frame3.backColor = kDarkCloth;
    Frame3.foreColor = kBrightGreen;
    for (Widget* w :
         std::initializer_list<Widget*>{&Picture4(0), &Picture4(1), &Picture4(2), &Check1,
                                        &HScroll1, &Label12, &Label13, &Label15})
        w->container = &Frame3;
    picture(Picture4(0), {120, 240, 480, 480}, kDarkCloth);
    picture(Picture4(1), {720, 240, 480, 480}, kDarkCloth);
    picture(Picture4(2), {1440, 240, 480, 660}, kDarkCloth);
    Picture4(0).picture = images.get("flag_us");
    Picture4(1).picture = images.get("flag_dk");
    Picture4(2).picture = images.get("backmini");
    Check1.place = {120, 720, 975, 255};
    Check1.caption = "Sounds";
    Check1.value = 1;
    Check1.backColor = kDarkCloth;
    Check1.foreColor = kPaleGreen;
    HScroll1.place = {120, 1080, 1815, 255};
    HScroll1.setMin(0);
    HScroll1.setMax(100);
    HScroll1.setValue(10);  // in step with the "10" of the bet label from the first moment
    HScroll1.smallChange = 1;
    HScroll1.largeChange = 10;
    label(Label12, {120, 1440, 615, 255}, "BET $", kDarkCloth, kPaleGreen, kDefaultFont);
    label(Label13, {840, 1440, 855, 255}, "10", kCloth, Colour::rgb(255, 255, 0),
          sansSerif(9.75, true), Alignment::Right);
    label(Label15, {1800, 1440, 135, 285}, "$", kDarkCloth, kCloth, Font{"Arial", 12, true});
}

void TableWindow::layOutChooser() {
    Frame4.place = {120, 5760, 10095, 3135};
    Frame4.caption = "Vælg Kortbagside";
    Frame4.backColor = kCloth;
    Frame4.foreColor = kWhite;
    Frame4.visible = false;
    for (int j = 0; j < 5; ++j) {
        picture(Picture1(6 + j), {240 + 1920 * j, 360, 1800, 2460}).container = &Frame4;
        Picture1(6 + j).picture = images.get("back" + std::to_string(6 + j));
    }
}

void TableWindow::layOutHidden() {
    for (int n = 0; n < 52; ++n) {
        picture(Picture3(n), {240 + 2160 * (n / 13), 9600 + 240 * (n % 13), 1860, 2520}).picture =
            images.get("face" + std::to_string(n));
    }
    picture(Picture1(5), {11160, 120, 1800, 2460});
    for (int k = 0; k < 5; ++k) {
        label(Label1(k), {720 + 600 * k, 8520, 495, 735}, "Label1", kCloth, kBlack, kDefaultFont);
        label(Label2(k), {5040 + 720 * k, 8520, 615, 735}, "Label2", kCloth, kBlack, kDefaultFont);
    }
    List1.place = {8880, 9720, 1695, 2205};
    List2.place = {10680, 9720, 1695, 2205};
    for (Timer* t : {&Timer1, &Timer2, &Timer3})
        t->setEnabled(false);
    Timer1.setInterval(2000);
    Timer2.setInterval(500);
    Timer3.setInterval(300);
}

}  // namespace korvane
