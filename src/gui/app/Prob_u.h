#pragma once
// TForm1, the main window: inputs A and B, the result AB and every command of the
// program's menus and tool bar.

#include <QMainWindow>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/platform_services.h"
#include "engine/engine.h"
#include "model/distribution_file_reader.h"
#include "model/histogram.h"
#include "model/report_error.h"
#include "settings/document_folders.h"
#include "settings/reopen_list.h"
#include "settings/settings_file.h"
#include "texts/language.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QTableWidget;
class QTimer;
class QToolButton;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::gui {

class SplashWindow;
class ChartToolBar;
class ListingWindow;
class ReadTraceWindow;
class FileListingWindow;

// What the start-up is told from outside the window.
struct StartupOptions {
  bool showSplash = true;
  // Folder of bundled example histograms; the open dialogs start there when the
  // histograms folder does not exist.
  QString examplesFolder;
};

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // Runs the main-window start-up: reads `settings` (kept, written at close),
  // applies language and placement and checks the screen. `services` and
  // `settings` outlive the window.
  TForm1(const PlatformServices& services, settings::SettingsFile* settings,
         settings::DocumentFolders folders, StartupOptions options, QWidget* parent = nullptr);
  ~TForm1() override;

  // True when the start-up ended the program (screen too narrow); the settings
  // file has been written and the window must not be shown.
  bool EndedAtStart() const { return endedAtStart_; }

  // The width check of the screen; shows message 7 and ends the program when it fails.
  bool ScreenCheck();

  // Routines of the histogram model on this window's controls.
  void ClearSlot(model::SlotId slot);
  void ClearResult();
  void ShowSlotSummary(model::SlotId slot);
  void EnableResultCommands(bool on);
  // Beep, error box, then clean-up 1 (slot A) or 2 (slot B); codes 49..55 also
  // clear the result.
  void ReportError(const model::ModelError& error, int cleanup);

  // Puts a file into the list of recently used files.
  void AddToReOpenList(const QString& path, const QString& multiple, const QString& intervals);

  // The slots, for the windows that hand histograms over and the tests.
  const model::HistogramSlot& Slot(model::SlotId slot) const;
  const settings::ReOpenList& ReOpenEntries() const { return reOpenList_; }
  // The folders fixed at start.
  const settings::DocumentFolders& Folders() const { return folders_; }
  // Short date and long time formats in Qt's notation, as the separators give them.
  const QString& ShortDateFormat() const { return shortDateFormat_; }
  const QString& LongTimeFormat() const { return longTimeFormat_; }

  // Writes this window's keys into the settings set (not yet to disk).
  void WriteSettings();

  // The result on screen that the queries and commands work on; nullptr while
  // there is none (also after a result whose probabilities did not sum to 1).
  const engine::OperationResult* Result() const { return result_ ? &*result_ : nullptr; }
  // True while the result chart is enlarged over the input panels.
  bool ResultZoomed() const { return resultZoomed_; }

