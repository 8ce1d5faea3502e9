#include "ui/SearchFieldModel.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

class SearchFieldModelTest : public QObject
{
    Q_OBJECT

private slots:
    void add_data();
    void add();
    void sharedModelsAreDistinctAndStable();
};

void SearchFieldModelTest::add_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("new text goes on top") << QStringList{"b", "c"} << "a" << QStringList{"a", "b", "c"};
    QTest::newRow("empty text ignored") << QStringList{"b"} << "" << QStringList{"b"};
    QTest::newRow("repeat moves to the top") << QStringList{"a", "b", "c"} << "c" << QStringList{"c", "a", "b"};
    QTest::newRow("case differs: a new entry") << QStringList{"a"} << "A" << QStringList{"A", "a"};
}

void SearchFieldModelTest::add()
{
    QFETCH(QStringList, before);
    QFETCH(QString, text);
    QFETCH(QStringList, after);

    SearchFieldModel model;
    model.setStrings(before);
    model.add(text);
    QCOMPARE(model.strings(), after);
    QCOMPARE(model.rowCount(), after.size());
    QCOMPARE(model.data(model.index(0, 0)).toString(), after.first());
}

void SearchFieldModelTest::sharedModelsAreDistinctAndStable()
{
    SearchFieldModel *names = SearchFieldModel::fileNameModel();
    QCOMPARE(SearchFieldModel::fileNameModel(), names);
    const QList<SearchFieldModel *> all = {names, SearchFieldModel::pathModel(), SearchFieldModel::contentModel(),
                                           SearchFieldModel::instantFileNameModel()};
    QCOMPARE(QSet<SearchFieldModel *>(all.begin(), all.end()).size(), 4);

    // No bound while the program runs.
    for (int i = 0; i < 30; ++i)
        names->add(QString::number(i));
    QCOMPARE(names->rowCount(), 30);
}

QTEST_MAIN(SearchFieldModelTest)
#include "SearchFieldModelTest.moc"
