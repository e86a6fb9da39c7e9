// The main window's menus and the routing of its commands.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "app/Prob_u.h"
#include "charts/draw_histogram.h"

namespace dorvex::gui {

namespace {

QMenu* SubMenu(QMenu* parent, QMenu*& member, const char* name) {
  member = parent->addMenu(QString());
  member->setObjectName(QString::fromLatin1(name));
  member->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("_item"));
  return member;
}

QMenu* TopMenu(QMenuBar* bar, QMenu*& member, const char* name) {
  member = bar->addMenu(QString());
  member->setObjectName(QString::fromLatin1(name));
  member->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("_item"));
  return member;
}

QAction* Item(QMenu* menu, QAction*& member, const char* name, const QKeySequence& shortcut = {}) {
  member = menu->addAction(QString());
  member->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) member->setShortcut(shortcut);
  return member;
}

QAction* CheckItem(QMenu* menu, QAction*& member, const char* name, bool checked) {
  Item(menu, member, name);
  member->setCheckable(true);
  member->setChecked(checked);
  return member;
}

}  // namespace

void TForm1::CreateMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));

  TopMenu(bar, Soubor1, "Soubor1");
  SubMenu(Soubor1, Otevt1, "Otevt1");
  Item(Otevt1, HistogramA1, "HistogramA1", QKeySequence(Qt::CTRL | Qt::Key_A));
  Item(Otevt1, ReOpenA, "ReOpenA");
  Item(Otevt1, HistogramB1, "HistogramB1", QKeySequence(Qt::CTRL | Qt::Key_B));
  Item(Otevt1, ReOpenB, "ReOpenB");
  Otevt1->addSeparator();
  Item(Otevt1, OtevriWord1, "OtevriWord1");
  SubMenu(Soubor1, Uloit1, "Uloit1");
  Item(Uloit1, Histogram1, "Histogram1", QKeySequence(Qt::CTRL | Qt::Key_S));
  Item(Uloit1, Vysledky1, "Vysledky1", QKeySequence(Qt::CTRL | Qt::Key_V));
  Item(Uloit1, UlozGraf1, "UlozGraf1");
  Item(Uloit1, UlozOkno1, "UlozOkno1");
  Soubor1->addSeparator();
  Item(Soubor1, Kivkatrvnzaten1, "Kivkatrvnzaten1");
  Item(Soubor1, BChar1, "BChar1");
  Soubor1->addSeparator();
  Item(Soubor1, Konec1, "Konec1", QKeySequence(Qt::ALT | Qt::Key_X));

  TopMenu(bar, N2, "N2");
  Item(N2, histogramuA1, "histogramuA1");
  Item(N2, VypisVstHistA, "VypisVstHistA");
  Item(N2, histogramuB1, "histogramuB1");
  Item(N2, VypisVstHistB, "VypisVstHistB");
  Item(N2, Vslhistogramu1, "Vslhistogramu1");

  TopMenu(bar, Nastaveni1, "Nastaveni1");
  Item(Nastaveni1, Barvy1, "Barvy1");
  Item(Nastaveni1, UlozNastaveni1, "UlozNastaveni1");
  Item(Nastaveni1, Zasobnik1, "Zasobnik1");
  Nastaveni1->addSeparator();
  Item(Nastaveni1, VolejPicture1, "VolejPicture1");
  Item(Nastaveni1, Prohlesoubor1, "Prohlesoubor1");
  Item(Nastaveni1, TextAdobe, "TextAdobe");
  Nastaveni1->addSeparator();
  SubMenu(Nastaveni1, Jazyk1, "Jazyk1");
  CheckItem(Jazyk1, Cestina, "Cestina", false);
  CheckItem(Jazyk1, Anglictina, "Anglictina", true);
  SubMenu(Nastaveni1, Help1, "Help1");
  CheckItem(Help1, HTML1, "HTML1", true);
  CheckItem(Help1, WIN1, "WIN1", false);
  SubMenu(Nastaveni1, BottomAxis, "BottomAxis");
  CheckItem(BottomAxis, index1, "index1", false);
  CheckItem(BottomAxis, NonIndex, "NonIndex", true);
  Nastaveni1->addSeparator();
  CheckItem(Nastaveni1, KontVypA, "KontVypA", false);
  CheckItem(Nastaveni1, KontVypB, "KontVypB", false);
  SubMenu(Nastaveni1, BarZvy, "BarZvy");
  CheckItem(BarZvy, Ano1, "Ano1", true);
  CheckItem(BarZvy, Ne1, "Ne1", false);
  CheckItem(Nastaveni1, PrikazRadka1, "PrikazRadka1", true);
  Item(Nastaveni1, VypisINIsouboru1, "VypisINIsouboru1");
  CheckItem(Nastaveni1, TCharCom, "TCharCom", true);
  SubMenu(Nastaveni1, DateSeparator1, "DateSeparator1");
  CheckItem(DateSeparator1, tecka1, "tecka1", true);
  CheckItem(DateSeparator1, minus1, "minus1", false);
  CheckItem(DateSeparator1, lomitko1, "lomitko1", false);
  SubMenu(Nastaveni1, imeSeparator1, "imeSeparator1");
  CheckItem(imeSeparator1, tecka2, "tecka2", false);
  CheckItem(imeSeparator1, dvojtecka1, "dvojtecka1", true);

  TopMenu(bar, Napoveda1, "Napoveda1");
  Item(Napoveda1, OAdresach1, "OAdresach1");
  Item(Napoveda1, Verze1, "Verze1", QKeySequence(Qt::Key_F2));
  Item(Napoveda1, Oprogramu1, "Oprogramu1", QKeySequence(Qt::Key_F1));
}

