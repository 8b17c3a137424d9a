#include "app/commandline.h"
#include "app/getopt.h"
#include "app/translations.h"
#include "app/usage.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <iostream>
#include <sstream>

namespace {

const QString usageText =
    QStringLiteral("Usage: vexalo\n"
                   "\t-l <Language> ............ Set display language\n"
                   "\t-h ....................... Print help (this message)\n");

// Captures what a piece of code writes to standard output and standard error.
class CapturedStreams {
public:
    CapturedStreams()
        : savedOut(std::cout.rdbuf(out.rdbuf())), savedErr(std::cerr.rdbuf(err.rdbuf())) {}
    ~CapturedStreams() {
        std::cout.rdbuf(savedOut);
        std::cerr.rdbuf(savedErr);
        std::cerr.clear();
    }
    QString stdOut() const { return QString::fromStdString(out.str()); }
    QString stdErr() const { return QString::fromStdString(err.str()); }

private:
    std::ostringstream out;
    std::ostringstream err;
    std::streambuf* savedOut;
    std::streambuf* savedErr;
};

CommandLine parse(const QStringList& args) {
    std::vector<std::string> storage{"vexalo"};
    for (const QString& arg : args) {
        storage.push_back(arg.toStdString());
    }
    std::vector<char*> argv;
    for (std::string& s : storage) {
        argv.push_back(s.data());
    }
    argv.push_back(nullptr);
    cmdline::optind = 1;
    cmdline::optreset = 1;
    return parseCommandLine(static_cast<int>(storage.size()), argv.data());
}

// Starts the editor in German from a folder and returns its debug log up to the line that says
// which translation file it loaded; then stops it.
QString translationLogFrom(const QString& folder) {
    QProcess editor;
    editor.setWorkingDirectory(folder);
    editor.setReadChannel(QProcess::StandardError);
    editor.start(QStringLiteral(VEXALO_EXECUTABLE), {"-l", "de"});
    QString log;
    const QDeadlineTimer deadline(20000);
    while (!log.contains(QStringLiteral(".qm\n")) &&
           editor.waitForReadyRead(int(deadline.remainingTime()))) {
        log += QString::fromUtf8(editor.readAllStandardError());
    }
    editor.kill();
    editor.waitForFinished();
    return log;
}

// A text as lupdate lists it in a translation source file.
struct SourceText {
    QString context;
    QString source;
    QString comment;
};

QList<SourceText> sourceTexts(const QString& tsFile) {
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<SourceText> texts;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            texts.append({context, QString(), QString()});
        } else if (xml.name() == QLatin1String("source")) {
            texts.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            texts.last().comment = xml.readElementText();
        }
    }
    return texts;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void usageWithoutProgramPathFailsTheStream();
    void helpExitsBeforeAnythingIsCreated();
    void languageSelectsTranslationFile_data();
    void languageSelectsTranslationFile();
    void translationFoundFromAnyFolder_data();
    void translationFoundFromAnyFolder();
    void germanTranslatesEverySourceText();
};

void StartupTest::commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("help");
    QTest::addColumn<int>("usageCount");
    QTest::addColumn<QString>("output");

    QTest::newRow("no options") << QStringList{} << "" << false << 0 << "";
    QTest::newRow("help after a language")
        << QStringList{"-l", "de", "-h"} << "de" << true << 1 << "";
    QTest::newRow("attached language") << QStringList{"-lde"} << "de" << false << 0 << "";
    QTest::newRow("detached language") << QStringList{"-l", "de"} << "de" << false << 0 << "";
    QTest::newRow("two unknown options print the usage once")
        << QStringList{"-x", "-y"} << "" << false << 1
        << "illegal option -- x\nillegal option -- y\n";
    QTest::newRow("unknown option, then help prints the usage again")
        << QStringList{"-x", "-h"} << "" << true << 2 << "illegal option -- x\n";
    QTest::newRow("ignored option") << QStringList{"-c", "whatever"} << "" << false << 1 << "";
    QTest::newRow("missing language")
        << QStringList{"-l"} << "" << false << 1 << "option requires an argument -- l\n";
    QTest::newRow("long option ends processing silently")
        << QStringList{"--help", "-h"} << "" << false << 0 << "";
    QTest::newRow("empty language") << QStringList{"-l", ""} << "" << false << 0 << "";
}

