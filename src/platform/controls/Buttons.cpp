#include "platform/controls/Buttons.h"

namespace swatchly::platform {

CommandButton::CommandButton(QWidget *parent, const QString &name, const QString &caption)
    : QPushButton(caption, parent)
{
    setObjectName(name);
    setAutoDefault(false);
}

CheckBox::CheckBox(QWidget *parent, const QString &name, const QString &caption, int value)
    : QCheckBox(caption, parent)
{
    setObjectName(name);
    setChecked(value == 1);
    connect(this, &QCheckBox::toggled, this, [this] { emit click(); });
}

void CheckBox::setValue(int value)
{
    setChecked(value == 1);
}

OptionButton::OptionButton(QWidget *parent, const QString &name, const QString &caption)
    : QRadioButton(caption, parent)
{
    setObjectName(name);
    connect(this, &QRadioButton::toggled, this, [this](bool chosen) {
        if (chosen)
            emit click();
    });
    // A click on the chosen option leaves it chosen, and is still a click on it.
    connect(this, &QRadioButton::pressed, this, [this] { m_chosenWhenPressed = isChecked(); });
    connect(this, &QRadioButton::clicked, this, [this] {
        if (m_chosenWhenPressed && isChecked())
            emit click();
    });
}

void OptionButton::setValue(bool chosen)
{
    if (chosen) {
        setChecked(true);
        return;
    }
    // Clearing the chosen option of a group leaves none chosen, which auto-exclusive buttons
    // would otherwise refuse.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

} // namespace swatchly::platform
