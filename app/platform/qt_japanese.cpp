// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// qtbase_ja loaded from Qt's translations folder, the game's own from its resources, installed on the
// application.
#include "app/platform/qt_japanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace suispo {

bool InstallQtJapanese(QTranslator& translator) {
  return translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
         QCoreApplication::installTranslator(&translator);
}

bool InstallGameTexts(QTranslator& translator) {
  return translator.load(QLocale(), QStringLiteral("suispo"), QStringLiteral("_"), QStringLiteral(":/i18n")) &&
         QCoreApplication::installTranslator(&translator);
}

}  // namespace suispo
