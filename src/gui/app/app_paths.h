#pragma once
// What the start-up learns from the command line, the environment and the desktop.

#include <QString>
#include <QStringList>

#include "settings/document_folders.h"
#include "settings/settings_place.h"

namespace dorvex::gui {

struct StartupArguments {
  bool noSplash = false;   // "--no-splash"
  bool printPaths = false; // "--paths": say where settings, examples and help are, and end
  QString settingsPath;    // FILE of "--settings FILE"
  QString fileForA;        // a distribution file named on the command line, opened into A
  QString error;           // a usage error; empty when the arguments are fine
};

// Reads the program's own arguments (the first element is the program).
StartupArguments ParseStartupArguments(const QStringList& arguments);
// The facts for choosing the settings file: command line, DORVEX_INI, the
// executable's folder and whether it is writable, the user's config folder.
settings::SettingsPlaceFacts GatherSettingsPlace(const StartupArguments& arguments);
// The data folders for the current folder, the documents folder and the executable.
settings::DocumentFolders GatherDocumentFolders();
// The bundled example histograms: "examples" beside the executable, then the
// installed data folder (<prefix>/share/dorvex), then the source tree's; the
// "Histograms" folder inside when it exists.
QString BundledExamplesFolder();
// The help page "Dorvex.htm": beside the executable, in the installed data folder,
// or in the source tree; empty when none is there.
QString HelpDocumentPath();

}  // namespace dorvex::gui
