// The common dialog control of a window: it keeps the settings of its colour and font dialogs
// between the handler's steps and shows them through the platform's dialog service. A cancel
// is reported as a failure of Show…() when CancelError is set, as the classic control did.
#pragma once

#include "colour/Colour.h"

#include <QObject>
#include <QString>

class QWidget;

namespace swatchly::platform {

class CommonDialog : public QObject
{
    Q_OBJECT
public:
    CommonDialog(QWidget *owner, const QString &name);

    int Flags = 0;
    ColourValue Color = 0;
    QString DialogTitle;
    bool CancelError = false;
    QString FontName;
    double FontSize = 0;

    // True when the user pressed OK; false on Cancel (a cancel error when CancelError is set).
    bool ShowColor();
    bool ShowFont();

private:
    QWidget *m_owner;
};

} // namespace swatchly::platform
