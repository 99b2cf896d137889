// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The sound's menu items and the player made once the window shows.
#include "app/window/sound_menu.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "app/platform/sound_player.h"
#include "app/window/stage_select_screen.h"
#include "core/game/game.h"

namespace suispo {

SoundMenu::SoundMenu(QMenu& gameMenu, StageStore& store, QObject* parent) : QObject(parent), store_(store) {
  soundMenu = gameMenu.addAction(tr("効果音(&E)"));
  soundMenu->setObjectName(QStringLiteral("soundMenu"));
  soundMenu->setCheckable(true);
  soundMenu->setShortcut(Qt::Key_M);
  connect(soundMenu, &QAction::triggered, this, [this](bool on) { SetOn(on); });
  QMenu* volume = gameMenu.addMenu(tr("音量(&L)"));
  for (std::size_t i = 0; i < volumeMenu.size(); ++i) {
    const int percent = kVolumeSteps[i];
    volumeMenu[i] = volume->addAction(QStringLiteral("%1 %").arg(percent));
    volumeMenu[i]->setObjectName(QStringLiteral("volumeMenu%1").arg(percent));
    volumeMenu[i]->setCheckable(true);
    connect(volumeMenu[i], &QAction::triggered, this, [this, percent] { SetVolume(percent); });
  }
  ShowSettings();
}

void SoundMenu::ShowSettings() {
  SetOn(store_.soundOn != 0);
  SetVolume(store_.soundVolume);
}

void SoundMenu::WindowShown(std::initializer_list<Game*> games, StageSelectScreen& select) {
  if (player_ != nullptr) return;
  player_ = new SoundPlayer(SoundModulePlaces(), this);
  ShowSettings();
  SetAnimationSpeed(speed_);
  for (Game* game : games) game->SetSoundCues(*player_);
  select.SetSoundCues(*player_);
  QTimer::singleShot(0, player_, &SoundPlayer::Load);
}

void SoundMenu::SetAnimationSpeed(AnimationSpeed speed) {
  speed_ = speed;
  if (player_ != nullptr) player_->SetSpaced(speed == AnimationSpeed::kNone);
}

void SoundMenu::SetOn(bool on) {
  store_.soundOn = on ? 1 : 0;
  soundMenu->setChecked(on);
  if (player_ != nullptr) player_->SetOn(on);
}

// A volume the file held that the menu does not offer checks no step.
void SoundMenu::SetVolume(int percent) {
  store_.soundVolume = percent;
  for (std::size_t i = 0; i < volumeMenu.size(); ++i) volumeMenu[i]->setChecked(kVolumeSteps[i] == percent);
  if (player_ != nullptr) player_->SetVolume(percent);
}

}  // namespace suispo
