#include "res/resourceicon.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>

namespace {

QString resourcePath(const QString& fileName) {
    return QStringLiteral(":/res/") + fileName;
}

// The icon with every image of the file, decoded on first use.
const QIcon& wholeIcon(const QString& fileName) {
    static QHash<QString, QIcon> decoded;
    auto found = decoded.constFind(fileName);
    if (found == decoded.constEnd())
        found = decoded.insert(fileName, QIcon(resourcePath(fileName)));
    return *found;
}

// The icon made of the file's image of exactly one size, or a null icon when the file holds no
// image of that size. Of several images of a size the one with the most colours in the file wins,
// as when the whole file is read.
const QIcon& iconOfSize(const QString& fileName, const QSize& size) {
    using Side = QPair<int, int>;
    static QHash<QString, QHash<Side, QIcon>> decoded;
    QHash<Side, QIcon>& sizes = decoded[fileName];
    const Side side(size.width(), size.height());
    auto found = sizes.constFind(side);
    if (found != sizes.constEnd())
        return *found;
    QImageReader reader(resourcePath(fileName));
    QImage best;
    for (int index = 0; index < reader.imageCount(); ++index) {
        if (!reader.jumpToImage(index) || reader.size() != size)
            continue;
        const QImage image = reader.read();
        const auto depth = [](const QImage& i) {
            return i.text(QStringLiteral("_q_icoOrigDepth")).toInt();
        };
        if (!image.isNull() && (best.isNull() || depth(image) > depth(best)))
            best = image;
    }
    QIcon icon;
    if (!best.isNull())
        icon.addPixmap(QPixmap::fromImage(best));
    return *sizes.insert(side, icon);
}

// Draws a resource icon while decoding no more of its file than asked for: a size the file holds
// decodes that one image, any other size the whole file, once, for every icon of that file.
class ResourceIconEngine : public QIconEngine {
public:
    explicit ResourceIconEngine(const QString& fileName) : fileName(fileName) {}

    QIconEngine* clone() const override { return new ResourceIconEngine(fileName); }
    QString key() const override { return QStringLiteral("ResourceIconEngine"); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return iconFor(size).pixmap(size, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return iconFor(size).actualSize(size, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = qApp->testAttribute(Qt::AA_UseHighDpiPixmaps)
                                ? painter->device()->devicePixelRatioF()
                                : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override {
        return wholeIcon(fileName).availableSizes(mode, state);
    }

private:
    const QIcon& iconFor(const QSize& size) const {
        const QIcon& exact = iconOfSize(fileName, size);
        return exact.isNull() ? wholeIcon(fileName) : exact;
    }

    QString fileName;
};

} // namespace

// The resources are compiled into a static library, so a program takes them in only when it refers
// to them: it does so through this file, which every user of an icon links.
static const bool resourcesRegistered = [] {
    Q_INIT_RESOURCE(resources);
    return true;
}();

QIcon resourceIcon(const QString& fileName) {
    static QHash<QString, QIcon> icons;
    auto found = icons.constFind(fileName);
    if (found == icons.constEnd())
        found = icons.insert(fileName, QIcon(new ResourceIconEngine(fileName)));
    return *found;
}
