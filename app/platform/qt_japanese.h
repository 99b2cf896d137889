// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Qt's own Japanese texts for its standard buttons and its file dialog, and the game's own texts in
// the player's language.
#pragma once

#include "app/store/language.h"

class QTranslator;

namespace suispo {

// Loads Qt's Japanese translation into `translator` and installs it in the application, so the
// questions read はい / いいえ and the file dialog is Japanese. Without the translation file the
// texts stay Qt's English ones; false then.
bool InstallQtJapanese(QTranslator& translator);

// Loads the game's translation for language (translations/, embedded under :/i18n/) into
// `translator` and installs it in the application. The texts are written in Japanese: without a
// translation for a text, it reads as written; false when there is no translation at all.
bool InstallGameTexts(Language language, QTranslator& translator);

// The texts of the language the player chose, installed before any window is built: the game's
// (gameTexts), and for Japanese Qt's own Japanese ones (qtTexts); in English Qt's stay its own.
void InstallTexts(Language language, QTranslator& qtTexts, QTranslator& gameTexts);

}  // namespace suispo
