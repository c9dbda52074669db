#include "platform/Controls.h"

#include "platform/Geometry.h"
#include "platform/LazyIcon.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QFocusFrame>
#include <QFontInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QRegularExpression>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

namespace swatchly::platform {

QColor toQColor(ColourValue value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    if ((bits & 0xFF000000u) == 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (bits & 0xFF) {
        case 5: // window background
            return palette.color(QPalette::Base);
        case 8: // window text
            return palette.color(QPalette::Text);
        case 11: // inactive border
            return palette.color(QPalette::Window).darker(105);
        default: // 15, button face, and the rest
            return palette.color(QPalette::Button);
        }
    }
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

ColourValue fromQColor(const QColor &colour)
{
    return RGB(colour.red(), colour.green(), colour.blue());
}

int characterCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        break;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        // Control characters of the letter keys: Ctrl+C 3, Ctrl+V 22, Ctrl+X 24 ...
        if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
            return event->key() - Qt::Key_A + 1;
        return -1;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return -1;
    const QChar ch = text.at(0);
    if (ch.unicode() == 127)
        return -1; // Delete types no character
    if (ch.unicode() < 32 && ch.unicode() != 27 && ch.unicode() != 9)
        return ch.unicode();
    if (!ch.isPrint())
        return -1;
    return ch.unicode();
}

int mouseButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

namespace {

// Per cent of the stand-in face's normal width.
constexpr int StandInStretch = 94;

} // namespace

void setClassicFont(QWidget *widget, double pointSize, bool bold)
{
    QFont font = widget->font();
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                       QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
                       QStringLiteral("Sans Serif") });
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // The windows' captions were laid out for that face, which is narrower than the faces that
    // stand in for it (Liberation Sans, Arial, DejaVu Sans Condensed); condensed to this width
    // a stand-in fits every caption into the rectangle made for it, at its full height.
    if (QFontInfo(font).family() != QLatin1String("MS Sans Serif"))
        font.setStretch(StandInStretch);
    widget->setFont(font);
}

// ColourBox

namespace {

void fillRing(QPainter &painter, const QRect &outer, int width, const QColor &colour)
{
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), colour);
    painter.fillRect(QRect(outer.left(), outer.bottom() - width + 1, outer.width(), width), colour);
    painter.fillRect(QRect(outer.left(), outer.top(), width, outer.height()), colour);
    painter.fillRect(QRect(outer.right() - width + 1, outer.top(), width, outer.height()), colour);
}

// Screen readers see a colour box that can be chosen as a button whose press chooses it, as
// Space does; the current-colour box and other display-only boxes as a picture.
class ColourBoxAccessible final : public QAccessibleWidget
{
public:
    explicit ColourBoxAccessible(ColourBox *box)
        : QAccessibleWidget(box, QAccessible::Button)
    { }

    QAccessible::Role role() const override
    {
        return box()->isChoosable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->isChoosable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && box()->isChoosable()) {
            emit box()->keyChoose(1, 0);
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    ColourBox *box() const { return static_cast<ColourBox *>(widget()); }
};

// A frame is a group named by its caption. The lines drawn inside it are decoration, which
// screen readers are not shown.
class FrameAccessible final : public QAccessibleWidget
{
public:
    explicit FrameAccessible(Frame *frame)
        : QAccessibleWidget(frame, QAccessible::Grouping)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            QString title = static_cast<const Frame *>(widget())->title();
            return title.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return static_cast<int>(exposedChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = exposedChildren();
        return index >= 0 && index < children.size()
            ? QAccessible::queryAccessibleInterface(children.at(index))
            : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return static_cast<int>(
            exposedChildren().indexOf(qobject_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> exposedChildren() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !qobject_cast<Line *>(child) &&
                !qobject_cast<QMenu *>(child) && !qobject_cast<QFocusFrame *>(child))
                children.append(child);
        }
        return children;
    }
};

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

QAccessibleInterface *controlAccessible(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String(ColourBox::staticMetaObject.className()))
        return new ColourBoxAccessible(static_cast<ColourBox *>(object));
    if (className == QLatin1String(Frame::staticMetaObject.className()))
        return new FrameAccessible(static_cast<Frame *>(object));
    if (className == QLatin1String(Label::staticMetaObject.className()))
        return new LabelAccessible(static_cast<Label *>(object));
    return nullptr;
}

void installControlAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

ColourBox::ColourBox(QWidget *parent, const QString &name)
    : QFrame(parent)
{
    installControlAccessible();

    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    // A click takes the focus, as a picture box's did: the name box then sees the user come
    // back into it after picking a colour here. Tab reaches it too.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(colourDescription(m_backColor));
}