 public slots:
  void VstupAClick();
  void VstupBClick();
  // The commands that describe, list and save, in Prob_u_listings.cpp.
  void BCharClick();
  void HistVyslClick();
  void VysledkyClick();
  void OtevriWordClick();
  void PopisAClick();
  void PopisBClick();
  void PopisABClick();
  void VypisHistAClick();
  void VypisHistBClick();
  // Exit with confirmation (message 33).
  void BitBtn13Click();
  // Runs the selected operation on A' and B' and shows the result.
  void Button_Proved_OperaciClick();
  // Exports the result chart to the chosen target.
  void UlozGrafClick();
  // Copies the active window to the clipboard as a picture.
  void UlozOknoClick();
  // Enlarges the result chart over the input panels, or restores it.
  void ToggleResultZoom();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 public:
  // ---- controls (object names as the members) ----
  // Main menu.
  QMenu* Soubor1 = nullptr;
  QMenu* Otevt1 = nullptr;
  QAction* HistogramA1 = nullptr;
  QAction* ReOpenA = nullptr;
  QAction* HistogramB1 = nullptr;
  QAction* ReOpenB = nullptr;
  QAction* OtevriWord1 = nullptr;
  QMenu* Uloit1 = nullptr;
  QAction* Histogram1 = nullptr;
  QAction* Vysledky1 = nullptr;
  QAction* UlozGraf1 = nullptr;
  QAction* UlozOkno1 = nullptr;
  QAction* Kivkatrvnzaten1 = nullptr;
  QAction* BChar1 = nullptr;
  QAction* Konec1 = nullptr;
  QMenu* N2 = nullptr;
  QAction* histogramuA1 = nullptr;
  QAction* VypisVstHistA = nullptr;
  QAction* histogramuB1 = nullptr;
  QAction* VypisVstHistB = nullptr;
  QAction* Vslhistogramu1 = nullptr;
  QMenu* Nastaveni1 = nullptr;
  QAction* Barvy1 = nullptr;
  QAction* UlozNastaveni1 = nullptr;
  QAction* Zasobnik1 = nullptr;
  QAction* VolejPicture1 = nullptr;
  QAction* Prohlesoubor1 = nullptr;
  QAction* TextAdobe = nullptr;
  QMenu* Jazyk1 = nullptr;
  QAction* Cestina = nullptr;
  QAction* Anglictina = nullptr;
  QMenu* Help1 = nullptr;
  QAction* HTML1 = nullptr;
  QAction* WIN1 = nullptr;
  QMenu* BottomAxis = nullptr;
  QAction* index1 = nullptr;
  QAction* NonIndex = nullptr;
  QAction* KontVypA = nullptr;
  QAction* KontVypB = nullptr;
  QMenu* BarZvy = nullptr;
  QAction* Ano1 = nullptr;
  QAction* Ne1 = nullptr;
  QAction* PrikazRadka1 = nullptr;
  QAction* VypisINIsouboru1 = nullptr;
  QAction* TCharCom = nullptr;
  QMenu* DateSeparator1 = nullptr;
  QAction* tecka1 = nullptr;
  QAction* minus1 = nullptr;
  QAction* lomitko1 = nullptr;
  QMenu* imeSeparator1 = nullptr;
  QAction* tecka2 = nullptr;
  QAction* dvojtecka1 = nullptr;
  QMenu* Napoveda1 = nullptr;
  QAction* OAdresach1 = nullptr;
  QAction* Verze1 = nullptr;
  QAction* Oprogramu1 = nullptr;
  // Pop-up menus of Vysledky and UlozGraf.
  QMenu* PopupMenu1 = nullptr;
  QAction* SouborText1 = nullptr;
  QAction* SouborWord1 = nullptr;
  QMenu* PopupMenu2 = nullptr;
  QAction* Schranka1 = nullptr;
  QAction* Bitmapa1 = nullptr;
  QAction* Metafile1 = nullptr;
  QAction* JpgFile = nullptr;

  // Tool bar.
  QWidget* Panel2 = nullptr;
  QToolButton* VstupA = nullptr;
  QToolButton* SBHistA = nullptr;
  QToolButton* VstupB = nullptr;
  QToolButton* SBHistB = nullptr;
  QToolButton* HistVysl = nullptr;
  QToolButton* Vysledky = nullptr;
  QToolButton* OtevriWord = nullptr;
  QToolButton* UlozGraf = nullptr;
  QToolButton* UlozOkno = nullptr;
  QToolButton* KrivkaTrvani = nullptr;
  QToolButton* BChar = nullptr;
  QToolButton* BitBtn13 = nullptr;
  QToolButton* PopisA = nullptr;
  QToolButton* VypisHistA = nullptr;
  QToolButton* PopisB = nullptr;
  QToolButton* VypisHistB = nullptr;
  QToolButton* PopisAB = nullptr;
  QToolButton* ZmenaBarev = nullptr;
  QToolButton* Default = nullptr;
  QToolButton* Zasobnik = nullptr;
  QToolButton* VolejPicture = nullptr;
  QToolButton* BitBtn2 = nullptr;
  QToolButton* BitBtn37 = nullptr;
  QToolButton* OAdresach = nullptr;
  QToolButton* Verze = nullptr;
  QToolButton* Help = nullptr;

