// The main window's keys of the settings file and the date and time separators.
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSpinBox>

#include "app/Prob_u.h"
#include "settings/settings_file.h"

namespace dorvex::gui {

namespace {

using settings::kSectionComponent;
using settings::kSectionNastaveni;
using settings::kSectionOperation;
using settings::kSectionPosition;
using settings::kSectionSetting;

// A first start opens large enough for readable charts, within the screen.
constexpr int kDefaultWidth = 1100;
constexpr int kDefaultHeight = 760;

QSize DefaultSize() {
  QSize size(kDefaultWidth, kDefaultHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size() * 0.95);
  }
  return size;
}

// Check marks kept in the file, in the order they are written.
struct CheckKey {
  std::string_view section;
  const char* key;
  QAction* TForm1::*item;
  bool fallback;
};

const CheckKey kChecksBeforeMarks[] = {
    {kSectionNastaveni, "Form1 TCharCom", &TForm1::TCharCom, true},
    {kSectionNastaveni, "Form1 Kontrolni vypis A", &TForm1::KontVypA, false},
    {kSectionNastaveni, "Form1 Kontrolni vypis B", &TForm1::KontVypB, false},
    {kSectionNastaveni, "Form1 Prikazova radka", &TForm1::PrikazRadka1, true},
    {kSectionComponent, "FORM1 Index Ano", &TForm1::index1, false},
    {kSectionComponent, "FORM1 Index Ne", &TForm1::NonIndex, true},
};

const CheckKey kChecksAfterMarks[] = {
    {kSectionSetting, "Color- jazyk cesky", &TForm1::Cestina, false},
    {kSectionSetting, "Color- jazyk anglicky", &TForm1::Anglictina, true},
    {kSectionSetting, "Barevné zvýraznění Ano", &TForm1::Ano1, true},
    {kSectionSetting, "Barevné zvýraznění Ne", &TForm1::Ne1, false},
    {kSectionNastaveni, "Form1 Help-HTML", &TForm1::HTML1, true},
    {kSectionNastaveni, "Form1 HELP WIN", &TForm1::WIN1, false},
};

constexpr const char* kLeftKey = "Prob_u-Form1.left";
constexpr const char* kTopKey = "Prob_u-Form1.top";
constexpr const char* kWidthKey = "Prob_u-Form1.width";
constexpr const char* kHeightKey = "Prob_u-Form1.height";
constexpr const char* kIntervalsKey = "Prob_u-Form1.Pocet intervalu";
constexpr const char* kHelpAdviceKey = "Form16- instalace WinHlp32.exe";
constexpr const char* kMarksKey = "Prob_u-Form1.CBMarks.ItemIndex";
constexpr const char* kAngleKey = "Prob_u-Form1.SpinEdAngle.Value";
constexpr const char* kOperationKey = "Posledni";
constexpr const char* kDateSeparatorKey = "DateSeparator";
constexpr const char* kTimeSeparatorKey = "TimeSeparator";

}  // namespace

void TForm1::ReadSettings() {
  const settings::SettingsFile& file = *settings_;
  move(file.ReadInteger(kSectionPosition, kLeftKey, 0), file.ReadInteger(kSectionPosition, kTopKey, 0));
  const QSize defaultSize = DefaultSize();
  resize(file.ReadInteger(kSectionPosition, kWidthKey, defaultSize.width()),
         file.ReadInteger(kSectionPosition, kHeightKey, defaultSize.height()));
  maxResultIntervals_ = file.ReadInteger(kSectionSetting, kIntervalsKey, 256);
  for (const CheckKey& check : kChecksBeforeMarks) {
    (this->*check.item)->setChecked(file.ReadBool(check.section, check.key, check.fallback));
  }
  helpViewerAdvice_ = file.ReadBool(kSectionSetting, kHelpAdviceKey, true);
  const int marks = file.ReadInteger(kSectionSetting, kMarksKey, 2);
  CBMarks->setCurrentIndex(marks >= 0 && marks < CBMarks->count() ? marks : 2);
  SpinEdAngle->setValue(file.ReadInteger(kSectionSetting, kAngleKey, 90));
  for (const CheckKey& check : kChecksAfterMarks) {
    (this->*check.item)->setChecked(file.ReadBool(check.section, check.key, check.fallback));
  }
  ComboBox_Operace->setCurrentIndex(file.ReadInteger(kSectionOperation, kOperationKey, 1));
  reOpenList_ = settings::ReadReOpenList(file);
  ApplySeparators(file.ReadInteger(kSectionSetting, kDateSeparatorKey, '.'),
                  file.ReadInteger(kSectionSetting, kTimeSeparatorKey, ':'));
}

void TForm1::WriteSettings() {
  settings::SettingsFile& file = *settings_;
  const QRect placement = normalGeometry().isValid() ? normalGeometry() : geometry();
  file.WriteInteger(kSectionPosition, kLeftKey, pos().x());
  file.WriteInteger(kSectionPosition, kTopKey, pos().y());
  file.WriteInteger(kSectionPosition, kWidthKey, placement.width());
  file.WriteInteger(kSectionPosition, kHeightKey, placement.height());
  file.WriteInteger(kSectionSetting, kIntervalsKey, maxResultIntervals_);
  for (const CheckKey& check : kChecksBeforeMarks) {
    file.WriteBool(check.section, check.key, (this->*check.item)->isChecked());
  }
  file.WriteBool(kSectionSetting, kHelpAdviceKey, helpViewerAdvice_);
  file.WriteInteger(kSectionSetting, kMarksKey, CBMarks->currentIndex());
  file.WriteInteger(kSectionSetting, kAngleKey, SpinEdAngle->value());
  for (const CheckKey& check : kChecksAfterMarks) {
    file.WriteBool(check.section, check.key, (this->*check.item)->isChecked());
  }
  file.WriteInteger(kSectionOperation, kOperationKey, ComboBox_Operace->currentIndex());
  file.WriteInteger(kSectionSetting, kDateSeparatorKey, dateSeparator_);
  file.WriteInteger(kSectionSetting, kTimeSeparatorKey, timeSeparator_);
  settings::WriteReOpenList(reOpenList_, file);
}

void TForm1::ApplySeparators(int dateSeparator, int timeSeparator) {
  dateSeparator_ = dateSeparator;
  timeSeparator_ = timeSeparator;
  tecka1->setChecked(dateSeparator == '.');
  minus1->setChecked(dateSeparator == '-');
  lomitko1->setChecked(dateSeparator == '/');
  tecka2->setChecked(timeSeparator == '.');
  dvojtecka1->setChecked(timeSeparator == ':');
  // A separator none of the items names leaves its format as it was.
  if (dateSeparator == '.' || dateSeparator == '-' || dateSeparator == '/') {
    const QChar separator(dateSeparator);
    shortDateFormat_ = QStringLiteral("d%1M%1yyyy").arg(separator);
  }
  if (timeSeparator == '.' || timeSeparator == ':') {
    const QChar separator(timeSeparator);
    longTimeFormat_ = QStringLiteral("hh%1mm%1ss").arg(separator);
  }
  UpdateClock();
}

void TForm1::ChooseDateSeparator(int separator) { ApplySeparators(separator, timeSeparator_); }

void TForm1::ChooseTimeSeparator(int separator) { ApplySeparators(dateSeparator_, separator); }

}  // namespace dorvex::gui
