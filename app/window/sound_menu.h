// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Game > 効果音 and 音量: the sound's menu items, kept in the settings, and the player behind them.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <array>
#include <initializer_list>
#include <iterator>

#include "app/store/stage_store.h"

class QAction;
class QMenu;

namespace suispo {

class Game;
class SoundPlayer;
class StageSelectScreen;

class SoundMenu : public QObject {
  Q_DECLARE_TR_FUNCTIONS(SoundMenu)

 public:
  // Adds the items to gameMenu; store holds the settings they show and change.
  SoundMenu(QMenu& gameMenu, StageStore& store, QObject* parent);

  // The items show the settings as the store read them.
  void ShowSettings();
  // Once the window is on the screen: the player is made, handed to the game and the stage select screen
  // (its clicks), and loads after this returns,
  // so the sound library never slows the start.
  // games: the play's and the stage editor's test play.
  void WindowShown(std::initializer_list<Game*> games, StageSelectScreen& select);
  // At the animation speed なし the player spaces the cues of an operation itself.
  void SetAnimationSpeed(AnimationSpeed speed);

  QAction* soundMenu = nullptr;  // 効果音, checkable, key M
  std::array<QAction*, std::size(kVolumeSteps)> volumeMenu{};  // 音量: "volumeMenu<percent>" for each step

 private:
  void SetOn(bool on);
  void SetVolume(int percent);

  StageStore& store_;
  SoundPlayer* player_ = nullptr;
  AnimationSpeed speed_ = AnimationSpeed::kNormal;
};

}  // namespace suispo
