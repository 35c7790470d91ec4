#pragma once

#include <QString>

namespace zilvaro {

// Hands a link's target (a web address, a "mailto:" address) to the user's default
// program. Whether that program opens it is not looked at: a target nothing can open
// fails silently as far as Zilvaro goes. Tests inject an opener that only records.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& target) = 0;
};

// Opens through the desktop (QDesktopServices::openUrl).
class DesktopUrlOpener : public UrlOpener {
public:
    void open(const QString& target) override;
};

// The program's opener, shared by all windows.
UrlOpener& desktopUrlOpener();

} // namespace zilvaro
