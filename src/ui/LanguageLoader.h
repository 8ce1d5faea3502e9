#pragma once

#include <QObject>
#include <QString>
#include <QTranslator>

// The program's two translators: its own texts and the framework's. Loading a
// language installs them on the application, which sends every widget a
// LanguageChange event; the windows re-set their texts from that event.
class LanguageLoader : public QObject
{
    Q_OBJECT
public:
    explicit LanguageLoader(QObject *parent = nullptr);

    // Loads "languages/<code>.qm"; falls back to "en" when that file does not
    // exist. Stores and returns the code actually loaded.
    QString load(const QString &code);
    QString code() const { return m_code; }

    // The program's codes are file names, not locale tags: "cs" is Chinese
    // Simplified and "cz" Czech. The locale whose framework texts go with one.
    static QString frameworkLocale(const QString &code);
    static QString translationFile(const QString &code);

private:
    bool loadFrameworkTranslation(const QString &code);

    QTranslator m_program;
    QTranslator m_framework;
    QString m_code;
};
