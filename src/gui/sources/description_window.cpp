#include "sources/description_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include "analysis/result_commands.h"
#include "app/field_keys.h"
#include "app/qt_text.h"
#include "io/atomic_file.h"
#include "settings/settings_file.h"
#include "texts/description_window_texts.h"
#include "texts/messages.h"
#include "texts/window_titles.h"
#include "workbench/number_field.h"

namespace dorvex::gui {

namespace {

constexpr char kPlacementPrefix[] = "PopisHistogramu-Form18";
constexpr int kWidth = 270;
constexpr int kMinimumHeight = 479;

std::string Key(const char* suffix) { return std::string(kPlacementPrefix) + suffix; }

QLineEdit* MakeField(const char* name, bool readOnly, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(readOnly);
  return field;
}

}  // namespace

DescriptionWindow::DescriptionWindow(const PlatformServices& services, settings::SettingsFile* settings,
                                     QString calculatedFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      services_(services),
      settings_(settings),
      calculatedFolder_(std::move(calculatedFolder)) {
  setObjectName(QStringLiteral("Form18"));
  CreateControls();
  SetLanguage(language_);
  const std::string_view position = settings::kSectionPosition;
  const int height = settings_ ? settings_->ReadInteger(position, Key(".height"), kMinimumHeight) : kMinimumHeight;
  setFixedWidth(kWidth);
  setMinimumHeight(kMinimumHeight);
  resize(kWidth, std::max(height, kMinimumHeight));
  if (settings_) move(settings_->ReadInteger(position, Key(".left"), 0), settings_->ReadInteger(position, Key(".top"), 0));
}

void DescriptionWindow::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  const auto label = [this](const char* name) {
    auto* shown = new QLabel(this);
    shown->setObjectName(QString::fromLatin1(name));
    return shown;
  };
  layout->addWidget(label("Label1"));
  nameField = MakeField("Edit4", false, this);
  layout->addWidget(nameField);
  layout->addWidget(label("Label5"));
  frequencyMemo = new QPlainTextEdit(this);
  frequencyMemo->setObjectName(QStringLiteral("Memo1"));
  frequencyMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(frequencyMemo, 1);

  auto* form = new QFormLayout;
  typeSelector = new QComboBox(this);
  typeSelector->setObjectName(QStringLiteral("ComboBox1"));
  typeSelector->addItems({QStringLiteral("Discrete"), QStringLiteral("Pure Discrete")});
  form->addRow(label("Label6"), typeSelector);
  minField = MakeField("Edit1", false, this);
  form->addRow(label("Label2"), minField);
  maxLabel = label("Label3");
  maxField = MakeField("Edit2", false, this);
  form->addRow(maxLabel, maxField);
  countField = MakeField("Edit3", true, this);
  form->addRow(label("Label7"), countField);
  sumField = MakeField("Edit5", true, this);
  form->addRow(label("Label4"), sumField);
  caretLineField = MakeField("Edit6", true, this);
  form->addRow(label("Label8"), caretLineField);
  layout->addLayout(form);

  auto* buttons = new QHBoxLayout;
  cancelButton = new QPushButton(this);
  cancelButton->setObjectName(QStringLiteral("BitBtn1"));
  saveButton = new QPushButton(this);
  saveButton->setObjectName(QStringLiteral("BitBtn2"));
  buttons->addWidget(cancelButton);
  buttons->addWidget(saveButton);
  layout->addLayout(buttons);

  connect(frequencyMemo, &QPlainTextEdit::textChanged, this, &DescriptionWindow::Recount);
  connect(frequencyMemo, &QPlainTextEdit::cursorPositionChanged, this, &DescriptionWindow::ShowCaretLine);
  connect(typeSelector, &QComboBox::currentIndexChanged, this, &DescriptionWindow::TypeChanged);
  connect(nameField, &QLineEdit::editingFinished, this, [this] { nameField->setText(nameField->text().remove(' ')); });
  connect(cancelButton, &QPushButton::clicked, this, &QWidget::close);
  connect(saveButton, &QPushButton::clicked, this, &DescriptionWindow::Save);
  minField->installEventFilter(this);
  maxField->installEventFilter(this);
}

void DescriptionWindow::SetLanguage(texts::Language language) {
  language_ = language;
  if (const auto title = texts::WindowTitle(texts::kDescriptionWindow, language)) setWindowTitle(ToQt(*title));
  for (QWidget* control : findChildren<QWidget*>()) {
    const std::string caption = texts::DescriptionControlCaption(ToStd(control->objectName()), language);
    if (caption.empty()) continue;
    if (auto* shown = qobject_cast<QLabel*>(control)) shown->setText(ToQt(caption));
    if (auto* button = qobject_cast<QPushButton*>(control)) button->setText(ToQt(caption));
  }
}

void DescriptionWindow::OpenFor(model::SlotId target, const sources::TypedHistogram& form) {
  target_ = target;
  pureStep_ = form.pureStep;
  nameField->setText(ToQt(form.name));
  typeSelector->setCurrentIndex(form.pureDiscrete ? 1 : 0);
  TypeChanged();
  minField->setText(ToQt(form.minText));
  maxField->setText(ToQt(form.maxText));
  QStringList lines;
  for (const std::string& line : form.lines) lines << ToQt(line);
  frequencyMemo->setPlainText(lines.join('\n'));
  Recount();
  caretLineField->clear();
  show();
  raise();
  activateWindow();
}

sources::TypedHistogram DescriptionWindow::Form() const {
  sources::TypedHistogram form;
  form.name = ToStd(nameField->text().remove(' '));
  const QString text = frequencyMemo->toPlainText();
  if (!text.isEmpty()) {
    for (const QString& line : text.split('\n')) form.lines.push_back(ToStd(line));
  }
  form.pureDiscrete = typeSelector->currentIndex() == 1;
  form.minText = ToStd(minField->text());
  form.maxText = ToStd(maxField->text());
  form.pureStep = pureStep_;
  return form;
}

void DescriptionWindow::Recount() {
  caretLineField->clear();
  const sources::FrequencyCount count = sources::CountFrequencies(Form().lines);
  if (count.badLine != 0) {
    Refuse(ToQt(sources::BadFrequencyText(count, language_)));
    return;
  }
  countField->setText(QString::number(count.lines));
  sumField->setText(QString::number(count.sum));
}

void DescriptionWindow::ShowCaretLine() {
  const int line = frequencyMemo->textCursor().blockNumber();
  if (line < frequencyMemo->blockCount()) caretLineField->setText(QString::number(line));
}

void DescriptionWindow::TypeChanged() {
  const bool discrete = typeSelector->currentIndex() == 0;
  maxField->setVisible(discrete);
  maxLabel->setVisible(discrete);
}

void DescriptionWindow::Refuse(const QString& text) {
  services_.messages->DefMessageDlg(Message(texts::kTitleError, language_), text, MessageKind::Error,
                                    MessageButtons::Ok, kResultOk);
}

void DescriptionWindow::Save() {
  const sources::TypedHistogram form = Form();
  if (const auto refusal = sources::SaveRefusal(form, language_)) return Refuse(ToQt(*refusal));
  FileDialogRequest request;
  request.title = windowTitle().trimmed();
  request.initialFolder = calculatedFolder_;
  request.fileName = ToQt(form.name);
  request.defaultSuffix = QStringLiteral("dis");
  request.filters = {QStringLiteral("Distributions Files (*.dis)"), QStringLiteral("All files (*)")};
  const QString path = AskSavePath(services_, request, language_);
  if (path.isEmpty()) return;
  const std::string fileName = ToStd(QFileInfo(path).fileName());
  if (io::WriteFileAtomically(ToStd(path), sources::TypedHistogramFileText(form, fileName))) {
    return Refuse(ToQt(texts::InsertText(texts::MessageText(22, language_), fileName)));
  }
  const sources::FrequencyCount count = sources::CountFrequencies(form.lines);
  emit Saved(sources::TypedHandOver(form, target_), ToQt(form.name), path, count.sum);
  close();
}

bool DescriptionWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field == nullptr || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return true;
  return FilterFieldKey(field, key, workbench::FilterNumberKey, *services_.sound);
}

void DescriptionWindow::closeEvent(QCloseEvent* event) {
  if (settings_) {
    const std::string_view position = settings::kSectionPosition;
    settings_->WriteInteger(position, Key(".left"), x());
    settings_->WriteInteger(position, Key(".top"), y());
    settings_->WriteInteger(position, Key(".Width"), width());
    settings_->WriteInteger(position, Key(".Height"), height());
  }
  QWidget::closeEvent(event);
  emit Closed(target_, !frequencyMemo->toPlainText().isEmpty());
}

}  // namespace dorvex::gui
