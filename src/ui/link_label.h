#pragma once

#include <QLabel>

namespace zilvaro {

// A label that reports a click (button released over it), for links.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zilvaro
