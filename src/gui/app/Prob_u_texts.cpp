// The main window's captions and hints in both languages.
#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>

#include "app/Prob_u.h"
#include "app/grid_cells.h"
#include "app/hints.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::gui {

namespace {

// One control's texts; nullptr leaves the text as it is.
struct ControlTexts {
  const char* name;
  const char* english;
  const char* czech;
  const char* englishHint;
  const char* czechHint;
};

const ControlTexts kControlTexts[] = {
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
     "Save graph|Export the result chart (right button: clipboard, bitmap, metafile, JPEG)",
     "Uložit graf|Export grafu výsledku (pravé tlačítko: schránka, bitmapa, metafile, JPEG)"},
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
    {"Vslhistogramu1", "&Výsl.histogramu", "&Výsl.histogramu",
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
    // Pop-up menus.
    {"SouborText1", "&Text", "&Textový", nullptr, nullptr},
    {"SouborWord1", "&Word", "&Word", nullptr, nullptr},
    {"Schranka1", "&Clipboard", "&Schránky", nullptr, nullptr},
    {"Bitmapa1", "&Bitmap", "&Bitmapy", nullptr, nullptr},
    {"Metafile1", "&MetaFile", "&MetaFile", nullptr, nullptr},
    {"JpgFile", "&JPGFile", "&JPGFile", nullptr, nullptr},
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
    {"Label_Mocnitel", "Exponent n", "Exponent n", nullptr, nullptr},
    {"Label19", "Min", "Min", nullptr, nullptr},
    {"Label23", "Max", "Max", nullptr, nullptr},
    {"Label13", "Multiple", "Násobek", nullptr, nullptr},
    {"Label7", "Operation", "Operace", nullptr, nullptr},
};

// Tool-bar buttons that take the hint of the menu item with the same action.
const std::pair<const char*, const char*> kButtonHintFromItem[] = {
    {"HistVysl", "Histogram1"},     {"Vysledky", "Vysledky1"},     {"OtevriWord", "OtevriWord1"},
    {"UlozGraf", "UlozGraf1"},      {"UlozOkno", "UlozOkno1"},     {"BitBtn13", "Konec1"},
    {"BitBtn37", "TextAdobe"},      {"PopisAB", "Vslhistogramu1"}, {"ZmenaBarev", "Barvy1"},
    {"Default", "UlozNastaveni1"},  {"Zasobnik", "Zasobnik1"},     {"VolejPicture", "VolejPicture1"},
    {"BitBtn2", "Prohlesoubor1"},   {"OAdresach", "OAdresach1"},   {"Verze", "Verze1"},
    {"Help", "Oprogramu1"},
};

// Menu items that take the hint of the tool-bar button with the same action.
const std::pair<const char*, const char*> kItemHintFromButton[] = {
    {"HistogramA1", "VstupA"}, {"HistogramB1", "VstupB"}, {"Kivkatrvnzaten1", "KrivkaTrvani"},
    {"ReOpenA", "SBHistA"},    {"ReOpenB", "SBHistB"},
};

void SetCaption(QObject* object, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(object)) action->setText(text);
  else if (auto* menu = qobject_cast<QMenu*>(object)) menu->setTitle(text);
  else if (auto* group = qobject_cast<QGroupBox*>(object)) group->setTitle(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(object)) button->setText(text);
  else if (auto* label = qobject_cast<QLabel*>(object)) label->setText(text);
}

void SetAnyHint(QObject* object, const QString& hint) {
  if (auto* action = qobject_cast<QAction*>(object)) SetHint(action, hint);
  else if (auto* widget = qobject_cast<QWidget*>(object)) SetHint(widget, hint);
}

void SetGridLabels(QTableWidget* grid, const QStringList& labels) {
  for (int row = 0; row < labels.size(); ++row) SetCell(grid, row, 0, labels.at(row));
}

}  // namespace

void TForm1::SetWindowTexts(texts::Language language) {
  const bool czech = language == texts::Language::Czech;
  const auto find = [this](const char* name) -> QObject* {
    return findChild<QObject*>(QString::fromLatin1(name));
  };
  for (const ControlTexts& entry : kControlTexts) {
    QObject* object = find(entry.name);
    if (object == nullptr) continue;
    const char* caption = czech ? entry.czech : entry.english;
    const char* hint = czech ? entry.czechHint : entry.englishHint;
    if (caption != nullptr) SetCaption(object, QString::fromUtf8(caption));
    if (hint != nullptr) SetAnyHint(object, QString::fromUtf8(hint));
  }
  for (const auto& [button, item] : kButtonHintFromItem) SetAnyHint(find(button), HintOf(find(item)));
  for (const auto& [item, button] : kItemHintFromButton) SetAnyHint(find(item), HintOf(find(button)));
  RebuildSlotHints();

  setWindowTitle(QStringLiteral("D o r v e x  -  ") + (czech ? QStringLiteral("Verze ") : QStringLiteral("Version ")) +
                 QString::fromStdString(statvex::VersionText()));
  const QStringList summary = czech ? QStringList{"Typ", "Počet intervalů", "Suma četností"}
                                    : QStringList{"Type", "Number of intervals", "Probability summation"};
  SetGridLabels(StringGrid3, summary);
  SetGridLabels(StringGrid4, summary);
  SetGridLabels(StringGrid5, czech ? QStringList{"Typ", "Min", "Max", "Počet intervalů", "Suma pravděpodobností",
                                                 "Suma četností"}
                                   : QStringList{"Type", "Min", "Max", "Number of intervals",
                                                 "sum of probabilities", "sum of frequencies"});
  SetGridLabels(StringGrid7, {QStringLiteral("P(x)"), QStringLiteral("P(X<=x)")});
  SetGridLabels(StringGrid6, {QStringLiteral("Qp")});

  const auto message = [language](int n) { return QString::fromStdString(texts::MessageText(n, language)); };
  for (QComboBox* type : {CBTypHistA, CBTypHistB}) {
    const int current = type->currentIndex();
    type->clear();
    type->addItems({QStringLiteral("Histogram"), message(55), message(56), message(57), message(58)});
    type->setCurrentIndex(std::max(0, current));
  }
  const int labelMode = CBValInd->currentIndex();
  CBValInd->clear();
  CBValInd->addItems({QStringLiteral("Index x"), message(208)});
  CBValInd->setCurrentIndex(labelMode < 0 ? (index1->isChecked() ? 0 : 1) : labelMode);
  SetHint(Chart_AB, message(162));
}

void TForm1::RebuildSlotHints() {
  // The listing buttons name the slot they list, after both parts of the hint.
  const auto withName = [](const QString& hint, const std::string& name) {
    if (name.empty()) return hint;
    const QString suffix = QStringLiteral(" : ") + QString::fromStdString(name);
    return ShortHint(hint) + suffix + QLatin1Char('|') + LongHint(hint) + suffix;
  };
  SetHint(PopisA, withName(HintOf(VypisVstHistA), slotA_.name));
  SetHint(VypisHistA, withName(HintOf(histogramuA1), slotA_.name));
  SetHint(PopisB, withName(HintOf(VypisVstHistB), slotB_.name));
  SetHint(VypisHistB, withName(HintOf(histogramuB1), slotB_.name));
}

}  // namespace dorvex::gui
