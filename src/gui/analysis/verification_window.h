#pragma once
// The engine checked against cases with exact answers: each case's exact failure
// probability beside Dorvex's value and bounds, and whether it lies within them.

#include <QWidget>
#include <vector>

#include "analysis/verification_cases.h"
#include "texts/language.h"

class QLabel;
class QTableWidget;

namespace dorvex::gui {

class VerificationWindow : public QWidget {
  Q_OBJECT

 public:
  explicit VerificationWindow(QWidget* parent = nullptr);

  void SetLanguage(texts::Language language);
  // Runs the cases (once; they do not change) and shows them.
  void RunAndShow();

 private:
  void Fill();

  texts::Language language_ = texts::Language::English;
  std::vector<analysis::VerificationOutcome> outcomes_;
  QTableWidget* casesGrid_ = nullptr;
  QLabel* summaryLabel_ = nullptr;
};

}  // namespace dorvex::gui
