// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The five built-in stages, byte for byte (names in Shift-JIS).
#include "core/rules/builtin_stages.h"

namespace suispo {

std::vector<StageLine> BuiltinStages() {
  return {
      // 練習ステージ
      "20000000000000000000000000000030C100000000220000010000010000000000000000010"
      "\x97\xfb\x8f\x4b\x83\x58\x83\x65\x81\x5b\x83\x57",
      // 矢印地獄
      "601016000607500040500001005060C10152000000000000000000000000000000000000020"
      "\x96\xee\x88\xf3\x92\x6e\x8d\x96",
      // ワープ、ワープ
      "10A20100000090000980000800000010AC01022220100010100012100010122230000000030"
      "\x83\x8f\x81\x5b\x83\x76\x81\x41\x83\x8f\x81\x5b\x83\x76",
      // 練習ステージ・改
      "20000000000000000000000000000030C100000000220000010000010000000000004000020"
      "\x97\xfb\x8f\x4b\x83\x58\x83\x65\x81\x5b\x83\x57\x81\x45\x89\xfc",
      // 「惑う」かな？
      "00000001006C000000000000010000000002001000000000223000001022010220001010050"
      "\x81\x75\x98\x66\x82\xa4\x81\x76\x82\xa9\x82\xc8\x81\x48",
  };
}

}  // namespace suispo
