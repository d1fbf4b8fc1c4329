#include "desktop/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <utility>

// The pictures live in a static library, whose resource initialiser the linker would drop
// unless something refers to it.
static void registerPictures() {
    static const bool once = [] {
        Q_INIT_RESOURCE(selvane);
        return true;
    }();
    (void)once;
}

namespace selvane {

namespace {

// At its own size a button shows the hand-drawn pixels; on a screen that scales the window
// (2x, 3x) the same picture drawn from its outline at that size, instead of blown-up pixels.
// Each size is read the first time a size it is the best picture for is asked for, so that a
// screen at its own size never reads the larger ones and start-up reads none.
class PictureEngine : public QIconEngine {
  public:
    explicit PictureEngine(QString name) : m_name(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        readFor(size);
        return m_read.pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        readFor(size);
        return m_read.actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        for (int scale = 1; scale <= kScales; ++scale)
            read(scale);
        return m_read.availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new PictureEngine(*this); }
    QString key() const override { return QStringLiteral("selvane-picture"); }
    bool isNull() override { return false; }

  private:
    static constexpr int kScales = 4;
    static constexpr QSize kOwnSize{16, 15};

    // The picture Qt would pick from all four for SIZE: the smallest whose area covers it, else
    // the largest.
    void readFor(const QSize& size) {
        const qint64 wanted = qint64(size.width()) * size.height();
        int scale = 1;
        while (scale < kScales &&
               qint64(kOwnSize.width()) * kOwnSize.height() * scale * scale < wanted)
            ++scale;
        read(scale);
    }
    void read(int scale) {
        if (m_have & (1 << scale))
            return;
        m_have |= 1 << scale;
        if (scale == 1)
            m_read.addFile(QStringLiteral(":/icons/%1.xpm").arg(m_name));
        else
            m_read.addPixmap(QPixmap(QStringLiteral(":/icons/%1-%2x.png").arg(m_name).arg(scale)));
    }

    QString m_name;
    QIcon m_read;
    int m_have = 0;
};

QIcon pictureIcon(const QString& name) {
    return QIcon(new PictureEngine(name));
}

} // namespace

QIcon buttonIcon(ButtonPicture picture) {
    registerPictures();
    switch (picture) {
    case ButtonPicture::Save:
        return pictureIcon(QStringLiteral("save"));
    case ButtonPicture::Open:
        return pictureIcon(QStringLiteral("open"));
    case ButtonPicture::Print:
        return pictureIcon(QStringLiteral("print"));
    }
    return {};
}

QPixmap programIcon() {
    registerPictures();
    return QPixmap(QStringLiteral(":/icons/selvane.png"));
}

} // namespace selvane
