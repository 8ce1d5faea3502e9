#include "platform/linux/VolumeKeyStore.h"

#include "support/DataFolder.h"

#include <QSettings>
#include <QtTest>

class VolumeKeyStoreTest : public QObject
{
    Q_OBJECT

    DataFolder m_data;

    QChar keyFor(VolumeKeyStore &store, const QString &identity, bool isRoot = false, const QSet<QString> &mounted = {})
    {
        return store.keyFor(identity, QStringLiteral("/mnt/") + identity, isRoot, mounted);
    }

private slots:
    void init() { m_data.reopenSettings(/*fresh=*/true); }

    void rootGetsCOthersFollow()
    {
        VolumeKeyStore store;
        QCOMPARE(keyFor(store, "a"), QChar('D'));
        QCOMPARE(keyFor(store, "root", true), QChar('C'));
        QCOMPARE(keyFor(store, "b"), QChar('E'));
        QCOMPARE(keyFor(store, "a"), QChar('D'));
        QCOMPARE(store.identityOf(QChar('e')), QStringLiteral("b"));
        // A new root file system (reinstalled system) finds "C" held by the old one.
        QCOMPARE(keyFor(store, "root2", true), QChar('F'));
    }

    // Asked in another order after a restart, each volume keeps its letter, also when it is mounted somewhere else.
    void keysSurviveARestart()
    {
        {
            VolumeKeyStore store;
            store.setSettings(m_data.reopenSettings());
            keyFor(store, "root", true);
            keyFor(store, "x");
            keyFor(store, "y");
        }
        VolumeKeyStore restarted;
        restarted.setSettings(m_data.reopenSettings());
        QCOMPARE(restarted.keyFor("y", "/elsewhere", false, {}), QChar('E'));
        QCOMPARE(keyFor(restarted, "x"), QChar('D'));
        QCOMPARE(keyFor(restarted, "root", true), QChar('C'));
    }

    // With every letter given out, a newcomer inherits one of a volume not mounted, or gets none.
    void lettersAreHandedOnWhenAllAreTaken()
    {
        VolumeKeyStore store;
        QSet<QString> mounted;
        for (int i = 0; i < 26; ++i) {
            const QString identity = QStringLiteral("v%1").arg(i);
            QVERIFY(!keyFor(store, identity, i == 0).isNull());
            mounted.insert(identity);
        }
        QVERIFY(keyFor(store, "extra", false, mounted + QSet<QString>{"extra"}).isNull());
        mounted.remove(QStringLiteral("v1"));
        mounted.insert(QStringLiteral("new"));
        QCOMPARE(keyFor(store, "new", false, mounted), QChar('D'));
        QCOMPARE(store.identityOf(QChar('D')), QStringLiteral("new"));
    }

    void damagedEntriesAreIgnored()
    {
        QSettings &settings = *m_data.reopenSettings();
        settings.beginWriteArray(QStringLiteral("Volumes"));
        const QStringList letters{"D", "DD", "d", QString(), "1", "F"};
        const QStringList ids{"a", "b", "c", "e", "f", QString()};
        for (int i = 0; i < letters.size(); ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("letter"), letters.at(i));
            settings.setValue(QStringLiteral("uuid"), ids.at(i));
        }
        settings.endArray();
        VolumeKeyStore store;
        store.setSettings(m_data.reopenSettings());
        QCOMPARE(store.identityOf(QChar('D')), QStringLiteral("a"));
        QVERIFY(store.identityOf(QChar('F')).isEmpty());
        // "c" lost its duplicate "D", so it gets a letter of its own.
        QCOMPARE(keyFor(store, "c"), QChar('E'));
    }
};

QTEST_GUILESS_MAIN(VolumeKeyStoreTest)
#include "VolumeKeyStoreTest.moc"
