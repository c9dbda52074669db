#include "widgets/TipWindow.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>
#include <QRegion>
#include <QScreen>
#include <QTextLayout>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace swatchly {

namespace {

constexpr int PlainPadding = 4; // inside the one-pixel border
constexpr int BalloonPadding = 8;
constexpr int BalloonRadius = 8;
constexpr int TriangleHeight = 12;
constexpr int TriangleHalfBase = 8;
// A tip near the pointer starts this far below it, so that the pointer's picture does not
// hide it and the pointer stays on the tool: a tip under the pointer would take it from the
// tool, which then sees the pointer leave. Above the pointer a small gap does, since the
// picture hangs below its hot spot.
constexpr int PointerClearance = 20;
constexpr int PointerClearanceAbove = 2;
constexpr int NoLimit = 1000000;

} // namespace

TipWindow::TipWindow()
    : QWidget(nullptr,
              Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                  Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("TipWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The balloon is a shaped window (see place), so its corners and the space beside its
    // triangle show what lies behind with or without a compositor.
    setFocusPolicy(Qt::NoFocus);
    setFont(QToolTip::font());
    layOutText();
}

void TipWindow::setBackgroundColour(const QColor &colour)
{
    m_background = colour;
    update();
}

void TipWindow::setTextColour(const QColor &colour)
{
    m_textColour = colour;
    update();
}

void TipWindow::setMaxTextWidth(int pixels)
{
    if (pixels == m_maxTextWidth)
        return;
    m_maxTextWidth = pixels;
    layOutText();
    if (isVisible())
        place();
}

void TipWindow::setBalloon(bool balloon)
{
    if (balloon == m_balloon)
        return;
    m_balloon = balloon;
    if (isVisible())
        place();
}

void TipWindow::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    // The text is painted, so a screen reader learns it from here; its line breaks are only
    // the tip's layout.
    setAccessibleName(text.simplified());
    layOutText();
    if (isVisible())
        place();
}

void TipWindow::showAt(const QPoint &anchor, bool centred)
{
    m_anchor = anchor;
    m_centred = centred;
    place();
    show();
    passPointerThrough();
}

void TipWindow::passPointerThrough()
{
    // Created transparent for input, an X11 tip window still took the clicks and the wheel of
    // the pointer over it once it was shown or its shape changed: setting the flag anew puts
    // the empty input region back, and the controls beneath get what the pointer does.
    if (QWindow *window = windowHandle()) {
        window->setFlag(Qt::WindowTransparentForInput, false);
        window->setFlag(Qt::WindowTransparentForInput, true);
    }
}

void TipWindow::layOutText()
{
    const QFontMetrics metrics(font());
    m_lineSpacing = metrics.lineSpacing();
    m_ascent = metrics.ascent();

    QString text = m_text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    m_lines.clear();
    qreal widest = 0;
    const bool limited = m_maxTextWidth > 0;
    QTextOption option;
    option.setWrapMode(limited ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            m_lines.append(QString());
            continue;
        }
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(limited ? m_maxTextWidth : NoLimit);
            QString piece = paragraph.mid(line.textStart(), line.textLength());
            // Blanks where a line wraps do not show and must not widen the tip.
            while (!piece.isEmpty() && piece.back().isSpace())
                piece.chop(1);
            m_lines.append(piece);
            widest = std::max(widest, line.naturalTextWidth());
        }
        layout.endLayout();
    }
    m_textWidth = static_cast<int>(std::ceil(widest));
}

QRect TipWindow::bodyRect() const
{
    const int padding = m_balloon ? BalloonPadding : PlainPadding;
    int width = m_textWidth + 2 * padding;
    if (m_balloon)
        width = std::max(width, 2 * (BalloonRadius + TriangleHalfBase) + 2);
    const int height = static_cast<int>(m_lines.size()) * m_lineSpacing + 2 * padding;
    const int top = m_balloon && m_pointsUp ? TriangleHeight : 0;
    return QRect(0, top, width, height);
}

QRect TipWindow::textRect() const
{
    const int padding = m_balloon ? BalloonPadding : PlainPadding;
    const QRect body = bodyRect();
    return QRect(body.left() + padding, body.top() + padding, m_textWidth,
                 static_cast<int>(m_lines.size()) * m_lineSpacing);
}

void TipWindow::place()
{
    const QRect body = bodyRect();
    const int width = body.width();
    const int height = body.height() + (m_balloon ? TriangleHeight : 0);

    QScreen *screen = QGuiApplication::screenAt(m_anchor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area =
        screen ? screen->availableGeometry() : QRect(-NoLimit, -NoLimit, 2 * NoLimit, 2 * NoLimit);

    int x = m_anchor.x();
    if (m_centred)
        x -= width / 2;
    else if (m_balloon)
        x -= BalloonRadius + TriangleHalfBase + 4;
    x = std::max(area.left(), std::min(x, area.left() + area.width() - width));

    const int below = m_anchor.y() + (m_centred ? 0 : PointerClearance);
    const int above = m_anchor.y() - (m_centred ? 0 : PointerClearanceAbove) - height;
    int y = below;
    m_pointsUp = true;
    if (below + height > area.top() + area.height() && above >= area.top()) {
        y = above;
        m_pointsUp = false;
    }

    m_pointerX = std::clamp(m_anchor.x() - x, BalloonRadius + TriangleHalfBase,
                            width - BalloonRadius - TriangleHalfBase);
    setGeometry(x, y, width, height);
    if (m_balloon)
        setMask(QRegion(outline().toFillPolygon().toPolygon(), Qt::WindingFill));
    else
        clearMask();
    if (isVisible())
        passPointerThrough();
    update();
}

QPainterPath TipWindow::outline() const
{
    QPainterPath path;
    if (!m_balloon) {
        path.addRect(QRectF(rect()));
        return path;
    }
    const QRectF body = QRectF(bodyRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    path.addRoundedRect(body, BalloonRadius, BalloonRadius);
    QPolygonF triangle;
    const qreal tipX = m_pointerX + 0.5;
    if (m_pointsUp) {
        triangle << QPointF(tipX - TriangleHalfBase, body.top() + 1) << QPointF(tipX, 0.5)
                 << QPointF(tipX + TriangleHalfBase, body.top() + 1);
    } else {
        triangle << QPointF(tipX - TriangleHalfBase, body.bottom() - 1)
                 << QPointF(tipX, height() - 0.5)
                 << QPointF(tipX + TriangleHalfBase, body.bottom() - 1);
    }
    QPainterPath pointer;
    pointer.addPolygon(triangle);
    pointer.closeSubpath();
    return path.united(pointer);
}

void TipWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_balloon) {
        // Drawn without smoothing: the window's shape cuts at whole pixels, and a smoothed
        // edge would leave half-covered pixels of the background behind it.
        painter.setPen(QPen(m_textColour, 1));
        painter.setBrush(m_background);
        painter.drawPath(outline());
    } else {
        painter.fillRect(rect(), m_background);
        painter.setPen(m_textColour);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    painter.setPen(m_textColour);
    painter.setFont(font());
    const QRect area = textRect();
    int baseline = area.top() + m_ascent;
    for (const QString &line : std::as_const(m_lines)) {
        // Drawn as plain text: no "&" is taken for a mnemonic.
        painter.drawText(QPoint(area.left(), baseline), line);
        baseline += m_lineSpacing;
    }
}

} // namespace swatchly
