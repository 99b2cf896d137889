// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Loading the sound module late, and playing the cues in time with the frames or spaced without them.
#include "app/platform/sound_player.h"

#include <QCoreApplication>
#include <QTimer>
#include <utility>

#include "app/store/file_paths.h"
#include "app/store/program_places.h"
#include "suispo/build_info.h"

namespace suispo {

namespace {

// Spaced cues: one every 80 ms, and none left waiting longer than three of them.
constexpr qint64 kSpacingMs = 80;
constexpr qint64 kLongestWaitMs = 3 * kSpacingMs;

}  // namespace

SoundPlayer::SoundPlayer(QStringList modulePlaces, QObject* parent)
    : QObject(parent), modulePlaces_(std::move(modulePlaces)) {
  clock_.start();
}

// The output goes before the module that holds its code (the module itself stays loaded).
SoundPlayer::~SoundPlayer() { output_.reset(); }

void SoundPlayer::Load() {
  loaded_ = true;
  if (!on_ || loadTried_ || output_) return;
  loadTried_ = true;
  for (const QString& place : std::as_const(modulePlaces_)) {
    module_.setFileName(place);
    if (module_.load()) break;
  }
  if (!module_.isLoaded()) return;
  const auto make = reinterpret_cast<MakeSoundOutputFunction>(module_.resolve(kMakeSoundOutput));
  if (make != nullptr) output_.reset(make());
}

void SoundPlayer::SetOn(bool on) {
  on_ = on;
  if (!on_ && output_) output_->StopAll();
  if (on_ && loaded_) Load();
}

void SoundPlayer::UseOutput(std::unique_ptr<SoundOutput> output) { output_ = std::move(output); }

void SoundPlayer::Play(Cue cue) {
  if (!on_ || !output_) return;
  if (!spaced_) {
    Sound(cue);
    return;
  }
  const qint64 now = clock_.elapsed();
  if (nextFreeMs_ <= now) {
    nextFreeMs_ = now + kSpacingMs;
    output_->StopAll();
    Sound(cue);
    return;
  }
  if (nextFreeMs_ - now > kLongestWaitMs) return;  // the player presses faster than the sounds follow
  QTimer::singleShot(nextFreeMs_ - now, this, [this, cue] {
    if (!on_ || !output_) return;
    output_->StopAll();
    Sound(cue);
  });
  nextFreeMs_ += kSpacingMs;
}

void SoundPlayer::Sound(Cue cue) { output_->Play(cue, static_cast<float>(volume_) / 100.0F); }

QStringList SoundModulePlaces() {
  const QString programDir = QCoreApplication::applicationDirPath() + "/";
  QStringList places{programDir + kSoundModuleFile};
  if (const std::optional<std::string> prefix = InstallPrefix(programDir.toStdString())) {
    places.prepend(QString::fromStdString(*prefix + build::kModuleDir + "/") + kSoundModuleFile);
  }
  return places;
}

}  // namespace suispo
