#include "app/getopt.h"

#include <QtTest>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Holds an argument vector with writable strings, as main() receives it.
class Arguments {
public:
    explicit Arguments(const QStringList& args) {
        storage.push_back("vexalo");
        for (const QString& arg : args) {
            storage.push_back(arg.toStdString());
        }
        for (std::string& s : storage) {
            pointers.push_back(s.data());
        }
        pointers.push_back(nullptr);
    }
    int argc() const { return static_cast<int>(storage.size()); }
    char** argv() { return pointers.data(); }

private:
    std::vector<std::string> storage;
    std::vector<char*> pointers;
};

// One step of the parser as text: "h", "l=de", "?", ":", "end", with the index after it.
QString describe(int result) {
    if (result == -1) {
        return QStringLiteral("end");
    }
    QString text = QString(QChar(result));
    if (cmdline::my_optarg != nullptr && result != '?' && result != ':') {
        text += QLatin1Char('=') + QString::fromUtf8(cmdline::my_optarg);
    }
    return text;
}

void restartParser() {
    cmdline::optind = 1;
    cmdline::optreset = 1;
    cmdline::my_optarg = nullptr;
}

} // namespace

class GetoptTest : public QObject {
    Q_OBJECT

private slots:
    void parsesOptions_data();
    void parsesOptions();
    void optresetRestartsInsideAnElement();
};

void GetoptTest::parsesOptions_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("optstring");
    QTest::addColumn<QStringList>("steps"); // each step: result@optind after the call
    QTest::addColumn<QString>("output");

    const QString opts = QStringLiteral("c:l:h");
    QTest::newRow("no arguments") << QStringList{} << opts << QStringList{"end@1"} << "";
    QTest::newRow("single flag") << QStringList{"-h"} << opts << QStringList{"h@2", "end@2"} << "";
    QTest::newRow("grouped flags then unknown")
        << QStringList{"-hx", "rest"} << opts << QStringList{"h@1", "?@2", "end@2"}
        << "illegal option -- x\n";
    QTest::newRow("unknown in the middle of a group")
        << QStringList{"-xh"} << opts << QStringList{"?@1", "h@2", "end@2"}
        << "illegal option -- x\n";
    QTest::newRow("attached argument")
        << QStringList{"-lde"} << opts << QStringList{"l=de@2", "end@2"} << "";
    QTest::newRow("detached argument")
        << QStringList{"-l", "de", "-h"} << opts << QStringList{"l=de@3", "h@4", "end@4"} << "";
    QTest::newRow("flag then attached argument in one group")
        << QStringList{"-hlde"} << opts << QStringList{"h@1", "l=de@2", "end@2"} << "";
    QTest::newRow("argument that looks like an option")
        << QStringList{"-l", "-h"} << opts << QStringList{"l=-h@3", "end@3"} << "";
    QTest::newRow("missing argument")
        << QStringList{"-h", "-l"} << opts << QStringList{"h@2", "?@3", "end@3"}
        << "option requires an argument -- l\n";
    QTest::newRow("missing argument, silent mode")
        << QStringList{"-l"} << ":l:" << QStringList{":@2", "end@2"} << "";
    QTest::newRow("unknown option, silent mode")
        << QStringList{"-q"} << ":l:" << QStringList{"?@2", "end@2"} << "";
    QTest::newRow("colon is never an option")
        << QStringList{"-:"} << opts << QStringList{"?@2", "end@2"} << "illegal option -- :\n";
    QTest::newRow("lone dash ends the options")
        << QStringList{"-", "-h"} << opts << QStringList{"end@1", "end@1"} << "";
    QTest::newRow("lone dash as an option")
        << QStringList{"-", "-h"} << "-h" << QStringList{"-@2", "h@3", "end@3"} << "";
    QTest::newRow("double dash is consumed")
        << QStringList{"--", "-h"} << opts << QStringList{"end@2"} << "";
    QTest::newRow("long option ends processing silently")
        << QStringList{"--help", "-h"} << opts << QStringList{"end@2"} << "";
    QTest::newRow("dash inside a group ends the options")
        << QStringList{"-h-h"} << opts << QStringList{"h@1", "end@1"} << "";
    QTest::newRow("scanning stops at the first non-option")
        << QStringList{"file.net", "-h"} << opts << QStringList{"end@1"} << "";
    QTest::newRow("ignored option with value")
        << QStringList{"-c", "7", "-lde"} << opts << QStringList{"c=7@3", "l=de@4", "end@4"} << "";
}

void GetoptTest::parsesOptions() {
    QFETCH(QStringList, args);
    QFETCH(QString, optstring);
    QFETCH(QStringList, steps);
    QFETCH(QString, output);

    Arguments arguments(args);
    const std::string options = optstring.toStdString();
    std::ostringstream captured;
    std::streambuf* const saved = std::cout.rdbuf(captured.rdbuf());
    restartParser();
    QStringList seen;
    for (int i = 0; i < steps.size(); ++i) {
        const int result = cmdline::my_getopt(arguments.argc(), arguments.argv(), options.c_str());
        seen << describe(result) + QLatin1Char('@') + QString::number(cmdline::optind);
    }
    std::cout.rdbuf(saved);

    QCOMPARE(seen, steps);
    QCOMPARE(QString::fromStdString(captured.str()), output);
}

void GetoptTest::optresetRestartsInsideAnElement() {
    Arguments first({"-hh"});
    restartParser();
    QCOMPARE(cmdline::my_getopt(first.argc(), first.argv(), "c:l:h"), int('h'));

    // Without the reset the parser would go on with the second 'h' of the old vector.
    Arguments second({"-lfr"});
    cmdline::optind = 1;
    cmdline::optreset = 1;
    QCOMPARE(cmdline::my_getopt(second.argc(), second.argv(), "c:l:h"), int('l'));
    QCOMPARE(QString::fromUtf8(cmdline::my_optarg), QStringLiteral("fr"));
    QCOMPARE(cmdline::optreset, 0);
}

QTEST_APPLESS_MAIN(GetoptTest)
#include "tst_getopt.moc"
