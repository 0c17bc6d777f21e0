// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn card art against the committed PNGs: every image at its size, as drawn.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cardart.h"

namespace {

using korvane::cardart::renderAll;

std::string str(const QString& s) {
    return s.toStdString();
}
QString committedPath(const QString& name) {
    return QStringLiteral(KORVANE_ASSETS_DIR "/") + name;
}
const char* const kRedraw = "; re-run the generator: korvane-cardart assets/images";

// Pixels whose channels differ by more than a font's antialiasing might.
int pixelsApart(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int apart = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            const int diff =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (diff > 32) ++apart;
        }
    }
    return apart;
}

// The file names and sizes the game loads the images by.
std::map<QString, QSize> contract() {
    std::map<QString, QSize> sizes;
    for (int n = 0; n < 52; ++n)
        sizes[QStringLiteral("face%1.png").arg(n)] = QSize(120, 164);
    for (int b = 6; b <= 10; ++b)
        sizes[QStringLiteral("back%1.png").arg(b)] = QSize(120, 164);
    sizes[QStringLiteral("backmini.png")] = QSize(32, 44);
    for (const char* flag : {"flag_us", "flag_dk"}) {
        sizes[QLatin1String(flag) + QLatin1String(".png")] = QSize(32, 32);
        sizes[QLatin1String(flag) + QLatin1String("16.png")] = QSize(16, 16);
    }
    sizes[QStringLiteral("icon.png")] = QSize(64, 64);
    sizes[QStringLiteral("icon256.png")] = QSize(256, 256);
    for (const int size : {16, 22, 24, 32, 48})
        sizes[QStringLiteral("icon%1.png").arg(size)] = QSize(size, size);
    return sizes;
}

// One application for the whole run, made when the tests start rather than
// when they are listed, so test discovery needs no display.
class CardArtTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        drawn_ = std::make_unique<std::map<QString, QImage>>();
        for (auto& [name, image] : renderAll(1))
            (*drawn_)[name] = image;
    }
    static void TearDownTestSuite() {
        drawn_.reset();
        app_.reset();
    }
    static const std::map<QString, QImage>& drawn() { return *drawn_; }
    static QImage drawnImage(const QString& name) { return drawn_->at(name); }

  private:
    static inline int argc_ = 1;
    static inline char name_[] = "cardart_test";
    static inline char* argv_[] = {name_, nullptr};
    static inline std::unique_ptr<QGuiApplication> app_;
    static inline std::unique_ptr<std::map<QString, QImage>> drawn_;
};

TEST_F(CardArtTest, DrawsEveryImageTheGameLoadsAtItsSize) {
    const auto sizes = contract();
    EXPECT_EQ(drawn().size(), sizes.size());
    for (const auto& [name, size] : sizes) {
        ASSERT_TRUE(drawn().count(name)) << "not drawn: " << str(name);
        EXPECT_EQ(drawn().at(name).size(), size) << str(name);
    }
    // For screens scaled twice, each at twice its size under an "@2x" name.
    const auto twice = renderAll(2);
    ASSERT_EQ(twice.size(), sizes.size());
    for (const auto& [name, image] : twice) {
        QString base = name;
        base.replace(QLatin1String("@2x.png"), QLatin1String(".png"));
        ASSERT_TRUE(sizes.count(base)) << str(name);
        EXPECT_EQ(image.size(), sizes.at(base) * 2) << str(name);
    }
}

// Both sets the game ships: the plain one and the one for screens scaled twice.
std::vector<std::pair<QString, QImage>> bothScales() {
    auto images = renderAll(1);
    for (auto& pair : renderAll(2))
        images.push_back(std::move(pair));
    return images;
}

TEST_F(CardArtTest, CommittedImagesMatchTheDrawing) {
    for (const auto& [name, image] : bothScales()) {
        const QImage committed(committedPath(name));
        ASSERT_FALSE(committed.isNull()) << "missing assets/images/" << str(name) << kRedraw;
        ASSERT_EQ(committed.size(), image.size()) << str(name) << kRedraw;
        const int allowed = image.width() * image.height() * 3 / 1000;
        const int apart = pixelsApart(committed, image);
        EXPECT_LE(apart, allowed) << "assets/images/" << str(name)
                                  << " differs from the drawing in " << apart << " pixels"
                                  << kRedraw;
    }
}

}  // namespace