  // Panel A.
  QGroupBox* GroupBox1 = nullptr;
  QLineEdit* Edit_NameA = nullptr;
  QComboBox* CBTypHistA = nullptr;
  QTableWidget* StringGrid3 = nullptr;
  QLabel* Label_MinA = nullptr;
  QLineEdit* Edit_MinA = nullptr;
  QLabel* Label_MaxA = nullptr;
  QLineEdit* Edit_MaxA = nullptr;
  QLabel* Label_NasA = nullptr;
  QLineEdit* Edit_NasA = nullptr;
  QChartView* Chart_A = nullptr;
  // Panel B.
  QGroupBox* GroupBox2 = nullptr;
  QLineEdit* Edit_NameB = nullptr;
  QComboBox* CBTypHistB = nullptr;
  QTableWidget* StringGrid4 = nullptr;
  QLabel* Label_MinB = nullptr;
  QLineEdit* Edit_MinB = nullptr;
  QLabel* Label_MaxB = nullptr;
  QLineEdit* Edit_MaxB = nullptr;
  QLabel* Label_NasB = nullptr;
  QLineEdit* Edit_NasB = nullptr;
  QChartView* Chart_B = nullptr;

  // Result panel.
  QGroupBox* GroupBox3 = nullptr;
  QTableWidget* StringGrid5 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* Edit_P = nullptr;
  QLabel* Label17 = nullptr;
  QLineEdit* Edit_AB = nullptr;
  QTableWidget* StringGrid7 = nullptr;
  QTableWidget* StringGrid6 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QComboBox* CBValInd = nullptr;
  QComboBox* CBMarks = nullptr;
  QSpinBox* SpinEdAngle = nullptr;
  QLabel* Label_Angle = nullptr;
  QChartView* Chart_AB = nullptr;
  ChartToolBar* Panel3 = nullptr;
  // Operation panel.
  QWidget* Panel1 = nullptr;
  QLabel* Label_Mocnitel = nullptr;
  QLineEdit* EdMocnitel = nullptr;
  QLabel* Label19 = nullptr;
  QLineEdit* EdXMin = nullptr;
  QLabel* Label23 = nullptr;
  QLineEdit* EdXMax = nullptr;
  QLabel* Label13 = nullptr;
  QLineEdit* EdNasob = nullptr;
  QLabel* Label7 = nullptr;
  QComboBox* ComboBox_Operace = nullptr;
  QPushButton* Button_Proved_Operaci = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  // Floating grids.
  QTableWidget* StringGrid2 = nullptr;
  QTableWidget* StringGrid1 = nullptr;

  // Status bar: panel 0 the clock, panel 1 the long part of the hint.
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;
  QLabel* StatusPanel1 = nullptr;
  QTimer* Timer1 = nullptr;

 private:
  // The controls of one input slot, so that A and B share their handlers.
  struct SlotControls {
    QGroupBox* panel;
    QLineEdit* name;
    QComboBox* type;
    QTableWidget* summary;
    QLineEdit* min;
    QLineEdit* max;
    QLineEdit* multiple;
    QChartView* chart;
    QToolButton* describe;  // PopisA / PopisB
    QToolButton* listFile;  // VypisHistA / VypisHistB
    QAction* listFileItem;  // histogramuA1 / histogramuB1
    QAction* describeItem;  // VypisVstHistA / VypisVstHistB
    QAction* controlListing;  // KontVypA / KontVypB
    const char* countPrefix;  // " " for A, nothing for B
  };

  // Construction, in Prob_u_layout.cpp and Prob_u_menu.cpp.
  void CreateMenu();
  void CreatePopupMenus();
  void CreateToolBar();
  QGroupBox* CreateInputPanel(model::SlotId slot);
  QGroupBox* CreateResultPanel();
  void CreateStatusBar();
  void ConnectCommands();
  void DisableLaterCommands();

  // Texts of the current language, in Prob_u_texts.cpp.
  void SetWindowTexts(texts::Language language);
  void RebuildSlotHints();
  void ApplyLanguage();
  void FitMinimumSize();
  void SwitchLanguage(texts::Language language);

  // Settings, in Prob_u_settings.cpp.
  void ReadSettings();
  void ApplySeparators(int dateSeparator, int timeSeparator);
  void ChooseDateSeparator(int separator);
  void ChooseTimeSeparator(int separator);

  void CreateListingWindows();
  void ConnectListingCommands();
  void ShowDescription(const model::Histogram& h, const std::string& title, long double c, bool result);
  void ShowControlListing(const std::vector<model::ControlListingRow>& rows);

  void OpenDistributionFile(model::SlotId slot);
  void DrawSlot(model::SlotId slot);
  void SetLabelMode(bool indexLabels);
  void CBValIndChange(int item);

