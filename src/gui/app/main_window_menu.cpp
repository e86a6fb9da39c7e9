// The main window's menus and the routing of its commands.
#include <QAction>
#include <QDoubleSpinBox>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "app/main_window.h"
#include "charts/draw_histogram.h"

namespace dorvex::gui {

namespace {

QMenu* SubMenu(QMenu* parent, QMenu*& member, const char* name) {
  member = parent->addMenu(QString());
  member->setObjectName(QString::fromLatin1(name));
  member->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("_item"));
  return member;
}

QMenu* TopMenu(QMenuBar* bar, QMenu*& member, const char* name) {
  member = bar->addMenu(QString());
  member->setObjectName(QString::fromLatin1(name));
  member->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("_item"));
  return member;
}

QAction* Item(QMenu* menu, QAction*& member, const char* name, const QKeySequence& shortcut = {}) {
  member = menu->addAction(QString());
  member->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) member->setShortcut(shortcut);
  return member;
}

QAction* CheckItem(QMenu* menu, QAction*& member, const char* name, bool checked) {
  Item(menu, member, name);
  member->setCheckable(true);
  member->setChecked(checked);
  return member;
}

}  // namespace

void MainWindow::CreateMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));

  TopMenu(bar, fileMenu, "Soubor1");
  SubMenu(fileMenu, openMenu, "Otevt1");
  Item(openMenu, inputA.openItem, "HistogramA1", QKeySequence(Qt::CTRL | Qt::Key_A));
  Item(openMenu, inputA.reopenItem, "ReOpenA");
  Item(openMenu, inputB.openItem, "HistogramB1", QKeySequence(Qt::CTRL | Qt::Key_B));
  Item(openMenu, inputB.reopenItem, "ReOpenB");
  openMenu->addSeparator();
  Item(openMenu, wordDocumentItem, "OtevriWord1");
  SubMenu(fileMenu, saveMenu, "Uloit1");
  Item(saveMenu, saveResultItem, "Histogram1", QKeySequence(Qt::CTRL | Qt::Key_S));
  Item(saveMenu, saveReportItem, "Vysledky1", QKeySequence(Qt::CTRL | Qt::Key_V));
  Item(saveMenu, exportChartItem, "UlozGraf1");
  Item(saveMenu, copyWindowItem, "UlozOkno1");
  fileMenu->addSeparator();
  Item(fileMenu, distributionFunctionItem, "Kivkatrvnzaten1");
  Item(fileMenu, characteristicsItem, "BChar1");
  Item(fileMenu, expressionItem, "FunkcePoruchy1", QKeySequence(Qt::CTRL | Qt::Key_E));
  fileMenu->addSeparator();
  Item(fileMenu, exitItem, "Konec1", QKeySequence(Qt::ALT | Qt::Key_X));

  TopMenu(bar, descriptionMenu, "N2");
  Item(descriptionMenu, inputA.listFileItem, "histogramuA1");
  Item(descriptionMenu, inputA.describeItem, "VypisVstHistA");
  Item(descriptionMenu, inputB.listFileItem, "histogramuB1");
  Item(descriptionMenu, inputB.describeItem, "VypisVstHistB");
  Item(descriptionMenu, describeResultItem, "Vslhistogramu1");

  TopMenu(bar, setupMenu, "Nastaveni1");
  Item(setupMenu, coloursItem, "Barvy1");
  Item(setupMenu, defaultsItem, "UlozNastaveni1");
  Item(setupMenu, clearReopenItem, "Zasobnik1");
  setupMenu->addSeparator();
  Item(setupMenu, pictureViewerItem, "VolejPicture1");
  Item(setupMenu, textViewerItem, "Prohlesoubor1");
  Item(setupMenu, pdfViewerItem, "TextAdobe");
  setupMenu->addSeparator();
  SubMenu(setupMenu, languageMenu, "Jazyk1");
  CheckItem(languageMenu, czechItem, "Cestina", false);
  CheckItem(languageMenu, englishItem, "Anglictina", true);
  SubMenu(setupMenu, helpFormatMenu, "Help1");
  CheckItem(helpFormatMenu, htmlHelpItem, "HTML1", true);
  CheckItem(helpFormatMenu, winHelpItem, "WIN1", false);
  SubMenu(setupMenu, axisLabelsMenu, "BottomAxis");
  CheckItem(axisLabelsMenu, indexLabelsItem, "index1", false);
  CheckItem(axisLabelsMenu, valueLabelsItem, "NonIndex", true);
  setupMenu->addSeparator();
  CheckItem(setupMenu, inputA.traceReadItem, "KontVypA", false);
  CheckItem(setupMenu, inputB.traceReadItem, "KontVypB", false);
  SubMenu(setupMenu, highlightMenu, "BarZvy");
  CheckItem(highlightMenu, highlightOnItem, "Ano1", true);
  CheckItem(highlightMenu, highlightOffItem, "Ne1", false);
  CheckItem(setupMenu, statusBarItem, "PrikazRadka1", true);
  Item(setupMenu, settingsListingItem, "VypisINIsouboru1");
  CheckItem(setupMenu, chartToolBarItem, "TCharCom", true);
  SubMenu(setupMenu, dateSeparatorMenu, "DateSeparator1");
  CheckItem(dateSeparatorMenu, dateDotItem, "tecka1", true);
  CheckItem(dateSeparatorMenu, dateDashItem, "minus1", false);
  CheckItem(dateSeparatorMenu, dateSlashItem, "lomitko1", false);
  SubMenu(setupMenu, timeSeparatorMenu, "imeSeparator1");
  CheckItem(timeSeparatorMenu, timeDotItem, "tecka2", false);
  CheckItem(timeSeparatorMenu, timeColonItem, "dvojtecka1", true);

  TopMenu(bar, helpMenu, "Napoveda1");
  Item(helpMenu, foldersItem, "OAdresach1");
  Item(helpMenu, versionItem, "Verze1", QKeySequence(Qt::Key_F2));
  Item(helpMenu, helpItem, "Oprogramu1", QKeySequence(Qt::Key_F1));
  Item(helpMenu, verificationItem, "Overeni1");
}

