#pragma once

#include "ui/form_controls.h"
#include "ui/url_opener.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace zilvaro {

namespace test {
class Form16Probe;
}

// The About dialog: the program's name and version, links to its guide in Chinese and
// in English and to its licence texts, and where its Wubi codes come from. It keeps no
// state and never touches the main window; each opening creates it afresh and closing
// destroys it.
class Form16 : public QDialog {
    Q_OBJECT

public:
    // Links open through opener, which must outlive the dialog, and lead to the
    // documents in programDir (by default the running program's folder).
    explicit Form16(UrlOpener& opener, QWidget* parent = nullptr,
                    const QString& programDir = QString());

    // Creates the dialog in its initial state, shows it modally centred over parent and
    // returns once it has been closed and destroyed.
    static void showModal(QWidget* parent, UrlOpener& opener,
                          const QString& programDir = QString());

private:
    // The tests drive and check the dialog through this subclass.
    friend class test::Form16Probe;

    // Closes the dialog.
    void Command1_Click();
    // The three links: the English guide, the Chinese guide, the licence texts.
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();

    // Controls, front to back; each widget's object name is its control name.
    QPushButton* Command1;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    LinkLabel* Label6;
    QLabel* Label3;
    LinkLabel* Label5;
    QLabel* Label4;
    QLabel* Label8;
    LinkLabel* Label7;
    std::array<LineControl*, 2> Line1;

    QLabel* addLabel(const QString& caption, int left, int top);
    LinkLabel* addLink(const QString& caption, int left, int top);

    UrlOpener& opener_;
    QString programDir_;
};

} // namespace zilvaro
