#include "app/getopt.h"

#include <QtTest>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// An argument vector with writable strings, as main() receives it.
struct Arguments {
    explicit Arguments(const QString& args) {
        storage.push_back("vexalo");
        for (const QString& arg : args.split(' ', Qt::SkipEmptyParts))
            storage.push_back(arg.toStdString());
        for (std::string& s : storage)
            pointers.push_back(s.data());
        pointers.push_back(nullptr);
    }
    int argc() const { return int(storage.size()); }
    char** argv() { return pointers.data(); }
    std::vector<std::string> storage;
    std::vector<char*> pointers;
};

// One call of the parser as "h", "l=de", "?", ":" or "end", with the index after it.
QString step(int result) {
    QString text = result == -1 ? QString("end") : QString(QChar(result));
    if (cmdline::my_optarg != nullptr && result != '?' && result != ':' && result != -1)
        text += '=' + QString::fromUtf8(cmdline::my_optarg);
    return text + '@' + QString::number(cmdline::optind);
}

} // namespace

class GetoptTest : public QObject {
    Q_OBJECT

private slots:
    // The arguments, the option string, the calls and what the parser printed.
    void parsesOptions() {
        struct Case {
            const char* args;
            const char* optstring;
            const char* steps;
            const char* output;
        };
        const Case cases[] = {
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
        for (const Case& c : cases) {
            Arguments arguments(c.args);
            std::ostringstream printed;
            std::streambuf* const saved = std::cout.rdbuf(printed.rdbuf());
            cmdline::optind = 1;
            cmdline::optreset = 1;
            cmdline::my_optarg = nullptr;
            QStringList steps;
            for (int i = QString(c.steps).count(' '); i >= 0; --i)
                steps << step(cmdline::my_getopt(arguments.argc(), arguments.argv(), c.optstring));
            std::cout.rdbuf(saved);
            QCOMPARE(steps.join(' '), QString(c.steps));
            QCOMPARE(printed.str(), std::string(c.output));
        }
    }

    // Without the reset the parser would go on with the second 'h' of the old vector.
    void optresetRestartsInsideAnElement() {
        Arguments first("-hh");
        cmdline::optind = 1;
        cmdline::optreset = 1;
        QCOMPARE(cmdline::my_getopt(first.argc(), first.argv(), "c:l:h"), int('h'));
        Arguments second("-lfr");
        cmdline::optind = 1;
        cmdline::optreset = 1;
        QCOMPARE(cmdline::my_getopt(second.argc(), second.argv(), "c:l:h"), int('l'));
        QCOMPARE(QString(cmdline::my_optarg), QString("fr"));
        QCOMPARE(cmdline::optreset, 0);
    }
};

QTEST_APPLESS_MAIN(GetoptTest)
#include "tst_getopt.moc"