void MainWindow::CreatePopupMenus() {
  reportFormatMenu = new QMenu(this);
  reportFormatMenu->setObjectName(QStringLiteral("PopupMenu1"));
  CheckItem(reportFormatMenu, reportTextItem, "SouborText1", true);
  CheckItem(reportFormatMenu, reportWordItem, "SouborWord1", false);
  // Exactly one report format is chosen.
  auto* formats = new QActionGroup(this);
  formats->addAction(reportTextItem);
  formats->addAction(reportWordItem);

  exportTargetMenu = new QMenu(this);
  exportTargetMenu->setObjectName(QStringLiteral("PopupMenu2"));
  CheckItem(exportTargetMenu, clipboardTargetItem, "Schranka1", true);
  CheckItem(exportTargetMenu, bitmapTargetItem, "Bitmapa1", false);
  CheckItem(exportTargetMenu, metafileTargetItem, "Metafile1", false);
  CheckItem(exportTargetMenu, jpegTargetItem, "JpgFile", false);
  CheckItem(exportTargetMenu, pngTargetItem, "PNG1", false);
  // A click toggles the item; one target always stays chosen: unchecking one
  // falls back to the clipboard (the clipboard itself to the bitmap).
  const QList<QAction*> targets{clipboardTargetItem, bitmapTargetItem, metafileTargetItem, jpegTargetItem,
                                pngTargetItem};
  for (QAction* target : targets) {
    connect(target, &QAction::triggered, this, [this, target, targets](bool checked) {
      if (checked) {
        for (QAction* other : targets) {
          if (other != target) other->setChecked(false);
        }
      } else {
        (target == clipboardTargetItem ? bitmapTargetItem : clipboardTargetItem)->setChecked(true);
      }
    });
  }

  saveReportButton->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(saveReportButton, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { reportFormatMenu->popup(saveReportButton->mapToGlobal(at)); });
  exportChartButton->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(exportChartButton, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { exportTargetMenu->popup(exportChartButton->mapToGlobal(at)); });
}