void ColourBox::setBackColor(ColourValue value)
{
    if (value == m_backColor)
        return;
    m_backColor = value;
    setAccessibleDescription(colourDescription(value));
    update();
}

bool ColourBox::isChoosable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ColourBox::keyChoose));
}

QString ColourBox::colourDescription(ColourValue value)
{
    if (value == ButtonFace)
        return QStringLiteral("Empty");
    return QStringLiteral("#") +
        QString::fromStdString(channelPair(redOf(value)) + channelPair(greenOf(value)) +
                               channelPair(blueOf(value)));
}

void ColourBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(m_backColor));
    }
    QFrame::paintEvent(event);
    if (!hasFocus())
        return;
    // A dark ring with a light one inside it: one of the two stands out on any colour.
    QPainter painter(this);
    const QRect outer = rect().adjusted(2, 2, -2, -2);
    fillRing(painter, outer, 2, Qt::black);
    fillRing(painter, outer.adjusted(2, 2, -2, -2), 1, Qt::white);
}

void ColourBox::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    emit mouseDown(mouseButtonCode(event->button()), shiftMask(event->modifiers()),
                   static_cast<float>(at.x() * 15), static_cast<float>(at.y() * 15));
}

void ColourBox::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const bool moves = isSignalConnected(QMetaMethod::fromSignal(&ColourBox::keyMove));
    int columns = 0;
    int rows = 0;
    switch (event->key()) {
    case Qt::Key_Space:
        if (isChoosable() && plain) {
            emit keyChoose(1, 0);
            return;
        }
        if (isChoosable() && modifiers == Qt::ShiftModifier) {
            emit keyChoose(2, 1);
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isChoosable() && plain) {
            emit keyChoose(1, 0);
            return;
        }
        break;
    case Qt::Key_Left:
        columns = -1;
        break;
    case Qt::Key_Right:
        columns = 1;
        break;
    case Qt::Key_Up:
        rows = -1;
        break;
    case Qt::Key_Down:
        rows = 1;
        break;
    default:
        break;
    }
    if ((columns != 0 || rows != 0) && plain && moves) {
        emit keyMove(columns, rows);
        return;
    }
    QFrame::keyPressEvent(event);
}

void ColourBox::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    emit gotFocus();
}

// Label

Label::Label(QWidget *parent, const QString &name, const QString &caption)
    : QLabel(caption, parent)
{
    installControlAccessible();
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

// TextBox

TextBox::TextBox(QWidget *parent, const QString &name, const QString &text)
    : QLineEdit(text, parent)
{
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, [this] { emit changed(); });
}

void TextBox::setText(const QString &text)
{
    if (text == QLineEdit::text())
        return;
    QLineEdit::setText(text);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    int code = characterCode(event);
    if (code >= 0) {
        emit keyPress(code);
        if (code == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// MultiLineTextBox

MultiLineTextBox::MultiLineTextBox(QWidget *parent, const QString &name, const QString &text)
    : QPlainTextEdit(parent)
{
    setObjectName(name);
    setText(text);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_settingText)
            emit changed();
    });
}

QString MultiLineTextBox::text() const
{
    QString plain = toPlainText();
    plain.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return plain;
}

void MultiLineTextBox::setText(const QString &text)
{
    if (text == this->text())
        return;
    m_settingText = true;
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(plain);
    m_settingText = false;
    emit changed();
}

// Slider

Slider::Slider(QWidget *parent, const QString &name, int min, int max, int smallChange,
               int largeChange)
    : QScrollBar(Qt::Horizontal, parent)
{
    setObjectName(name);
    setRange(min, max);
    setSingleStep(smallChange);
    setPageStep(largeChange);
    // A thumb drag changes the value once, when the thumb is let go; arrows, trough clicks
    // and keys change it at once. Each change reaches the clipboard, so a drag must not
    // write it at every step.
    setTracking(false);
    connect(this, &QScrollBar::valueChanged, this, [this] { emit changed(); });
    // Keyboard only: a click on a scroll bar leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void Slider::keyPressEvent(QKeyEvent *event)
{
    // A scroll bar's own keys run against the arrows it shows (Right lowers the value), and
    // turning that round with invertedControls would turn the mouse wheel round as well.
    SliderAction action = SliderNoAction;
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up:
            action = SliderSingleStepAdd;
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
            action = SliderSingleStepSub;
            break;
        case Qt::Key_PageUp:
            action = SliderPageStepAdd;
            break;
        case Qt::Key_PageDown:
            action = SliderPageStepSub;
            break;
        default:
            break;
        }
    }
    if (action == SliderNoAction) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
}

