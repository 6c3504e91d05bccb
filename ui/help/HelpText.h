// The texts the help window shows: the how-to-play text and the credits, as stored in their
// text boxes, every line ended by CR LF.
#pragma once

#include <QString>
#include <QStringList>

namespace kestrelink::ui {

// The 66 lines of the help text, without line ends.
QStringList helpLines();

// The three credit lines, without line ends.
QStringList creditLines();

// Lines joined the way a multi-line text box stores them: each one, the last included, followed
// by CR LF.
QString joinWithCrLf(const QStringList& lines);

} // namespace kestrelink::ui
