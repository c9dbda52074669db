// The common dialog control of a window: it keeps the settings of its colour and font dialogs
// between the handler's steps and shows them through the platform's dialog service. Show…()
// reports a cancel by returning false, and then leaves the settings as they were.
#pragma once

#include "core/Colour.h"

#include <QObject>
#include <QString>

class QWidget;

namespace swatchly::platform {

class Dialogs;

class CommonDialog : public QObject
{
    Q_OBJECT
public:
    CommonDialog(Dialogs &dialogs, QWidget *owner, const QString &name);

    ColourValue Color = 0;
    QString DialogTitle;
    QString FontName;
    double FontSize = 0;

    // True when the user pressed OK; false on Cancel.
    bool ShowColor();
    bool ShowFont();

private:
    Dialogs &m_dialogs;
    QWidget *m_owner;
};

} // namespace swatchly::platform
