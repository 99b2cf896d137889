// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-sounds: makes every sound effect of the game and writes them as WAV files into a folder.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "assets/generator/sound_effects.h"
#include "assets/sound_files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: suispo-sounds OUTPUT_FOLDER\n");
    return 2;
  }
  const std::filesystem::path out(argv[1]);
  std::error_code error;
  std::filesystem::create_directories(out, error);
  for (int i = 0; i < suispo::kCueCount; ++i) {
    const auto cue = static_cast<suispo::Cue>(i);
    const std::filesystem::path path = out / suispo::assets::SoundFile(cue);
    const std::string bytes = suispo::art::SoundEffectFile(cue);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
      std::fprintf(stderr, "suispo-sounds: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
