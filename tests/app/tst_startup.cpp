#include "app/commandline.h"
#include "app/getopt.h"
#include "app/translations.h"
#include "dialogs/about.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <iostream>
#include <sstream>

namespace {

const QString usageText = "Usage: vexalo\n"
                          "\t-l <Language> ............ Set display language\n"
                          "\t-h ....................... Print help (this message)\n";
const QString germanFile = VEXALO_BINARY_DIR "/vexalo_de_DE.qm";

// What standard output and standard error receive while it exists.
struct CapturedStreams {
    std::ostringstream out, err;
    std::streambuf* savedOut = std::cout.rdbuf(out.rdbuf());
    std::streambuf* savedErr = std::cerr.rdbuf(err.rdbuf());
    ~CapturedStreams() {
        std::cout.rdbuf(savedOut);
        std::cerr.rdbuf(savedErr);
        std::cerr.clear();
    }
};

// An argument vector with writable strings, as main() receives it, and the parser reset for it.
struct Arguments {
    explicit Arguments(const QString& args) {
        for (const QString& arg : ("vexalo " + args).split(' ', Qt::SkipEmptyParts))
            storage.push_back(arg.toStdString());
        for (std::string& s : storage)
            pointers.push_back(s.data());
        pointers.push_back(nullptr);
        cmdline::optind = 1;
        cmdline::optreset = 1;
        cmdline::my_optarg = nullptr;
    }
    int argc() const { return int(storage.size()); }
    std::vector<std::string> storage;
    std::vector<char*> pointers;
};

} // namespace

// The command line, the translations and what the program shows of itself.
class StartupTest : public QObject {
    Q_OBJECT

public:
    // A German system, whose language Qt's own texts follow.
    static void initMain() { qputenv("LC_ALL", "de_DE.UTF-8"); }

private slots:
    // The arguments, the option string, each call of the parser as "h", "l=de", "?", ":" or
    // "end" with the index after it, and what it printed. One parser runs the rows in turn, and
    // "-h-h" stops inside a word, so the row after it needs the reset.
    void getopt() {
        const char* const cases[][4] = {
            {"", "c:l:h", "end@1", ""},
            {"-h", "c:l:h", "h@2 end@2", ""},
            {"-hx rest", "c:l:h", "h@1 ?@2 end@2", "illegal option -- x\n"},
            {"-xh", "c:l:h", "?@1 h@2 end@2", "illegal option -- x\n"},
            {"-lde", "c:l:h", "l=de@2 end@2", ""},
            {"-l de -h", "c:l:h", "l=de@3 h@4 end@4", ""},
            {"-hlde", "c:l:h", "h@1 l=de@2 end@2", ""},
            {"-l -h", "c:l:h", "l=-h@3 end@3", ""},
            {"-h -l", "c:l:h", "h@2 ?@3 end@3", "option requires an argument -- l\n"},
            {"-l", ":l:", ":@2 end@2", ""},
            {"-q", ":l:", "?@2 end@2", ""},
            {"-:", "c:l:h", "?@2 end@2", "illegal option -- :\n"},
            {"- -h", "c:l:h", "end@1 end@1", ""},
            {"- -h", "-h", "-@2 h@3 end@3", ""},
            {"-- -h", "c:l:h", "end@2", ""},
            {"--help -h", "c:l:h", "end@2", ""},
            {"-h-h", "c:l:h", "h@1 end@1", ""},
            {"file.net -h", "c:l:h", "end@1", ""},
            {"-c 7 -lde", "c:l:h", "c=7@3 l=de@4 end@4", ""}};
        for (const auto& [args, optstring, expected, printed] : cases) {
            Arguments arguments(args);
            CapturedStreams streams;
            QStringList steps;
            for (int i = QString(expected).count(' '); i >= 0; --i) {
                const int result =
                    cmdline::my_getopt(arguments.argc(), arguments.pointers.data(), optstring);
                QString step = result == -1 ? QString("end") : QString(QChar(result));
                if (cmdline::my_optarg != nullptr && result != -1 && !QString("?:").contains(step))
                    step += '=' + QString(cmdline::my_optarg);
                steps << step + '@' + QString::number(cmdline::optind);
            }
            QCOMPARE(steps.join(' '), QString(expected));
            QCOMPARE(QString::fromStdString(streams.out.str()), QString(printed));
        }
    }

    // The arguments; the language, whether help was asked, usages printed, the parser's output.
    void commandLine() {
        const char* const cases[][2] = {
            {"", " 0 0 "},
            {"-l de -h", "de 1 1 "},
            {"-x -y", " 0 1 illegal option -- x\nillegal option -- y\n"}, // usage once
            {"-x -h", " 1 2 illegal option -- x\n"},                      // and again for -h
            {"-c whatever", " 0 1 "},
            {"-l", " 0 1 option requires an argument -- l\n"}};
        for (const auto& [args, expected] : cases) {
            Arguments arguments(args);
            CapturedStreams streams;
            const CommandLine result =
                parseCommandLine(arguments.argc(), arguments.pointers.data());
            const QString usage = QString::fromStdString(streams.err.str());
            QCOMPARE(QString("%1 %2 %3 %4")
                         .arg(QString::fromStdString(result.language))
                         .arg(result.helpRequested)
                         .arg(usage.count("Usage: "))
                         .arg(QString::fromStdString(streams.out.str())),
                     QString(expected));
            QCOMPARE(usage, usageText.repeated(usage.count("Usage: ")));
        }
    }

