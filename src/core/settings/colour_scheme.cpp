#include "settings/colour_scheme.h"

#include <string_view>

#include "settings/settings_file.h"

namespace dorvex::settings {

namespace {

constexpr std::array<unsigned, kColourItemCount> kDesignItems{
    kSystemButtonFace, 0, 0xFFFFFF, 0, 0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0, 0xFFFFFF, 0x0000FF,
    0xFF0000, 0xFFFFFF, 0x00FFFF, 0xF0CAA6, 0x0000FF, 0xFF0000, 0xFFFFFF, 0xC0DCC0, 0xFFFFFF, 0xF0CAA6};

// Where an item is kept: the section and the key.
struct ItemKey {
  int item;
  std::string_view section;
  const char* key;
};

constexpr std::array kItemKeys{
    ItemKey{kFormsBackground, kSectionSetting, "Color- FORM1 pozadi"},
    ItemKey{kTableText, kSectionSetting, "Color- texty na panelu 1"},
    ItemKey{kEditBackground, kSectionSetting, "Color- edit.okno Nasobek A"},
    ItemKey{kEditText, kSectionSetting, "Color- text Nasobek A"},
    ItemKey{kChartBackground, kSectionSetting, "Color- GRAF pozadi"},
    ItemKey{kInputBars, kSectionSetting, "Color- histogram"},
    ItemKey{kDurationBars, kSectionSetting, "Color- histogram KTZ"},
    ItemKey{kGeneratorBars, kSectionSetting, "Color- histogram PR"},
    ItemKey{kResultBars, kSectionSetting, "Color- histogram AB"},
    ItemKey{kValueColour, kSectionSetting, "Color- hodnota x"},
    ItemKey{kChartTitle, kSectionSetting, "Color- text nadpis"},
    ItemKey{kQuantileColour, kSectionSetting, "Color- velikost kvantilu P"},
    ItemKey{kPanelText, kSectionSetting, "Color- texty na panelu 2"},
    ItemKey{kValueFieldBackground, kSectionSetting, "Color- edit.okno Hodnota x"},
    ItemKey{kQuantileFieldBackground, kSectionSetting, "Color- edit.okno Velikost kvantilu P"},
    ItemKey{kLimitFieldBackground, kSectionSetting, "Color- edit.okno EdMocnitel"},
    ItemKey{kLimitFieldText, kSectionSetting, "Color- texty edit.okna EdMocnitel"},
    ItemKey{kOperationBackground, kSectionSetting, "Color- ComboBox Mat.operace"},
    ItemKey{kOperationText, kSectionSetting, "Color- texty Mat.operace"},
    ItemKey{kDurationChartBackground, kSectionSetting, "Color- GRAF pozadí KTZ"},
    ItemKey{kGeneratorChartBackground, kSectionSetting, "ParamRozdel-Form12.Color- GRAF pozadí PR"},
};

struct OtherKey {
  unsigned ColourScheme::*member;
  const char* key;
};

constexpr std::array kOtherKeys{
    OtherKey{&ColourScheme::toolBarPanel, "Color- panel nastroju"},
    OtherKey{&ColourScheme::statusBar, "Color- status bar"},
    OtherKey{&ColourScheme::inputPanel, "Color- PANEL Vstupniho histogramu"},
    OtherKey{&ColourScheme::inputPanelTitle, "Color- text zahlavi 1"},
    OtherKey{&ColourScheme::resultChartBackground, "Color- pozadi histogram AB"},
    OtherKey{&ColourScheme::resultPanel, "Color- PANEL vysledneho histogramu"},
    OtherKey{&ColourScheme::resultPanelTitle, "Color- text zahlavi 2"},
    OtherKey{&ColourScheme::operationPanel, "Color- PANEL mat.operaci"},
};

// Colours are written as signed 32-bit integers, so a system colour reads back.
unsigned ReadColour(const SettingsFile& settings, std::string_view section, const char* key, unsigned fallback) {
  return static_cast<unsigned>(settings.ReadInteger(section, key, static_cast<int>(fallback)));
}

void WriteColour(SettingsFile& settings, std::string_view section, const char* key, unsigned colour) {
  settings.WriteInteger(section, key, static_cast<int>(colour));
}

}  // namespace

ColourScheme DesignColours() {
  ColourScheme scheme;
  scheme.item = kDesignItems;
  return scheme;
}

ColourScheme WithDefaultValues(const ColourScheme& scheme) {
  ColourScheme reset = scheme;
  reset.item = kDesignItems;
  return reset;
}

ColourScheme ReadColourScheme(const SettingsFile& settings) {
  ColourScheme scheme = DesignColours();
  for (const ItemKey& key : kItemKeys) {
    auto& colour = scheme.item[static_cast<std::size_t>(key.item)];
    colour = ReadColour(settings, key.section, key.key, colour);
  }
  for (const OtherKey& key : kOtherKeys) {
    scheme.*key.member = ReadColour(settings, kSectionSetting, key.key, scheme.*key.member);
  }
  return scheme;
}

void WriteColourScheme(SettingsFile& settings, const ColourScheme& scheme) {
  for (const ItemKey& key : kItemKeys) {
    WriteColour(settings, key.section, key.key, scheme.item[static_cast<std::size_t>(key.item)]);
  }
  for (const OtherKey& key : kOtherKeys) WriteColour(settings, kSectionSetting, key.key, scheme.*key.member);
}

}  // namespace dorvex::settings
