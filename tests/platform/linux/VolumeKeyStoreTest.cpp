#include "platform/linux/VolumeKeyStore.h"

#include "support/DataFolder.h"

#include <QSettings>
#include <QtTest>

class VolumeKeyStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_data.reopenSettings(/*fresh=*/true); }

    void rootGetsCOthersFollow()
    {
        QSettings &settings = *m_data.reopenSettings();
        VolumeKeyStore store;
        store.setSettings(&settings);
        QCOMPARE(store.keyFor(QStringLiteral("uuid-root"), QStringLiteral("/"), true, {}), QChar('C'));
        QCOMPARE(store.keyFor(QStringLiteral("uuid-data"), QStringLiteral("/data"), false, {}), QChar('D'));
        QCOMPARE(store.keyFor(QStringLiteral("uuid-usb"), QStringLiteral("/media/usb"), false, {}), QChar('E'));
        QCOMPARE(store.keyFor(QStringLiteral("uuid-data"), QStringLiteral("/data"), false, {}), QChar('D'));
        QCOMPARE(store.identityOf(QChar('e')), QStringLiteral("uuid-usb"));
        QVERIFY(store.identityOf(QChar('F')).isEmpty());
    }

    void rootSeenLaterStillGetsC()
    {
        VolumeKeyStore store;
        QCOMPARE(store.keyFor(QStringLiteral("a"), QStringLiteral("/a"), false, {}), QChar('D'));
        QCOMPARE(store.keyFor(QStringLiteral("root"), QStringLiteral("/"), true, {}), QChar('C'));
        // A new root file system (reinstalled system) finds "C" held by the old one.
        QCOMPARE(store.keyFor(QStringLiteral("root2"), QStringLiteral("/"), true, {}), QChar('E'));
    }

    void keysSurviveARestart()
    {
        {
            QSettings &settings = *m_data.reopenSettings();
            VolumeKeyStore store;
            store.setSettings(&settings);
            store.keyFor(QStringLiteral("root"), QStringLiteral("/"), true, {});
            store.keyFor(QStringLiteral("x"), QStringLiteral("/x"), false, {});
            store.keyFor(QStringLiteral("y"), QStringLiteral("/y"), false, {});
        }
        QSettings &settings = *m_data.reopenSettings();
        QCOMPARE(settings.beginReadArray(QStringLiteral("Volumes")), 3);
        settings.setArrayIndex(2);
        QCOMPARE(settings.value(QStringLiteral("letter")).toString(), QStringLiteral("E"));
        QCOMPARE(settings.value(QStringLiteral("uuid")).toString(), QStringLiteral("y"));
        QCOMPARE(settings.value(QStringLiteral("mountPoint")).toString(), QStringLiteral("/y"));
        settings.endArray();

        VolumeKeyStore restarted;
        restarted.setSettings(&settings);
        // Asked in another order than before, each keeps its letter.
        QCOMPARE(restarted.keyFor(QStringLiteral("y"), QStringLiteral("/y"), false, {}), QChar('E'));
        QCOMPARE(restarted.keyFor(QStringLiteral("x"), QStringLiteral("/x"), false, {}), QChar('D'));
        QCOMPARE(restarted.keyFor(QStringLiteral("root"), QStringLiteral("/"), true, {}), QChar('C'));
        QCOMPARE(restarted.keyFor(QStringLiteral("z"), QStringLiteral("/z"), false, {}), QChar('F'));
    }

    void newMountPointKeepsTheKey()
    {
        QSettings &settings = *m_data.reopenSettings();
        VolumeKeyStore store;
        store.setSettings(&settings);
        QCOMPARE(store.keyFor(QStringLiteral("x"), QStringLiteral("/mnt/old"), false, {}), QChar('D'));
        QCOMPARE(store.keyFor(QStringLiteral("x"), QStringLiteral("/mnt/new"), false, {}), QChar('D'));
        settings.beginReadArray(QStringLiteral("Volumes"));
        settings.setArrayIndex(0);
        QCOMPARE(settings.value(QStringLiteral("mountPoint")).toString(), QStringLiteral("/mnt/new"));
        settings.endArray();
    }

    void lettersAreHandedOnWhenAllAreTaken()
    {
        VolumeKeyStore store;
        QSet<QString> mounted;
        for (int i = 0; i < 26; ++i) {
            const QString identity = QStringLiteral("v%1").arg(i);
            QVERIFY(!store.keyFor(identity, QStringLiteral("/m%1").arg(i), i == 0, {}).isNull());
            mounted.insert(identity);
        }
        // v0 is "C" and v1 "D"; v1 is unplugged, so the newcomer inherits "D".
        mounted.remove(QStringLiteral("v1"));
        mounted.insert(QStringLiteral("new"));
        QCOMPARE(store.keyFor(QStringLiteral("new"), QStringLiteral("/new"), false, mounted), QChar('D'));
        QVERIFY(store.identityOf(QChar('D')) == QStringLiteral("new"));
    }

    void noLetterWhenAllVolumesArePresent()
    {
        VolumeKeyStore store;
        QSet<QString> mounted;
        for (int i = 0; i < 26; ++i) {
            mounted.insert(QStringLiteral("v%1").arg(i));
            store.keyFor(QStringLiteral("v%1").arg(i), QStringLiteral("/m"), false, {});
        }
        mounted.insert(QStringLiteral("extra"));
        QVERIFY(store.keyFor(QStringLiteral("extra"), QStringLiteral("/e"), false, mounted).isNull());
    }

    void damagedEntriesAreIgnored()
    {
        {
            QSettings &settings = *m_data.reopenSettings();
            settings.beginWriteArray(QStringLiteral("Volumes"));
            const QStringList letters{QStringLiteral("D"), QStringLiteral("DD"), QStringLiteral("d"), QString(),
                                      QStringLiteral("1"), QStringLiteral("F")};
            const QStringList ids{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("e"),
                                  QStringLiteral("f"), QString()};
            for (int i = 0; i < letters.size(); ++i) {
                settings.setArrayIndex(i);
                settings.setValue(QStringLiteral("letter"), letters.at(i));
                settings.setValue(QStringLiteral("uuid"), ids.at(i));
            }
            settings.endArray();
        }
        QSettings &settings = *m_data.reopenSettings();
        VolumeKeyStore store;
        store.setSettings(&settings);
        QCOMPARE(store.identityOf(QChar('D')), QStringLiteral("a"));
        QVERIFY(store.identityOf(QChar('F')).isEmpty());
        // "c" lost its duplicate "D", so it gets a letter of its own.
        QCOMPARE(store.keyFor(QStringLiteral("c"), QStringLiteral("/c"), false, {}), QChar('E'));
    }

private:
    DataFolder m_data;
};

QTEST_GUILESS_MAIN(VolumeKeyStoreTest)
#include "VolumeKeyStoreTest.moc"