void Slider::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // The style's own focus tint is too faint to find on a grey bar; the chart's dark frame is
    // not.
    QPainter painter(this);
    fillRing(painter, rect(), 2, Qt::black);
}

// CommandButton

CommandButton::CommandButton(QWidget *parent, const QString &name, const QString &caption)
    : QPushButton(caption, parent)
{
    setObjectName(name);
    setAutoDefault(false);
}

// CheckBox

CheckBox::CheckBox(QWidget *parent, const QString &name, const QString &caption, int value)
    : QCheckBox(caption, parent)
{
    setObjectName(name);
    setChecked(value == 1);
    connect(this, &QCheckBox::clicked, this, [this] { emit click(); });
}

void CheckBox::setValue(int value)
{
    const bool checked = value == 1;
    if (checked == isChecked())
        return;
    setChecked(checked);
    emit click();
}

// OptionButton

OptionButton::OptionButton(QWidget *parent, const QString &name, const QString &caption)
    : QRadioButton(caption, parent)
{
    setObjectName(name);
    connect(this, &QRadioButton::clicked, this, [this] { emit click(); });
}

void OptionButton::setValue(bool chosen)
{
    if (chosen == isChecked())
        return;
    if (chosen) {
        setChecked(true);
        emit click();
        return;
    }
    // Clearing the chosen option of a group leaves none chosen, which auto-exclusive buttons
    // would otherwise refuse.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

// Frame

Frame::Frame(QWidget *parent, const QString &name, const QString &caption)
    : QGroupBox(caption, parent)
{
    installControlAccessible();
    setObjectName(name);
    setFlat(false);
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QRect frame =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    const QRect caption =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    // The caption stands above the border, where the style lays out the box's contents for it.
    if (!title().isEmpty())
        frame.setTop(std::max(frame.top(), caption.bottom() + 1));
    qDrawShadeRect(&painter, frame, palette(), true, 1, 0);
    if (!title().isEmpty())
        style()->drawItemText(&painter, caption,
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                              isEnabled(), title(), QPalette::WindowText);
}

// PictureBox

PictureBox::PictureBox(QWidget *parent, const QString &name)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::NoFrame);
}

// Line

Line::Line(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2, ColourValue colour,
           int width)
    : QWidget(parent)
    , m_colour(colour)
    , m_width(width)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int px1 = twips(x1), py1 = twips(y1), px2 = twips(x2), py2 = twips(y2);
    const int left = std::min(px1, px2), top = std::min(py1, py2);
    setGeometry(left, top, std::abs(px2 - px1) + width, std::abs(py2 - py1) + width);
    m_line = QLine(px1 - left, py1 - top, px2 - left, py2 - top);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(toQColor(m_colour));
    pen.setWidth(m_width);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(m_line.translated(m_width / 2, m_width / 2));
}

// ImageHolder

QPixmap loadPicture(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    QImageReader reader(path, dot < 0 ? QByteArray() : path.mid(dot + 1).toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon resourceIcon(const QString &path)
{
    return lazyIcon([path] {
        QIcon icon;
        icon.addPixmap(loadPicture(path));
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        const QString doubled = dot < 0 ? path + QStringLiteral("@2x")
                                        : QString(path).insert(dot, QStringLiteral("@2x"));
        // The icon picks the larger picture wherever a screen of twice the density needs it.
        if (QFile::exists(doubled))
            icon.addPixmap(loadPicture(doubled));
        return icon;
    });
}

ImageHolder::ImageHolder(QObject *parent, const QString &name, const QString &resource)
    : QObject(parent)
    , m_resource(resource)
    , m_icon(resourceIcon(resource))
{
    setObjectName(name);
}

QPixmap ImageHolder::picture() const
{
    if (m_picture.isNull())
        m_picture = loadPicture(m_resource);
    return m_picture;
}

// ComboBox

ComboBox::ComboBox(QWidget *parent, const QString &name, bool sorted)
    : QComboBox(parent)
    , m_sorted(sorted)
{
    setObjectName(name);
    // Qt chooses the item whose text the edit field holds when editing finishes (the box loses
    // the focus, Enter is pressed); leaving a name box must choose nothing. These two
    // connections bracket the combo box's own one, which setLineEdit() makes in between.
    // Giving the box its edit field makes it editable; setEditable() would also build the
    // drop-down list at once, which is left until the list first drops down.
    auto *edit = new QLineEdit(this);
    edit->setPalette(palette());
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_finishingEdit = true; });
    setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_finishingEdit = false; });
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(12);
    setCurrentIndex(-1);
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        m_listIndex = -1;
        emit changed();
    });
    connect(this, &QComboBox::activated, this, &ComboBox::onActivated);
}

