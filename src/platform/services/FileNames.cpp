#include "platform/services/FileNames.h"

#include <QByteArrayView>
#include <QDir>
#include <QStringDecoder>

namespace swatchly::platform {

namespace {

// How many bytes the UTF-8 sequence that lead starts takes; 1 for a byte that starts none.
std::size_t sequenceLength(unsigned char lead)
{
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Decoded as they are: a byte-order mark at the start of a name is part of the name.
QString fromUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

QString pathText(const std::string &bytes)
{
    const QByteArrayView all(bytes.data(), qsizetype(bytes.size()));
    if (all.isValidUtf8())
        return fromUtf8(all);
    // Qt checks the name a sequence at a time and decodes the valid runs; a byte that starts no
    // valid sequence (overlong, a surrogate, past Unicode's end, cut short) stands for itself.
    QString text;
    text.reserve(all.size());
    qsizetype run = 0;
    qsizetype i = 0;
    while (i < all.size()) {
        const auto lead = static_cast<unsigned char>(all[i]);
        const auto length = qsizetype(sequenceLength(lead));
        if (i + length <= all.size() && all.sliced(i, length).isValidUtf8()) {
            i += length;
            continue;
        }
        text += fromUtf8(all.sliced(run, i - run));
        text += QChar(static_cast<char16_t>(0xDC00 + lead));
        run = ++i;
    }
    text += fromUtf8(all.sliced(run));
    return text;
}

std::string pathBytes(const QString &text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    // Runs of text go through Qt's encoder; a lone surrogate becomes U+FFFD there (Qt's own
    // replacement would be "?").
    QString run;
    const auto flush = [&] {
        const QByteArray utf8 = run.toUtf8();
        bytes.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        run.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.unicode() >= 0xDC80 && unit.unicode() <= 0xDCFF) {
            flush();
            bytes.push_back(static_cast<char>(unit.unicode() - 0xDC00));
        } else if (unit.isHighSurrogate() && i + 1 < text.size() &&
                   text.at(i + 1).isLowSurrogate()) {
            run += unit;
            run += text.at(++i);
        } else {
            run += unit.isSurrogate() ? QChar(QChar::ReplacementCharacter) : unit;
        }
    }
    flush();
    return bytes;
}

QString withTrailingSeparator(const QString &folder)
{
    if (folder.endsWith(QLatin1Char('\\')) || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QDir::separator();
}

} // namespace swatchly::platform
