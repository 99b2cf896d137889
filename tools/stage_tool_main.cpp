// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage: a stage author's tool over the game's own rules, stage files and drawing.
#include <iostream>

#include "suispo/build_info.h"
#include "tools/commands.h"

namespace {

constexpr const char* kUsage =
    "Usage: suispo-stage list FILE\n"
    "       suispo-stage play [--json] FILE STAGE [OP ...]\n"
    "       suispo-stage render [--board] [--scale 1|2|3] FILE STAGE [OP ...] -o OUT.png\n"
    "       suispo-stage solve [--json] FILE STAGE [OP ...]\n"
    "       suispo-stage check [--json] FILE\n"
    "       suispo-stage keys [FILE]\n"
    "       suispo-stage generate [--preset NAME [--demanding 0]] [--count N] [--seed S] [--min-par P]\n"
    "                            [--max-par Q] [--threads T] -o FILE\n"
    "       suispo-stage code [FILE] STAGE\n"
    "       suispo-stage decode CODE [-o FILE]\n"
    "       suispo-stage --help | --version\n";

void PrintHelp() {
  std::cout << kUsage
            << "\n"
               "Works on stage files (.ssp) with the game's own rules and pictures.\n"
               "\n"
               "  list      each stage: its number, a star if cleared, its name\n"
               "  play      replay operations on a stage and show each step (--json: one JSON\n"
               "            object per line)\n"
               "  render    draw the play screen after the operations into a PNG file\n"
               "            (--board: the board panel alone; --scale 2 or 3: at that many\n"
               "            pixels per pixel, from the pictures painted for it)\n"
               "  solve     the fewest operations that clear the stage (from after OP ...)\n"
               "  check     every stage: verdict, errors, warnings and par\n"
               "  keys      every stage: its puzzle key (board, start, wall points), a TAB,\n"
               "            its name; without FILE the five built-in stages\n"
               "  generate  write new stages that check passes, sorted by par (--preset beginner,\n"
               "            normal, hard or expert: the game's sets, within the preset's effort\n"
               "            band; --demanding 0: without the effort band and, for hard and\n"
               "            expert, the forcing and not-trivial gates)\n"
               "  code      the stage's share code: one line of letters and digits that the\n"
               "            game pastes; without FILE of a built-in stage\n"
               "  decode    the stage line of a share code, uncleared (-o FILE: added at the\n"
               "            end of FILE instead); a bad code is refused with exit status 2\n"
               "\n"
               "STAGE counts from 1. Operations: N E S W move; +N +E +S +W build a wall on that\n"
               "side; U undo; R restart. See suispo-stage(6).\n";
}

}  // namespace

int main(int argc, char** argv) {
  const suispo::tool::Args args(argv + (argc > 1 ? 2 : 1), argv + argc);
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "play") return suispo::tool::PlayCommand(args);
  if (command == "list") return suispo::tool::ListCommand(args);
  if (command == "keys") return suispo::tool::KeysCommand(args);
  if (command == "render") return suispo::tool::RenderCommand(args);
  if (command == "solve") return suispo::tool::SolveCommand(args);
  if (command == "check") return suispo::tool::CheckCommand(args);
  if (command == "generate") return suispo::tool::GenerateCommand(args);
  if (command == "code") return suispo::tool::CodeCommand(args);
  if (command == "decode") return suispo::tool::DecodeCommand(args);
  if (command == "--help") {
    PrintHelp();
    return 0;
  }
  if (command == "--version") {
    std::cout << "suispo-stage " << suispo::build::kVersion << '\n';
    return 0;
  }
  suispo::tool::Fail(command.empty() ? "no command given" : "unknown command '" + command + "'");
  std::cerr << kUsage;
  return 2;
}
