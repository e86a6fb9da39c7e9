#include "settings/main_window_settings.h"

namespace dorvex::settings {

namespace {

constexpr const char* kLeftKey = "Prob_u-Form1.left";
constexpr const char* kTopKey = "Prob_u-Form1.top";
constexpr const char* kWidthKey = "Prob_u-Form1.width";
constexpr const char* kHeightKey = "Prob_u-Form1.height";
constexpr const char* kIntervalsKey = "Prob_u-Form1.Pocet intervalu";
constexpr const char* kHelpAdviceKey = "Form16- instalace WinHlp32.exe";
constexpr const char* kTargetIndexKey = "Form1 Target beta";
constexpr const char* kMarksKey = "Prob_u-Form1.CBMarks.ItemIndex";
constexpr const char* kAngleKey = "Prob_u-Form1.SpinEdAngle.Value";
constexpr const char* kOperationKey = "Posledni";
constexpr const char* kDateSeparatorKey = "DateSeparator";
constexpr const char* kTimeSeparatorKey = "TimeSeparator";
constexpr int kMarksItems = 5;

// A check mark kept in the file.
struct CheckKey {
  std::string_view section;
  const char* key;
  bool MainWindowSettings::*value;
};

// In the order they are written, before and after the data-label keys.
const CheckKey kChecksBeforeMarks[] = {
    {kSectionNastaveni, "Form1 TCharCom", &MainWindowSettings::chartToolBar},
    {kSectionNastaveni, "Form1 Kontrolni vypis A", &MainWindowSettings::traceReadA},
    {kSectionNastaveni, "Form1 Kontrolni vypis B", &MainWindowSettings::traceReadB},
    {kSectionNastaveni, "Form1 Prikazova radka", &MainWindowSettings::statusBar},
    {kSectionComponent, "FORM1 Index Ano", &MainWindowSettings::indexLabels},
    {kSectionComponent, "FORM1 Index Ne", &MainWindowSettings::valueLabels},
};

const CheckKey kChecksAfterMarks[] = {
    {kSectionSetting, "Color- jazyk cesky", &MainWindowSettings::czech},
    {kSectionSetting, "Color- jazyk anglicky", &MainWindowSettings::english},
    {kSectionSetting, "Barevné zvýraznění Ano", &MainWindowSettings::highlightOn},
    {kSectionSetting, "Barevné zvýraznění Ne", &MainWindowSettings::highlightOff},
    {kSectionNastaveni, "Form1 Help-HTML", &MainWindowSettings::htmlHelp},
    {kSectionNastaveni, "Form1 HELP WIN", &MainWindowSettings::winHelp},
};

}  // namespace

MainWindowSettings ReadMainWindowSettings(const SettingsFile& file, int defaultWidth, int defaultHeight) {
  MainWindowSettings values;
  const MainWindowSettings defaults;
  values.left = file.ReadInteger(kSectionPosition, kLeftKey, defaults.left);
  values.top = file.ReadInteger(kSectionPosition, kTopKey, defaults.top);
  values.width = file.ReadInteger(kSectionPosition, kWidthKey, defaultWidth);
  values.height = file.ReadInteger(kSectionPosition, kHeightKey, defaultHeight);
  values.pointLimit = file.ReadInteger(kSectionSetting, kIntervalsKey, defaults.pointLimit);
  for (const CheckKey& check : kChecksBeforeMarks) {
    values.*check.value = file.ReadBool(check.section, check.key, defaults.*check.value);
  }
  values.helpViewerAdvice = file.ReadBool(kSectionSetting, kHelpAdviceKey, defaults.helpViewerAdvice);
  const int marks = file.ReadInteger(kSectionSetting, kMarksKey, defaults.marksItem);
  values.marksItem = marks >= 0 && marks < kMarksItems ? marks : defaults.marksItem;
  values.labelAngle = file.ReadInteger(kSectionSetting, kAngleKey, defaults.labelAngle);
  for (const CheckKey& check : kChecksAfterMarks) {
    values.*check.value = file.ReadBool(check.section, check.key, defaults.*check.value);
  }
  values.operationItem = file.ReadInteger(kSectionOperation, kOperationKey, defaults.operationItem);
  values.dateSeparator = file.ReadInteger(kSectionSetting, kDateSeparatorKey, defaults.dateSeparator);
  values.timeSeparator = file.ReadInteger(kSectionSetting, kTimeSeparatorKey, defaults.timeSeparator);
  const double target = file.ReadFloat(kSectionSetting, kTargetIndexKey, defaults.targetIndex);
  values.targetIndex = target > 0.0 && target <= kLargestTargetIndex ? target : defaults.targetIndex;
  return values;
}

void WriteMainWindowSettings(const MainWindowSettings& values, SettingsFile& file) {
  file.WriteInteger(kSectionPosition, kLeftKey, values.left);
  file.WriteInteger(kSectionPosition, kTopKey, values.top);
  file.WriteInteger(kSectionPosition, kWidthKey, values.width);
  file.WriteInteger(kSectionPosition, kHeightKey, values.height);
  file.WriteInteger(kSectionSetting, kIntervalsKey, values.pointLimit);
  for (const CheckKey& check : kChecksBeforeMarks) file.WriteBool(check.section, check.key, values.*check.value);
  file.WriteBool(kSectionSetting, kHelpAdviceKey, values.helpViewerAdvice);
  file.WriteInteger(kSectionSetting, kMarksKey, values.marksItem);
  file.WriteInteger(kSectionSetting, kAngleKey, values.labelAngle);
  for (const CheckKey& check : kChecksAfterMarks) file.WriteBool(check.section, check.key, values.*check.value);
  file.WriteInteger(kSectionOperation, kOperationKey, values.operationItem);
  file.WriteInteger(kSectionSetting, kDateSeparatorKey, values.dateSeparator);
  file.WriteInteger(kSectionSetting, kTimeSeparatorKey, values.timeSeparator);
  file.WriteFloat(kSectionSetting, kTargetIndexKey, values.targetIndex);
}

void WriteLastFile(SettingsFile& file, LastFile which, std::string_view path) {
  switch (which) {
    case LastFile::InputA: return file.WriteString(kSectionInputFile, "Histogram A", path);
    case LastFile::InputB: return file.WriteString(kSectionInputFile, "Histogram B", path);
    case LastFile::ResultHistogram: return file.WriteString(kSectionOutputFile, "Histogram AB", path);
    case LastFile::ResultReport: return file.WriteString(kSectionOutputFile, "Výsledky  AB", path);
  }
}

}  // namespace dorvex::settings
