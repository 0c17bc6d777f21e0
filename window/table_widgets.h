// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two kinds of control Qt has no widget for: the picture box, which shows an
// image at its top-left corner without a border, and the frame, a captioned box
// with an etched edge.
#include <QPixmap>
#include <QWidget>

#include "window/spoken_widget.h"

namespace korvane {

class PictureWidget : public QWidget {
  public:
    using QWidget::QWidget;
    void setPixmap(const QPixmap* pixmap);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QPixmap* pixmap_ = nullptr;
};

class FrameWidget : public QWidget, public SpokenWidget {
  public:
    using QWidget::QWidget;
    void setCaption(const QString& caption);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
};

}  // namespace korvane
