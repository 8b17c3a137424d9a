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
    void showsVersionAndOpensWebsiteInBrowser();
};

void AboutTest::showsVersionAndOpensWebsiteInBrowser() {
    BrowserStandIn browser;
    QString text;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        auto* textBrowser = dialog->findChild<QTextBrowser*>();
        text = textBrowser->toPlainText();
        clickText(textBrowser, QStringLiteral("https://tessarund.example/"));
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    About about(nullptr);
    QCOMPARE(about.exec(), int(QDialog::Accepted));
    QVERIFY2(text.startsWith(QStringLiteral("Tessarund\nVersion:\n1.1.0\n")), qPrintable(text));
    QCOMPARE(browser.opened, (QList<QUrl>{QUrl(QStringLiteral("https://tessarund.example/"))}));
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
