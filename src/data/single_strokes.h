#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace zilvaro {

// The five single strokes, in the order of their classes (横 竖 撇 点 折), as the stroke
// pickers list them and the code letters of their classes name them: 一 g, 丨 h, 丿 t,
// 丶 y, 乙 n.
inline constexpr QStringView SingleStrokes = u"一丨丿丶乙";
inline constexpr QStringView SingleStrokeKeys = u"ghtyn";

// The single stroke the key of its class names; empty for any other letter.
inline QString singleStrokeOfKey(QChar key) {
    const qsizetype index = SingleStrokeKeys.indexOf(key);
    return index < 0 ? QString() : SingleStrokes.mid(index, 1).toString();
}

} // namespace zilvaro
