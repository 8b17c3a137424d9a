#include "res/resourceicon.h"

#include <QIcon>
#include <QPixmap>
#include <QtTest>

// The images are compiled into the core library; a file missing from the resource list or a
// resource file that is not linked shows here rather than as blank buttons, and rows that are
// told apart by their icons need icons that differ.
class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void iconsHoldEverySizeAndDiffer() {
        QSet<QByteArray> seen;
        for (const char* name :
             {"find", "edit-copy", "dialog-apply", "list-remove", "dialog-cancel", "ignore",
              "network-wireless", "application-exit", "edit-cut", "network-wired-3", "list-add",
              "edit", "vexalo", "usb", "edit-paste", "device"}) {
            const QString file = QStringLiteral("%1.ico").arg(QLatin1String(name));
            const QIcon icon(":/res/" + file);
            for (int side : {16, 24, 32, 48})
                QVERIFY2(icon.availableSizes().contains(QSize(side, side)), name);
            // The shared icon decodes only what is drawn, and must draw what the file does.
            const QIcon shared = resourceIcon(file);
            for (int side : {16, 20, 32, 64}) {
                for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Selected}) {
                    QCOMPARE(shared.actualSize(QSize(side, side), mode),
                             icon.actualSize(QSize(side, side), mode));
                    QVERIFY2(shared.pixmap(side, mode).toImage() ==
                                 icon.pixmap(side, mode).toImage(),
                             qPrintable(QStringLiteral("%1 %2 %3").arg(file).arg(side).arg(mode)));
                }
            }
            const QImage image = icon.pixmap(16, 16).toImage();
            const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                                  int(image.sizeInBytes()));
            QVERIFY2(!seen.contains(bits), name);
            seen.insert(bits);
        }
        const QPixmap picture(QStringLiteral(":/res/vexalo.png"));
        QVERIFY(picture.width() >= 120 && picture.height() >= 120);
    }
};

QTEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
