#include "app/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace dorvex::gui {

namespace {

std::string Local(const QString& path) { return QDir::fromNativeSeparators(path).toStdString(); }

}  // namespace

StartupArguments ParseStartupArguments(const QStringList& arguments) {
  StartupArguments parsed;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (argument == QLatin1String("--no-splash")) {
      parsed.noSplash = true;
    } else if (argument == QLatin1String("--settings")) {
      if (i + 1 >= arguments.size()) {
        parsed.error = QStringLiteral("--settings needs a file name");
        return parsed;
      }
      parsed.settingsPath = arguments.at(++i);
    } else if (argument.startsWith(QLatin1String("--settings="))) {
      parsed.settingsPath = argument.mid(11);
    } else {
      parsed.error = QStringLiteral("unknown argument \"%1\"").arg(argument);
      return parsed;
    }
  }
  return parsed;
}

settings::SettingsPlaceFacts GatherSettingsPlace(const StartupArguments& arguments) {
  settings::SettingsPlaceFacts facts;
  facts.commandLinePath = Local(arguments.settingsPath);
  facts.environmentPath = Local(qEnvironmentVariable("DORVEX_INI"));
  const QString executableDir = QCoreApplication::applicationDirPath();
  facts.executableDir = Local(executableDir);
  facts.executableDirWritable = QFileInfo(executableDir).isWritable();
  facts.configHome = Local(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  return facts;
}

settings::DocumentFolders GatherDocumentFolders() {
  return settings::MakeDocumentFolders(Local(QDir::currentPath()),
                                       Local(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
                                       Local(QCoreApplication::applicationDirPath()));
}

QString BundledExamplesFolder() {
  QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/examples");
  if (!QDir(folder).exists()) folder = QStringLiteral(DORVEX_EXAMPLES_DIR);
  if (!QDir(folder).exists()) return {};
  const QString histograms = folder + QStringLiteral("/Histograms");
  return QDir(histograms).exists() ? histograms : folder;
}

}  // namespace dorvex::gui
