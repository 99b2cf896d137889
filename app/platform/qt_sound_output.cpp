// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The sound module: the effects through Qt Multimedia's QSoundEffect, two voices each, on a thread of
// their own.
#include <pulse/pulseaudio.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <array>
#include <cstddef>
#include <memory>

#include "app/platform/sound_output.h"
#include "assets/sound_files.h"

namespace suispo {
namespace {

// How long closing waits for the sound thread; a thread held by a server that never answers is left.
constexpr int kEndWaitMs = 500;
// How long a sound server has to answer before the game stays silent.
constexpr int kServerAnswerMs = 2000;

// Whether a PulseAudio (or PipeWire) server answers in time: Qt Multimedia waits for one that never
// does, and holds the program's end while it waits. Asked with a loop of our own, which gives up.
bool ServerAnswers() {
  pa_mainloop* loop = pa_mainloop_new();
  pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "suispo");
  bool ready = false;
  if (context != nullptr && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kServerAnswerMs) {
      const pa_context_state_t state = pa_context_get_state(context);
      ready = state == PA_CONTEXT_READY;
      if (ready || !PA_CONTEXT_IS_GOOD(state)) break;
      pa_mainloop_prepare(loop, 10000);  // a wait of at most 10 ms
      pa_mainloop_poll(loop);
      pa_mainloop_dispatch(loop);
    }
  }
  if (context != nullptr) {
    pa_context_disconnect(context);
    pa_context_unref(context);
  }
  pa_mainloop_free(loop);
  return ready;
}

// Every effect, two voices each so an effect can sound again while it rings. Lives on the sound
// thread: made, played and destroyed there.
class Voices {
 public:
  Voices() {
    // Qt reaches the sound server at the first question about its devices: asked now, here, and
    // not when the first effect plays.
    QMediaDevices::defaultAudioOutput();
    for (std::size_t i = 0; i < voices_.size(); ++i) {
      const QUrl source(QString("qrc:/sounds/") + assets::kSoundFiles[i]);
      for (auto& voice : voices_[i]) {
        voice = std::make_unique<QSoundEffect>();
        voice->setSource(source);
        // A voice's first play opens its stream, which on some servers makes it sound over half a
        // second late: each plays once now, silent, so the first cue is on time.
        voice->setVolume(0.0F);
        voice->play();
      }
    }
  }

  void Play(Cue cue, float volume) {
    auto& pair = voices_[static_cast<std::size_t>(cue)];
    // The voices take turns; a turn goes to the other when this one still sounds and that one not.
    int& turn = turns_[static_cast<std::size_t>(cue)];
    if (pair[turn]->isPlaying() && !pair[1 - turn]->isPlaying()) turn = 1 - turn;
    QSoundEffect& voice = *pair[turn];
    turn = 1 - turn;
    voice.stop();
    voice.setVolume(volume);
    voice.play();
  }

  void StopAll() {
    for (auto& pair : voices_) {
      for (auto& voice : pair) voice->stop();
    }
  }

 private:
  std::array<std::array<std::unique_ptr<QSoundEffect>, 2>, kCueCount> voices_;
  std::array<int, kCueCount> turns_{};  // per effect, the voice whose turn it is
};

// The sound server is reached on a thread of the module's own: a server that is slow to answer, or
// never does, holds that thread and never the window's. Every call is posted there and returns at once.
class QtSoundOutput : public SoundOutput {
 public:
  QtSoundOutput() : thread_(new QThread), context_(new QObject) {
    context_->moveToThread(thread_);
    thread_->start();
    Post([voices = voices_] {
      if (ServerAnswers()) *voices = std::make_unique<Voices>();
    });
  }

  ~QtSoundOutput() override {
    // In order on the sound thread: the effects go, then the thread ends (taking the context along).
    Post([voices = voices_] { voices->reset(); });
    Post([thread = thread_] { thread->quit(); });
    context_->deleteLater();
    // A thread still held by the server is left to end with the program.
    if (thread_->wait(kEndWaitMs)) delete thread_;
  }

  void Play(Cue cue, float volume) override {
    Post([voices = voices_, cue, volume] {
      if (*voices) (*voices)->Play(cue, volume);
    });
  }

  void StopAll() override {
    Post([voices = voices_] {
      if (*voices) (*voices)->StopAll();
    });
  }

 private:
  template <typename Work>
  void Post(Work work) {
    QMetaObject::invokeMethod(context_, std::move(work), Qt::QueuedConnection);
  }

  QThread* thread_;
  QObject* context_;  // lives on thread_: what is posted to it runs there
  std::shared_ptr<std::unique_ptr<Voices>> voices_ = std::make_shared<std::unique_ptr<Voices>>();
};

}  // namespace
}  // namespace suispo

extern "C" Q_DECL_EXPORT suispo::SoundOutput* suispo_make_sound_output() { return new suispo::QtSoundOutput(); }
