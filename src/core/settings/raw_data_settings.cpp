#include "settings/raw_data_settings.h"

namespace dorvex::settings {

namespace {

constexpr const char* kRawLeftKey = "PrvotniData-Form14.left";
constexpr const char* kRawTopKey = "PrvotniData-Form14.top";
constexpr const char* kRawWidthKey = "PrvotniData-Form14.width";
constexpr const char* kRawHeightKey = "PrvotniData-Form14.height";
constexpr const char* kRawEpsKey = "PrvotniData-Form14.Eps";
constexpr const char* kRawIntervalsKey = "PrvotniData-Form14.PocetIntervalu";
constexpr const char* kRawMarksKey = "PrvotniData-Form14.CBMarks.ItemIndex";
constexpr const char* kRawAngleKey = "PrvotniData-Form14.SpinEdAngle.Value";
constexpr const char* kTableLeftKey = "TabChar-Form19.left";
constexpr const char* kTableTopKey = "TabChar-Form19.top";
constexpr const char* kTableWidthKey = "TabChar-Form19.width";
constexpr const char* kTableHeightKey = "TabChar-Form19.height";
constexpr int kMarksItems = 5;

}  // namespace

RawDataWindowSettings ReadRawDataWindowSettings(const SettingsFile& file) {
  RawDataWindowSettings v;
  v.left = file.ReadInteger(kSectionPosition, kRawLeftKey, v.left);
  v.top = file.ReadInteger(kSectionPosition, kRawTopKey, v.top);
  v.width = file.ReadInteger(kSectionPosition, kRawWidthKey, v.width);
  v.height = file.ReadInteger(kSectionPosition, kRawHeightKey, v.height);
  v.eps = file.ReadString(kSectionPosition, kRawEpsKey, v.eps);
  v.intervals = file.ReadString(kSectionPosition, kRawIntervalsKey, v.intervals);
  v.marksItem = file.ReadInteger(kSectionSetting, kRawMarksKey, v.marksItem);
  if (v.marksItem < 0 || v.marksItem >= kMarksItems) v.marksItem = 2;
  v.labelAngle = file.ReadInteger(kSectionSetting, kRawAngleKey, v.labelAngle);
  return v;
}

void WriteRawDataWindowSettings(const RawDataWindowSettings& v, SettingsFile& file) {
  file.WriteInteger(kSectionPosition, kRawLeftKey, v.left);
  file.WriteInteger(kSectionPosition, kRawTopKey, v.top);
  file.WriteInteger(kSectionPosition, kRawWidthKey, v.width);
  file.WriteInteger(kSectionPosition, kRawHeightKey, v.height);
  file.WriteString(kSectionPosition, kRawEpsKey, v.eps);
  file.WriteString(kSectionPosition, kRawIntervalsKey, v.intervals);
  file.WriteInteger(kSectionSetting, kRawMarksKey, v.marksItem);
  file.WriteInteger(kSectionSetting, kRawAngleKey, v.labelAngle);
}

FitTableWindowSettings ReadFitTableWindowSettings(const SettingsFile& file, int screenWidth) {
  FitTableWindowSettings v;
  v.left = file.ReadInteger(kSectionPosition, kTableLeftKey, v.left);
  v.top = file.ReadInteger(kSectionPosition, kTableTopKey, v.top);
  v.width = file.ReadInteger(kSectionPosition, kTableWidthKey, screenWidth);
  v.height = file.ReadInteger(kSectionPosition, kTableHeightKey, v.height);
  return v;
}

void WriteFitTableWindowSettings(const FitTableWindowSettings& v, SettingsFile& file) {
  file.WriteInteger(kSectionPosition, kTableLeftKey, v.left);
  file.WriteInteger(kSectionPosition, kTableTopKey, v.top);
  file.WriteInteger(kSectionPosition, kTableWidthKey, v.width);
  file.WriteInteger(kSectionPosition, kTableHeightKey, v.height);
}

}  // namespace dorvex::settings
