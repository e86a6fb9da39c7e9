#pragma once
// TForm17, the splash window: shown over the main window at start, gone after 7 s.

#include <QTimer>
#include <QWidget>

class QLabel;

namespace dorvex::gui {

// The application's title; the splash, shown while the program starts, carries it.
inline constexpr char kApplicationTitle[] = "  Dorvex   -   Matematické operace s histogramy";

class TForm17 : public QWidget {
  Q_OBJECT

 public:
  // How long the splash stays, in milliseconds.
  static constexpr int kShowMilliseconds = 7000;

  // A frameless window that destroys itself when its timer fires (or on a click).
  explicit TForm17(QWidget* parent = nullptr);

  QTimer* Timer1 = nullptr;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace dorvex::gui
