#include "dialogdriver.h"
#include "dialogs/about.h"
#include "modalanswerer.h"

#include <QDesktopServices>
#include <QTextBrowser>
#include <QtTest>

namespace {

// Stands in for the system's browser.
class BrowserStandIn : public QObject {
    Q_OBJECT

public:
    BrowserStandIn() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~BrowserStandIn() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

void clickText(QTextBrowser* browser, const QString& text) {
    const QTextCursor found = browser->document()->find(text);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier,
                      browser->cursorRect(found).center() - QPoint(4, 0));
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void showsPictureTitleAndVersion();
    void websiteOpensInBrowser();
};

void AboutTest::showsPictureTitleAndVersion() {
    QString title;
    QString text;
    bool pictureShown = false;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        title = dialog->windowTitle();
        text = dialog->findChild<QTextBrowser*>()->toPlainText();
        const QLabel* picture = dialog->findChild<QLabel*>(QStringLiteral("label"));
        pictureShown = !picture->pixmap(Qt::ReturnByValue).isNull() && picture->isVisible();
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    About about(nullptr);
    QCOMPARE(about.exec(), int(QDialog::Accepted));
    QCOMPARE(title, QStringLiteral("About ZUN"));
    QVERIFY(pictureShown);
    QVERIFY2(text.startsWith(QStringLiteral("Tessarund\nVersion:\n1.1.0\n")), qPrintable(text));
    QVERIFY(!about.windowIcon().isNull());
}

void AboutTest::websiteOpensInBrowser() {
    BrowserStandIn browser;
    ModalAnswerer answerer;
    answerer.then([](QWidget* dialog) {
        clickText(dialog->findChild<QTextBrowser*>(), QStringLiteral("https://tessarund.example/"));
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    About about(nullptr);
    about.exec();
    QCOMPARE(browser.opened, (QList<QUrl>{QUrl(QStringLiteral("https://tessarund.example/"))}));
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