    void helpExitsBeforeAnythingIsCreated() {
        QProcess program;
        program.start(VEXALO_EXECUTABLE, {"-l", "de", "-h"});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
                 QString(usageText).replace("vexalo\n", VEXALO_EXECUTABLE "\n"));
    }

    // A language, a text as translated, the outcome logged; the files are in the build folder.
    // Qt's own texts follow the system's language, German here, whatever the language chosen.
    void languageSelectsTranslationFile() {
        const QString notFound = "Application translation file for language \" %1 \" not found!";
        const QString cases[][3] = {{"de", "Nicht verwendet", "Start using language de"},
                                    {"de_DE", "Nicht verwendet", "Start using language de_DE"},
                                    {"", "Not used", "Start using language en"},
                                    {"fr", "Not used", notFound.arg("fr")},
                                    {"DE", "Not used", notFound.arg("DE")}}; // keys keep their case
        const QString savedDirectory = QDir::currentPath();
        QVERIFY(QDir::setCurrent(VEXALO_BINARY_DIR));
        for (const auto& [language, text, log] : cases) {
            QTranslator appTranslator, toolkitTranslator;
            QTest::ignoreMessage(QtDebugMsg, qPrintable(log));
            installTranslators(*QCoreApplication::instance(), language.toStdString(), appTranslator,
                               toolkitTranslator);
            QCOMPARE(QCoreApplication::translate("QObject", "Not used"), text);
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Ja"));
            QCoreApplication::removeTranslator(&appTranslator);
            QCoreApplication::removeTranslator(&toolkitTranslator);
        }
        QDir::setCurrent(savedDirectory);
    }

    // The editor finds its translation in the working directory first, then in its own folder
    // (the installed layout is checked on the package).
    void translationFoundFromAnyFolder() {
        for (bool inWorkingDirectory : {true, false}) {
            QTemporaryDir folder;
            const QString copy = folder.filePath("vexalo_de_DE.qm");
            QVERIFY(!inWorkingDirectory || QFile::copy(germanFile, copy));
            QProcess editor;
            editor.setWorkingDirectory(folder.path());
            editor.setReadChannel(QProcess::StandardError);
            editor.start(VEXALO_EXECUTABLE, {"-l", "de"});
            QString log;
            const QDeadlineTimer deadline(20000);
            while (!log.contains(".qm\n") && editor.waitForReadyRead(int(deadline.remainingTime())))
                log += QString::fromUtf8(editor.readAllStandardError());
            editor.kill();
            editor.waitForFinished();
            QVERIFY2(log.contains("Load translation from " +
                                  (inWorkingDirectory ? copy : germanFile) + '\n'),
                     qPrintable(log));
        }
    }

    // Every text handed to the translator, as lupdate extracts it afresh, has a German text.
    void germanTranslatesEverySourceText() {
        QFile file(VEXALO_SOURCE_TEXTS);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTranslator german;
        QVERIFY(german.load(germanFile));
        QStringList missing;
        QString context, source;
        int texts = 0;
        for (QXmlStreamReader xml(&file); !xml.atEnd();) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.isStartElement() && xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.isEndElement() && xml.name() == QLatin1String("message") && ++texts &&
                     german.translate(qPrintable(context), qPrintable(source)).isEmpty())
                missing << context + ": " + source;
        }
        QVERIFY(texts > 80);
        QCOMPARE(missing, QStringList());
    }

    // At its own size the About box shows each cell on one line and needs no scroll bar.
    void aboutFitsItsText() {
        using Case = std::pair<QString, QString>;
        for (const auto& [translation, copyright] :
             {Case("", "Copyright:"), Case(germanFile, "Urheberrecht:")}) {
            QTranslator translator;
            QVERIFY(translation.isEmpty() || translator.load(translation));
            QCoreApplication::installTranslator(&translator);
            About about(nullptr);
            about.show();
            QCoreApplication::removeTranslator(&translator);
            const auto* browser = about.findChild<QTextBrowser*>();
            QStringList lines;
            for (QTextBlock cell = browser->document()->begin(); cell.isValid(); cell = cell.next())
                lines << cell.text().replace(QChar::Nbsp, ' ') + ' ' +
                             QString::number(cell.layout()->lineCount());
            QCOMPARE(lines.join('|'),
                     "Tessarund 1|Version: 1|1.1.0 1|" + copyright + " 1|© 2026 Tessarund 1| 1");
            QCOMPARE(browser->verticalScrollBar()->maximum(), 0);
            QCOMPARE(browser->horizontalScrollBar()->maximum(), 0);
        }
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
