#include "app/MetaTypes.h"
#include "index/IndexTypes.h"

#include <QTest>

#include <list>

// Queued calls find an argument's type by the name written in the slot's
// signature; these slots use the names the engine's signals use.
class Receiver : public QObject
{
    Q_OBJECT

public:
    FRN frn = 0;
    USN usn = 0;
    wchar_t letter = 0;
    std::list<QString> names;

public slots:
    void onFrn(FRN value) { frn = value; }
    void onUsn(USN value) { usn = value; }
    void onLetter(wchar_t value) { letter = value; }
    void onNames(std::list<QString> value) { names = value; }
};

class MetaTypesTest : public QObject
{
    Q_OBJECT

private slots:
    void queuedCallsCarryTheValues()
    {
        registerMetaTypes();
        // Search results travel with their request's id in queued signals.
        QCOMPARE(QMetaType::type("FileSearchRequest::Id"), int(QMetaType::Int));
        Receiver receiver;
        const std::list<QString> names{QStringLiteral("a"), QStringLiteral("b")};
        QVERIFY(QMetaObject::invokeMethod(&receiver, "onFrn", Qt::QueuedConnection,
                                          Q_ARG(FRN, 0xFFFF000000000001ull)));
        QVERIFY(QMetaObject::invokeMethod(&receiver, "onUsn", Qt::QueuedConnection, Q_ARG(USN, -5)));
        // Wider than 16 bits: the whole character must be copied.
        QVERIFY(QMetaObject::invokeMethod(&receiver, "onLetter", Qt::QueuedConnection,
                                          Q_ARG(wchar_t, wchar_t(0x1F600))));
        QVERIFY(QMetaObject::invokeMethod(&receiver, "onNames", Qt::QueuedConnection,
                                          Q_ARG(std::list<QString>, names)));
        QCoreApplication::processEvents();
        QCOMPARE(receiver.frn, FRN(0xFFFF000000000001ull));
        QCOMPARE(receiver.usn, USN(-5));
        QCOMPARE(receiver.letter, wchar_t(0x1F600));
        QCOMPARE(receiver.names, names);
    }
};

QTEST_GUILESS_MAIN(MetaTypesTest)
#include "MetaTypesTest.moc"