void TForm1::CreatePopupMenus() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  CheckItem(PopupMenu1, SouborText1, "SouborText1", true);
  CheckItem(PopupMenu1, SouborWord1, "SouborWord1", false);
  // Exactly one report format is chosen.
  auto* formats = new QActionGroup(this);
  formats->addAction(SouborText1);
  formats->addAction(SouborWord1);

  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
  CheckItem(PopupMenu2, Schranka1, "Schranka1", true);
  CheckItem(PopupMenu2, Bitmapa1, "Bitmapa1", false);
  CheckItem(PopupMenu2, Metafile1, "Metafile1", false);
  CheckItem(PopupMenu2, JpgFile, "JpgFile", false);
  // A click toggles the item; one target always stays chosen: unchecking one
  // falls back to the clipboard (the clipboard itself to the bitmap).
  const QList<QAction*> targets{Schranka1, Bitmapa1, Metafile1, JpgFile};
  for (QAction* target : targets) {
    connect(target, &QAction::triggered, this, [this, target, targets](bool checked) {
      if (checked) {
        for (QAction* other : targets) {
          if (other != target) other->setChecked(false);
        }
      } else {
        (target == Schranka1 ? Bitmapa1 : Schranka1)->setChecked(true);
      }
    });
  }

  Vysledky->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Vysledky, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu1->popup(Vysledky->mapToGlobal(at)); });
  UlozGraf->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(UlozGraf, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu2->popup(UlozGraf->mapToGlobal(at)); });
}

void TForm1::ConnectCommands() {
  connect(VstupA, &QToolButton::clicked, this, &TForm1::VstupAClick);
  connect(HistogramA1, &QAction::triggered, this, &TForm1::VstupAClick);
  connect(VstupB, &QToolButton::clicked, this, &TForm1::VstupBClick);
  connect(HistogramB1, &QAction::triggered, this, &TForm1::VstupBClick);
  connect(BitBtn13, &QToolButton::clicked, this, &TForm1::BitBtn13Click);
  connect(Konec1, &QAction::triggered, this, &TForm1::BitBtn13Click);

  connect(PrikazRadka1, &QAction::toggled, StatusBar1, &QWidget::setVisible);
  connect(index1, &QAction::triggered, this, [this] { SetLabelMode(true); });
  connect(NonIndex, &QAction::triggered, this, [this] { SetLabelMode(false); });
  connect(CBValInd, &QComboBox::activated, this, &TForm1::CBValIndChange);
  connect(Button_Proved_Operaci, &QPushButton::clicked, this, &TForm1::Button_Proved_OperaciClick);
  connect(UlozGraf, &QToolButton::clicked, this, &TForm1::UlozGrafClick);
  connect(UlozGraf1, &QAction::triggered, this, &TForm1::UlozGrafClick);
  connect(UlozOkno, &QToolButton::clicked, this, &TForm1::UlozOknoClick);
  connect(UlozOkno1, &QAction::triggered, this, &TForm1::UlozOknoClick);
  connect(Ano1, &QAction::triggered, this, [this] { ChooseListingHighlight(true); });
  connect(Ne1, &QAction::triggered, this, [this] { ChooseListingHighlight(false); });
  // The data labels: shown or not, their style and angle.
  connect(CheckBox1, &QCheckBox::toggled, this, [this] {
    if (!EdXMin->text().isEmpty()) RepeatQueryOrRedraw();
  });
  connect(CBMarks, &QComboBox::currentIndexChanged, this, [this] {
    if (CheckBox1->isChecked()) RepeatQueryOrRedraw();
  });
  connect(SpinEdAngle, &QSpinBox::valueChanged, this, [this] { CheckBox1->setChecked(false); });
  connect(SpinEdAngle, &QSpinBox::editingFinished, this,
          [this] { SetMarksAngle(Chart_AB, SpinEdAngle->value()); });
  connect(Cestina, &QAction::triggered, this, [this] { SwitchLanguage(texts::Language::Czech); });
  connect(Anglictina, &QAction::triggered, this, [this] { SwitchLanguage(texts::Language::English); });
  connect(tecka1, &QAction::triggered, this, [this] { ChooseDateSeparator('.'); });
  connect(minus1, &QAction::triggered, this, [this] { ChooseDateSeparator('-'); });
  connect(lomitko1, &QAction::triggered, this, [this] { ChooseDateSeparator('/'); });
  connect(tecka2, &QAction::triggered, this, [this] { ChooseTimeSeparator('.'); });
  connect(dvojtecka1, &QAction::triggered, this, [this] { ChooseTimeSeparator(':'); });
  connect(Timer1, &QTimer::timeout, this, &TForm1::UpdateClock);
  ConnectListingCommands();
  connect(TCharCom, &QAction::toggled, this, &TForm1::UpdateChartToolBar);
}

void TForm1::DisableLaterCommands() {
  // Commands whose windows and routines are not part of the program yet.
  for (QWidget* widget : std::initializer_list<QWidget*>{
           SBHistA, SBHistB, ZmenaBarev, Default, Zasobnik, VolejPicture, BitBtn2,
           BitBtn37, OAdresach, Verze, Help, CBTypHistA, CBTypHistB}) {
    widget->setEnabled(false);
  }
  for (QAction* action : std::initializer_list<QAction*>{
           ReOpenA, ReOpenB, Barvy1, UlozNastaveni1, Zasobnik1, VolejPicture1,
           Prohlesoubor1, TextAdobe, HTML1, WIN1,
           VypisINIsouboru1, OAdresach1, Verze1, Oprogramu1}) {
    action->setEnabled(false);
  }
}

}  // namespace dorvex::gui
