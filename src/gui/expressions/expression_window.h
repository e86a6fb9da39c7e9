#pragma once
// The window where a limit-state expression of several named histograms is written
// and evaluated: the inputs (files, or the histograms of A and B), the expression,
// the independence audit's answer, the intermediate results; the result goes to
// the main window.

#include <QWidget>
#include <vector>

#include "app/platform_services.h"
#include "engine/engine.h"
#include "expressions/expression_evaluator.h"
#include "model/histogram.h"
#include "texts/language.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace dorvex::gui {

class ExpressionWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window; `services` outlive it. Files are first looked for in `folder`.
  ExpressionWindow(const PlatformServices& services, QString folder, QWidget* parent = nullptr);

  void SetLanguage(texts::Language language);
  // Shows the window; the buttons for A and B take these slots (either may be
  // empty), which outlive the window's showing.
  void OpenWith(const model::HistogramSlot& a, const model::HistogramSlot& b);

 signals:
  // An expression was evaluated; `result` carries the expression as its label.
  void Evaluated(const engine::OperationResult& result, const QStringList& record);

 private:
  void AddFile();
  void AddSlot(const model::HistogramSlot& slot, const QString& name);
  void RemoveSelected();
  void Evaluate();
  void ShowInputs();
  void ShowSteps(const expressions::Evaluation& evaluation);

  PlatformServices services_;
  QString folder_;
  texts::Language language_ = texts::Language::English;
  const model::HistogramSlot* slotA_ = nullptr;
  const model::HistogramSlot* slotB_ = nullptr;
  std::vector<expressions::ExpressionInput> inputs_;

  QTableWidget* inputsGrid = nullptr;     // name, source
  QPushButton* addFileButton = nullptr;
  QPushButton* addAButton = nullptr;
  QPushButton* addBButton = nullptr;
  QPushButton* removeButton = nullptr;
  QLineEdit* expressionField = nullptr;
  QCheckBox* rewriteBox = nullptr;
  QPushButton* evaluateButton = nullptr;
  QLabel* messageLabel = nullptr;         // the audit's or the parser's answer
  QTableWidget* stepsGrid = nullptr;      // sub-expression, N, Min, Max, Pf
  QPushButton* closeButton = nullptr;
};

}  // namespace dorvex::gui
