#include "windowfixture.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

class DataLocationTest : public QObject {
    Q_OBJECT

private slots:
    void configFileLiesBesideTheDataDirectory();
};

void DataLocationTest::configFileLiesBesideTheDataDirectory() {
    WindowOnTestMachine test;
    MainWindow& window = test.window;
    const QString dataHome = QFileInfo(test.home.dataHome()).canonicalFilePath();
    const QString ownDirectory = dataHome + QLatin1Char('/') + QCoreApplication::applicationName();
    // The window's constructor already asked once; start from a fresh account.
    QDir(dataHome).removeRecursively();

    const QString dataDirectory = QString::fromStdString(window.getDataFileName());
    QCOMPARE(QFileInfo(dataDirectory).canonicalFilePath(), ownDirectory);
    QVERIFY(QFileInfo(ownDirectory).isDir());

    QDir(dataHome).removeRecursively();
    const QString configFile = QString::fromStdString(window.getQuarnTCUDataFileName());
    QCOMPARE(configFile, dataHome + QStringLiteral("/quarntcu/config.net"));
    QVERIFY(QFileInfo(ownDirectory).isDir());
    QVERIFY(QFileInfo(dataHome + QStringLiteral("/quarntcu")).isDir());
    QVERIFY(!QFileInfo::exists(configFile));
}

QTEST_MAIN(DataLocationTest)
#include "tst_datalocation.moc"