void MainWindow::ConnectCommands() {
  for (model::SlotId slot : {model::SlotId::A, model::SlotId::B}) {
    const InputControls& c = Input(slot);
    connect(c.openButton, &QToolButton::clicked, this, [this, slot] { OpenDistributionFile(slot); });
    connect(c.openItem, &QAction::triggered, this, [this, slot] { OpenDistributionFile(slot); });
  }
  connect(exitButton, &QToolButton::clicked, this, &MainWindow::ExitClick);
  connect(exitItem, &QAction::triggered, this, &MainWindow::ExitClick);

  connect(statusBarItem, &QAction::toggled, statusLine, &QWidget::setVisible);
  connect(indexLabelsItem, &QAction::triggered, this, [this] { SetLabelMode(true); });
  connect(valueLabelsItem, &QAction::triggered, this, [this] { SetLabelMode(false); });
  connect(axisLabelsSelector, &QComboBox::activated, this, &MainWindow::ChooseAxisLabels);
  connect(runButton, &QPushButton::clicked, this, &MainWindow::RunClick);
  connect(exportChartButton, &QToolButton::clicked, this, &MainWindow::ExportChartClick);
  connect(exportChartItem, &QAction::triggered, this, &MainWindow::ExportChartClick);
  connect(copyWindowButton, &QToolButton::clicked, this, &MainWindow::CopyWindowClick);
  connect(copyWindowItem, &QAction::triggered, this, &MainWindow::CopyWindowClick);
  connect(highlightOnItem, &QAction::triggered, this, [this] { ChooseListingHighlight(true); });
  connect(highlightOffItem, &QAction::triggered, this, [this] { ChooseListingHighlight(false); });
  // The data labels: shown or not, their style and angle.
  connect(dataLabelsBox, &QCheckBox::toggled, this, [this] {
    if (!resultMinField->text().isEmpty()) RepeatQueryOrRedraw();
  });
  connect(marksSelector, &QComboBox::currentIndexChanged, this, [this] {
    if (dataLabelsBox->isChecked()) RepeatQueryOrRedraw();
  });
  connect(labelAngleBox, &QSpinBox::valueChanged, this, [this] { dataLabelsBox->setChecked(false); });
  connect(targetIndexBox, &QDoubleSpinBox::valueChanged, this, &MainWindow::ShowReliability);
  connect(labelAngleBox, &QSpinBox::editingFinished, this,
          [this] { SetMarksAngle(resultChart, labelAngleBox->value()); });
  connect(czechItem, &QAction::triggered, this, [this] { SwitchLanguage(texts::Language::Czech); });
  connect(englishItem, &QAction::triggered, this, [this] { SwitchLanguage(texts::Language::English); });
  const auto dateSeparator = [this](QAction* item, char separator) {
    connect(item, &QAction::triggered, this, [this, separator] { ChooseSeparators(separator, stored_.timeSeparator); });
  };
  dateSeparator(dateDotItem, '.');
  dateSeparator(dateDashItem, '-');
  dateSeparator(dateSlashItem, '/');
  const auto timeSeparator = [this](QAction* item, char separator) {
    connect(item, &QAction::triggered, this, [this, separator] { ChooseSeparators(stored_.dateSeparator, separator); });
  };
  timeSeparator(timeDotItem, '.');
  timeSeparator(timeColonItem, ':');
  connect(clockTimer, &QTimer::timeout, this, &MainWindow::UpdateClock);
  ConnectListingCommands();
  ConnectHelpCommands();
  CreateColourWindow();
  for (model::SlotId slot : {model::SlotId::A, model::SlotId::B}) {
    const InputControls& c = Input(slot);
    connect(c.reopenButton, &QToolButton::clicked, this, [this, slot] { ShowReOpenList(slot); });
    connect(c.reopenItem, &QAction::triggered, this, [this, slot] { ShowReOpenList(slot); });
  }
  reopenGrid->installEventFilter(this);
  connect(reopenGrid, &QTableWidget::cellClicked, this, [this](int row) { ReOpenRowClick(row); });
  connect(clearReopenButton, &QToolButton::clicked, this, &MainWindow::ClearReOpenListClick);
  connect(clearReopenItem, &QAction::triggered, this, &MainWindow::ClearReOpenListClick);
  connect(defaultsButton, &QToolButton::clicked, this, &MainWindow::DefaultValuesClick);
  connect(defaultsItem, &QAction::triggered, this, &MainWindow::DefaultValuesClick);
  connect(settingsListingItem, &QAction::triggered, this, &MainWindow::SettingsListingClick);
  connect(chartToolBarItem, &QAction::toggled, this, &MainWindow::UpdateChartToolBar);
}

}  // namespace dorvex::gui
