#pragma once

#include "base/Settings.h"
#include "ui/SearchFieldModel.h"
#include "ui/ShellOpen.h"
#include "ui/ShellUtils.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include <functional>
#include <memory>

// Set-up, and the widget headers, that the window suites share.
namespace WindowTest {

// Texts and numbers as an English (United States) desktop shows them, whatever the machine's locale.
inline void pinLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Pins the locale and keeps the settings in a file of `dir` that no earlier run wrote; returns its path.
inline QString useFreshSettings(const QTemporaryDir &dir)
{
    pinLocale();
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    Settings::instance(path);
    return path;
}

// The child of `parent` named `name`; a missing one ends the run, naming it.
template<typename W>
W *child(const QObject *parent, const char *name)
{
    auto *widget = parent->findChild<W *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// The four histories the search fields share.
inline QList<SearchFieldModel *> histories()
{
    return {SearchFieldModel::fileNameModel(), SearchFieldModel::pathModel(), SearchFieldModel::contentModel(),
            SearchFieldModel::instantFileNameModel()};
}

// Runs `handle` on the modal widget that a click has just opened and waits in.
template<typename T>
void onNextModal(QObject *context, std::function<void(T *)> handle)
{
    QTimer::singleShot(0, context, [handle] {
        auto *modal = qobject_cast<T *>(QApplication::activeModalWidget());
        QVERIFY(modal);
        handle(modal);
    });
}

// Stands in for the desktop's opener while it lives, recording what it was asked to open.
struct RecordedOpens
{
    RecordedOpens()
    {
        setShellOpener([this](QWidget *, const QString &path, const QString &parameters) {
            paths.append(path);
            this->parameters.append(parameters);
            return true;
        });
    }
    ~RecordedOpens() { setShellOpener(nullptr); }

    QStringList paths;
    QStringList parameters;
};

// Stands in for the message boxes while it lives: questions get `answer`; both kinds are recorded.
struct RecordedMessages
{
    RecordedMessages()
    {
        ShellUtils::setQuestion([this](QWidget *, const QString &text) {
            questions.append(text);
            return answer;
        });
        ShellUtils::setReport([this](QWidget *, const QString &text) { reports.append(text); });
    }
    ~RecordedMessages()
    {
        ShellUtils::setQuestion(nullptr);
        ShellUtils::setReport(nullptr);
    }

    bool answer = true;
    QStringList questions;
    QStringList reports;
};

// Copies the compiled translation "<code>.qm" into "languages" beside the test program, where it is looked for.
inline bool installTranslation(const QString &code)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/languages");
    const QString target = folder + QStringLiteral("/%1.qm").arg(code);
    QFile::remove(target);
    return QDir().mkpath(folder) && QFile::copy(QStringLiteral(TVQ_LANGUAGES_DIR "/%1.qm").arg(code), target);
}

inline QColor highlightColour()
{
    return QColor(QRgb(Settings::instance()->highlightColor()));
}

// The characters of the block drawn on `background`, in order.
inline QString textOn(const QTextBlock &block, const QColor &background)
{
    QString text;
    QTextCursor cursor(block);
    for (int i = 0; i < block.length() - 1; ++i) {
        cursor.setPosition(block.position() + i + 1); // a cursor reports the format of the character before it
        if (cursor.charFormat().background().color() == background)
            text += block.text().at(i);
    }
    return text;
}

} // namespace WindowTest
