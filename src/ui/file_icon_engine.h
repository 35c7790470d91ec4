#pragma once

#include <QIconEngine>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QVector>

namespace zilvaro {

// An icon whose pictures stay files until a size is asked for. A window system asks for
// the sizes it shows, when it shows them, so making the icon decodes none of them.
// Every mode and state shows the same pictures.
class FileIconEngine : public QIconEngine {
public:
    // One picture of the icon, `size` pixels, in the file at `path`.
    void addFile(const QString& path, QSize size);
    using QIconEngine::addFile; // the toolkit's own, per mode and state, stays callable

    QIconEngine* clone() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override { return entries_.isEmpty(); }

private:
    struct Entry {
        QString path;
        QSize size;
        QPixmap pixmap; // decoded on first use
    };
    // The smallest picture at least as large as `size`, else the largest; null when the
    // icon has none.
    Entry* bestFor(const QSize& size);

    QVector<Entry> entries_;
};

} // namespace zilvaro
