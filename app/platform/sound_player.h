// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's sounds: the cues played through the sound module, muted, at a volume, never in the way.
#pragma once

#include <QElapsedTimer>
#include <QLibrary>
#include <QObject>
#include <QStringList>
#include <memory>

#include "app/platform/sound_output.h"
#include "core/game/sound_cues.h"

namespace suispo {

// Made by the window; Load runs after the window shows, so neither the sound library nor the device
// slows the start. Without the module, a device or a server every cue passes in silence, no message.
class SoundPlayer : public QObject, public SoundCues {
 public:
  // modulePlaces: where the sound module may lie, tried in order.
  explicit SoundPlayer(QStringList modulePlaces, QObject* parent = nullptr);
  ~SoundPlayer() override;

  // Loads the module and every effect, once; nothing while the sound is off (turning it on loads it).
  void Load();
  void SetOn(bool on);
  bool on() const { return on_; }
  void SetVolume(int percent) { volume_ = percent; }
  // Spaced: the animations do not wait (speed なし), so the cues of one operation, announced at once,
  // are played one after another, each cut short by the next.
  void SetSpaced(bool spaced) { spaced_ = spaced; }
  // The output the sounds go to (the module's unless a test gives its own).
  void UseOutput(std::unique_ptr<SoundOutput> output);

  void Play(Cue cue) override;

 private:
  void Sound(Cue cue);

  QStringList modulePlaces_;
  QLibrary module_;
  std::unique_ptr<SoundOutput> output_;
  bool loadTried_ = false;
  bool loaded_ = false;  // Load has run: cues before it are dropped, not queued for later
  bool on_ = true;
  int volume_ = 60;
  bool spaced_ = false;
  QElapsedTimer clock_;
  qint64 nextFreeMs_ = 0;  // when spaced: when the next cue may start
};

// Where the module lies: beside the program (the build tree, a portable copy) and, for an installed
// game, in its module folder under the prefix.
QStringList SoundModulePlaces();

}  // namespace suispo
