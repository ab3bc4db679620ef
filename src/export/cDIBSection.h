#pragma once

#include <QtGlobal>
#include <memory>

class QImage;

// A 24-bit device-independent pixel buffer, the form the JPEG writer takes: blue, green, red
// per pixel, each scan line padded to a multiple of four bytes, and the rows stored bottom-up
// (the first row in memory is the bottom row of the picture). New buffers are black.
class cDIBSection {
public:
    // Larger sides are refused rather than attempted.
    static constexpr int LargestSide = 32767;

    cDIBSection() = default;
    ~cDIBSection();
    cDIBSection(const cDIBSection&) = delete;
    cDIBSection& operator=(const cDIBSection&) = delete;

    // (3 × Width + 3) with the two lowest bits cleared; 0 when empty.
    int BytesPerScanLine() const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The pixel bytes, BytesPerScanLine() × Height() of them; null when empty.
    uchar* DIBSectionBitsPtr() { return m_bits.get(); }
    const uchar* DIBSectionBitsPtr() const { return m_bits.get(); }
    bool isEmpty() const { return !m_bits; }

    // Copies the rectangle of `source` at (left, top) to (0, 0) of the buffer; a negative
    // width or height means the buffer's own. Pixels outside either picture are left alone.
    void LoadPictureBlt(const QImage& source, int srcLeft, int srcTop, int srcWidth, int srcHeight);
    // Releases the pixels; the buffer is empty afterwards.
    void ClearUp();
    // A buffer of the picture's size holding a copy of it; false (and empty) when the picture
    // is null or too large.
    bool CreateFromPicture(const QImage& picture);
    // A black buffer of the given size, after releasing the old one; false and empty when
    // either side is not positive, is too large, or the memory cannot be had.
    bool Create(int width, int height);

private:
    std::unique_ptr<uchar[]> m_bits;
    int m_width = 0;
    int m_height = 0;
};