void StartupTest::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(QString, language);
    QFETCH(bool, help);
    QFETCH(int, usageCount);
    QFETCH(QString, output);

    CapturedStreams streams;
    const CommandLine result = parse(args);

    QCOMPARE(QString::fromStdString(result.language), language);
    QCOMPARE(result.helpRequested, help);
    QCOMPARE(streams.stdErr(), usageText.repeated(usageCount));
    QCOMPARE(streams.stdOut(), output);
}

void StartupTest::usageWithoutProgramPathFailsTheStream() {
    CapturedStreams streams;
    help(nullptr);
    QVERIFY(std::cerr.fail());
    std::cerr << "not written";
    QCOMPARE(streams.stdErr(), QStringLiteral("Usage: "));
}

void StartupTest::helpExitsBeforeAnythingIsCreated() {
    QProcess program;
    program.setProgram(QStringLiteral(VEXALO_EXECUTABLE));
    program.setArguments({"-l", "de", "-h"});
    program.start();
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), QString());
    QString expected = usageText;
    expected.replace(QStringLiteral("vexalo\n"), QStringLiteral(VEXALO_EXECUTABLE "\n"));
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), expected);
}

void StartupTest::languageSelectsTranslationFile_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedLog");

    QTest::newRow("German") << "de" << QStringLiteral("Nicht verwendet")
                            << QStringLiteral("Start using language de");
    QTest::newRow("German with country") << "de_DE" << QStringLiteral("Nicht verwendet")
                                         << QStringLiteral("Start using language de_DE");
    QTest::newRow("none means English")
        << "" << QStringLiteral("Not used") << QStringLiteral("Start using language en");
    QTest::newRow("unknown language")
        << "fr" << QStringLiteral("Not used")
        << QStringLiteral("Application translation file for language \" fr \" not found!");
    QTest::newRow("keys are case-sensitive")
        << "DE" << QStringLiteral("Not used")
        << QStringLiteral("Application translation file for language \" DE \" not found!");
}

void StartupTest::languageSelectsTranslationFile() {
    QFETCH(QString, language);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedLog);

    // The translation files are looked up in the working directory, where the build puts them.
    const QString savedDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(VEXALO_BINARY_DIR)));
    QTranslator appTranslator;
    QTranslator toolkitTranslator;
    QTest::ignoreMessage(QtDebugMsg, qPrintable(expectedLog));
    installTranslators(*QCoreApplication::instance(), language.toStdString(), appTranslator,
                       toolkitTranslator);
    QDir::setCurrent(savedDirectory);

    QCOMPARE(QCoreApplication::translate("QObject", "Not used"), expectedText);
    QCoreApplication::removeTranslator(&appTranslator);
    QCoreApplication::removeTranslator(&toolkitTranslator);
}

void StartupTest::translationFoundFromAnyFolder_data() {
    QTest::addColumn<bool>("copyInWorkingDirectory");
    QTest::newRow("working directory first") << true;
    QTest::newRow("then the executable's folder") << false;
}

// The installed layout, share/vexalo/translations beside bin/, is checked on the package.
void StartupTest::translationFoundFromAnyFolder() {
    QFETCH(bool, copyInWorkingDirectory);
    QTemporaryDir folder;
    const QString built = QStringLiteral(VEXALO_BINARY_DIR "/vexalo_de_DE.qm");
    const QString copy = folder.filePath(QStringLiteral("vexalo_de_DE.qm"));
    if (copyInWorkingDirectory) {
        QVERIFY(QFile::copy(built, copy));
    }
    const QString log = translationLogFrom(folder.path());
    const QString expected =
        QStringLiteral("Load translation from %1\n").arg(copyInWorkingDirectory ? copy : built);
    QVERIFY2(log.contains(expected), qPrintable(log));
}

// Texts left untranslated on purpose are not handed to the translator, so they are not listed.
void StartupTest::germanTranslatesEverySourceText() {
    const QList<SourceText> texts = sourceTexts(QStringLiteral(VEXALO_SOURCE_TEXTS));
    QVERIFY(texts.size() > 80);
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(VEXALO_BINARY_DIR "/vexalo_de_DE.qm")));
    QStringList missing;
    for (const SourceText& text : texts) {
        if (german
                .translate(qPrintable(text.context), qPrintable(text.source),
                           text.comment.isEmpty() ? nullptr : qPrintable(text.comment))
                .isEmpty()) {
            missing << text.context + QStringLiteral(": ") + text.source;
        }
    }
    QCOMPARE(missing, QStringList());
}

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