  // The operation and its result, in Prob_u_operation.cpp.
  engine::OperationRequest OperationRequestFromControls();
  // Computes a result for the request from the controls and sets the texts of nAB
  // for the chart label and for its field.
  using RunStep = std::function<engine::OperationOutcome(engine::OperationRequest&, QString& multipleLabel,
                                                         QString& multipleShown)>;
  // ClearResult, the type row and the progress bar; then `run` computes and the
  // outcome is shown.
  void RunAndShow(const RunStep& run);
  void ShowOutcome(const engine::OperationOutcome& outcome, const QString& multipleLabel,
                   const QString& multipleShown);
  void BuildResultListing();
  void PaintResultListing();
  // Shows an error of the core: through ReportError when it has a code, else as
  // an error box of its message alone.
  void ShowModelError(const model::ModelError& error);

  // The edit fields of the queries, multiples and ranges, in Prob_u_fields.cpp.
  void InstallFieldHandling();
  bool FieldEvent(QObject* watched, QEvent* event);
  void QueueFieldExit(QLineEdit* field);
  void FlushFieldExits();
  void RunFieldExit(QLineEdit* field);
  void Edit_PExit();
  void Edit_ABExit();
  void Edit_NasExit(model::SlotId slot);
  void Edit_RangeExit(model::SlotId slot, bool isMin);
  void EdXRangeExit(bool isMin);
  void EdNasobExit();
  void EdNasobChange();

  // The result chart, in Prob_u_chart.cpp.
  void DrawResult();
  void DrawResultQuery(int marked, unsigned barColour, unsigned frameColour);
  void RedrawResultAfterOption();
  void RepeatQueryOrRedraw();
  void ChooseListingHighlight(bool on);
  void UndoResultZoom();

  void EnableSlotCommands(model::SlotId slot, bool on);
  void UpdateClock();
  // Shows the chart tool bar over the result chart when the option is on and the
  // window is maximised (or as wide as the screen).
  void UpdateChartToolBar();
  void EndProgram();
  SlotControls Controls(model::SlotId slot);
  model::HistogramSlot& MutableSlot(model::SlotId slot);

  // The main column: tool bar, input panels, result panel; and their stretch.
  static constexpr int kInputRow = 1;
  static constexpr int kInputStretch = 4;
  static constexpr int kResultStretch = 5;

  PlatformServices services_;
  settings::SettingsFile* settings_;
  settings::DocumentFolders folders_;
  StartupOptions options_;
  QPointer<SplashWindow> splash_;
  ListingWindow* Form3_ = nullptr;
  ReadTraceWindow* Form4_ = nullptr;
  ListingWindow* Form7_ = nullptr;
  FileListingWindow* Form15_ = nullptr;

  model::HistogramSlot slotA_;
  model::HistogramSlot slotB_;
  model::SlotId handOverTarget_ = model::SlotId::A;
  double failureProbability_ = 0.0;

  // The valid result and what was asked of it.
  std::optional<engine::OperationResult> result_;
  int resultCode_ = 0;
  QString resultChartTitle_;
  // Text of the last accepted result multiple nAB.
  QString resultMultipleText_ = QStringLiteral("1.00");
  enum class Query { None, Value, Quantile };
  Query lastQuery_ = Query::None;
  double queriedValue_ = 0.0;  // x of a value query, Qp of a quantile query
  bool markerShown_ = false;
  bool resultZoomed_ = false;
  // Fields whose exit handler waits for the focus change to end.
  QList<QLineEdit*> pendingExits_;
  bool operationRunning_ = false;
  // Program colours of the charts (0x00BBGGRR).
  unsigned resultBarColour_ = 0xF0CAA6;
  unsigned valueColour_ = 0x0000FF;
  unsigned quantileColour_ = 0xFF0000;
  settings::ReOpenList reOpenList_;
  // Folder of the last distribution file chosen in an open dialog.
  QString lastDirectory_;

  // Values read from the settings file that no control of this window holds.
  int maxResultIntervals_ = 256;
  bool helpViewerAdvice_ = true;
  int dateSeparator_ = '.';
  int timeSeparator_ = ':';
  QString shortDateFormat_ = QStringLiteral("d.M.yyyy");
  QString longTimeFormat_ = QStringLiteral("hh:mm:ss");

  bool endedAtStart_ = false;
  bool settingsWritten_ = false;
};

}  // namespace dorvex::gui
