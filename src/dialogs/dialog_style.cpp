#include "dialog_style.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QStyle>

namespace tavolin {

QFont designFont(const QString& family, int pixelHeight, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

QPushButton* makeOkButton(QDialog* dialog, const QRect& geometry)
{
    auto* button = new QPushButton(dialog->style()->standardIcon(QStyle::SP_DialogOkButton),
                                   QCoreApplication::translate("Dialog", "OK"), dialog);
    button->setObjectName(QStringLiteral("BitBtn1"));
    button->setGeometry(geometry);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

} // namespace tavolin
