// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// qtbase_ja loaded from Qt's translations folder, the game's own texts from its resources, installed
// on the application by the language setting.
#include "app/platform/qt_japanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace suispo {

bool InstallQtJapanese(QTranslator& translator) {
  return translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
         QCoreApplication::installTranslator(&translator);
}

bool InstallGameTexts(Language language, QTranslator& translator) {
  const QString file = language == Language::kEnglish ? QStringLiteral("suispo_en") : QStringLiteral("suispo_ja");
  return translator.load(file, QStringLiteral(":/i18n")) && QCoreApplication::installTranslator(&translator);
}

void InstallTexts(Language language, QTranslator& qtTexts, QTranslator& gameTexts) {
  if (language == Language::kJapanese) InstallQtJapanese(qtTexts);
  InstallGameTexts(language, gameTexts);
}

}  // namespace suispo
