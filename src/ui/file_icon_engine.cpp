#include "ui/file_icon_engine.h"

#include <QPainter>

namespace zilvaro {

void FileIconEngine::addFile(const QString& path, QSize size) {
    entries_.append({path, size, QPixmap()});
}

QIconEngine* FileIconEngine::clone() const {
    return new FileIconEngine(*this);
}

QList<QSize> FileIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const Entry& entry : entries_) {
        sizes.append(entry.size);
    }
    return sizes;
}

FileIconEngine::Entry* FileIconEngine::bestFor(const QSize& size) {
    const auto fits = [&](const Entry& e) {
        return e.size.width() >= size.width() && e.size.height() >= size.height();
    };
    const auto area = [](const Entry& e) { return qint64(e.size.width()) * e.size.height(); };
    Entry* best = nullptr;
    for (Entry& entry : entries_) {
        if (!best || (fits(entry) ? !fits(*best) || area(entry) < area(*best)
                                  : !fits(*best) && area(entry) > area(*best))) {
            best = &entry;
        }
    }
    return best;
}

QSize FileIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const Entry* entry = bestFor(size);
    return entry ? entry->size.boundedTo(size) : QSize();
}

QPixmap FileIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
    Entry* entry = bestFor(size);
    if (!entry) {
        return QPixmap();
    }
    if (entry->pixmap.isNull()) {
        entry->pixmap.load(entry->path);
    }
    if (entry->pixmap.isNull() || entry->size.boundedTo(size) == entry->size) {
        return entry->pixmap;
    }
    return entry->pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void FileIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    const qreal scale = painter->device()->devicePixelRatioF();
    const QPixmap picture = pixmap(rect.size() * scale, mode, state);
    if (picture.isNull()) {
        return;
    }
    QRect target(QPoint(), picture.size() / scale);
    target.moveCenter(rect.center());
    painter->drawPixmap(target, picture);
}

} // namespace zilvaro
