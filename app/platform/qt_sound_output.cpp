// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The sound module: the effects through Qt Multimedia's QSoundEffect, two voices each.
#include <QSoundEffect>
#include <QUrl>
#include <array>
#include <cstddef>
#include <memory>

#include "app/platform/sound_output.h"
#include "assets/sound_files.h"

namespace suispo {
namespace {

class QtSoundOutput : public SoundOutput {
 public:
  QtSoundOutput() {
    // Every effect loads now, before it is first needed; a second voice lets an effect sound again
    // while its first is still ringing.
    for (std::size_t i = 0; i < voices_.size(); ++i) {
      const QUrl source(QString("qrc:/sounds/") + assets::kSoundFiles[i]);
      for (auto& voice : voices_[i]) {
        voice = std::make_unique<QSoundEffect>();
        voice->setSource(source);
      }
    }
  }

  void Play(Cue cue, float volume) override {
    const auto index = static_cast<std::size_t>(cue);
    auto& pair = voices_[index];
    // The voices take turns; a turn goes to the other when this one still sounds and that one not.
    int& turn = next_[index];
    if (pair[turn]->isPlaying() && !pair[1 - turn]->isPlaying()) turn = 1 - turn;
    QSoundEffect& voice = *pair[turn];
    turn = 1 - turn;
    voice.stop();
    voice.setVolume(volume);
    voice.play();
  }

  void StopAll() override {
    for (auto& pair : voices_) {
      for (auto& voice : pair) voice->stop();
    }
  }

 private:
  std::array<std::array<std::unique_ptr<QSoundEffect>, 2>, kCueCount> voices_;
  std::array<int, kCueCount> next_{};  // per effect, the voice whose turn it is
};

}  // namespace
}  // namespace suispo

extern "C" Q_DECL_EXPORT suispo::SoundOutput* suispo_make_sound_output() { return new suispo::QtSoundOutput(); }
