// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's command line: one optional stage file, --help and --version.
#include "app/program/command_line.h"

#include <iostream>

#include <QCoreApplication>

#include "suispo/build_info.h"

namespace suispo {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  bool options = true;
  std::vector<std::string> files;
  for (const std::string& arg : args) {
    if (options && arg == "--") {
      options = false;
    } else if (options && arg == "--help") {
      return {CommandLine::Action::kHelp, std::nullopt, ""};
    } else if (options && arg == "--version") {
      return {CommandLine::Action::kVersion, std::nullopt, ""};
    } else if (options && arg.size() > 1 && arg.front() == '-') {
      if (line.problem.empty()) line.problem = "unknown option '" + arg + "'";
    } else {
      files.push_back(arg);
    }
  }
  if (line.problem.empty() && files.size() > 1) line.problem = "only one stage file can be opened";
  if (!line.problem.empty()) {
    line.action = CommandLine::Action::kBadUsage;
  } else if (!files.empty()) {
    line.stageFile = files.front();
  }
  return line;
}

std::vector<std::string> ArgumentsOf(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

int AnswerWithoutWindow(const CommandLine& line) {
  const char* const usage =
      "Usage: suispo [FILE.ssp]\n"
      "       suispo --help | --version\n";
  switch (line.action) {
    case CommandLine::Action::kHelp:
      // The menus and keys are named as the window shows them, in Japanese.
      std::cout << usage << "\n"
                << QCoreApplication::translate(
                       "suispo::CommandLine",
                   "A sliding puzzle on ice, in Japanese, played in one window. Without FILE.ssp the\n"
                   "stage file of the last run is opened, or the five built-in stages.\n"
                   "Menus: ゲーム (Game): 読み込み (Open), ステージ集 (Chapters), 新しいステージを作る\n"
                   "(New stages), ヒント (Hint), アニメーションの速さ (Animation speed), 効果音 (Sound\n"
                   "effects), 音量 (Volume), 戻せる回数 (Undo depth) 5 or 無制限 (unlimited: a fall\n"
                   "too), 先行入力 (Type-ahead: a key pressed during a slide is played after it), 終了\n"
                   "(Exit); 表示 (View): 拡大 (Zoom) 100/150/200/300 %, 言語 (Language); all kept in\n"
                   "suispo.ini; ヘルプ (Help): 目次 (Contents), バージョン情報 (About). Keys:\n"
                   "arrows slide, Shift+arrows build a wall, Backspace or Ctrl+Z undo, F5 or R restart\n"
                   "(やり直し), Esc back to the title (タイトル), H lights the next operation of a\n"
                   "shortest clear (ヒント), M turns the sound effects off or on (効果音), Enter starts\n"
                   "the selected stage, Tab reaches the stage file chooser (ステージ集), any key or a\n"
                   "click ends the victory or the fall.\n"
                   "\n"
                   "  FILE.ssp   open this stage file at start, as ゲーム > 読み込み (Game > Open) would\n"
                   "  --help     print this help and exit\n"
                   "  --version  print the version and exit\n")
                       .toStdString();
      return 0;
    case CommandLine::Action::kVersion:
      std::cout << "suispo " << build::kVersion << "\n";
      return 0;
    default:
      std::cerr << "suispo: " << line.problem << "\n" << usage;
      return 2;
  }
}

}  // namespace suispo
