#pragma once

#include <QFont>
#include <QRect>

class QPushButton;
class QDialog;

namespace tavolin {

// A dialog of fixed size with only the system menu in its title bar.
inline constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A font asked for by its name; fontconfig picks the nearest it has.
QFont designFont(const QString& family, int pixelHeight, bool bold = false);

// The standard OK button, named BitBtn1, that accepts the dialog.
QPushButton* makeOkButton(QDialog* dialog, const QRect& geometry);

} // namespace tavolin
