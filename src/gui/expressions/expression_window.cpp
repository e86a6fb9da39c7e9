#include "expressions/expression_window.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <variant>

#include "analysis/result_commands.h"
#include "app/qt_text.h"
#include "expressions/expression_inputs.h"
#include "io/sha256.h"
#include "statvex/number_text.h"
#include "texts/expression_window_texts.h"

namespace dorvex::gui {

namespace {

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QTableWidget* MakeTable(const char* name, int columns, QWidget* parent) {
  auto* table = Named(new QTableWidget(0, columns, parent), name);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

}  // namespace

ExpressionWindow::ExpressionWindow(const PlatformServices& services, QString folder, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), folder_(std::move(folder)) {
  setObjectName(QStringLiteral("ExpressionWindow"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Named(new QLabel(this), "LabInputs"));
  inputsGrid = MakeTable("SGInputs", 2, this);
  inputsGrid->setMinimumHeight(130);
  layout->addWidget(inputsGrid);
  auto* inputButtons = new QHBoxLayout;
  addFileButton = Named(new QPushButton(this), "BAddFile");
  addAButton = Named(new QPushButton(this), "BAddA");
  addBButton = Named(new QPushButton(this), "BAddB");
  removeButton = Named(new QPushButton(this), "BRemove");
  for (QPushButton* b : {addFileButton, addAButton, addBButton, removeButton}) inputButtons->addWidget(b);
  inputButtons->addStretch(1);
  layout->addLayout(inputButtons);

  layout->addWidget(Named(new QLabel(this), "LabExpression"));
  auto* expressionRow = new QHBoxLayout;
  expressionField = Named(new QLineEdit(this), "EdExpression");
  expressionField->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  evaluateButton = Named(new QPushButton(this), "BEvaluate");
  evaluateButton->setDefault(true);
  expressionRow->addWidget(expressionField, 1);
  expressionRow->addWidget(evaluateButton);
  layout->addLayout(expressionRow);
  rewriteBox = Named(new QCheckBox(this), "ChBRewrite");
  layout->addWidget(rewriteBox);
  messageLabel = Named(new QLabel(this), "LabMessage");
  messageLabel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  messageLabel->setWordWrap(true);
  messageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(messageLabel);

  layout->addWidget(Named(new QLabel(this), "LabSteps"));
  stepsGrid = MakeTable("SGSteps", 5, this);
  // The sub-expression takes what the numbers leave.
  stepsGrid->horizontalHeader()->setStretchLastSection(false);
  stepsGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  stepsGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  stepsGrid->setWordWrap(true);
  layout->addWidget(stepsGrid, 1);
  closeButton = Named(new QPushButton(this), "BClose");
  auto* closeRow = new QHBoxLayout;
  closeRow->addStretch(1);
  closeRow->addWidget(closeButton);
  layout->addLayout(closeRow);

  connect(addFileButton, &QPushButton::clicked, this, &ExpressionWindow::AddFile);
  connect(addAButton, &QPushButton::clicked, this, [this] {
    if (slotA_) AddSlot(*slotA_, QStringLiteral("A"));
  });
  connect(addBButton, &QPushButton::clicked, this, [this] {
    if (slotB_) AddSlot(*slotB_, QStringLiteral("B"));
  });
  connect(removeButton, &QPushButton::clicked, this, &ExpressionWindow::RemoveSelected);
  connect(evaluateButton, &QPushButton::clicked, this, &ExpressionWindow::Evaluate);
  connect(expressionField, &QLineEdit::returnPressed, this, &ExpressionWindow::Evaluate);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  resize(760, 620);
  SetLanguage(language_);
}

void ExpressionWindow::SetLanguage(texts::Language language) {
  language_ = language;
  setWindowTitle(ToQt(texts::ExpressionWindowTitle(language)));
  for (QWidget* control : findChildren<QWidget*>()) {
    const std::string caption = texts::ExpressionControlCaption(ToStd(control->objectName()), language);
    if (caption.empty()) continue;
    if (auto* label = qobject_cast<QLabel*>(control)) label->setText(ToQt(caption));
    if (auto* button = qobject_cast<QPushButton*>(control)) button->setText(ToQt(caption));
    if (auto* box = qobject_cast<QCheckBox*>(control)) box->setText(ToQt(caption));
  }
  const auto headings = [](const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) list << ToQt(text);
    return list;
  };
  inputsGrid->setHorizontalHeaderLabels(headings(texts::ExpressionInputHeadings(language)));
  stepsGrid->setHorizontalHeaderLabels(headings(texts::ExpressionStepHeadings(language)));
}

void ExpressionWindow::OpenWith(const model::HistogramSlot& a, const model::HistogramSlot& b) {
  slotA_ = &a;
  slotB_ = &b;
  addAButton->setEnabled(a.loaded);
  addBButton->setEnabled(b.loaded);
  show();
  raise();
  activateWindow();
  expressionField->setFocus();
}

void ExpressionWindow::AddFile() {
  FileDialogRequest request;
  request.title = windowTitle().trimmed();
  request.initialFolder = folder_;
  request.defaultSuffix = QStringLiteral("dis");
  request.filters = {QStringLiteral("Distributions Files (*.dis)"), QStringLiteral("All files (*)")};
  const QString path = services_.files->GetOpenFileName(request);
  if (path.isEmpty()) return;
  const std::string name = expressions::FreeInputName(ToStd(QFileInfo(path).completeBaseName()), inputs_);
  auto read = expressions::InputFromFile(name, ToStd(path));
  if (const auto* error = std::get_if<model::ModelError>(&read)) {
    ShowModelError(services_, *error, language_);
    return;
  }
  inputs_.push_back(std::get<expressions::ExpressionInput>(std::move(read)));
  ShowInputs();
}

void ExpressionWindow::AddSlot(const model::HistogramSlot& slot, const QString& name) {
  expressions::ExpressionInput input;
  input.provenance.name = expressions::FreeInputName(ToStd(name), inputs_);
  input.provenance.kind = !slot.origin.empty() ? "parametric" : slot.sourcePath.empty() ? "slot" : "file";
  input.provenance.source = !slot.origin.empty()      ? slot.origin
                            : slot.sourcePath.empty() ? slot.name
                                                      : slot.sourcePath;
  if (slot.multiple != 1.0) input.provenance.source += " * " + statvex::NumberText(slot.multiple);
  if (!slot.sourcePath.empty()) input.provenance.sha256 = io::Sha256OfFile(slot.sourcePath).value_or(std::string());
  input.histogram = slot.scaled;
  inputs_.push_back(std::move(input));
  ShowInputs();
}

void ExpressionWindow::RemoveSelected() {
  const int row = inputsGrid->currentRow();
  if (row < 0 || row >= static_cast<int>(inputs_.size())) return;
  inputs_.erase(inputs_.begin() + row);
  ShowInputs();
}

void ExpressionWindow::ShowInputs() {
  inputsGrid->setRowCount(static_cast<int>(inputs_.size()));
  for (int row = 0; row < inputsGrid->rowCount(); ++row) {
    const auto& p = inputs_[static_cast<std::size_t>(row)].provenance;
    inputsGrid->setItem(row, 0, new QTableWidgetItem(ToQt(p.name)));
    auto* source = new QTableWidgetItem(ToQt(p.source));
    if (!p.sha256.empty()) source->setToolTip(QStringLiteral("sha256: ") + ToQt(p.sha256));
    inputsGrid->setItem(row, 1, source);
  }
  inputsGrid->resizeColumnToContents(0);
}

void ExpressionWindow::ShowSteps(const expressions::Evaluation& evaluation) {
  stepsGrid->setRowCount(static_cast<int>(evaluation.steps.size()));
  for (int row = 0; row < stepsGrid->rowCount(); ++row) {
    const expressions::EvaluationStep& step = evaluation.steps[static_cast<std::size_t>(row)];
    const model::Histogram& h = step.result.histogram;
    const QStringList cells{ToQt(step.text), QString::number(h.N), ToQt(statvex::DisplayNumber(h.Min)),
                            ToQt(statvex::DisplayNumber(h.Max)),
                            ToQt(statvex::DisplayNumber(step.result.failureProbability))};
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells.at(column).trimmed());
      if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      stepsGrid->setItem(row, column, item);
    }
  }
  stepsGrid->resizeRowsToContents();
}

void ExpressionWindow::Evaluate() {
  expressions::EvaluationOptions options;
  options.rewrite = rewriteBox->isChecked();
  options.language = language_;
  const expressions::Evaluation evaluation = expressions::EvaluateExpression(ToStd(expressionField->text()), inputs_,
                                                                             options);
  ShowSteps(evaluation);
  if (!evaluation.ok()) {
    services_.sound->Beep();
    messageLabel->setText(ToQt(evaluation.failure ? evaluation.failure->message : std::string()));
    return;
  }
  QString message = ToQt(texts::ExpressionEvaluatedText(language_));
  if (evaluation.rewritten) {
    message.prepend(ToQt(texts::ExpressionRewrittenText(evaluation.evaluatedExpression, language_)) +
                    QLatin1Char('\n'));
  }
  messageLabel->setText(message);
  engine::OperationResult result = *evaluation.result;
  result.label = "Z = " + evaluation.evaluatedExpression;
  QStringList record;
  for (const std::string& line : expressions::ProvenanceLines(evaluation, language_)) record << ToQt(line);
  emit Evaluated(result, record);
}

}  // namespace dorvex::gui
