#include "texts/raw_data_window_texts.h"

#include "texts/captions.h"
#include <array>

namespace dorvex::texts {

namespace {

constexpr std::array kCaptions = {
    Caption{"OpenData", "Otevřít data", "Open data"},
    Caption{"LabNazev", "Soubor", "File"},
    Caption{"LabMin", "Min", "Min"},
    Caption{"LabMax", "Max", "Max"},
    Caption{"LabPocetIntervalu", "Intervalů", "Intervals"},
    Caption{"LabEps", "Eps P(Xmin)", "Eps P(Xmin)"},
    Caption{"LabTypPara", "Typ ( podle těsnosti )", "Type ( by closeness )"},
    Caption{"Button2", "NeParam", "NeParam"},
    Caption{"BuParam", "Param", "Param"},
    Caption{"BStopParam", "Přerušit", "Stop"},
    Caption{"BTabChar", "TAB", "TAB"},
    Caption{"CheckBox1", "Popisky dat", "Data labels"},
    Caption{"ChB_TypHist", "Pure Discrete", "Pure Discrete"},
    Caption{"BChar", "Char", "Char"},
    Caption{"UlozGraf", "Uložit graf", "Save chart"},
    Caption{"SpeedButton1", "Obrázek okna", "Window picture"},
    Caption{"Schranka", "Schránka", "Clipboard"},
    Caption{"Bitmapa", "Bitmapa", "Bitmap"},
    Caption{"Metafile", "Metafile (SVG)", "Metafile (SVG)"},
    Caption{"JPGFile", "JPEG", "JPEG"},
    Caption{"BNovy", "Nová data", "New data"},
    Caption{"GroupBox3", "Prvotní data", "Raw data"},
    Caption{"BSave", "&Save  ", "&Save  "},
    Caption{"Bcancel", "C&ancel", "C&ancel"},
    Caption{"BitBtn1", "Zavřít", "Close"},
    Caption{"LabTypVyberu", "Seřadit podle", "Sort at : "},
    Caption{"ChBVymazRadkuTab", "Odstranit ?", "Eliminate ?"},
    Caption{"BKonec", "Zavřít", "Close"},
    Caption{"LabSGCharPDZ", "Prvotní data", "Raw data"},
    Caption{"LabSGCharPD", "Histogram z prvotních dat", "Histogram of the raw data"},
    Caption{"LabSGChar", "Parametrická rozdělení", "Parametric distributions"},
};

const char* Pick(Language language, const char* czech, const char* english) {
  return language == Language::Czech ? czech : english;
}

}  // namespace

std::string RawDataWindowTitle(Language language) {
  return Pick(language, "  Dorvex :  Prvotní data", "  Dorvex :  Raw data");
}

std::string FitTableWindowTitle(Language language) {
  return Pick(language, "  Dorvex : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti",
              "  Dorvex : Table of applicable histograms with parametric probability distribution");
}

std::string RawDataControlCaption(std::string_view objectName, Language language) {
  return FindCaption(kCaptions, objectName, language);
}

std::vector<std::string> RawDataGridRowNames(std::string_view objectName, Language language) {
  if (objectName == "StringGrid3")
    return {Pick(language, "Počet prvků", "Number of values"), "Mi", "Sigma", Pick(language, "Šikmost", "Skewness")};
  if (objectName == "StringGrid1") return {"Xmin", "Xmax", "Median", "Mode"};
  if (objectName == "StringGrid6") return {"Mi", "Sigma", Pick(language, "Šikmost", "Skewness")};
  if (objectName == "StringGrid4") return {Pick(language, "Těsnost", "Closeness")};
  if (objectName == "StringGrid5") return {Pick(language, "Řádků", "Lines"), Pick(language, "Řádek", "Line")};
  return {};
}

std::vector<std::string> RawDataListItems(std::string_view objectName, Language language) {
  if (objectName == "CBMarks") return {"P(x)", "x", "x & P(x)", "INT ... x", "INT & P(x)"};
  if (objectName == "CBValInd") return {"Index x", Pick(language, "Hodnota x", "Value x")};
  return {};
}

std::vector<std::string> GoodnessSortItems() { return {"KS", "ln L", "AIC", "BIC"}; }

std::string RemoveRowsQuestion(Language language) {
  return Pick(language, "Odstranit označené řádky z tabulky ?", "Remove the highlighted rows from the table ?");
}

}  // namespace dorvex::texts
