#include "core/watched_text.h"

namespace zilvaro {

void WatchedText::set(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    if (handler_) {
        handler_();
    }
}

} // namespace zilvaro
