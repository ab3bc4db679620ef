// GIF encoding of a 1920 x 1080 picture: ours against giflib's encoder on the same indices.
#include "export/GIF.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <vector>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;

// A diagram as the program exports it: white ground, boxes with shaded pictures, lines, text.
QImage diagram() {
    QImage pic(Width, Height, QImage::Format_RGB32);
    pic.fill(Qt::white);
    QPainter p(&pic);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(11);
    for (int i = 0; i < 120; ++i) {
        const QRect box(random.bounded(Width - 120), random.bounded(Height - 90), 110, 80);
        QLinearGradient shade(box.topLeft(), box.bottomRight());
        shade.setColorAt(0, QColor::fromRgb(random.generate() | 0xFF000000));
        shade.setColorAt(1, Qt::white);
        p.fillRect(box, shade);
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(box);
        p.drawText(box.adjusted(4, 4, -4, -4), QStringLiteral("Обект %1").arg(i));
        p.drawLine(box.center(), QPoint(random.bounded(Width), random.bounded(Height)));
    }
    return pic;
}

// The worst case: every pixel a random cube colour, so nearly every pixel is a dictionary miss.
QImage detailed() {
    QImage pic(Width, Height, QImage::Format_RGB32);
    QRandomGenerator random(5);
    for (int y = 0; y < Height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(pic.scanLine(y));
        for (int x = 0; x < Width; ++x)
            line[x] = random.generate() | 0xFF000000;
    }
    return pic;
}

// The cube indices of an RGB32 picture, with the encoder's rule (halfway goes darker).
QImage quantised(const QImage& pic) {
    const auto level = [](int v) {
        return v <= 32 ? 0 : v <= 96 ? 1 : v <= 160 ? 2 : v <= 223 ? 3 : 4;
    };
    const int levels[5] = {0, 64, 128, 192, 255};
    QImage out(pic.size(), QImage::Format_Indexed8);
    QVector<QRgb> table(256, qRgb(0, 0, 0));
    for (int i = 0; i < 125; ++i)
        table[i] = qRgb(levels[i % 5], levels[i / 5 % 5], levels[i / 25]);
    out.setColorTable(table);
    for (int y = 0; y < pic.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(pic.constScanLine(y));
        for (int x = 0; x < pic.width(); ++x)
            out.scanLine(y)[x] =
                uchar(level(qRed(in[x])) + 5 * level(qGreen(in[x])) + 25 * level(qBlue(in[x])));
    }
    return out;
}

const QImage& picture(int which) {
    static const QImage pictures[4] = {diagram(), quantised(diagram()), detailed(),
                                       quantised(detailed())};
    return pictures[which];
}

void report(benchmark::State& state, const QByteArray& gif) {
    state.counters["bytes"] = double(gif.size());
    state.SetBytesProcessed(int64_t(state.iterations()) * Width * Height);
}

// range(0): 1 for the detailed picture; range(1): 1 to start from the indices (Indexed8).
void BM_GifEncode(benchmark::State& state) {
    const QImage& pic = picture(int(2 * state.range(0) + state.range(1)));
    QByteArray gif;
    for (auto _ : state) {
        gif = GIF::encode(pic, false, 0);
        benchmark::DoNotOptimize(gif.data());
    }
    report(state, gif);
}

int appendBytes(GifFileType* file, const GifByteType* data, int count) {
    static_cast<QByteArray*>(file->UserData)->append(reinterpret_cast<const char*>(data), count);
    return count;
}

// giflib from the same indices and palette, into memory.
void BM_Giflib(benchmark::State& state) {
    const QImage& pic = picture(int(2 * state.range(0)) + 1);
    std::vector<GifColorType> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[i] = {uint8_t(qRed(pic.color(i))), uint8_t(qGreen(pic.color(i))),
                      uint8_t(qBlue(pic.color(i)))};
    std::vector<GifPixelType> row(Width);
    QByteArray gif;
    for (auto _ : state) {
        gif.clear();
        int error = 0;
        GifFileType* file = EGifOpen(&gif, appendBytes, &error);
        ColorMapObject* map = GifMakeMapObject(256, colours.data());
        bool ok = file && EGifPutScreenDesc(file, Width, Height, 8, 0, map) == GIF_OK &&
                  EGifPutImageDesc(file, 0, 0, Width, Height, false, nullptr) == GIF_OK;
        // EGifPutLine masks the row in place, so it gets a copy.
        for (int y = 0; ok && y < Height; ++y) {
            std::copy_n(pic.constScanLine(y), Width, row.data());
            ok = EGifPutLine(file, row.data(), Width) == GIF_OK;
        }
        EGifCloseFile(file, &error);
        GifFreeMapObject(map);
        if (!ok)
            state.SkipWithError("giflib failed");
        benchmark::DoNotOptimize(gif.data());
    }
    report(state, gif);
}

} // namespace

BENCHMARK(BM_GifEncode)
    ->ArgNames({"detailed", "indexed"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Giflib)->ArgNames({"detailed"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // fonts for the diagram's text
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
