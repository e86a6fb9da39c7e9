#include "app/about_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <string>

#include "app/qt_text.h"
#include "app/tool_window.h"
#include "texts/about_window_texts.h"
#include "texts/messages.h"

namespace dorvex::gui {

namespace {

constexpr PlacementKeys kPlacement{"Prob2_u-Form2", ".Width", ".Height", 341, 534};

QLabel* CentredLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  return label;
}

}  // namespace

AboutWindow::AboutWindow(const PlatformServices& services, settings::SettingsFile* settings, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
  setObjectName(QStringLiteral("Form2"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(5, 16, 5, 16);
  auto* icon = CentredLabel("Image1", this);
  icon->setPixmap(QIcon(QStringLiteral(":/dorvex.svg")).pixmap(64, 64));
  layout->addWidget(icon);
  nameLabel_ = CentredLabel("Label1", this);
  QFont big = nameLabel_->font();
  big.setPointSizeF(big.pointSizeF() * 2.2);
  big.setBold(true);
  nameLabel_->setFont(big);
  layout->addWidget(nameLabel_);
  versionLabel_ = CentredLabel("Label2", this);
  layout->addWidget(versionLabel_);
  layout->addSpacing(12);
  for (std::size_t i = 0; i < lineLabels_.size(); ++i) {
    lineLabels_[i] = CentredLabel(("Label" + std::to_string(i + 3)).c_str(), this);
    layout->addWidget(lineLabels_[i]);
    if (i == 2) layout->addSpacing(12);
  }
  layout->addStretch(1);
  for (std::size_t i = 0; i < contactButtons_.size(); ++i) {
    contactButtons_[i] = new QPushButton(this);
    contactButtons_[i]->setObjectName(QStringLiteral("BitBtn%1").arg(i + 1));
    connect(contactButtons_[i], &QPushButton::clicked, this, [this, i] { Mail(static_cast<int>(i)); });
    layout->addWidget(contactButtons_[i]);
  }
  new ToolWindowPlacement(this, settings, kPlacement);
  SetLanguage(language_);
}

void AboutWindow::SetLanguage(texts::Language language) {
  language_ = language;
  const texts::AboutTexts texts = texts::AboutWindowTexts(language);
  setWindowTitle(ToQt(texts.title));
  nameLabel_->setText(ToQt(texts.programName));
  versionLabel_->setText(ToQt(texts.versionLine));
  for (std::size_t i = 0; i < lineLabels_.size(); ++i) lineLabels_[i]->setText(ToQt(texts.lines[i]));
  for (std::size_t i = 0; i < contactButtons_.size(); ++i) {
    contactButtons_[i]->setText(ToQt(texts.contacts[i].caption + "  <" + texts.contacts[i].address + ">"));
  }
}

void AboutWindow::ShowOver(const QWidget* over) {
  if (over) move(over->geometry().center() - QPoint(width() / 2, height() / 2));
  show();
  raise();
  activateWindow();
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit closed();
}

void AboutWindow::Mail(int contact) {
  const texts::AboutTexts texts = texts::AboutWindowTexts(language_);
  const QUrl address(QStringLiteral("mailto:") + ToQt(texts.contacts[static_cast<std::size_t>(contact)].address));
  if (services_.desktop->OpenUrl(address)) return;
  services_.messages->DefMessageDlg(Message(texts::kTitleError, language_), Message(61, language_),
                                    MessageKind::Error, MessageButtons::Ok, kResultOk);
}

}  // namespace dorvex::gui
