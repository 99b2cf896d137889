// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Qt's own Japanese texts for its standard buttons and its file dialog.
#pragma once

class QTranslator;

namespace suispo {

// Loads Qt's Japanese translation into `translator` and installs it in the application, so the
// questions read はい / いいえ and the file dialog is Japanese. Without the translation file the
// texts stay Qt's English ones; false then.
bool InstallQtJapanese(QTranslator& translator);

}  // namespace suispo
