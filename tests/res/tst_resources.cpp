#include <QIcon>
#include <QPixmap>
#include <QtTest>

// The images are compiled into the core library; a file missing from the resource list or a
// resource file that is not linked shows here rather than as blank buttons.
class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void iconsHoldEverySize_data();
    void iconsHoldEverySize();
    void aboutPicture();
};

void ResourcesTest::iconsHoldEverySize_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"find", "edit-copy", "dialog-apply", "list-remove", "dialog-cancel", "ignore",
          "network-wireless", "application-exit", "edit-cut", "network-wired-3", "list-add", "edit",
          "vexalo", "usb", "edit-paste", "device"}) {
        QTest::newRow(name) << QStringLiteral(":/res/%1.ico").arg(QLatin1String(name));
    }
}

void ResourcesTest::iconsHoldEverySize() {
    QFETCH(QString, name);
    QVERIFY(QFile::exists(name));
    const QList<QSize> sizes = QIcon(name).availableSizes();
    for (int side : {16, 24, 32, 48}) {
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    }
}

void ResourcesTest::aboutPicture() {
    const QPixmap picture(QStringLiteral(":/res/vexalo.png"));
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() >= 120 && picture.height() >= 120);
}

QTEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
