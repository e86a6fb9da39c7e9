#include "main_window_harness.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "settings/document_folders.h"

namespace dorvex::gui::testing {

MainWindowHarness::MainWindowHarness() {
  if (!folder_.isValid()) qFatal("no temporary folder");
  settings_ = std::make_unique<settings::SettingsFile>(folder_.filePath(QStringLiteral("Dorvex.INI")).toStdString());
  StartupOptions options;
  options.showSplash = false;
  const auto folders = settings::MakeDocumentFolders(folder_.path().toStdString(),
                                                     folder_.filePath(QStringLiteral("Documents")).toStdString(),
                                                     folder_.path().toStdString());
  form_ = std::make_unique<MainWindow>(platform_.Services(), settings_.get(), folders, options);
  form_->show();
  if (!QTest::qWaitForWindowActive(form_.get())) qWarning("main window not active");
}

MainWindowHarness::~MainWindowHarness() = default;

void MainWindowHarness::Open(model::SlotId slot, const QString& path) {
  platform_.QueueOpenFile(path);
  QTest::mouseClick(Find<QToolButton>(slot == model::SlotId::A ? "VstupA" : "VstupB"), Qt::LeftButton);
  Settle();
}

void MainWindowHarness::Compute(int item) {
  auto* operations = Find<QComboBox>("ComboBox_Operace");
  operations->setCurrentIndex(item);
  QTest::mouseClick(Find<QPushButton>("Button_Proved_Operaci"), Qt::LeftButton);
  Settle();
}

void MainWindowHarness::Replace(QLineEdit* field, const QString& keys) {
  QTest::mouseClick(field, Qt::LeftButton);
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, keys);
}

void MainWindowHarness::TypeAndLeave(const char* name, const QString& keys) {
  Replace(Find<QLineEdit>(name), keys);
  QTest::mouseClick(Find<QLineEdit>("EdMocnitel"), Qt::LeftButton);
  Settle();
}

void MainWindowHarness::TypeAndEnter(const char* name, const QString& keys) {
  auto* field = Find<QLineEdit>(name);
  Replace(field, keys);
  QTest::keyClick(field, Qt::Key_Return);
  Settle();
}

void MainWindowHarness::Settle() { QCoreApplication::processEvents(); }

}  // namespace dorvex::gui::testing
