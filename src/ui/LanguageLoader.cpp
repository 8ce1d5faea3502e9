#include "ui/LanguageLoader.h"

#include "base/Settings.h"
#include "ui/AppDataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

static const char kEnglish[] = "en";

LanguageLoader::LanguageLoader(QObject *parent)
    : QObject(parent)
{
}

QString LanguageLoader::translationFile(const QString &code)
{
    return AppDataFolders::find(QStringLiteral("languages/%1.qm").arg(code));
}

QString LanguageLoader::frameworkLocale(const QString &code)
{
    if (code == QLatin1String("cs"))
        return QStringLiteral("zh_CN");
    if (code == QLatin1String("cz"))
        return QStringLiteral("cs");
    return code;
}

QString LanguageLoader::load(const QString &requested)
{
    QString code = requested;
    QString file = translationFile(code);
    if (code.isEmpty() || !QFileInfo::exists(file)) {
        code = QLatin1String(kEnglish);
        file = translationFile(code);
    }
    m_code = code;
    Settings::instance()->setValue(Settings::Language, code);

    QCoreApplication::removeTranslator(&m_program);
    if (m_program.load(QDir::toNativeSeparators(file)))
        QCoreApplication::installTranslator(&m_program);
    QCoreApplication::removeTranslator(&m_framework);
    if (loadFrameworkTranslation(code))
        QCoreApplication::installTranslator(&m_framework);
    return code;
}

bool LanguageLoader::loadFrameworkTranslation(const QString &code)
{
    // A copy shipped beside the program wins over the system's.
    const QString shipped = AppDataFolders::find(QStringLiteral("languages/qt_%1.qm").arg(code));
    if (QFileInfo::exists(shipped))
        return m_framework.load(shipped);
    return m_framework.load(QStringLiteral("qtbase_") + frameworkLocale(code),
                            QLibraryInfo::location(QLibraryInfo::TranslationsPath));
}
