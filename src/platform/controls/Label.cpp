#include "platform/controls/Label.h"

#include "platform/controls/Accessible.h"
#include "platform/controls/ColourConversion.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QRegularExpression>

namespace swatchly::platform {

namespace {

// A label is read as words: the blanks that lay its caption out (leading ones, runs between
// words) are not read. The name follows the caption as it changes.
class LabelAccessible final : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            QString caption = label()->text().simplified();
            if (label()->buddy())
                caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
            return caption;
        }
        return QAccessibleWidget::text(t);
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled) {
            if (QAccessibleInterface *buddy =
                    QAccessible::queryAccessibleInterface(label()->buddy()))
                related.append({ buddy, QAccessible::Labelled });
        }
        return related;
    }

private:
    const Label *label() const { return static_cast<const Label *>(widget()); }
};

} // namespace

Label::Label(QWidget *parent, const QString &name, const QString &caption)
    : QLabel(caption, parent)
{
    installAccessible<Label, LabelAccessible>();
    setObjectName(name);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::setBackColor(ColourValue value)
{
    m_backColor = value;
    m_backColorSet = true;
    applyColours();
}

void Label::setForeColor(ColourValue value)
{
    m_foreColor = value;
    m_foreColorSet = true;
    applyColours();
}

void Label::applyColours()
{
    QPalette pal = palette();
    if (m_backColorSet) {
        pal.setColor(QPalette::Window, toQColor(m_backColor));
        setAutoFillBackground(true);
    }
    // A fixed background brings a fixed text colour: black where no text colour was given,
    // so that a light or dark desktop palette cannot put its own text colour on it. A label
    // whose colours are both the system's follows the palette.
    const bool fixedBack =
        m_backColorSet && (static_cast<std::uint32_t>(m_backColor) & 0xFF000000u) != 0x80000000u;
    if (m_foreColorSet)
        pal.setColor(QPalette::WindowText, toQColor(m_foreColor));
    else if (fixedBack)
        pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit click();
}

} // namespace swatchly::platform
