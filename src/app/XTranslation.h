#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Tableclick ships English and Simplified Chinese. The texts in the code are the stored and
// logged wording (partly Chinese, partly terse English); what the user reads always comes
// from one of the two translations.

// "zh_CN" when asked for Chinese (--language zh, zh_CN, zh-Hans…) or, with nothing asked,
// when the desktop's first Chinese or English language is Chinese; "en" otherwise.
QString XChooseLanguage(const std::optional<QString>& asked, const QStringList& desktopLanguages);

// Where tableclick_<language>.qm is looked for: installed beside the program
// (share/tableclick/translations of the same prefix), then the build tree's own.
QStringList XTranslationFolders();

// Installs the translation into the running application (and Qt's own for its dialogs,
// when the system has it). False when Tableclick's file is not found in `folders`.
bool XInstallTranslation(const QString& language, const QStringList& folders = XTranslationFolders());
