// Reads the data as a network document into ports and devices built under the network's rules.
// Reading may refuse the document only with std::runtime_error. When it succeeds, the written ports
// must be a document of the documented shape in the very text Qt's JSON writer gives it, and
// reading that into fresh ports must write it unchanged.

#include "documentshape.h"
#include "storage/portsink.h"

#include <QApplication>
#include <QJsonDocument>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

const QString path = QStringLiteral("fuzz.net");

[[noreturn]] void fail(const QString& what, const QByteArray& written) {
    std::fprintf(stderr, "%s\nwritten text:\n%s\n", qPrintable(what), written.constData());
    std::abort();
}

// Throws std::runtime_error when the document is refused.
QByteArray readAndWrite(const QByteArray& text) {
    storage::PortSink sink;
    storage::readNetwork(text, path, sink);
    return storage::networkText(sink.portRows());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps argc and argv for the life of the application; libFuzzer's own flags stay unseen.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argc > 0 ? (*argv)[0] : nullptr), nullptr};
    static QApplication application(qtArgc, qtArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray written;
    try {
        written = readAndWrite(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    } catch (const std::runtime_error&) {
        return 0;
    }
    if (QJsonDocument::fromJson(written).toJson() != written) {
        fail(QStringLiteral("the written text is not what Qt's writer makes of it"), written);
    }
    const QString fault = documentShapeFault(written);
    if (!fault.isEmpty()) {
        fail(QStringLiteral("written document of the wrong shape: ") + fault, written);
    }
    try {
        const QByteArray rewritten = readAndWrite(written);
        if (rewritten != written) {
            fail(QStringLiteral("reading the written document writes instead:\n") +
                     QString::fromUtf8(rewritten),
                 written);
        }
    } catch (const std::runtime_error& error) {
        fail(QStringLiteral("the written document is refused: ") + QString::fromUtf8(error.what()),
             written);
    }
    return 0;
}
