#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace zilvaro {

// The text of a control the user never sees (a flag, a mailbox, a query box), kept by
// the window as a plain value. Writing it runs its change handler at once, nested
// inside the write, before the writer's next step: the handlers rely on that order.
//
// Writing the text the control already holds runs no handler. This is how Qt's own
// widgets report changes, and the whole program follows it: a handler runs exactly
// when a write changes the text, for hidden values and visible widgets alike.
class WatchedText {
public:
    WatchedText() = default;
    explicit WatchedText(QString initial) : text_(std::move(initial)) {}
    WatchedText(const WatchedText&) = delete;
    WatchedText& operator=(const WatchedText&) = delete;

    const QString& text() const { return text_; }

    // Replaces the text; runs the change handler when the text changed.
    void set(const QString& text);

    // The handler run after every change; an empty function removes it.
    void onChange(std::function<void()> handler) { handler_ = std::move(handler); }

private:
    QString text_;
    std::function<void()> handler_;
};

} // namespace zilvaro
