#include "files/DiaFile.h"
#include "kinds/CoreKinds.h"
#include "library/CatalogueLoader.h"
#include "support/ScriptedPrompter.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A hand-written diagram: a library picture, a drawn 8 x 8 red picture with its pixels, a
// text field, a line between the two pictures and a green filled rectangle.
const QByteArray SampleDiagram =
    "\"[Vexilardo]\"\r\n"
    "\"[PIC]\",\"HUB\",600,900,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
    "\"[LIN]\",1,1,2,2,255,1,0,\"\",\"\",\"\"\r\n"
    "\"[TXT]\",\"Zala\",1500,900,255,#TRUE#,#FALSE#,\"DejaVu Sans\",10,"
    "#FALSE#,#FALSE#\r\n"
    "\"[SHP]\",1,3000,600,3600,1200,0,1,0,65280,0\r\n"
    "\"[PIC]\",\"SKETCHPAD\",-300,2000,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
    "8,8,120,120\r\n0,0,8,255\r\n1,0,8,255\r\n2,0,8,255\r\n3,0,8,255\r\n"
    "4,0,8,255\r\n5,0,8,255\r\n6,0,8,255\r\n7,0,8,255\r\n0,0,0,0\r\n"
    "\"[/Vexilardo]\"\r\n";

struct Run {
    int exitCode = -1;
    QString errors;
};

// Runs a tool of the system (a renderer, a text extractor); false when it is not installed.
bool runTool(const QString& name, const QStringList& arguments) {
    const QString tool = QStandardPaths::findExecutable(name);
    if (tool.isEmpty())
        return false;
    QProcess process;
    process.start(tool, arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

// A picture box-blurred over 3 x 3 pixels: a line drawn across two pixels by an antialiasing
// renderer and one drawn on one pixel then look alike.
QImage blurred(const QImage& image) {
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    if (!source.valid(x + dx, y + dy))
                        continue;
                    const QRgb p = source.pixel(x + dx, y + dy);
                    r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
                }
            out.setPixel(x, y, qRgb(r / n, g / n, b / n));
        }
    return out;
}

// The share of pixels of `a` that no pixel of `b` within one pixel matches, both blurred, each
// channel within 40: what is left once antialiasing and a renderer's rounding of a half pixel
// are set aside.
double differingShare(const QImage& a, const QImage& b) {
    const QImage x = blurred(a);
    const QImage y = blurred(b);
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            bool matched = false;
            for (int dy = -1; dy <= 1 && !matched; ++dy)
                for (int dx = -1; dx <= 1 && !matched; ++dx) {
                    if (!y.valid(column + dx, row + dy))
                        continue;
                    const QRgb q = y.pixel(column + dx, row + dy);
                    matched = std::abs(qRed(p) - qRed(q)) <= 40 &&
                              std::abs(qGreen(p) - qGreen(q)) <= 40 &&
                              std::abs(qBlue(p) - qBlue(q)) <= 40;
                }
            differing += !matched;
        }
    return double(differing) / (qint64(x.width()) * x.height());
}

