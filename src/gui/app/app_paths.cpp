#include "app/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace dorvex::gui {

namespace {

std::string Local(const QString& path) { return QDir::fromNativeSeparators(path).toStdString(); }

// The first of `candidates` that exists, or empty.
QString FirstExisting(const QStringList& candidates) {
  for (const QString& candidate : candidates) {
    if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
  }
  return {};
}

// Where an installed program keeps its data: <prefix>/share/dorvex beside <prefix>/bin.
QString InstalledDataFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/dorvex"); }

}  // namespace

StartupArguments ParseStartupArguments(const QStringList& arguments) {
  StartupArguments parsed;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (argument == QLatin1String("--no-splash")) {
      parsed.noSplash = true;
    } else if (argument == QLatin1String("--paths")) {
      parsed.printPaths = true;
    } else if (argument == QLatin1String("--settings")) {
      if (i + 1 >= arguments.size()) {
        parsed.error = QStringLiteral("--settings needs a file name");
        return parsed;
      }
      parsed.settingsPath = arguments.at(++i);
    } else if (argument.startsWith(QLatin1String("--settings="))) {
      parsed.settingsPath = argument.mid(11);
    } else if (!argument.startsWith(QLatin1Char('-')) && parsed.fileForA.isEmpty()) {
      parsed.fileForA = QFileInfo(argument).absoluteFilePath();
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
  const QString folder = FirstExisting({QCoreApplication::applicationDirPath() + QStringLiteral("/examples"),
                                        InstalledDataFolder() + QStringLiteral("/examples"),
                                        QStringLiteral(DORVEX_EXAMPLES_DIR)});
  if (folder.isEmpty()) return {};
  const QString histograms = folder + QStringLiteral("/Histograms");
  return QDir(histograms).exists() ? histograms : folder;
}

QString HelpDocumentPath() {
  const QString name = QStringLiteral("/Dorvex.htm");
  return FirstExisting({QCoreApplication::applicationDirPath() + name, InstalledDataFolder() + QStringLiteral("/help") + name,
                        QStringLiteral(DORVEX_HELP_DIR) + name});
}

}  // namespace dorvex::gui
