// The user's colours on the main window's controls, the colour window, and the
// colours handed to the windows the main window opens.

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>

#include "app/color_ref.h"
#include "app/main_window.h"
#include "settings/colour_window.h"

namespace dorvex::gui {

namespace {

using settings::ColourItem;

void SetRole(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

// The colour of a control's text, whatever kind of control it is.
void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, colour);
  }
  widget->setPalette(palette);
}

void SetBackground(QWidget* widget, const QColor& colour) {
  SetRole(widget, QPalette::Base, colour);
  SetRole(widget, QPalette::Button, colour);
}

void SetChartBackground(QChartView* view, const QColor& colour) {
  view->chart()->setBackgroundBrush(colour);
  view->setBackgroundBrush(colour);
}

}  // namespace

void MainWindow::CreateColourWindow() {
  colourWindow = new ColourWindow(services_, settings_, this);
  colourWindow->SetLanguage(language_);
  connect(colourWindow, &ColourWindow::ColourChosen, this, [this](int item, unsigned colour) {
    colours_.item[static_cast<std::size_t>(item)] = colour;
    ApplyColours();
  });
  const auto show = [this] {
    reopenGrid->hide();
    colourWindow->SetLanguage(language_);
    colourWindow->ShowScheme(colours_);
  };
  connect(coloursButton, &QToolButton::clicked, this, show);
  connect(coloursItem, &QAction::triggered, this, show);
}

void MainWindow::ApplyColours() {
  const auto colour = [this](ColourItem item) { return FromColorRef(colours_.item[static_cast<std::size_t>(item)]); };
  SetRole(this, QPalette::Window, colour(settings::kFormsBackground));
  SetRole(toolBar, QPalette::Window, FromColorRef(colours_.toolBarPanel));
  toolBar->setAutoFillBackground(true);
  SetRole(statusLine, QPalette::Window, FromColorRef(colours_.statusBar));
  statusLine->setAutoFillBackground(true);
  for (QGroupBox* panel : {inputA.panel, inputB.panel}) {
    SetRole(panel, QPalette::Window, FromColorRef(colours_.inputPanel));
    SetRole(panel, QPalette::WindowText, FromColorRef(colours_.inputPanelTitle));
  }
  SetRole(resultPanel, QPalette::Window, FromColorRef(colours_.resultPanel));
  SetRole(resultPanel, QPalette::WindowText, FromColorRef(colours_.resultPanelTitle));
  SetRole(operationPanel, QPalette::Window, FromColorRef(colours_.operationPanel));

  // Table texts: the labels and grids of the input panels, and every grid.
  for (QGroupBox* panel : {inputA.panel, inputB.panel}) {
    for (QLabel* label : panel->findChildren<QLabel*>()) SetTextColour(label, colour(settings::kTableText));
  }
  for (QTableWidget* grid : findChildren<QTableWidget*>()) SetTextColour(grid, colour(settings::kTableText));
  // The result panel's labels.
  for (QLabel* label : resultPanel->findChildren<QLabel*>()) SetTextColour(label, colour(settings::kPanelText));

  for (const InputControls* c : {&inputA, &inputB}) {
    for (QLineEdit* field : {c->minField, c->maxField, c->multipleField}) {
      SetBackground(field, colour(settings::kEditBackground));
      SetTextColour(field, colour(settings::kEditText));
    }
  }
  SetBackground(valueField, colour(settings::kValueFieldBackground));
  SetTextColour(valueField, colour(settings::kValueColour));
  SetBackground(probabilityField, colour(settings::kQuantileFieldBackground));
  SetTextColour(probabilityField, colour(settings::kQuantileColour));
  for (QLineEdit* field : {exponentField, resultMultipleField, resultMinField, resultMaxField}) {
    SetBackground(field, colour(settings::kLimitFieldBackground));
    SetTextColour(field, colour(settings::kLimitFieldText));
  }
  SetBackground(operationSelector, colour(settings::kOperationBackground));
  SetTextColour(operationSelector, colour(settings::kOperationText));

  for (QChartView* chart : {inputA.chart, inputB.chart, resultChart}) {
    chart->chart()->setTitleBrush(colour(settings::kChartTitle));
    SetChartBackground(chart, colour(settings::kChartBackground));
  }
  for (QWidget* control : std::initializer_list<QWidget*>{marksSelector, labelAngleBox, dataLabelsBox}) {
    SetBackground(control, colour(settings::kChartBackground));
  }
  PassColoursToCompanions();
}

void MainWindow::PassColoursToCompanions() {
  const auto colour = [this](ColourItem item) { return FromColorRef(colours_.item[static_cast<std::size_t>(item)]); };
  // Every window the main window owns, by what its controls are.
  for (QWidget* window : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!window->isWindow()) continue;
    SetRole(window, QPalette::Window, colour(settings::kFormsBackground));
    const auto onChart = [](const QWidget* control) {
      const QString name = control->objectName();
      return name == QLatin1String("CBMarks") || name == QLatin1String("SpinEdAngle") ||
             name == QLatin1String("CheckBox1");
    };
    for (QWidget* shown : window->findChildren<QWidget*>()) {
      // The marks controls sit on the chart and take its colour.
      if (onChart(shown)) continue;
      if (qobject_cast<QLabel*>(shown) || qobject_cast<QTableWidget*>(shown)) {
        SetTextColour(shown, colour(settings::kTableText));
      } else if (qobject_cast<QLineEdit*>(shown) || qobject_cast<QComboBox*>(shown) ||
                 shown->inherits("QPlainTextEdit")) {
        SetBackground(shown, colour(settings::kEditBackground));
        SetTextColour(shown, colour(settings::kEditText));
      }
    }
    const QString name = window->objectName();
    const bool duration = name == QLatin1String("Form8");
    const bool generator = name == QLatin1String("TForm12") || name == QLatin1String("Form14");
    if (!duration && !generator) continue;
    const QColor background = colour(duration ? settings::kDurationChartBackground : settings::kGeneratorChartBackground);
    for (QChartView* chart : window->findChildren<QChartView*>()) SetChartBackground(chart, background);
    for (QWidget* shown : window->findChildren<QWidget*>()) {
      if (onChart(shown)) SetBackground(shown, background);
    }
  }
}

}  // namespace dorvex::gui
