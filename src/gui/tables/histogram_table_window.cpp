#include "tables/histogram_table_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/result_commands.h"
#include "app/grid_cells.h"
#include "app/qt_text.h"
#include "settings/settings_file.h"
#include "settings/table_window_settings.h"
#include "tables/combination.h"
#include "tables/summary.h"
#include "tables/table_rows.h"
#include "texts/messages.h"

namespace dorvex::gui {

namespace {

using texts::TableWindow;

constexpr int kRowHeight = 20;
constexpr int kCellButtonWidth = 24;
constexpr int kGraphButtonWidth = 48;

// The designed names of the controls that differ between the two kinds.
struct Names {
  const char* window;
  const char* grid;
  const char* openTable;
  const char* saveTable;
  const char* compute;
  const char* close;
  const char* openHistogram;
  const char* rowGraph;
  const char* maxIntervals;
};

constexpr Names kSummaryNames{"TForm11",     "StrGrSumaProm", "OtevriSum",    "SaveSuma",   "VypocetSuma",
                              "ExitForm7",   "OtevHistSuma",  "GrafHistSuma", "MaxIntSum"};
constexpr Names kCombinationNames{"TForm10",  "StrGrKombProm", "OtevriKomb",   "SaveKomb",  "VypocetKomb",
                                  "ExitForm", "OtevHistKomb",  "GrafHistKomb", "MaxIntKom"};

const Names& NamesOf(TableWindow kind) { return kind == TableWindow::Summary ? kSummaryNames : kCombinationNames; }

const settings::WindowPlacementKeys& PlacementOf(TableWindow kind) {
  return kind == TableWindow::Summary ? settings::kSummaryWindowPlacement : settings::kCombinationWindowPlacement;
}

QSize FixedSizeOf(TableWindow kind) {
  return kind == TableWindow::Summary ? QSize(settings::kSummaryWindowWidth, settings::kSummaryWindowHeight)
                                      : QSize(settings::kCombinationWindowWidth, settings::kCombinationWindowHeight);
}

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// The designed column widths, widened where this desktop's font needs it: every
// heading in both languages fits, and so do the longest file name and folder of the
// bundled examples.
std::vector<int> FittedWidths(const QFontMetrics& metrics, std::vector<int> widths,
                              const std::vector<std::string>& czech, const std::vector<std::string>& english) {
  constexpr int kPadding = 12;
  for (std::size_t c = 0; c < widths.size(); ++c) {
    for (const auto* headings : {&czech, &english}) {
      if (c < headings->size()) widths[c] = std::max(widths[c], metrics.horizontalAdvance(ToQt((*headings)[c])) + kPadding);
    }
  }
  const auto fit = [&](int column, const char* sample) {
    widths[static_cast<std::size_t>(column)] =
        std::max(widths[static_cast<std::size_t>(column)], metrics.horizontalAdvance(QString::fromUtf8(sample)) + kPadding);
  };
  fit(tables::kFileColumn, "Bending_resistance_IPE300.dis");
  fit(tables::kFolderColumn, "Histograms/Solidity and material characterics");
  return widths;
}

FileDialogRequest DialogRequest(const texts::TableFileDialogTexts& texts, const QString& folder) {
  FileDialogRequest request;
  request.initialFolder = folder;
  request.fileName = ToQt(texts.fileName);
  request.defaultSuffix = ToQt(texts.extension);
  for (const std::string& filter : texts.filters) request.filters << ToQt(filter);
  request.filterIndex = 0;
  return request;
}

}  // namespace

HistogramTableWindow::HistogramTableWindow(TableWindow kind, const PlatformServices& services,
                                           settings::SettingsFile* settings, TableFolders folders,
                                           TableGraphWindow* graph, texts::Language language, QWidget* parent)
    : QWidget(parent, Qt::Window),
      kind_(kind),
      services_(services),
      settings_(settings),
      folders_(std::move(folders)),
      graph_(graph),
      language_(language),
      table_(tables::NewTable(kind == TableWindow::Summary ? tables::TableKind::Summary
                                                            : tables::TableKind::Combination,
                              language)) {
  setObjectName(QString::fromLatin1(NamesOf(kind).window));
  CreateControls();
  ConnectControls();
  ApplyTexts();
  ReadPlacement();
  ShowTable();
}

void HistogramTableWindow::CreateControls() {
  const Names& names = NamesOf(kind_);
  buttonBar = Named(new QWidget(this), "Panel3");
  openTableButton = Named(new QPushButton(buttonBar), names.openTable);
  deleteRowButton = Named(new QPushButton(buttonBar), "DelRow");
  saveTableButton = Named(new QPushButton(buttonBar), names.saveTable);
  computeButton = Named(new QPushButton(buttonBar), names.compute);
  closeButton = Named(new QPushButton(buttonBar), names.close);
  maxIntervalsLabel = Named(new QLabel(buttonBar), "Label16");
  maxIntervalsValue = Named(new QLabel(buttonBar), names.maxIntervals);
  maxIntervalsValue->setMinimumWidth(40);
  auto* bar = new QHBoxLayout(buttonBar);
  bar->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : std::initializer_list<QWidget*>{openTableButton, deleteRowButton, saveTableButton,
                                                    computeButton, closeButton}) {
    bar->addWidget(w);
  }
  bar->addStretch(1);
  bar->addWidget(maxIntervalsLabel);
  bar->addWidget(maxIntervalsValue);

