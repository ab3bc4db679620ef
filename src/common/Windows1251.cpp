#include "common/Windows1251.h"

#include <QList>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <optional>

namespace {

// Length of the UTF-8 sequence that starts with `lead`, so an unconvertible character is
// replaced by a single '?' however many bytes it takes.
qsizetype Utf8SequenceLength(unsigned char lead) {
    if (lead < 0xC0)
        return 1;
    if (lead < 0xE0)
        return 2;
    if (lead < 0xF0)
        return 3;
    return 4;
}

// Converts with iconv, putting '?' in place of whatever cannot be converted. Returns
// nothing when the system has no converter for the pair.
std::optional<QByteArray> Convert(const char* toCode, const char* fromCode, const QByteArray& input,
                                  bool inputIsUtf8) {
    const iconv_t converter = iconv_open(toCode, fromCode);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;

    QByteArray output;
    // One code page byte never needs more than three UTF-8 bytes, and the other way round
    // every character shrinks, so this size is normally enough.
    output.resize(inputIsUtf8 ? input.size() + 16 : input.size() * 3 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    char* out = output.data();
    size_t outLeft = static_cast<size_t>(output.size());

    const auto grow = [&] {
        const qsizetype used = out - output.data();
        output.resize(output.size() * 2 + 16);
        out = output.data() + used;
        outLeft = static_cast<size_t>(output.size() - used);
    };

    while (inLeft > 0) {
        if (iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
            break;
        const int error = errno;
        if (error == E2BIG) {
            grow();
            continue;
        }
        if (error != EILSEQ && error != EINVAL)
            break;
        // EINVAL means the input ends inside a character: drop the rest.
        size_t skip = inLeft;
        if (error == EILSEQ && inputIsUtf8)
            skip =
                std::min(static_cast<size_t>(Utf8SequenceLength(static_cast<uchar>(*in))), inLeft);
        else if (error == EILSEQ)
            skip = 1;
        if (outLeft == 0)
            grow();
        *out++ = '?';
        --outLeft;
        in += skip;
        inLeft -= skip;
    }
    output.resize(out - output.data());
    iconv_close(converter);
    return output;
}

void WarnNoConverter() {
    static const bool warned = [] {
        qWarning("No CP1251 converter available; non-ASCII text is replaced by '?'");
        return true;
    }();
    Q_UNUSED(warned);
}

} // namespace

QByteArray ToWindows1251(const QString& text) {
    // The code page keeps ASCII as it is; most of what a diagram holds needs no converter.
    const QChar* chars = text.constData();
    if (std::all_of(chars, chars + text.size(), [](QChar c) { return c.unicode() < 0x80; })) {
        QByteArray bytes(text.size(), Qt::Uninitialized);
        std::transform(chars, chars + text.size(), bytes.data(),
                       [](QChar c) { return char(c.unicode()); });
        return bytes;
    }

    const QByteArray utf8 = text.toUtf8();
    if (auto converted = Convert("CP1251", "UTF-8", utf8, true))
        return *converted;

    WarnNoConverter();
    QByteArray ascii;
    for (const uint c : text.toUcs4())
        ascii.append(c < 0x80 ? static_cast<char>(c) : '?');
    return ascii;
}

QString FromWindows1251(QByteArrayView bytes) {
    // One character per byte: the 256 of them are converted once, then looked up, which keeps
    // reading a large diagram quick.
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const QByteArray one(1, static_cast<char>(b));
            const std::optional<QByteArray> utf8 = Convert("UTF-8", "CP1251", one, false);
            if (!utf8)
                WarnNoConverter();
            const QString c = utf8 ? QString::fromUtf8(*utf8) : QString();
            t[b] = c.size() == 1 ? c.at(0).unicode() : (b < 0x80 ? char16_t(b) : u'?');
        }
        return t;
    }();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes)
        *out++ = table[static_cast<uchar>(c)];
    return text;
}
