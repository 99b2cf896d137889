// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The languages the game's texts are shown in.
#pragma once

namespace suispo {

// The Japanese the texts are written in, or their English translation; the order of the setting's
// words "ja", "en".
enum class Language { kJapanese, kEnglish };

}  // namespace suispo