  const tables::TableShape shape = tables::ShapeOf(table_.kind);
  const int rows = shape.rows;
  const int columns = shape.columns;
  grid = Named(new QTableWidget(rows, columns, this), names.grid);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                        QAbstractItemView::EditKeyPressed);
  grid->setWordWrap(false);
  const std::vector<int> widths = FittedWidths(grid->fontMetrics(), tables::ColumnWidths(table_.kind),
                                               tables::NewTable(table_.kind, texts::Language::Czech).cells[0],
                                               tables::NewTable(table_.kind, texts::Language::English).cells[0]);
  int total = 2 * grid->frameWidth();
  for (int c = 0; c < columns; ++c) {
    grid->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    total += widths[static_cast<std::size_t>(c)];
  }
  // Number texts come blank-padded on the left: aligned right, a narrow cell drops blanks, not digits.
  grid->setTextElideMode(Qt::ElideNone);
  grid->setFixedSize(total, rows * kRowHeight + 2 * grid->frameWidth());
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) grid->setItem(r, c, new QTableWidgetItem());
  }
  grid->installEventFilter(this);
  grid->viewport()->installEventFilter(this);

  openHistogramButton = Named(new QToolButton(grid->viewport()), names.openHistogram);
  rowGraphButton = Named(new QToolButton(grid->viewport()), names.rowGraph);
  openHistogramButton->setFixedWidth(kCellButtonWidth);
  rowGraphButton->setFixedWidth(kGraphButtonWidth);
  for (QToolButton* button : {openHistogramButton, rowGraphButton}) {
    button->hide();
    button->installEventFilter(this);
  }

  auto* main = new QVBoxLayout(this);
  main->addWidget(buttonBar);
  main->addWidget(grid, 0, Qt::AlignLeft | Qt::AlignTop);
  main->addStretch(1);
  // The designed size, wider where this desktop's font needs wider columns.
  const QSize designed = FixedSizeOf(kind_);
  const QMargins margins = main->contentsMargins();
  setFixedSize(std::max(designed.width(), grid->width() + margins.left() + margins.right()), designed.height());
}

void HistogramTableWindow::ConnectControls() {
  connect(grid, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
    if (!showing_ && row >= 0 && column >= 0) SelectCell(row, column);
  });
  connect(grid, &QTableWidget::cellClicked, this, [this](int row, int column) { SelectCell(row, column); });
  connect(grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!showing_) table_.cells[item->row()][item->column()] = ToStd(item->text());
  });
  connect(openHistogramButton, &QToolButton::clicked, this, &HistogramTableWindow::OpenRowHistogram);
  connect(rowGraphButton, &QToolButton::clicked, this, &HistogramTableWindow::ShowRowGraph);
  connect(deleteRowButton, &QPushButton::clicked, this, &HistogramTableWindow::DeleteRow);
  connect(saveTableButton, &QPushButton::clicked, this, &HistogramTableWindow::SaveTable);
  connect(openTableButton, &QPushButton::clicked, this, &HistogramTableWindow::OpenTable);
  connect(computeButton, &QPushButton::clicked, this, &HistogramTableWindow::Compute);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void HistogramTableWindow::ApplyTexts() {
  setWindowTitle(ToQt(texts::TableWindowTitle(kind_, language_)));
  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
           openTableButton, deleteRowButton, saveTableButton, computeButton, closeButton, openHistogramButton,
           rowGraphButton}) {
    button->setText(ToQt(texts::TableControlCaption(kind_, ToStd(button->objectName()), language_)));
  }
  maxIntervalsLabel->setText(ToQt(texts::TableControlCaption(kind_, "Label16", language_)));
  tables::SetHeadings(table_, language_);
}

void HistogramTableWindow::SetLanguage(texts::Language language) {
  language_ = language;
  ApplyTexts();
  ShowTable();
}

void HistogramTableWindow::ReadPlacement() {
  const settings::WindowPlacementKeys& keys = PlacementOf(kind_);
  if (settings_ == nullptr) return;
  move(settings_->ReadInteger(settings::kSectionPosition, keys.left, 0),
       settings_->ReadInteger(settings::kSectionPosition, keys.top, 0));
}

