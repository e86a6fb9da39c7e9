#include "texts/main_window_texts.h"

#include <algorithm>
#include <span>

#include "texts/messages.h"

namespace dorvex::texts {

namespace {

// One control's texts; nullptr leaves the text as it is.
struct Entry {
  const char* name;
  const char* english;
  const char* czech;
  const char* englishHint;
  const char* czechHint;
};

constexpr Entry kControlTexts[] = {
    // Main menu.
    {"Soubor1", "&File", "&Soubor", nullptr, nullptr},
    {"Otevt1", "&Open ...", "&Otevřít ...", nullptr, nullptr},
    {"HistogramA1", "Histogram &A ...", "Histogram &A ...", nullptr, nullptr},
    {"ReOpenA", "Re&Open histogram A", "Re&Open histogram A", nullptr, nullptr},
    {"HistogramB1", "Histogram &B ...", "Histogram &B ...", nullptr, nullptr},
    {"ReOpenB", "ReO&pen histogram B", "ReO&pen histogram B", nullptr, nullptr},
    {"OtevriWord1", "Open new Word documen&t ...", "O&tevřít dokument WORDu ...",
     "Word|Open a new word-processor document", "Word|Otevřít nový dokument textového editoru"},
    {"Uloit1", "&SaveAs ...", "&Uložit ...", nullptr, nullptr},
    {"Histogram1", "&Histogram ...", "&Histogram ...",
     "Save histogram AB|Save the result histogram as a distribution file",
     "Uložit histogram AB|Uložit výsledný histogram jako soubor rozdělení"},
    {"Vysledky1", "&Results ...", "&Výsledky ...",
     "Save results|Save the report of the result (right button: text or Word)",
     "Uložit výsledky|Uložit protokol výsledku (pravé tlačítko: text nebo Word)"},
    {"UlozGraf1", "&Graph ...", "&Graf ...",
     "Save graph|Export the result chart (right button: clipboard, bitmap, metafile, JPEG, PNG)",
     "Uložit graf|Export grafu výsledku (pravé tlačítko: schránka, bitmapa, metafile, JPEG, PNG)"},
    {"UlozOkno1", "&Window", "&Okno", "Copy window|Copy the active window to the clipboard as a picture",
     "Kopírovat okno|Zkopírovat aktivní okno do schránky jako obrázek"},
    {"Kivkatrvnzaten1", "Distribution function", "Distribuční funkce", nullptr, nullptr},
    {"BChar1", "Characteristic of histogram", "Charakteristiky histogramu",
     "Characteristics|Characteristics of the result histogram",
     "Charakteristiky|Charakteristiky výsledného histogramu"},
    {"Konec1", "&Exit", "&Konec", "Exit|Close Dorvex", "Konec|Ukončit program Dorvex"},
    {"N2", "&Description", "&Popis", nullptr, nullptr},
    {"histogramuA1", "Histogram &A", "Histogram &A", "Histogram A|Listing of the stored file of histogram A",
     "Histogram A|Výpis uloženého souboru histogramu A"},
    {"VypisVstHistA", "Description h&istogram A", "Výpis vst.h&istogramu A",
     "Description A|Description table of input histogram A", "Popis A|Tabulka vstupního histogramu A"},
    {"histogramuB1", "Histogram &B", "Histogram &B", "Histogram B|Listing of the stored file of histogram B",
     "Histogram B|Výpis uloženého souboru histogramu B"},
    {"VypisVstHistB", "Description hi&stogram B", "Výpis vst.hi&stogramu B",
     "Description B|Description table of input histogram B", "Popis B|Tabulka vstupního histogramu B"},
    {"Vslhistogramu1", "Description &result histogram", "&Výsl.histogramu",
     "Description AB|Description table of the result histogram", "Popis AB|Tabulka výsledného histogramu"},
    {"Nastaveni1", "&Set up", "N&astavení", nullptr, nullptr},
    {"Barvy1", "&Colours", "&Barvy", "Colours|Colours of the charts, panels and texts",
     "Barvy|Barvy grafů, panelů a textů"},
    {"UlozNastaveni1", "&Default values", "Pře&dvolené hodnoty",
     "Default values|Return all settings to their default values",
     "Předvolené hodnoty|Vrátit všechna nastavení na předvolené hodnoty"},
    {"Zasobnik1", "&Erase assigned values", "Výmaz &zásobníku",
     "Erase stack|Erase the list of recently used histograms",
     "Výmaz zásobníku|Vymazat seznam naposledy použitých histogramů"},
    {"VolejPicture1", "Viewer of &Graphic files", "&Prohlížeč graf.histogramů",
     "Graphic viewer|Start the viewer of graphic files", "Prohlížeč grafů|Spustit prohlížeč grafických souborů"},
    {"Prohlesoubor1", "Viewer of &Text files", "Prohlížeč &souborů",
     "Text viewer|Start the viewer of text files", "Prohlížeč souborů|Spustit prohlížeč textových souborů"},
    {"TextAdobe", "Viewer of pdf files", "&Prohlížeč souborů pdf",
     "PDF viewer|Open the pdf documents of the examples", "Prohlížeč pdf|Otevřít dokumenty pdf s příklady"},
    {"Jazyk1", "&Language", "&Jazyk", nullptr, nullptr},
    {"Cestina", "&Czech", "&Čeština", nullptr, nullptr},
    {"Anglictina", "&English", "&Angličtina", nullptr, nullptr},
    {"Help1", "&Help", "&Help", nullptr, nullptr},
    {"HTML1", "HTML", "HTML", nullptr, nullptr},
    {"WIN1", "WIN", "WIN", nullptr, nullptr},
    {"BottomAxis", "&Labels on Bottom axis", "&Labels na základní ose grafu", nullptr, nullptr},
    {"index1", "&index f(z)", "&index f(z)", nullptr, nullptr},
    {"NonIndex", "&value f(z)", "&value f(z)", nullptr, nullptr},
    {"KontVypA", "Control print-out of &A", "Kontrolní výpis &A", nullptr, nullptr},
    {"KontVypB", "Control print-out of &B", "Kontrolní výpis &B", nullptr, nullptr},
    {"BarZvy", "The colour highlighting &histograms", "Barevné zvýraznění popisu &histogramů", nullptr, nullptr},
    {"Ano1", "Yes", "&Ano", nullptr, nullptr},
    {"Ne1", "No", "&Ne", nullptr, nullptr},
    {"PrikazRadka1", "Command &Line", "&Příkazová řádka", nullptr, nullptr},
    {"VypisINIsouboru1", "&INI-file statement", "&Výpis INI-souboru", nullptr, nullptr},
    {"TCharCom", "Chart tool bar ?", "Chart tool bar ?", nullptr, nullptr},
    {"DateSeparator1", "&Date Separator", "&Date Separator", nullptr, nullptr},
    {"tecka1", ", (a full stop)", ", (tečka)", nullptr, nullptr},
    {"minus1", "- (a dash)", "- (pomlčka)", nullptr, nullptr},
    {"lomitko1", "/ (a divide)", "/ (lomítko)", nullptr, nullptr},
    {"imeSeparator1", "T&ime Separator", "T&ime Separator", nullptr, nullptr},
    {"tecka2", ". (a full stop)", ". (tečka)", nullptr, nullptr},
    {"dvojtecka1", ": (a colon)", ": (dvojtečka)", nullptr, nullptr},
    {"Napoveda1", "&Help", "&Nápověda", nullptr, nullptr},
    {"OAdresach1", "About &Directories", "O &Adresářích", "Directories|The folders the program uses",
     "Adresáře|Adresáře, které program používá"},
    {"Verze1", "About &Version", "O &Verzi", "Version|Version of the program", "Verze|Verze programu"},
    {"Oprogramu1", "About &Program", "&O programu ", "Help|Help on the program", "Nápověda|Nápověda k programu"},
    {"FunkcePoruchy1", "&Limit-state expression...", "&Funkce poruchy z více histogramů...",
     "Limit state|A limit-state expression of several histograms, evaluated as one result",
     "Funkce poruchy|Výraz z více histogramů, vyhodnocený jako jeden výsledek"},
    {"Overeni1", "&Verification", "Ově&ření výpočtu",
     "Verification|The engine checked against cases with exact answers",
     "Ověření|Výpočet porovnaný s případy, jejichž výsledek je znám přesně"},
    // Pop-up menus.
    {"PopupMenu2", "&Graph to", "&Graf do", nullptr, nullptr},
    {"SouborText1", "&Text", "&Textový", nullptr, nullptr},
    {"SouborWord1", "&Word", "&Word", nullptr, nullptr},
    {"Schranka1", "&Clipboard", "&Schránky", nullptr, nullptr},
    {"Bitmapa1", "&Bitmap", "&Bitmapy", nullptr, nullptr},
    {"Metafile1", "&MetaFile", "&MetaFile", nullptr, nullptr},
    {"JpgFile", "&JPGFile", "&JPGFile", nullptr, nullptr},
    {"PNG1", "&PNG file", "&PNG souboru", nullptr, nullptr},
    // Tool-bar buttons with hints of their own.
    {"VstupA", nullptr, nullptr, "Histogram A|Open a distribution file (.dis) as histogram A",
     "Histogram A|Otevřít soubor rozdělení (.dis) jako histogram A"},
    {"SBHistA", nullptr, nullptr, "ReOpen A|Choose histogram A from the recently used files",
     "ReOpen A|Vybrat histogram A z naposledy použitých souborů"},
    {"VstupB", nullptr, nullptr, "Histogram B|Open a distribution file (.dis) as histogram B",
     "Histogram B|Otevřít soubor rozdělení (.dis) jako histogram B"},
    {"SBHistB", nullptr, nullptr, "ReOpen B|Choose histogram B from the recently used files",
     "ReOpen B|Vybrat histogram B z naposledy použitých souborů"},
    {"KrivkaTrvani", nullptr, nullptr, "Distribution function|Graph and table of the distribution function of the result",
     "Distribuční funkce|Graf a tabulka distribuční funkce výsledku"},
    {"BChar", nullptr, nullptr, "Characteristics|Characteristics of the result histogram",
     "Charakteristiky|Charakteristiky výsledného histogramu"},
    // Panels.
    {"GroupBox1", "  H i s t o g r a m   A  ", "  H i s t o g r a m   A  ", nullptr, nullptr},
    {"GroupBox2", "  H i s t o g r a m   B  ", "  H i s t o g r a m   B  ", nullptr, nullptr},
    {"GroupBox3", "F i n a l   h i s t o g r a m", "V ý s l e d n ý   h i s t o g r a m", nullptr, nullptr},
    {"Label_MinA", "Min", "Min", nullptr, nullptr},
    {"Label_MaxA", "Max", "Max", nullptr, nullptr},
    {"Label_NasA", "Multiple", "Násobek", nullptr, nullptr},
    {"Label_MinB", "Min", "Min", nullptr, nullptr},
    {"Label_MaxB", "Max", "Max", nullptr, nullptr},
    {"Label_NasB", "Multiple", "Násobek", nullptr, nullptr},
    {"Label4", "Value x", "Hodnota x", nullptr, nullptr},
    {"Label17", "Prob. P(x<=Qp)", "Pravd. P(x<=Qp)", nullptr, nullptr},
    {"CheckBox1", "Data labels", "Popisky dat", nullptr, nullptr},
    {"Label_Angle", "Angle of\n   labels", "Úhel natočení\n     popisků", nullptr, nullptr},
    {"LabBetaTarget", "Target beta", "Cílové β", nullptr, nullptr},
    {"Label_Mocnitel", "Exponent n", "Exponent n", nullptr, nullptr},
    {"Label19", "Min", "Min", nullptr, nullptr},
    {"Label23", "Max", "Max", nullptr, nullptr},
    {"Label13", "Multiple", "Násobek", nullptr, nullptr},
    {"Label7", "Operation", "Operace", nullptr, nullptr},
};

// A control that takes the hint of another with the same action: {taker, giver}.
struct HintCopy {
  const char* taker;
  const char* giver;
};

// Tool-bar buttons that take the hint of the menu item with the same action.
constexpr HintCopy kButtonHintFromItem[] = {
    {"HistVysl", "Histogram1"},     {"Vysledky", "Vysledky1"},     {"OtevriWord", "OtevriWord1"},
    {"UlozGraf", "UlozGraf1"},      {"UlozOkno", "UlozOkno1"},     {"BitBtn13", "Konec1"},
    {"BitBtn37", "TextAdobe"},      {"PopisAB", "Vslhistogramu1"}, {"ZmenaBarev", "Barvy1"},
    {"Default", "UlozNastaveni1"},  {"Zasobnik", "Zasobnik1"},     {"VolejPicture", "VolejPicture1"},
    {"BitBtn2", "Prohlesoubor1"},   {"OAdresach", "OAdresach1"},   {"Verze", "Verze1"},
    {"Help", "Oprogramu1"},
};

// Menu items that take the hint of the tool-bar button with the same action.
constexpr HintCopy kItemHintFromButton[] = {
    {"HistogramA1", "VstupA"}, {"HistogramB1", "VstupB"}, {"Kivkatrvnzaten1", "KrivkaTrvani"},
    {"ReOpenA", "SBHistA"},    {"ReOpenB", "SBHistB"},
};

constexpr int kScreenWidthMessage = 7;
constexpr int kOverwriteMessage = 21;
constexpr int kCombinationMessage = 55;
constexpr int kValueLabelsMessage = 208;

bool InCzech(Language language) { return language == Language::Czech; }

const Entry* FindEntry(std::string_view name) {
  for (const Entry& entry : kControlTexts) {
    if (name == entry.name) return &entry;
  }
  return nullptr;
}

const char* OwnHint(const Entry& entry, Language language) {
  return InCzech(language) ? entry.czechHint : entry.englishHint;
}

const char* CopiedFrom(std::string_view taker) {
  for (const HintCopy& copy : kButtonHintFromItem) {
    if (taker == copy.taker) return copy.giver;
  }
  for (const HintCopy& copy : kItemHintFromButton) {
    if (taker == copy.taker) return copy.giver;
  }
  return nullptr;
}

std::string Before(std::string_view hint, char bar) {
  const std::size_t at = hint.find(bar);
  return std::string(at == std::string_view::npos ? hint : hint.substr(0, at));
}

std::string After(std::string_view hint, char bar) {
  const std::size_t at = hint.find(bar);
  return std::string(at == std::string_view::npos ? hint : hint.substr(at + 1));
}

}  // namespace

std::string MainWindowCaption(std::string_view objectName, Language language) {
  const Entry* entry = FindEntry(objectName);
  const char* caption = entry == nullptr ? nullptr : InCzech(language) ? entry->czech : entry->english;
  return caption != nullptr ? std::string(caption) : std::string();
}

std::string MainWindowHint(std::string_view objectName, Language language) {
  if (const char* giver = CopiedFrom(objectName)) objectName = giver;
  const Entry* entry = FindEntry(objectName);
  const char* hint = entry != nullptr ? OwnHint(*entry, language) : nullptr;
  return hint != nullptr ? std::string(hint) : std::string();
}

std::vector<ControlText> MainWindowControlTexts(Language language) {
  std::vector<ControlText> texts;
  for (const Entry& entry : kControlTexts) {
    ControlText text{entry.name, std::nullopt, std::nullopt};
    if (const char* caption = InCzech(language) ? entry.czech : entry.english) text.caption = caption;
    if (const char* hint = OwnHint(entry, language)) text.hint = hint;
    texts.push_back(std::move(text));
  }
  for (const std::span<const HintCopy> copies : {std::span<const HintCopy>(kButtonHintFromItem),
                                                 std::span<const HintCopy>(kItemHintFromButton)}) {
    for (const HintCopy& copy : copies) {
      const auto taker = std::find_if(texts.begin(), texts.end(),
                                      [&](const ControlText& text) { return text.objectName == copy.taker; });
      ControlText& target = taker != texts.end() ? *taker : texts.emplace_back(ControlText{copy.taker, {}, {}});
      target.hint = MainWindowHint(copy.giver, language);
    }
  }
  return texts;
}

std::string HintNaming(std::string_view hint, std::string_view name) {
  if (name.empty()) return std::string(hint);
  const std::string suffix = " : " + std::string(name);
  return Before(hint, '|') + suffix + "|" + After(hint, '|') + suffix;
}

std::vector<ControlText> SlotListingHints(Language language, std::string_view nameA, std::string_view nameB) {
  const auto named = [language](const char* button, const char* item, std::string_view name) {
    return ControlText{button, std::nullopt, HintNaming(MainWindowHint(item, language), name)};
  };
  return {named("PopisA", "VypisVstHistA", nameA), named("VypisHistA", "histogramuA1", nameA),
          named("PopisB", "VypisVstHistB", nameB), named("VypisHistB", "histogramuB1", nameB)};
}

std::vector<std::string> MainWindowGridLabels(std::string_view objectName, Language language) {
  const bool czech = InCzech(language);
  if (objectName == "StringGrid3" || objectName == "StringGrid4") {
    if (czech) return {"Typ", "Počet intervalů", "Suma četností"};
    return {"Type", "Number of intervals", "Sum of frequencies"};
  }
  if (objectName == "StringGrid5") {
    if (czech) return {"Typ", "Min", "Max", "Počet intervalů", "Suma pravděpodobností", "Suma četností"};
    return {"Type", "Min", "Max", "Number of intervals", "Sum of probabilities", "Sum of frequencies"};
  }
  if (objectName == "StringGrid7") return {"P(x)", "P(X<=x)"};
  if (objectName == "StringGrid6") return {"Qp"};
  return {};
}

std::vector<std::string> MainWindowListItems(std::string_view objectName, Language language) {
  if (objectName == "CBTypHistA" || objectName == "CBTypHistB") {
    std::vector<std::string> items{"Histogram"};
    for (int n = kCombinationMessage; n < kCombinationMessage + 4; ++n) items.push_back(MessageText(n, language));
    return items;
  }
  if (objectName == "CBValInd") return {"Index x", MessageText(kValueLabelsMessage, language)};
  if (objectName == "CBMarks") return {"P(x)", "x", "x & P(x)", "INT", "INT & P(x)"};
  return {};
}

std::string MainWindowTitle(Language language, std::string_view version) {
  std::string title = InCzech(language) ? "D o r v e x  -  Verze " : "D o r v e x  -  Version ";
  title += version;
  return title;
}

std::string ScreenWidthWarning(int width, Language language) {
  std::string warning = "\t";
  warning += InsertText(MessageText(kScreenWidthMessage, language), std::to_string(width));
  return warning;
}

std::string OverwriteQuestion(std::string_view path, Language language) {
  return InsertText(MessageText(kOverwriteMessage, language), path);
}

std::string ValueOutsideResultText(std::string_view lower, std::string_view upper, bool lowerIncluded,
                                   Language language) {
  std::string text = InCzech(language) ? "Bez odpovědi: x leží mimo výsledný histogram, odpověď je pro "
                                       : "No answer: x lies outside the result, which answers for ";
  text += lower;
  text += lowerIncluded ? " <= x <= " : " < x <= ";
  text += upper;
  return text;
}

std::string ProbabilityOutsideText(Language language) {
  return InCzech(language) ? "Bez odpovědi: pravděpodobnost p musí ležet v rozmezí 0 < p <= 1"
                           : "No answer: the probability p must lie in 0 < p <= 1";
}

std::string ChartCopiedText(Language language) {
  return InCzech(language) ? "Graf výsledku je ve schránce." : "The result chart was copied to the clipboard.";
}

std::string WindowCopiedText(Language language) {
  return InCzech(language) ? "Obrázek okna je ve schránce." : "The window was copied to the clipboard.";
}

std::string FoldersNotMadeText(const std::vector<std::string>& folders, Language language) {
  std::string text = InCzech(language) ? "Tyto datové adresáře se nepodařilo vytvořit:\r\n"
                                       : "These data folders could not be made:\r\n";
  for (const std::string& folder : folders) text += "\r\n" + folder;
  text += InCzech(language) ? "\r\n\r\nDo nich nelze ukládat; zvolte při ukládání jiný adresář."
                            : "\r\n\r\nNothing can be saved there; choose another folder when saving.";
  return text;
}

std::string NamingTheFile(std::string_view text, std::string_view path, Language language) {
  std::string named(text);
  if (path.empty() || text.find(path) != std::string_view::npos) return named;
  named += InCzech(language) ? "\r\n\r\nSoubor: " : "\r\n\r\nFile: ";
  named += path;
  return named;
}

FileDialogTexts DistributionOpenDialog(char slotLetter) {
  return {std::string("Histogram ") + slotLetter, {"Distributions Files (*.dis)", "All files (*)"}, "dis"};
}

FileDialogTexts PictureSaveDialog(std::string_view suffix, Language language) {
  const Entry* item = FindEntry("UlozGraf1");
  std::string title = InCzech(language) ? item->czech : item->english;
  title.erase(std::remove(title.begin(), title.end(), '&'), title.end());
  std::string filter = "Distributions Files (*.";
  filter += suffix;
  filter += ")";
  return {title, {filter, "All files (*)"}, std::string(suffix)};
}

}  // namespace dorvex::texts
