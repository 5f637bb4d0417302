#include "forms/pictures.h"

#include <png.h>

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>
#include <functional>
#include <utility>

namespace rorovovo::forms {

namespace {

const QLatin1String kTwinMark("@2x");

int extensionDot(const QString& path) {
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > path.lastIndexOf(QLatin1Char('/')) ? dot : int(path.size());
}

// An icon whose pictures are made the first time anyone asks for them.
class DeferredIconEngine : public QIconEngine {
  public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    // Asked by layouts long before anything is drawn; the styles' arrows are never empty.
    bool isNull() override { return made_ && icon_.isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

  private:
    const QIcon& icon() {
        if (!made_) {
            icon_ = make_();
            made_ = true;
        }
        return icon_;
    }

    std::function<QIcon()> make_;
    QIcon icon_;
    bool made_ = false;
};

class ProgramStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
        const bool madeUnseen =
            which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton;
        if (!madeUnseen || option) return QProxyStyle::standardIcon(which, option, widget);
        return QIcon(new DeferredIconEngine(
            [style = QPointer<const ProgramStyle>(this), which, widget = QPointer<const QWidget>(widget)] {
                return style ? style->QProxyStyle::standardIcon(which, nullptr, widget) : QIcon();
            }));
    }
};

}  // namespace

QImage readPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QImage();
    const QByteArray bytes = file.readAll();
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.constData(), size_t(bytes.size()))) return QImage(path);
    const bool alpha = png.format & PNG_FORMAT_FLAG_ALPHA;
    // The byte order of the toolkit's 32-bit pixels, which hold blue first on a little-endian machine.
    png.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(int(png.width), int(png.height), alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull() || !png_image_finish_read(&png, nullptr, image.bits(), image.bytesPerLine(), nullptr)) {
        png_image_free(&png);
        return QImage();
    }
    if (QStringView(path).left(extensionDot(path)).endsWith(kTwinMark)) image.setDevicePixelRatio(2.0);
    return image;
}

QIcon pictureIcon(const QString& path) {
    QIcon icon;
    const QImage picture = readPicture(path);
    if (picture.isNull()) return icon;
    icon.addPixmap(QPixmap::fromImage(picture));
    if (qApp && qApp->devicePixelRatio() > 1.0) {
        QString twin = path;
        twin.insert(extensionDot(path), kTwinMark);
        const QImage sharper = readPicture(twin);
        if (!sharper.isNull()) icon.addPixmap(QPixmap::fromImage(sharper));
    }
    return icon;
}

QStyle* makeProgramStyle() { return new ProgramStyle; }

}  // namespace rorovovo::forms
