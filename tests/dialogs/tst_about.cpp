#include "dialogs/about.h"
#include "modalanswerer.h"

#include <QAbstractTextDocumentLayout>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

namespace {

// Lines of text the browser shows, each block as it is laid out; the table leaves an empty
// block after it.
QStringList shownLines(QTextBrowser* browser) {
    QStringList lines;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            // Cells that must not wrap hold non-breaking spaces.
            lines << block.text()
                         .mid(line.textStart(), line.textLength())
                         .replace(QChar::Nbsp, QLatin1Char(' '));
        }
    }
    return lines;
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void fitsItsTextWithoutScrolling_data();
    void fitsItsTextWithoutScrolling();
};

void AboutTest::fitsItsTextWithoutScrolling_data() {
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("English") << QString() << QStringList{"Tessarund",  "Version:",         "1.1.0",
                                                         "Copyright:", "© 2026 Tessarund", ""};
    QTest::newRow("German") << QStringLiteral(VEXALO_BINARY_DIR "/vexalo_de_DE.qm")
                            << QStringList{"Tessarund",     "Version:",         "1.1.0",
                                           "Urheberrecht:", "© 2026 Tessarund", ""};
}

// At the dialog's own size each row stays on one line and nothing needs a scroll bar.
void AboutTest::fitsItsTextWithoutScrolling() {
    QFETCH(QString, translation);
    QTranslator translator;
    if (!translation.isEmpty()) {
        QVERIFY(translator.load(translation));
        QCoreApplication::installTranslator(&translator);
    }
    QStringList lines;
    QList<int> scrollRanges;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        auto* browser = dialog->findChild<QTextBrowser*>();
        lines = shownLines(browser);
        scrollRanges << browser->verticalScrollBar()->maximum()
                     << browser->horizontalScrollBar()->maximum();
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    About about(nullptr);
    QCOMPARE(about.exec(), int(QDialog::Accepted));
    QCoreApplication::removeTranslator(&translator);
    QTEST(lines, "lines");
    QCOMPARE(scrollRanges, (QList<int>{0, 0}));
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
