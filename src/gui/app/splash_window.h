#pragma once
// The splash window: shown over the main window at start, gone after 7 s.

#include <QWidget>

class QTimer;

namespace dorvex::gui {

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  // How long the splash stays, in milliseconds.
  static constexpr int kShowMilliseconds = 7000;

  // A frameless window that destroys itself when its timer fires (or on a click).
  explicit SplashWindow(QWidget* parent = nullptr);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QTimer* closeTimer_ = nullptr;
};

}  // namespace dorvex::gui
