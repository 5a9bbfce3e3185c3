#include "XTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
bool isChinese(const QString& name)
{
    return name.startsWith(QLatin1String("zh"), Qt::CaseInsensitive);
}

bool isEnglish(const QString& name)
{
    return name.startsWith(QLatin1String("en"), Qt::CaseInsensitive);
}

bool load(const QString& file, const QStringList& folders)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (translator->load(file, folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}
} // namespace

QString XChooseLanguage(const std::optional<QString>& asked, const QStringList& desktopLanguages)
{
    if (asked)
        return isChinese(*asked) ? QStringLiteral("zh_CN") : QStringLiteral("en");
    for (const QString& language : desktopLanguages) {
        if (isChinese(language))
            return QStringLiteral("zh_CN");
        if (isEnglish(language))
            break;
    }
    return QStringLiteral("en");
}

QStringList XTranslationFolders()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/" TABLECLICK_DATA_FROM_BINARY "/translations"),
            QStringLiteral(TABLECLICK_BUILD_TRANSLATIONS_DIR)};
}

bool XInstallTranslation(const QString& language, const QStringList& folders)
{
    if (language != QLatin1String("en"))
        load(QStringLiteral("qtbase_") + language, {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    return load(QStringLiteral("tableclick_") + language, folders);
}
