#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>

// Writes one picture as a GIF file: 8-bit palette indices, 9-bit LZW codes only and a
// dictionary emptied at every row, so the files stay readable by the simplest decoders.
// A QImage::Format_Indexed8 picture keeps its own palette (Grayscale8 a grey ramp); every
// other picture is reduced to the fixed 125-colour cube. Alpha is dropped: a colour counts
// as if it were opaque.
class GIF {
public:
    // Raised after every tenth row with the share of rows done (0..100, halves to even).
    // The encoder never runs the event loop itself; a handler may, to keep a window painted.
    std::function<void(int16_t Percents)> Progress;

    // Writes `Pic` to `sFileName`, replacing the file whole. UseTrans selects GIF89a with a
    // graphic control extension whose transparent index is the first palette entry equal to
    // TransColor (0x00BBGGRR), else 0; without it the file is GIF87a.
    // False when the call found the object busy (a nested call from a Progress handler), the
    // picture is empty or larger than 32767 on a side, or the file could not be written; an
    // existing file is then left as it was and lastError() says why.
    bool SaveGIF(const QImage& Pic, const QString& sFileName, bool UseTrans, int32_t TransColor);

    // Why the last SaveGIF returned false; empty after a successful one.
    QString lastError() const { return m_lastError; }

    // The bytes SaveGIF writes, without the file and without yielding. `progress` gets the
    // same percentages as Progress. Empty for a picture SaveGIF refuses (see refusal()).
    static QByteArray encode(const QImage& Pic, bool UseTrans, int32_t TransColor,
                             const std::function<void(int16_t)>& progress = {});

    // Why `Pic` cannot be written as a GIF file; empty when it can.
    static QString refusal(const QImage& Pic);

    // The largest width and height the 16-bit fields of the format hold.
    static constexpr int LargestSide = 32767;

private:
    bool m_busy = false;
    QString m_lastError;
};
