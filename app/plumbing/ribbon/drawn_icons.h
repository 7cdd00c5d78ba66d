// Icons for commands without an image file: the application style's standard
// icons, and small badges drawn in code.
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>
#include <QStyle>

namespace plumbing {

// The standard icon of the application style (QApplication must exist).
QIcon StandardIcon(QStyle::StandardPixmap pixmap);

// A rounded square in `colour` holding up to two letters of `letters`,
// rendered at 16 and 32 pixels.
QIcon LetterIcon(const QString& letters, const QColor& colour);

}  // namespace plumbing
