#pragma once

#include <QIODevice>
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

class Prompter;
class Workspace;

// The picture of the whole diagram and the plain image files (BMP, PNG) written from it.
namespace ImageExport {

// The box of the whole-diagram picture: the diagram's extent, as the extent check finds it on
// a canvas of the given inner size, with the export margin on every side. Empty when the
// diagram holds no element. A canvas size of 0 means no canvas (the command line): the
// extent is then the elements' own.
QRectF wholeDiagramBox(const Workspace& workspace, double innerWidth, double innerHeight);

// How large a picture of the diagram may be made: beyond either bound it is refused before
// anything is allocated.
struct SizeLimits {
    int largestSide = 32767;               // pixels
    qint64 largestBytes = qint64(1) << 30; // 1 GiB at four bytes a pixel
};

// A picture of the diagram, or why there is none. Null without a reason: nothing to show.
struct Rendering {
    QImage picture;
    std::optional<QString> error;
};

// The size in pixels a region of the diagram is drawn at.
QSize regionPixels(const QRectF& twips);
// The reason, in Bulgarian, why a picture of that size is not made; none when it may be.
std::optional<QString> refusedSize(const QSize& pixels, const SizeLimits& limits = {});
// Any rectangle of the diagram as a picture, within the limits.
Rendering region(const Workspace& workspace, const QRectF& twips, const SizeLimits& limits = {});
// The whole diagram as a picture, elements left of or above the origin included.
Rendering wholeDiagram(const Workspace& workspace, double innerWidth, double innerHeight,
                       const SizeLimits& limits = {});

// Writes a picture whole (a temporary file renamed over the target); the reason, in
// Bulgarian, when it could not.
std::optional<QString> saveBmp(const QImage& picture, const QString& path);
std::optional<QString> savePng(const QImage& picture, const QString& path);
// GIF87a on the fixed colour cube, as the program's exports are written. `progress` is told
// the share of rows written (0..100) after every tenth row.
std::optional<QString> saveGif(const QImage& picture, const QString& path,
                               const std::function<void(int percents)>& progress = {});
// JPEG at a quality of 1 to 100; the writer's own messages go through the prompter.
std::optional<QString> saveJpeg(const QImage& picture, const QString& path, int quality,
                                Prompter& prompter);
// Writes bytes whole in the same way.
std::optional<QString> saveBytes(const QByteArray& bytes, const QString& path);
// Takes a file's bytes piece by piece, in order; false when a piece could not be written.
using ByteSink = std::function<bool(const char* data, qsizetype size)>;
// Writes whole in the same way the bytes `produce` hands to its sink as it makes them, so a
// large file is never held whole; `produce` returns false once the sink refused a piece.
std::optional<QString> saveStream(const std::function<bool(const ByteSink&)>& produce,
                                  const QString& path);

// A device that hands what a writer (QPdfWriter, QSvgGenerator) writes on to a byte sink, and
// remembers a refused piece.
class SinkDevice : public QIODevice {
public:
    explicit SinkDevice(const ByteSink& sink) : m_sink(sink) { open(QIODevice::WriteOnly); }
    bool isSequential() const override { return true; }
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (m_failed || !m_sink(data, size)) {
            m_failed = true;
            return -1;
        }
        return size;
    }

private:
    const ByteSink& m_sink;
    bool m_failed = false;
};

} // namespace ImageExport
