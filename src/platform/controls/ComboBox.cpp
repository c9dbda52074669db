#include "platform/controls/ComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace swatchly::platform {

ComboBox::ComboBox(QWidget *parent, const QString &name, bool sorted)
    : QComboBox(parent)
    , m_sorted(sorted)
{
    setObjectName(name);
    // Giving the box its edit field makes it editable; setEditable() would also build the
    // drop-down list at once, which is left until the list first drops down.
    auto *edit = new QLineEdit(this);
    edit->setPalette(palette());
    setLineEdit(edit);
    // Qt chooses the item whose text the edit field holds when editing finishes (the box loses
    // the focus, Enter is pressed); leaving a name box must choose nothing.
    disconnect(edit, &QLineEdit::editingFinished, this, nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(12);
    setCurrentIndex(-1);
    m_seenIndex = currentIndex();
    m_text = lineEdit()->text();
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textChanged, this, &ComboBox::onEditTextChanged);
    connect(this, &QComboBox::currentIndexChanged, this, &ComboBox::onCurrentIndexChanged);
    connect(this, &QComboBox::activated, this, &ComboBox::onActivated);
}

QString ComboBox::text() const
{
    return lineEdit()->text();
}

void ComboBox::setText(const QString &text)
{
    // The edit field's own change raises the event (onEditTextChanged).
    if (text != lineEdit()->text())
        lineEdit()->setText(text);
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
    const QString before = lineEdit()->text();
    if (index < 0) {
        m_listIndex = -1;
        // Qt would empty the edit field; the typed text and caret stay as they are.
        const int start = selStart();
        const int length = selLength();
        const QuietChange quiet(*this);
        setCurrentIndex(-1);
        if (lineEdit()->text() != before) {
            lineEdit()->setText(before);
            setSelection(start, length);
        }
        return;
    }
    {
        const QuietChange quiet(*this);
        setCurrentIndex(index);
    }
    showChosenItem(index, before);
}

void ComboBox::showChosenItem(int index, const QString &before)
{
    m_listIndex = index;
    const QString itemText = this->itemText(index);
    if (lineEdit()->text() != itemText) {
        const QuietChange quiet(*this);
        lineEdit()->setText(itemText);
    }
    if (before != itemText)
        emit changed();
    emit click();
}

ComboBox::QuietChange::QuietChange(ComboBox &box)
    : m_box(box)
    , m_boxSignals(&box)
    , m_editSignals(box.lineEdit())
{ }

ComboBox::QuietChange::~QuietChange()
{
    m_box.m_seenIndex = m_box.currentIndex();
    m_box.m_text = m_box.lineEdit()->text();
}

void ComboBox::addListItem(const QString &item)
{
    const QString keep = lineEdit()->text();
    const QuietChange quiet(*this);
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
    const QuietChange quiet(*this);
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
    const QuietChange quiet(*this);
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
        if (discardsKey(static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void ComboBox::keyPressEvent(QKeyEvent *event)
{
    // Keys typed while the box has the focus arrive here and reach the edit field past its
    // event filter.
    if (discardsKey(event))
        return;
    // The arrow keys choose the neighbouring item, as the user's pick.
    m_pick = Pick::KeysOrWheel;
    QComboBox::keyPressEvent(event);
    m_pick = Pick::None;
}

bool ComboBox::discardsKey(QKeyEvent *event)
{
    KeyPress key(*event);
    emit keyPress(key);
    if (key.isDiscarded())
        event->accept();
    return key.isDiscarded();
}

void ComboBox::wheelEvent(QWheelEvent *event)
{
    m_pick = Pick::KeysOrWheel;
    QComboBox::wheelEvent(event);
    m_pick = Pick::None;
}

void ComboBox::showPopup()
{
    m_popupShown = true;
    QComboBox::showPopup();
}

void ComboBox::hidePopup()
{
    QComboBox::hidePopup();
    if (!m_popupShown)
        return;
    m_popupShown = false;
    // A pick from the list closes it before Qt sets the index: what follows is the user's pick,
    // until the pick is reported or the event loop goes on without one.
    m_pick = Pick::FromList;
    QMetaObject::invokeMethod(
        this, [this] { m_pick = Pick::None; }, Qt::QueuedConnection);
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

void ComboBox::onEditTextChanged(const QString &text)
{
    // Part of a change of Qt's current index, which onCurrentIndexChanged deals with.
    if (currentIndex() != m_seenIndex)
        return;
    m_text = text;
    // Qt puts the picked item's text back in the field when the user picks the item that was
    // already current: that is the pick's doing, not an edit.
    if (m_pick == Pick::FromList)
        return;
    m_listIndex = -1;
    emit changed();
}

void ComboBox::onCurrentIndexChanged(int index)
{
    m_seenIndex = index;
    const QString before = m_text;
    m_text = lineEdit()->text();
    // The user's picks (which onActivated reports) are no setting of the index from code.
    if (m_pick != Pick::None || index == m_listIndex)
        return;
    if (index < 0) {
        // Qt empties the edit field; the typed text stays as it is.
        m_listIndex = -1;
        if (lineEdit()->text() != before) {
            const QuietChange quiet(*this);
            lineEdit()->setText(before);
        }
        return;
    }
    showChosenItem(index, before);
}

void ComboBox::onActivated(int index)
{
    m_pick = Pick::None;
    m_listIndex = index;
    // Qt has shown the item's text already, unless activated() was raised without a change of
    // Qt's index (it is a public signal).
    if (lineEdit()->text() != itemText(index)) {
        const QuietChange quiet(*this);
        lineEdit()->setText(itemText(index));
    }
    emit click();
}

} // namespace swatchly::platform
