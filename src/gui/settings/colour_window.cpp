#include "settings/colour_window.h"

#include <QColor>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/color_ref.h"
#include "app/qt_text.h"
#include "app/tool_window.h"
#include "texts/colour_window_texts.h"
#include "texts/window_titles.h"

namespace dorvex::gui {

namespace {

constexpr PlacementKeys kPlacement{"TabColor-Form5", ".Width", ".Height", 590, 410};

void PaintSample(QLineEdit* sample, unsigned colour) {
  QPalette palette = sample->palette();
  palette.setColor(QPalette::Base, FromColorRef(colour));
  sample->setPalette(palette);
}

}  // namespace

ColourWindow::ColourWindow(const PlatformServices& services, settings::SettingsFile* settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), services_(services) {
  setObjectName(QStringLiteral("Form5"));
  auto* columns = new QGridLayout(this);
  std::array<QGridLayout*, 6> groupGrids{};
  for (std::size_t g = 0; g < groups_.size(); ++g) {
    groups_[g] = new QGroupBox(this);
    groups_[g]->setObjectName(QStringLiteral("GroupBox%1").arg(g + 1));
    groupGrids[g] = new QGridLayout(groups_[g]);
    groupGrids[g]->setColumnStretch(0, 1);
  }
  // Two columns: forms, inputs and the result on the left; the charts on the right.
  columns->addWidget(groups_[0], 0, 0);
  columns->addWidget(groups_[1], 1, 0);
  columns->addWidget(groups_[2], 2, 0, 2, 1);
  columns->addWidget(groups_[3], 0, 1, 2, 1);
  columns->addWidget(groups_[4], 2, 1);
  columns->addWidget(groups_[5], 3, 1);
  for (int item = 0; item < settings::kColourItemCount; ++item) {
    const int group = texts::ColourItemGroup(item);
    QGridLayout* grid = groupGrids[static_cast<std::size_t>(group)];
    auto* button = new QPushButton(groups_[static_cast<std::size_t>(group)]);
    button->setObjectName(QStringLiteral("BitBtn%1").arg(item + 1));
    auto* sample = new QLineEdit(groups_[static_cast<std::size_t>(group)]);
    sample->setObjectName(QStringLiteral("Edit%1").arg(item + 1));
    sample->setReadOnly(true);
    sample->setFocusPolicy(Qt::NoFocus);
    sample->setFixedWidth(40);
    const int row = grid->rowCount();
    grid->addWidget(button, row, 0);
    grid->addWidget(sample, row, 1);
    buttons_[static_cast<std::size_t>(item)] = button;
    samples_[static_cast<std::size_t>(item)] = sample;
    connect(button, &QPushButton::clicked, this, [this, item] { Choose(item); });
  }
  placement_ = new ToolWindowPlacement(this, settings, kPlacement);
  SetLanguage(texts::Language::English);
  // The designed height squeezes the buttons in this desktop's font: never below what they need.
  const int needed = columns->minimumSize().height();
  if (needed > minimumHeight()) {
    setMinimumHeight(needed);
    resize(width(), std::max(height(), needed));
  }
}

void ColourWindow::SetLanguage(texts::Language language) {
  if (const auto title = texts::WindowTitle(texts::kColourWindow, language)) setWindowTitle(ToQt(*title));
  for (std::size_t g = 0; g < groups_.size(); ++g) {
    groups_[g]->setTitle(ToQt(texts::ColourGroupTitle(static_cast<int>(g), language)));
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->setText(ToQt(texts::ColourItemCaption(static_cast<int>(i), language)));
  }
}

void ColourWindow::ShowScheme(const settings::ColourScheme& scheme) {
  for (std::size_t i = 0; i < samples_.size(); ++i) PaintSample(samples_[i], scheme.item[i]);
  show();
  raise();
  activateWindow();
}

void ColourWindow::Choose(int item) {
  QLineEdit* sample = samples_[static_cast<std::size_t>(item)];
  placement_->HoldOpen(true);
  const QColor chosen = services_.files->GetColor(sample->palette().color(QPalette::Base));
  placement_->HoldOpen(false);
  if (!chosen.isValid()) return;
  const unsigned colour = ToColorRef(chosen);
  PaintSample(sample, colour);
  emit ColourChosen(item, colour);
}

}  // namespace dorvex::gui
