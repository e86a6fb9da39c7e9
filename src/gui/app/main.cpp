// Dorvex: mathematical operations with histograms.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>

#include "app/main_window.h"
#include "app/app_paths.h"
#include "app/qt_platform_services.h"
#include "settings/settings_file.h"
#include "settings/settings_place.h"
#include "statvex/number_text.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Dorvex"));
  QApplication::setApplicationVersion(QString::fromStdString(dorvex::statvex::VersionText()));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/dorvex.svg")));
  QApplication::setDesktopFileName(QStringLiteral("dorvex"));

  const dorvex::gui::StartupArguments arguments = dorvex::gui::ParseStartupArguments(application.arguments());
  if (!arguments.error.isEmpty()) {
    std::fprintf(stderr, "Dorvex: %s\nUsage: Dorvex [--no-splash] [--settings FILE] [--paths] [FILE.dis]\n",
                 arguments.error.toLocal8Bit().constData());
    return 2;
  }
  const dorvex::settings::SettingsPlaceFacts place = dorvex::gui::GatherSettingsPlace(arguments);
  const std::string settingsPath = dorvex::settings::ChooseSettingsPath(place);
  // The user's config folder may not exist before the first run; a named file's
  // folder is the user's business.
  if (place.commandLinePath.empty() && place.environmentPath.empty() && !place.executableDirWritable) {
    QDir().mkpath(QFileInfo(QString::fromStdString(settingsPath)).absolutePath());
  }
  dorvex::settings::SettingsFile settings(settingsPath);
  // A settings file that cannot be read starts the program with the defaults.
  (void)settings.Load();

  dorvex::gui::QtPlatformServices platform;
  dorvex::gui::StartupOptions options;
  options.showSplash = !arguments.noSplash;
  options.examplesFolder = dorvex::gui::BundledExamplesFolder();
  options.fileForA = arguments.fileForA;
  if (arguments.printPaths) {
    std::printf("settings: %s\nexamples: %s\nhelp: %s\n", settingsPath.c_str(),
                options.examplesFolder.toLocal8Bit().constData(),
                dorvex::gui::HelpDocumentPath().toLocal8Bit().constData());
    return 0;
  }
  dorvex::gui::MainWindow form(platform.Services(), &settings, dorvex::gui::GatherDocumentFolders(), options);
  if (form.EndedAtStart()) return 0;
  form.show();
  return QApplication::exec();
}
