#include "netcommands.h"

#include "model/defaultnetwork.h"
#include "networkdiff.h"
#include "networkreport.h"
#include "networksource.h"
#include "rs232/serial.h"
#include "storage/backups.h"
#include "storage/configurationlock.h"
#include "storage/datalocation.h"
#include "storage/networkfile.h"
#include "storage/networkformat.h"
#include "storage/rulesink.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>

#include <stdexcept>

// The context of this file's texts for the translators.
class NetCommand {
    Q_DECLARE_TR_FUNCTIONS(NetCommand)
};

namespace {

// Wrong use, as diff(1) reports trouble.
constexpr int usageStatus = 2;

void print(QIODevice& device, const QString& line) {
    device.write(line.toUtf8() + '\n');
}

QString configPath() {
    return QString::fromStdString(storage::configFileNameBeside(storage::appDataDirectory()));
}

int usage(Console& console) {
    console.err.write(
        NetCommand::tr(
            "Usage: vexalo-net [-l LANGUAGE] COMMAND\n"
            "  check [--here] FILE...  tells whether each file would load, with its counts\n"
            "  diff A B                lists the differences of two networks\n"
            "  show FILE               lists the rows as the editor shows them\n"
            "  backups                 lists the kept versions of the configuration\n"
            "  restore N               writes kept version N over the configuration\n"
            "  install FILE            writes FILE over the configuration if it loads\n"
            "  default [FILE]          writes the network the editor would make here\n"
            "A network is a FILE, - (standard input), config (the configuration) or backup:N\n"
            "(the Nth newest kept version).\n")
            .toUtf8());
    return usageStatus;
}

int check(const QStringList& arguments, Console& console) {
    QStringList files = arguments;
    std::optional<QStringList> machinePorts;
    if (files.removeAll(QStringLiteral("--here")) > 0) {
        std::vector<RS232::Serial> serial;
        RS232::Serial::enumerate(serial);
        machinePorts.emplace();
        for (const RS232::Serial& port : serial) {
            *machinePorts << QString::fromStdString(port.portName);
        }
    }
    if (files.isEmpty()) {
        return usage(console);
    }
    int status = 0;
    for (const QString& file : files) {
        try {
            // The rules alone: rows would cost several times the reading.
            const NetworkSource source = networkSource(file, console.in);
            storage::RuleSink network;
            storage::readNetwork(source.text, source.name, network);
            print(console.out, file + QStringLiteral(": ") + networkCounts(network.ports()));
            for (const QString& warning : networkWarnings(network.ports(), machinePorts)) {
                print(console.out, file + QStringLiteral(": ") + warning);
            }
        } catch (const std::exception& error) {
            print(console.out, file + QStringLiteral(": ") + QString::fromUtf8(error.what()));
            status = 1;
        }
    }
    return status;
}

// The ports of the network an argument names; a refusal names the argument, as check does.
std::unique_ptr<storage::PortSink> portsNamed(const QString& argument, QIODevice& input) {
    try {
        return readPorts(networkSource(argument, input));
    } catch (const std::exception& error) {
        throw std::runtime_error(
            (argument + QStringLiteral(": ") + QString::fromUtf8(error.what())).toStdString());
    }
}

int diff(const QStringList& arguments, Console& console) {
    // Standard input is read once, so only one side may come from it.
    if (arguments.size() != 2 || arguments.count(QStringLiteral("-")) > 1) {
        return usage(console);
    }
    const auto from = portsNamed(arguments[0], console.in);
    const auto to = portsNamed(arguments[1], console.in);
    const NetworkDifferences differences = compareNetworks(from->portRows(), to->portRows());
    for (const QString& line : differences.lines) {
        print(console.out, line);
    }
    return differences.lines.isEmpty() ? 0 : 1;
}

int show(const QStringList& arguments, Console& console) {
    if (arguments.size() != 1) {
        return usage(console);
    }
    const auto network = portsNamed(arguments[0], console.in);
    for (const QString& line : networkRows(network->portRows())) {
        print(console.out, line);
    }
    return 0;
}

// Against the configuration as it is; a network that cannot be read gives its message instead.
QString summaryAgainst(const NetworkSource& backup, const storage::PortSink* current,
                       const QString& currentFailure) {
    if (current == nullptr) {
        return currentFailure;
    }
    try {
        return summaryOf(compareNetworks(readPorts(backup)->portRows(), current->portRows()));
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
}

int backups(const QStringList& arguments, Console& console) {
    if (!arguments.isEmpty()) {
        return usage(console);
    }
    std::unique_ptr<storage::PortSink> current;
    QString currentFailure;
    try {
        current = readPorts(networkSource(QStringLiteral("config"), console.in));
    } catch (const std::exception& error) {
        currentFailure = QString::fromUtf8(error.what());
    }
    const QStringList paths = storage::configurationBackups();
    for (int i = 0; i < paths.size(); ++i) {
        const NetworkSource backup{paths[i], storage::readNetworkFile(paths[i].toStdString())};
        print(console.out, QStringLiteral("%1  %2  %3  %4")
                               .arg(i + 1)
                               .arg(storage::backupTime(paths[i]).toString(Qt::ISODateWithMs))
                               .arg(QFileInfo(paths[i]).size())
                               .arg(summaryAgainst(backup, current.get(), currentFailure)));
    }
    return 0;
}

// Puts the network file at path in place of the configuration byte for byte, once it is known to
// load; argument names it in a refusal. The lock is held to the end, so that no editor starts on
// a half-written configuration.
bool replaceConfiguration(const QString& path, const QString& argument, Console& console) {
    const storage::ConfigurationLock lock;
    if (lock.state() == storage::ConfigurationLock::heldElsewhere) {
        print(console.err,
              NetCommand::tr("The network configuration is open in an editor; close it and try "
                             "again."));
        return false;
    }
    const QByteArray content = storage::readNetworkBytes(path.toStdString());
    try {
        storage::RuleSink network;
        storage::readNetwork(content, path, network);
    } catch (const std::exception& error) {
        print(console.err, argument + QStringLiteral(": ") + QString::fromUtf8(error.what()));
        return false;
    }
    const QString config = configPath();
    if (!storage::installNetworkFile(config.toStdString(), content)) {
        print(console.err, storage::writeFailure(config));
        return false;
    }
    return true;
}

int restore(const QStringList& arguments, Console& console) {
    if (arguments.size() != 1) {
        return usage(console);
    }
    if (!replaceConfiguration(backupPath(arguments[0]), backupPrefix + arguments[0], console)) {
        return 1;
    }
    print(console.out,
          NetCommand::tr("Kept version %1 restored to \"%2\"").arg(arguments[0], configPath()));
    return 0;
}

int install(const QStringList& arguments, Console& console) {
    if (arguments.size() != 1) {
        return usage(console);
    }
    if (!replaceConfiguration(arguments[0], arguments[0], console)) {
        return 1;
    }
    print(console.out,
          NetCommand::tr("\"%1\" installed as \"%2\"").arg(arguments[0], configPath()));
    return 0;
}

int writeDefault(const QStringList& arguments, Console& console) {
    if (arguments.size() > 1) {
        return usage(console);
    }
    const auto owned = defaultnetwork::defaultPorts(defaultnetwork::machineRadioAdapters());
    QList<const NetworkPortItem*> ports;
    for (const auto& port : owned) {
        ports << port.get();
    }
    const QByteArray text = storage::networkText(ports);
    if (arguments.isEmpty()) {
        console.out.write(text);
    } else if (!storage::writeNetworkFile(arguments[0].toStdString(), text)) {
        print(console.err, storage::writeFailure(arguments[0]));
        return 1;
    }
    return 0;
}

using Command = int (*)(const QStringList&, Console&);

} // namespace

QString takeLanguage(QStringList& arguments) {
    if (arguments.size() >= 2 && arguments[0] == QLatin1String("-l")) {
        const QString language = arguments[1];
        arguments.erase(arguments.begin(), arguments.begin() + 2);
        return language;
    }
    return QString();
}

int runNetCommand(const QStringList& arguments, Console& console) {
    const std::pair<const char*, Command> commands[] = {
        {"check", check},     {"diff", diff},       {"show", show},           {"backups", backups},
        {"restore", restore}, {"install", install}, {"default", writeDefault}};
    const QString name = arguments.value(0);
    for (const auto& [word, command] : commands) {
        if (name == QLatin1String(word)) {
            try {
                return command(arguments.mid(1), console);
            } catch (const std::exception& error) {
                print(console.err, QString::fromUtf8(error.what()));
                return name == QLatin1String("diff") ? usageStatus : 1;
            }
        }
    }
    if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
        usage(console);
        return 0;
    }
    return usage(console);
}
