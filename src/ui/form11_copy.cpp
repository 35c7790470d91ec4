// Copying what the window shows of the character: its codes and its readings on one line.
#include "ui/form11.h"

#include "core/blank_text.h"
#include "data/character_tables.h"
#include "lookup/code_line.h"
#include "ui/copy_shortcut.h"
#include "ui/picture_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QShortcut>

namespace zilvaro {

void Form11::setUpCopying() {
    // Right-click on the code line, the pinyin line or a picture slot offers 复制.
    QWidget* owners[] = {Label10, Label24, Picture1[0], Picture1[1], Picture1[2], Picture1[3]};
    for (QWidget* owner : owners) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, this, [this, owner](QPoint at) {
            entry([this, owner, at] { showCopyMenu(owner->mapToGlobal(at)); });
        });
    }
    // Ctrl+C copies the same line wherever the focus is, unless a text box has text
    // selected.
    auto* shortcut = new QShortcut(QKeySequence::Copy, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] { entry([this] { copyCharacter(); }); });
    SelectionFreeCopy::installOnTextBoxesOf(this);
}

QString Form11::characterLine() const {
    if (LookupFound != -1) {
        return {};
    }
    const QString character = trimBlanks(Text11.text()).toString();
    return copyLine(character, shownCodes(character, Text12.text()), tonedReadings(character));
}

void Form11::copyCharacter() {
    const QString line = characterLine();
    if (!line.isEmpty()) {
        QGuiApplication::clipboard()->setText(line);
    }
}

void Form11::showCopyMenu(QPoint globalPosition) {
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("复制"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!characterLine().isEmpty());
    connect(copy, &QAction::triggered, this, [this] { copyCharacter(); });
    menu.exec(globalPosition);
}

} // namespace zilvaro