Run vexilardo(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the export must not need it
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VX_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() {
        QFile file(path(QStringLiteral("in.dia")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(SampleDiagram);
        // Two objects 18,000,000 twips apart: a picture of 1.2 million pixels a side.
        QFile far(path(QStringLiteral("far.dia")));
        QVERIFY(far.open(QIODevice::WriteOnly));
        far.write("\"[Vexilardo]\"\r\n"
                  "\"[PIC]\",\"HUB\",0,-9000000,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                  "\"[PIC]\",\"HUB\",0,9000000,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                  "\"[TABLICA]\",1,1,0,0,100,2147483647,0,1,\"\",\"\"\r\n"
                  "\"[/Vexilardo]\"\r\n");
        QFile empty(path(QStringLiteral("empty.dia")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.write("\"[Vexilardo]\"\r\n\"[/Vexilardo]\"\r\n");
    }

    // The printed page as a PDF: Letter, turned when the fitting turns it, the diagram centred
    // at its size (a green rectangle, 20 twips a point). Where poppler's renderer is installed
    // the page is drawn back and the rectangle found on it.
    void printWritesTheFittedPage_data() {
        QTest::addColumn<QRect>("shape");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("portrait") << QRect(0, 0, 4000, 2000) << false;
        QTest::newRow("landscape") << QRect(0, 0, 11600, 3000) << true;
    }
    void printWritesTheFittedPage() {
        QFETCH(QRect, shape);
        QFETCH(bool, landscape);
        const QString dia = path(QStringLiteral("page.dia"));
        const QString pdf = path(QStringLiteral("page.pdf"));
        QFile file(dia);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("\"[Vexilardo]\"\r\n\"[SHP]\",1,%1,%2,%3,%4,32768,1,0,32768,0\r\n"
                                  "\"[/Vexilardo]\"\r\n")
                       .arg(shape.left())
                       .arg(shape.top())
                       .arg(shape.left() + shape.width())
                       .arg(shape.top() + shape.height())
                       .toLatin1());
        file.close();
        const Run run = vexilardo({QStringLiteral("--print"), dia, pdf});
        QCOMPARE(run.exitCode, 0);
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        // Letter in points, turned or not.
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                .match(QString::fromLatin1(bytes));
        QVERIFY(box.hasMatch());
        const QSizeF points(box.captured(1).toDouble(), box.captured(2).toDouble());
        QCOMPARE(points, landscape ? QSizeF(792, 612) : QSizeF(612, 792));

        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        // 72 dots per inch: a point a pixel.
        QProcess render;
        render.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                QStringLiteral("-singlefile"), pdf, path(QStringLiteral("page"))});
        QVERIFY(render.waitForFinished(60000));
        const QImage page(path(QStringLiteral("page.png")));
        QCOMPARE(page.size(), landscape ? QSize(792, 612) : QSize(612, 792));
        QRect green;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                if (c.green() > 100 && c.red() < 60 && c.blue() < 60)
                    green |= QRect(x, y, 1, 1);
            }
        const QPointF off = QRectF(green).center() - QPointF(page.width(), page.height()) / 2;
        QVERIFY2(std::abs(off.x()) <= 1.5 && std::abs(off.y()) <= 1.5, "not centred");
        QVERIFY(std::abs(green.width() - shape.width() / 20.0) <= 3);
        QVERIFY(std::abs(green.height() - shape.height() / 20.0) <= 3);
    }

    // A diagram far too large for a picture still prints: the page scales it down.
    void printNeedsNoPictureOfTheWholeDiagram() {
        const Run run = vexilardo({QStringLiteral("--print"), path(QStringLiteral("far.dia")),
                                   path(QStringLiteral("far.pdf"))});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFileInfo(path(QStringLiteral("far.pdf"))).size() > 0);
    }

    void exportWritesEveryFormat_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QByteArray>("format");
        for (const char* format : {"bmp", "gif", "jpg", "png"})
            QTest::newRow(format) << QStringLiteral("out.%1").arg(QLatin1String(format))
                                  << QByteArray(format);
    }

    // The whole-diagram picture: the box reaches 400 twips past the elements on every side.
    void exportWritesEveryFormat() {
        QFETCH(QString, output);
        QFETCH(QByteArray, format);
        const Run run =
            vexilardo({QStringLiteral("--export"), path(QStringLiteral("in.dia")), path(output),
                       QStringLiteral("--quality"), QStringLiteral("100")});
        QCOMPARE(run.exitCode, 0);
        QImage image;
        QVERIFY(image.load(path(output), format.constData()));
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        CatalogueLoader(QFileInfo(QStringLiteral(VX_PROGRAM)).dir().filePath("Kartinki"),
                        ws.kartinki)
            .loadAll();
        DiaFile::read(ws, SampleDiagram);
        const DiagramExtent e = ws.extent(1e9, 1e9);
        QCOMPARE(image.size(), QSize(qRound((e.maxRight - e.minLeft + 800) / 15.0),
                                     qRound((e.maxBottom - e.minTop + 800) / 15.0)));
        // The drawn picture is red; its top lies 400 twips below the top edge.
        const QColor red = image.pixelColor(qRound((2000 - e.minLeft + 400) / 15.0) + 4,
                                            qRound((-300 - e.minTop + 400) / 15.0) + 4);
        QVERIFY2(red.red() > 200 && red.green() < 60 && red.blue() < 60, qPrintable(red.name()));
        // The red line runs straight between the two pictures' centres (a thin line, so
        // JPEG's colour blur leaves it only reddish).
        const QPointF a(900 + 480, 600 + 480);
        const QPointF b(2000 + 60, -300 + 60);
        const QPointF middle = (a + b) / 2;
        const QPoint at(qRound((middle.x() - e.minLeft + 400) / 15.0),
                        qRound((middle.y() - e.minTop + 400) / 15.0));
        bool lineFound = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QColor c = image.pixelColor(at + QPoint(dx, dy));
                lineFound |= c.red() - std::max(c.green(), c.blue()) > 60;
            }
        QVERIFY2(lineFound, "no line between the pictures");
        // The middle of the filled rectangle (3300, 900).
        const QColor green = image.pixelColor(qRound((3300 - e.minLeft + 400) / 15.0),
                                              qRound((900 - e.minTop + 400) / 15.0));
        QVERIFY2(green.green() > 200 && green.red() < 60 && green.blue() < 60,
                 qPrintable(green.name()));
    }

    // SVG and PDF of the whole diagram: the PNG's rectangle (an SVG of its pixels, a PDF page of
    // as many points as twips / 20), texts as text, pictures at their own pixels; drawn back by
    // a renderer of their own they give the PNG, up to the edges antialiasing softens.
    void vectorExportsMatchThePicture_data() {
        QTest::addColumn<QString>("output");
        QTest::newRow("svg") << QStringLiteral("vector.svg");
        QTest::newRow("pdf") << QStringLiteral("vector.pdf");
    }
    void vectorExportsMatchThePicture() {
        QFETCH(QString, output);
        const QString in = path(QStringLiteral("in.dia"));
        const QString png = path(QStringLiteral("vector-picture.png"));
        QCOMPARE(vexilardo({QStringLiteral("--export"), in, png}).exitCode, 0);
        QCOMPARE(vexilardo({QStringLiteral("--export"), in, path(output)}).exitCode, 0);
        const QImage picture(png);
        QVERIFY(!picture.isNull());
        QFile file(path(output));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const QString rendered = path(QStringLiteral("vector-back"));
        bool drawnBack = false;
        if (output.endsWith(QLatin1String(".svg"))) {
            QVERIFY(text.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"")
                                      .arg(picture.width())
                                      .arg(picture.height())));
            QVERIFY(text.contains(
                QRegularExpression(QStringLiteral("<text[^>]*>\\s*Zala\\s*</text>"))));
            // The library's 64 x 64 picture and the drawn 8 x 8 one, embedded as they are.
            QList<QSize> sizes;
            QRegularExpressionMatchIterator embedded =
                QRegularExpression(QStringLiteral("data:image/png;base64,([A-Za-z0-9+/=]+)"))
                    .globalMatch(text);
            while (embedded.hasNext()) {
                QImage pixels;
                QVERIFY(pixels.loadFromData(
                    QByteArray::fromBase64(embedded.next().captured(1).toLatin1())));
                sizes << pixels.size();
                if (pixels.size() == QSize(8, 8))
                    QCOMPARE(pixels.pixelColor(3, 3), QColor(Qt::red));
            }
            QCOMPARE(sizes, (QList<QSize>{QSize(64, 64), QSize(8, 8)}));
            drawnBack =
                runTool(QStringLiteral("rsvg-convert"),
                        {QStringLiteral("-o"), rendered + QStringLiteral(".png"), path(output)});
        } else {
            const QRegularExpressionMatch box =
                QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                    .match(text);
            QVERIFY(box.hasMatch());
            // Whole points: up to 19 twips (1.3 pixels) past the rectangle.
            const QSizeF pixels =
                QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble()) * 20.0 / 15.0;
            QVERIFY(pixels.width() - picture.width() > -0.5 &&
                    pixels.width() - picture.width() < 1.5);
            QVERIFY(pixels.height() - picture.height() > -0.5 &&
                    pixels.height() - picture.height() < 1.5);
            if (runTool(QStringLiteral("pdftotext"), {path(output), rendered + ".txt"})) {
                QFile words(rendered + ".txt");
                QVERIFY(words.open(QIODevice::ReadOnly));
                QVERIFY(words.readAll().contains("Zala"));
            }
            // 96 dots per inch: a pixel per 15 twips, as the picture.
            drawnBack = runTool(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                                 QStringLiteral("-singlefile"), path(output), rendered});
        }
        if (!drawnBack)
            QSKIP("no renderer for the file (librsvg2-bin, poppler-utils) is installed");
        const QImage back = QImage(rendered + QStringLiteral(".png")).copy(picture.rect());
        QVERIFY(!back.isNull());
        // Both ways: nothing missing, nothing added.
        for (const double share : {differingShare(back, picture), differingShare(picture, back)})
            QVERIFY2(share < 0.005, qPrintable(QString::number(share)));
    }

    // Re-saving a hand-written diagram tidies it into the program's own notation.
    void exportToDiaResavesAsTheProgramWrites() {
        const QString out = path(QStringLiteral("tidy.dia"));
        QCOMPARE(
            vexilardo({QStringLiteral("--export"), path(QStringLiteral("in.dia")), out}).exitCode,
            0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray tidy = file.readAll();
        // The library's name of the picture, in the file's code page.
        QVERIFY(
            tidy.startsWith("\"[Vexilardo]\"\r\n\"[PIC]\",\"HUB\",600,900,\"\xd5\xfa\xe1 / Hub\""));
        QCOMPARE(tidy.count("\"[EMPIC]\""), 253);
        // What the program writes, it writes again unchanged.
        const QString again = path(QStringLiteral("again.dia"));
        QCOMPARE(vexilardo({QStringLiteral("--export"), out, again}).exitCode, 0);
        QFile second(again);
        QVERIFY(second.open(QIODevice::ReadOnly));
        QCOMPARE(second.readAll(), tidy);
    }

    void failuresExitNonZeroWithAMessage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("mentions");
        const QString in = path(QStringLiteral("in.dia"));
        QTest::newRow("unknown output")
            << QStringList{"--export", in, path("x.tiff")} << 2 << QStringLiteral(".tiff");
        QTest::newRow("missing output")
            << QStringList{"--export", in} << 2 << QStringLiteral("Употреба");
        QTest::newRow("quality out of range")
            << QStringList{"--export", in, path("x.jpg"), "--quality", "0"} << 2
            << QStringLiteral("от 1 до 100");
        QTest::newRow("no such diagram") << QStringList{"--export", path("none.dia"), path("x.bmp")}
                                         << 1 << QStringLiteral("не може да бъде прочетен");
        QTest::newRow("not a diagram")
            << QStringList{"--export", QStringLiteral(VX_PROGRAM), path("x.bmp")} << 1
            << QStringLiteral("не е създаден с Вексилардо");
        QTest::newRow("a picture too large to make")
            << QStringList{"--export", path("far.dia"), path("far.png")} << 1
            << QStringLiteral(
                   "пропуснати са 1 записа.\nГрешка: Картината би била 1200117 x 117 пиксела");
        QTest::newRow("no folder to write in") << QStringList{"--export", in, path("none/x.bmp")}
                                               << 1 << QStringLiteral("не може да бъде записан");
        QTest::newRow("svg: empty diagram")
            << QStringList{"--export", path("empty.dia"), path("x.svg")} << 1
            << QStringLiteral("празна");
        QTest::newRow("pdf: no folder to write in")
            << QStringList{"--export", in, path("none/x.pdf")} << 1
            << QStringLiteral("не може да бъде записан");
        QTest::newRow("print: not a pdf")
            << QStringList{"--print", in, path("x.png")} << 2 << QStringLiteral(".pdf");
        QTest::newRow("print: missing output")
            << QStringList{"--print", in} << 2 << QStringLiteral("Употреба");
        QTest::newRow("print: no such diagram")
            << QStringList{"--print", path("none.dia"), path("x.pdf")} << 1
            << QStringLiteral("не може да бъде прочетен");
        QTest::newRow("print: empty diagram")
            << QStringList{"--print", path("empty.dia"), path("x.pdf")} << 1
            << QStringLiteral("празна");
        QTest::newRow("print: no folder to write in")
            << QStringList{"--print", in, path("none/x.pdf")} << 1
            << QStringLiteral("не може да бъде записан");
    }

    void failuresExitNonZeroWithAMessage() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, mentions);
        const Run run = vexilardo(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.errors.contains(mentions), qPrintable(run.errors));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
