// suispo-stage: a stage author's tool over the game's own rules, stage files and drawing.
#include <iostream>

#include "tools/commands.h"

int main(int argc, char** argv) {
  const suispo::tool::Args args(argv + (argc > 1 ? 2 : 1), argv + argc);
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "play") return suispo::tool::PlayCommand(args);
  if (command == "list") return suispo::tool::ListCommand(args);
  if (command == "render") return suispo::tool::RenderCommand(args);
  if (command == "solve") return suispo::tool::SolveCommand(args);
  if (command == "check") return suispo::tool::CheckCommand(args);
  if (command == "generate") return suispo::tool::GenerateCommand(args);
  std::cerr << "usage: suispo-stage play [--json] FILE STAGE [OP ...]\n"
               "       suispo-stage list FILE\n"
               "       suispo-stage render [--board] FILE STAGE [OP ...] -o OUT.png\n"
               "       suispo-stage solve [--json] FILE STAGE [OP ...]\n"
               "       suispo-stage check [--json] FILE\n"
               "       suispo-stage generate [--count N] [--seed S] [--min-par P] [--max-par Q] -o FILE\n";
  return 2;
}