QString ComboBox::text() const
{
    return lineEdit()->text();
}

void ComboBox::setText(const QString &text)
{
    if (text == lineEdit()->text())
        return;
    m_listIndex = -1;
    lineEdit()->setText(text);
    emit changed();
}

int ComboBox::selStart() const
{
    return lineEdit()->hasSelectedText() ? lineEdit()->selectionStart()
                                         : lineEdit()->cursorPosition();
}

int ComboBox::selLength() const
{
    return lineEdit()->hasSelectedText() ? lineEdit()->selectedText().size() : 0;
}

void ComboBox::setSelection(int start, int length)
{
    const int size = static_cast<int>(lineEdit()->text().size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    if (length == 0) {
        lineEdit()->deselect();
        lineEdit()->setCursorPosition(start);
        return;
    }
    // Select backwards so the caret stays where the typed text ends.
    lineEdit()->setSelection(start + length, -length);
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= count() || index == m_listIndex)
        return;
    m_listIndex = index;
    const QString before = lineEdit()->text();
    if (index < 0) {
        // Qt would empty the edit field; the typed text and caret stay as they are.
        const int start = selStart();
        const int length = selLength();
        {
            const QSignalBlocker blocker(this);
            setCurrentIndex(-1);
        }
        if (lineEdit()->text() != before) {
            lineEdit()->setText(before);
            setSelection(start, length);
        }
        return;
    }
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
    const QString itemText = this->itemText(index);
    if (lineEdit()->text() != itemText)
        lineEdit()->setText(itemText);
    if (before != itemText)
        emit changed();
    emit click();
}

void ComboBox::addListItem(const QString &item)
{
    const QString keep = lineEdit()->text();
    const QSignalBlocker blocker(this);
    if (m_sorted) {
        // The list is always in order, so the place after the last item that does not sort
        // after the new one is found by halving: a folder of many schemes fills the list in
        // n log n item reads instead of n squared.
        int at = 0;
        for (int end = count(); at < end;) {
            const int middle = at + (end - at) / 2;
            if (QString::compare(itemText(middle), item, Qt::CaseInsensitive) <= 0)
                at = middle + 1;
            else
                end = middle;
        }
        insertItem(at, item);
        if (m_listIndex >= at)
            ++m_listIndex;
    } else {
        addItem(item);
    }
    setCurrentIndex(m_listIndex);
    if (lineEdit()->text() != keep)
        lineEdit()->setText(keep);
}

void ComboBox::removeListItem(int index)
{
    if (index < 0 || index >= count())
        return;
    const QString keep = lineEdit()->text();
    const QSignalBlocker blocker(this);
    removeItem(index);
    if (m_listIndex == index)
        m_listIndex = -1;
    else if (m_listIndex > index)
        --m_listIndex;
    setCurrentIndex(m_listIndex);
    if (lineEdit()->text() != keep)
        lineEdit()->setText(keep);
}

void ComboBox::clearList()
{
    const QString keep = lineEdit()->text();
    const QSignalBlocker blocker(this);
    clear();
    m_listIndex = -1;
    lineEdit()->setText(keep);
}

int ComboBox::findPrefix(const QString &text) const
{
    const int n = count();
    for (int step = 1; step <= n; ++step) {
        const int index = step % n; // items 1 .. n-1, then item 0
        if (itemText(index).startsWith(text, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

bool ComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        int code = characterCode(keyEvent);
        if (code >= 0) {
            emit keyPress(code);
            if (code == 0)
                return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void ComboBox::keyPressEvent(QKeyEvent *event)
{
    // Keys typed while the box has the focus arrive here and reach the edit field past its
    // event filter.
    int code = characterCode(event);
    if (code >= 0) {
        emit keyPress(code);
        if (code == 0) {
            event->accept();
            return;
        }
    }
    QComboBox::keyPressEvent(event);
}

void ComboBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    // Focus that comes back from the drop-down list or from another window is no entry into
    // the box.
    const auto reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        emit gotFocus();
}

void ComboBox::onActivated(int index)
{
    if (m_finishingEdit)
        return;
    m_listIndex = index;
    if (lineEdit()->text() != itemText(index)) {
        const QSignalBlocker blocker(this);
        lineEdit()->setText(itemText(index));
    }
    emit click();
}

} // namespace swatchly::platform
