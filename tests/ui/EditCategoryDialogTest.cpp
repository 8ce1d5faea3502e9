#include "ui/EditCategoryDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class EditCategoryDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void attributesShown_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("writtenBack");
        QTest::newRow("none") << "" << 0 << false << false << "";
        QTest::newRow("files") << "f" << 1 << false << false << "f";
        QTest::newRow("folders") << "d" << 2 << false << false << "d";
        QTest::newRow("d and f") << "fd" << 2 << false << false << "d";
        QTest::newRow("hidden read-only files") << "rhf" << 1 << true << true << "fhr";
        QTest::newRow("upper case is no letter") << "DH" << 0 << false << false << "";
    }

    void attributesShown()
    {
        QFETCH(QString, attributes);
        EditCategoryDialog dialog(nullptr, QStringLiteral("Notes"), QStringLiteral("txt;md"), attributes);
        QCOMPARE(dialog.findChild<QLineEdit *>("nameEdit")->text(), QStringLiteral("Notes"));
        QCOMPARE(dialog.findChild<QLineEdit *>("extensionEdit")->text(), QStringLiteral("txt;md"));
        QTEST(dialog.findChild<QComboBox *>("directoryComboBox")->currentIndex(), "kind");
        QTEST(dialog.findChild<QCheckBox *>("hiddenCheckBox")->isChecked(), "hidden");
        QTEST(dialog.findChild<QCheckBox *>("readOnlyCheckBox")->isChecked(), "readOnly");
        QTEST(dialog.attributes(), "writtenBack");
    }

    void fieldsAreTidied()
    {
        EditCategoryDialog dialog(nullptr, QString(), QString(), QString());
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(!ok->isEnabled());
        dialog.findChild<QLineEdit *>("nameEdit")->setText(QStringLiteral("  Code "));
        dialog.findChild<QLineEdit *>("extensionEdit")->setText(QStringLiteral(" .cpp; h;;.hpp "));
        QVERIFY(ok->isEnabled());
        QCOMPARE(dialog.name(), QStringLiteral("Code"));
        QCOMPARE(dialog.extensions(), QStringLiteral("cpp;h;hpp"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit file category"));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    }
};

QTEST_MAIN(EditCategoryDialogTest)
#include "EditCategoryDialogTest.moc"