void HistogramTableWindow::WritePlacement() {
  const settings::WindowPlacementKeys& keys = PlacementOf(kind_);
  if (settings_ == nullptr) return;
  settings_->WriteInteger(settings::kSectionPosition, keys.left, x());
  settings_->WriteInteger(settings::kSectionPosition, keys.top, y());
  settings_->WriteInteger(settings::kSectionPosition, keys.width, width());
  settings_->WriteInteger(settings::kSectionPosition, keys.height, height());
}

void HistogramTableWindow::OpenFor(const TableOpening& opening) {
  opening_ = opening;
  tables::ResetTable(table_, language_);
  selectedRow_ = 0;
  result_.reset();
  HideCellButtons();
  ShowTable();
  for (QPushButton* button : {deleteRowButton, saveTableButton, computeButton}) button->setEnabled(false);
  show();
  raise();
  activateWindow();
}

void HistogramTableWindow::ShowTable() {
  showing_ = true;
  for (int r = 0; r < grid->rowCount(); ++r) {
    for (int c = 0; c < grid->columnCount(); ++c) {
      QTableWidgetItem* item = grid->item(r, c);
      item->setText(ToQt(table_.cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
      Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
      if (tables::CellEditable(table_, r, c)) flags |= Qt::ItemIsEditable;
      item->setFlags(flags);
      if (r > 0 && (c == tables::kMinColumn || c == tables::kMaxColumn))
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  // The heading row and the row labels stand apart like fixed cells.
  const QBrush fixed = palette().brush(QPalette::Button);
  for (int c = 0; c < grid->columnCount(); ++c) {
    grid->item(0, c)->setFlags(Qt::ItemIsEnabled);
    grid->item(0, c)->setBackground(fixed);
  }
  for (int r = 1; r < grid->rowCount(); ++r) grid->item(r, 0)->setBackground(fixed);
  maxIntervalsValue->setText(QString::number(tables::MaxIntervalCount(table_)));
  showing_ = false;
}

void HistogramTableWindow::EnableButtons(const tables::TableButtons& buttons) {
  deleteRowButton->setEnabled(buttons.deleteRow);
  saveTableButton->setEnabled(buttons.save);
  computeButton->setEnabled(buttons.compute);
}

void HistogramTableWindow::HideCellButtons() {
  openHistogramButton->hide();
  rowGraphButton->hide();
}

void HistogramTableWindow::PlaceCellButton(QToolButton* button, int row, int column) {
  const QRect cell = grid->visualRect(grid->model()->index(row, column));
  button->setGeometry(cell.right() + 1 - button->width(), cell.top(), button->width(), cell.height());
  button->show();
  button->raise();
  button->setFocus();
}

void HistogramTableWindow::SelectCell(int row, int column) {
  selectedRow_ = row;
  maxIntervalsValue->setText(QString::number(tables::MaxIntervalCount(table_)));
  if (tables::ShowsGraphButton(table_, row, column)) PlaceCellButton(rowGraphButton, row, column);
  if (tables::ShowsOpenButton(table_, row, column)) PlaceCellButton(openHistogramButton, row, column);
}

bool HistogramTableWindow::Ask(int title, const QString& text) {
  return services_.messages->DefMessageDlg(Message(title, language_), text, MessageKind::Confirmation,
                                           MessageButtons::YesNo, kResultYes) == kResultYes;
}

void HistogramTableWindow::ShowError(int title, const QString& text) {
  services_.messages->DefMessageDlg(Message(title, language_), text, MessageKind::Error, MessageButtons::Ok,
                                    kResultOk);
}

void HistogramTableWindow::OpenRowHistogram() {
  HideCellButtons();
  const int row = selectedRow_;
  const QString path =
      services_.files->GetOpenFileName(DialogRequest(texts::RowFileDialog(), folders_.histograms));
  if (path.isEmpty() || row <= 0) return;
  emit ResultCleared();
  computeButton->setEnabled(false);
  saveTableButton->setEnabled(false);
  result_.reset();
  const std::optional<model::ModelError> refusal = tables::OpenRowHistogram(table_, row, ToStd(path));
  ShowTable();
  if (refusal) {
    ShowModelError(services_, *refusal, language_);
    return;
  }
  EnableButtons(tables::ButtonsAfterRowChange(table_));
}

void HistogramTableWindow::ShowRowGraph() {
  HideCellButtons();
  const int row = selectedRow_;
  if (row <= 0 || row > tables::FilledRowCount(table_)) return;
  TableGraph graph{tables::RowHistogram(table_, row), ToQt(tables::RowGraphTitle(table_, row)),
                   QString::fromLatin1(texts::kTableIndexAxisTitle)};
  graph_->ShowGraph(graph, opening_.graphLook);
}

void HistogramTableWindow::DeleteRow() {
  const int row = selectedRow_;
  if (row <= 0 || tables::FilledRowCount(table_) == 0) return;
  if (!Ask(texts::kTitleConfirmation, ToQt(tables::DeleteRowQuestion(table_, row, language_)))) return;
  result_.reset();
  tables::DeleteRow(table_, row);
  ShowTable();
  EnableButtons(tables::ButtonsAfterRowChange(table_));
}

void HistogramTableWindow::SaveTable() {
  HideCellButtons();
  const QString path = AskSavePath(
      services_, DialogRequest(texts::TableFileDialog(kind_, language_), folders_.calculated), language_);
  if (path.isEmpty()) return;
  if (const auto error = tables::WriteTableFile(ToStd(path), table_, tables::FilledRowCount(table_))) {
    ShowModelError(services_, *error, language_);
  }
}

void HistogramTableWindow::OpenTable() {
  HideCellButtons();
  const QString path =
      services_.files->GetOpenFileName(DialogRequest(texts::TableFileDialog(kind_, language_), folders_.calculated));
  // The table on screen is given up only for a chosen file.
  if (path.isEmpty()) return;
  tables::ResetTable(table_, language_);
  const tables::TableFileReadOutcome read = tables::ReadTableFile(ToStd(path), table_, language_);
  selectedRow_ = 1;
  ShowTable();
  EnableButtons(tables::ButtonsAfterLoad(table_));
  if (read.error) ShowModelError(services_, *read.error, language_);
}

void HistogramTableWindow::Compute() {
  HideCellButtons();
  // A Yes to the weights question goes on at once; a question never comes twice.
  for (int asked = 0; asked < 3; ++asked) {
    const tables::TableOutcome outcome = kind_ == TableWindow::Summary
                                             ? tables::ComputeSummary(table_, selectedRow_, language_)
                                             : tables::ComputeCombination(table_, language_);
    ShowTable();
    if (outcome.question != 0) {
      const bool yes = Ask(texts::kTitleError, Message(outcome.question, language_));
      const bool goOn = tables::AnswerQuestion(table_, outcome.question, yes);
      ShowTable();
      if (goOn) continue;
      return;
    }
    if (outcome.error) ShowModelError(services_, *outcome.error, language_);
    if (!outcome.result) return;
    result_ = outcome.result;
    saveTableButton->setEnabled(true);
    const bool summary = kind_ == TableWindow::Summary;
    graph_->Clear();
    graph_->ShowGraph({*result_, ToQt(texts::ResultGraphTitle(kind_, language_)),
                       QString::fromLatin1(summary ? texts::kTableIndexAxisTitle : texts::kCombinationIndexAxisTitle)},
                      opening_.graphLook);
    return;
  }
}

void HistogramTableWindow::closeEvent(QCloseEvent* event) {
  WritePlacement();
  HideCellButtons();
  graph_->Clear();
  graph_->hide();
  if (result_) {
    model::HandOverBuffer buffer;
    buffer.histogram = *result_;
    buffer.target = opening_.slot;
    emit HandedOver(buffer, ToQt(std::string(kind_ == TableWindow::Summary ? tables::kSummarySlotName
                                                                            : tables::kCombinationSlotName)));
  }
  emit Closed(opening_.slot);
  event->accept();
}

bool HistogramTableWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid->viewport() && event->type() == QEvent::ChildAdded) {
    // The cell editors are made as they are needed; each gets the key filter (it is
    // no QLineEdit yet while its base is being built).
    QObject* child = static_cast<QChildEvent*>(event)->child();
    if (child->isWidgetType()) child->installEventFilter(this);
  }
  if ((watched == openHistogramButton || watched == rowGraphButton) && event->type() == QEvent::FocusOut) {
    static_cast<QWidget*>(watched)->hide();
  }
  if (event->type() == QEvent::KeyPress && (watched == grid || qobject_cast<QLineEdit*>(watched) != nullptr)) {
    return FilterKey(watched, static_cast<QKeyEvent*>(event));
  }
  return QWidget::eventFilter(watched, event);
}

bool HistogramTableWindow::FilterKey(QObject* watched, QKeyEvent* key) {
  const QString text = key->text();
  if (text.size() != 1 || !text.at(0).isPrint()) return false;
  const char32_t typed = text.at(0).unicode();
  const tables::KeyOutcome outcome = tables::FilterKey(table_.kind, grid->currentColumn(), typed);
  if (outcome.beep) services_.sound->Beep();
  if (!outcome.key) return true;
  if (*outcome.key == typed) return false;
  const QString replacement(QChar(static_cast<char16_t>(*outcome.key)));
  QKeyEvent replaced(QEvent::KeyPress, replacement.at(0).toUpper().unicode(), key->modifiers(), replacement);
  QCoreApplication::sendEvent(watched, &replaced);
  return true;
}

}  // namespace dorvex::gui
