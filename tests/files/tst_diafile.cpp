#include "files/DiaFile.h"
#include "files/ImageExport.h"
#include "kinds/CoreKinds.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"
#include "workspace/Workspace.h"

#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

const QByteArray Start = "\"[Vexilardo]\"\r\n";
const QByteArray End = "\"[/Vexilardo]\"\r\n";
const QByteArray Empty = "\"[EMPIC]\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";

QImage solid(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A workspace whose library knows HUB (4 x 3 pixels), answering every question as scripted.
struct Fixture {
    ScriptedPrompter prompter;
    Workspace ws{prompter, CoreKinds()};
    Fixture() {
        ws.kartinki.add(QStringLiteral("HUB"), solid(4, 3, Qt::green), QStringLiteral("Хъб"));
    }

    PictureObject& add(int slot, const QString& key = QStringLiteral("HUB")) {
        for (int s = 1; s < slot; ++s)
            if (ws.store().objectStatus[s] == ElementStore::Free)
                setUp(ws).store().objectStatus[s] = ElementStore::Reserved;
        ws.DobaviNov(key);
        for (int s = 1; s < slot; ++s)
            if (ws.store().objectStatus[s] == ElementStore::Reserved)
                setUp(ws).store().objectStatus[s] = ElementStore::Free;
        return setUp(ws).store().objects[slot];
    }
    QByteArray save() const { return DiaFile::write(ws); }
    DiaFile::ReadResult load(const QByteArray& bytes) { return DiaFile::read(ws, bytes); }
};

// The lines of a file, for comparing a few of them.
QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& l : lines)
        l.chop(l.endsWith('\r') ? 1 : 0);
    return lines;
}

} // namespace

class TestDiaFile : public QObject {
    Q_OBJECT

private slots:
    void emptyDiagramIsTheMarkersAndEmptySlots() {
        Fixture f;
        QCOMPARE(f.save(), Start + Empty.repeated(255) + End);
    }

    void anObjectOnlyInSlotThree() {
        Fixture f;
        PictureObject& three = f.add(3);
        three.Left = 1234.5;
        three.Top = -60;
        three.ToolTipText = QStringLiteral("Сървър \"A\"");
        const QByteArray bytes = f.save();
        const QList<QByteArray> lines = linesOf(bytes);
        QCOMPARE(lines.mid(1, 2), QList<QByteArray>({Empty.chopped(2), Empty.chopped(2)}));
        QCOMPARE(lines[3], "\"[PIC]\",\"HUB\",-60,1234.5,\"\xd1\xfa\xf0\xe2\xfa\xf0 'A'\","
                           "\"\",\"\",\"\",\"\",\"\",\"\"");

        Fixture g;
        QVERIFY(g.load(bytes).ended);
        QCOMPARE(g.ws.store().objectStatus[1], int16_t(ElementStore::Free));
        QCOMPARE(g.ws.store().objectStatus[2], int16_t(ElementStore::Free));
        QCOMPARE(g.ws.store().objectStatus[3], int16_t(ElementStore::Used));
        QCOMPARE(g.ws.store().objects[3].Left, 1234.5);
        QCOMPARE(g.ws.store().objects[3].ToolTipText, QStringLiteral("Сървър 'A'"));
        QCOMPARE(g.ws.store().objects[3].picture.size(), QSize(4, 3));
        QVERIFY(g.prompter.messages.isEmpty());
    }

    // Slots 1, 3 and 4 empty: the line's ends still name objects 2 and 5 after a reload.
    void aLineKeepsTheSlotsOfItsEnds() {
        Fixture f;
        f.add(2);
        f.add(5);
        setUp(f.ws).store().lines[7] = {1, 2, 5, 3, 255, 2, 4};
        const QByteArray bytes = f.save();
        QVERIFY(bytes.contains("\"[LIN]\",1,2,5,3,255,2,4,\"\",\"\",\"\"\r\n"));
        Fixture g;
        g.load(bytes);
        for (int slot : {1, 3, 4})
            QCOMPARE(g.ws.store().objectStatus[slot], int16_t(ElementStore::Free));
        // Lines take the lowest free slot, and with it their place in the file.
        QCOMPARE(g.ws.store().lines[1].FromObject, 2);
        QCOMPARE(g.ws.store().lines[1].ToObject, 5);
        QVERIFY(linesOf(g.save())[2].startsWith("\"[LIN]\",1,2,5,3,255,2,4"));
    }

    void pixelBlockIsWrittenAsRuns() {
        Fixture f;
        PictureObject& o = f.add(1, QStringLiteral("SKETCHPAD"));
        o.picture = solid(3, 2, QColor(0x10, 0x20, 0x30));
        o.Width = 45;
        o.Height = 30;
        const QList<QByteArray> lines = linesOf(f.save());
        const int C = 0x302010;
        QCOMPARE(lines.mid(2, 4), QList<QByteArray>({"2,3,45,30", "0,0,3," + QByteArray::number(C),
                                                     "1,0,3," + QByteArray::number(C), "0,0,0,0"}));

        // Runs break where the colour changes; reading gives every pixel back.
        o.picture.setPixelColor(1, 1, Qt::red);
        const QByteArray bytes = f.save();
        QVERIFY(bytes.contains("1,0,1," + QByteArray::number(C) + "\r\n1,1,2,255\r\n1,2,3," +
                               QByteArray::number(C) + "\r\n"));
        Fixture g;
        g.load(bytes);
        QCOMPARE(g.ws.store().objects[1].picture.convertToFormat(QImage::Format_RGB32),
                 o.picture.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(g.ws.store().objects[1].Tag, QStringLiteral("SKETCHPAD"));
        QCOMPARE(QSizeF(g.ws.store().objects[1].Width, g.ws.store().objects[1].Height),
                 QSizeF(45, 30));
    }

    // A large picture goes to the file in blocks that together are the whole file; the first
    // block the file refuses (a full disk) ends the writing, and the old file stays.
    void largeDiagramsAreWrittenInBlocks() {
        Fixture f;
        PictureObject& o = f.add(1, QStringLiteral("SKETCHPAD"));
        o.picture = QImage(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x)
                o.picture.setPixel(x, y, qRgb(x, y, (x * 7) ^ y)); // every pixel a run
        const QByteArray whole = f.save();
        QByteArray pieces;
        int blocks = 0;
        const auto collect = [&](const char* data, qsizetype size) {
            pieces.append(data, size);
            return ++blocks > 0;
        };
        QVERIFY(DiaFile::write(f.ws, collect));
        QCOMPARE(pieces, whole);
        QVERIFY(blocks > 2);
        int refused = 0;
        QVERIFY(!DiaFile::write(f.ws, [&](const char*, qsizetype) { return ++refused < 0; }));
        QCOMPARE(refused, 1);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.dia"));
        const auto produce = [&f](const ImageExport::ByteSink& sink) {
            return DiaFile::write(f.ws, sink);
        };
        QVERIFY(!ImageExport::saveBytes("old", path));
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = rlim_t(whole.size() / 2);
        setrlimit(RLIMIT_FSIZE, &small);
        const std::optional<QString> error = ImageExport::saveStream(produce, path);
        setrlimit(RLIMIT_FSIZE, &before);
        QVERIFY(error && error->contains(QStringLiteral("записът прекъсна")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old"));
        file.close();
        QCOMPARE(ImageExport::saveStream(produce, path), std::nullopt);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), whole);
    }

    // Column texts are made once per picture, up to a bound; wider rows name the columns
    // beyond it all the same.
    void wideRowsNameEveryColumn() {
        Fixture f;
        PictureObject& o = f.add(1, QStringLiteral("SKETCHPAD"));
        o.picture = QImage(16390, 1, QImage::Format_RGB32);
        for (int x = 0; x < o.picture.width(); ++x)
            o.picture.setPixel(x, 0, x % 2 ? qRgb(0, 0, 255) : qRgb(255, 0, 0));
        const QByteArray bytes = f.save();
        for (const char* run :
             {"0,0,1,255\r\n", "0,16384,16385,255\r\n", "0,16385,16386,16711680\r\n",
              "0,16389,16390,16711680\r\n0,0,0,0\r\n"})
            QVERIFY2(bytes.contains(run), run);
    }

    void everyKindSavesAndLoadsBackExactly() {
        Fixture f;
        PictureObject& resized = f.add(2);
        // A library picture changed on the canvas is the diagram's own now.
        resized.Tag = QStringLiteral("SKETCHPAD");
        resized.picture = solid(6, 5, Qt::darkMagenta);
        resized.Width = 90;
        resized.Height = 75;
        // A box of any size the handles give it: over 32767 twips, and fractions.
        PictureObject& stretched = f.add(3);
        stretched.Tag = QStringLiteral("SKETCHPAD");
        stretched.picture = solid(3, 2, Qt::darkCyan);
        stretched.Width = 40000.5;
        stretched.Height = 310.25;
        f.add(4); // untouched: by key only
        // Texts, shapes and grids come back in the lowest slots, so they start there.
        setUp(f.ws).store().textStatus[1] = ElementStore::Used;
        TextField& t = setUp(f.ws).store().texts[1];
        t = {QStringLiteral("Етаж 2, стая 14"),
             300.25,
             -75,
             0x0000FF,
             QStringLiteral("Arial"),
             8.25,
             true,
             false,
             false,
             true,
             true};
        setUp(f.ws).store().shapes[1] = {2, 100, 200, -300, 400, 65280, 3, 1, 255, 4};
        setUp(f.ws).store().grids[1] = {1, 3, 4, 500, 600, 1500, 900, 16711680, 2};
        const QByteArray bytes = f.save();
        QVERIFY(bytes.contains("\"[TXT]\",\"\xc5\xf2\xe0\xe6 2, \xf1\xf2\xe0\xff 14\",-75,"
                               "300.25,255,#TRUE#,#FALSE#,\"Arial\",8.25,#FALSE#,#TRUE#\r\n"));
        QVERIFY(bytes.contains("\"[SHP]\",2,100,200,-300,400,65280,3,1,255,4\r\n"));
        QVERIFY(bytes.contains("\"[TABLICA]\",3,4,500,600,1500,900,16711680,2,\"\",\"\"\r\n"));

        Fixture g;
        QCOMPARE(g.load(bytes).damagedRecords, 0);
        QCOMPARE(g.save(), bytes);
        QCOMPARE(QSizeF(g.ws.store().objects[3].Width, g.ws.store().objects[3].Height),
                 QSizeF(40000.5, 310.25));
        const TextField& back = g.ws.store().texts[1];
        QCOMPARE(back.FontSize, 8.25);
        QVERIFY(back.FontBold && back.FontUnderline && !back.FontItalic);
        QCOMPARE(g.ws.store().objects[4].picture.size(), QSize(4, 3));
        QCOMPARE(g.ws.store().objects[2].picture.size(), QSize(6, 5));
        QCOMPARE(g.ws.store().grids[1].Used, 1);
        // Handles come back where the shape and the grid put them.
        QCOMPARE(g.ws.store().shapeHandles[1], QPointF(100 - 200 - 127, 300 - 127));
        QCOMPARE(g.ws.store().gridHandles[1], QPointF(600, 500));
        QVERIFY(g.ws.canvas.gridHandleVisible[1]);
    }

    void damagedFilesLoadWhatTheyCan_data() {
        QTest::addColumn<QByteArray>("file");
        // Objects by slot, then how many texts (t), shapes (s), grids (g) and lines (l), and
        // "end" when the end marker was read.
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("damaged"); // records left out or cut
        const QByteArray pic = "\"[PIC]\",\"HUB\",10,20,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        const QByteArray txt =
            "\"[TXT]\",\"x\",1,2,0,#FALSE#,#FALSE#,\"Arial\",9,#FALSE#,#FALSE#\r\n";
        const auto shp = [](const QByteArray& kind) {
            return "\"[SHP]\"," + kind + ",0,0,300,300,0,1,1,0,0\r\n";
        };
        const auto grid = [](const QByteArray& values) {
            return "\"[TABLICA]\"," + values + ",0,1,\"\",\"\"\r\n";
        };
        const auto lin = [](const QByteArray& values) {
            return "\"[LIN]\",1," + values + ",1,0,1,0,\"\",\"\",\"\"\r\n";
        };
        const QString wrong =
            QStringLiteral("Грешка - файла е повреден или не е създаден с Вексилардо!");
        QTest::newRow("wrong marker") << "\"[Other]\"\r\n" + pic << "" << QStringList{wrong} << 0;
        QTest::newRow("not a text file")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "" << QStringList{wrong} << 0;
        QTest::newRow("no end marker") << Start + Empty + pic + txt << "2 t1" << QStringList{} << 0;
        QTest::newRow("hand-written: LF, blanks, short and long lines")
            << "\"[Vexilardo]\"\n \"[PIC]\" , \"HUB\" ,10,20\n\"[TXT]\",\"y\",1,2,0,#TRUE#,#FALSE#,"
               "\"Arial\",9,#FALSE#,#FALSE#,extra,values\n" +
                   pic + End
            << "1 2 t1 end" << QStringList{} << 2;
        QTest::newRow("unknown tags are passed over")
            << Start + "\"[CIRCLE]\",1,2,3\r\n" + pic + End << "1 end" << QStringList{} << 1;
        QTest::newRow("blank record ends the file")
            << Start + pic + "\r\n" + pic + End << "1" << QStringList{} << 1;
        QTest::newRow("truncated inside a pixel block")
            << Start + "\"[PIC]\",\"SKETCHPAD\",0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n2,2,30,"
                       "30\r\n0,0,2,255\r\n"
            << "1" << QStringList{} << 1;
        QTest::newRow("huge block skipped to its terminator")
            << Start +
                   "\"[PIC]\",\"SKETCHPAD\",0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n9000,9000,1,"
                   "1\r\n"
                   "0,0,9000,255\r\n0,0,0,0\r\n" +
                   pic + End
            << "1 2 end" << QStringList{} << 1;
        QTest::newRow("negative sizes and runs outside")
            << Start +
                   "\"[PIC]\",\"SKETCHPAD\",0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n-2,-3,1,1\r\n"
                   "5,-7,99999,255\r\n0,0,0,0\r\n\"[PIC]\",\"SKETCHPAD\",0,0,\"\",\"\",\"\",\"\","
                   "\"\","
                   "\"\",\"\"\r\n2,2,30,30\r\n-1,0,2,1\r\n1,-5,99,255\r\n9,0,1,1\r\n0,0,0,0\r\n" +
                   End
            << "1 2 end" << QStringList{} << 2;
        QTest::newRow("bytes no code page has")
            << Start +
                   "\"[TXT]\",\"a\x98z\",1,2,0,#FALSE#,#FALSE#,\"Arial\",9,#FALSE#,#FALSE#\r\n" +
                   End
            << "t1 end" << QStringList{} << 0;
        QTest::newRow("control bytes in a text")
            << Start +
                   "\"[TXT]\",\"a\x01\x7fz\",1,2,0,#FALSE#,#FALSE#,\"Ar\x02ial\",9,#FALSE#,#FALSE#"
                   "\r\n" +
                   End
            << "t1 end" << QStringList{} << 1;
        QTest::newRow("values that cannot be read")
            << Start + "\"[TXT]\",\"x\",1,2,red,#FALSE#,yes,\"Arial\",big,#FALSE#,#FALSE#\r\n" + End
            << "t1 end" << QStringList{} << 1;
        QTest::newRow("shapes of unknown kinds take no slot")
            << Start + shp("0") + shp("-1") + shp("99999") + shp("1") + shp("x") + shp("3") + End
            << "s2 end" << QStringList{} << 4;
        QTest::newRow("shape values the program never writes")
            << Start + "\"[SHP]\",1,0,0,300,300,-1,1,8,16777216,5\r\n" + End << "s1 end"
            << QStringList{} << 1;
        QTest::newRow("grids of no or too many cells")
            << Start + grid("0,1,0,0,100,100") + grid("200,1,0,0,100,100") +
                   grid("1,11,0,0,100,100") + grid("10,10,0,0,100,100") + End
            << "g1 end" << QStringList{} << 3;
        QTest::newRow("elements far away are left out")
            << Start + "\"[PIC]\",\"HUB\",0,-1000000000,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n" +
                   pic +
                   "\"[TXT]\",\"x\",20000000,2,0,#FALSE#,#FALSE#,\"Arial\",9,#FALSE#,#FALSE#\r\n" +
                   grid("1,1,0,-1000000000,100,100") + grid("1,1,0,0,2147483647,100") +
                   grid("1,1,-10000000,10000000,100,100") + End
            << "2 g1 end" << QStringList{} << 4;
        QTest::newRow("lines need both their objects")
            << Start + pic + lin("1,2") + pic + lin("1,3") + lin("2,1") + lin("0,1") + End
            << "1 2 l2 end" << QStringList{} << 2;
        QTest::newRow("line values the program never writes")
            << Start + pic + pic + "\"[LIN]\",1,1,2,4,-5,1,9,\"\",\"\",\"\"\r\n" + End
            << "1 2 l1 end" << QStringList{} << 1;
        QTest::newRow("line values that cannot be read")
            << Start + pic + pic + "\"[LIN]\",1,1,2,1\"x\",\"\",\"\",\"\"\r\n" + End << "1 2 l1 end"
            << QStringList{} << 1;
    }

    void damagedFilesLoadWhatTheyCan() {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QFETCH(QStringList, messages);
        QFETCH(int, damaged);
        Fixture f;
        const DiaFile::ReadResult result = f.load(file);
        QStringList seen;
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
            if (f.ws.store().objectStatus[slot] == ElementStore::Used)
                seen << QString::number(slot);
            else
                QCOMPARE(f.ws.store().objectStatus[slot], int16_t(ElementStore::Free));
        const std::pair<const char*, int> counts[] = {
            {"t", f.ws.store().usedCount(ElementKind::Text)},
            {"s", f.ws.store().usedCount(ElementKind::Shape)},
            {"g", f.ws.store().usedGridCount()},
            {"l", f.ws.store().usedCount(ElementKind::Line)}};
        for (const auto& [kind, count] : counts)
            if (count)
                seen << QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(count);
        if (result.ended)
            seen << QStringLiteral("end");
        QCOMPARE(seen.join(QLatin1Char(' ')), expected);
        QCOMPARE(result.damagedRecords, damaged);
        if (damaged)
            messages << QStringLiteral("Част от файла е повредена: пропуснати са %1 записа.")
                            .arg(damaged);
        QCOMPARE(f.prompter.texts(), messages);
        if (damaged)
            QCOMPARE(f.prompter.messages.last().icon, Prompter::Icon::Warning);
        // Whatever was read saves and reads back, whole, to the same file.
        Fixture g;
        QCOMPARE(g.load(f.save()).damagedRecords, 0);
        QCOMPARE(g.save(), f.save());
    }

    void damagedFilesFromASource_data() { damagedFilesLoadWhatTheyCan_data(); }

    // Taken from a source a byte at a time, a file reads as it does whole.
    void damagedFilesFromASource() {
        QFETCH(QByteArray, file);
        Fixture whole;
        Fixture streamed;
        QStringList progress[2];
        const DiaFile::ReadResult expected =
            DiaFile::read(whole.ws, file, [&](int value, int maximum) {
                progress[0] << QStringLiteral("%1/%2").arg(value).arg(maximum);
            });
        qsizetype at = 0;
        const auto source = [&](char* buffer, qsizetype) {
            const qsizetype size = qMin<qsizetype>(1, file.size() - at);
            std::copy_n(file.constData() + at, size, buffer);
            at += size;
            return size;
        };
        const DiaFile::ReadResult result =
            DiaFile::read(streamed.ws, source, [&](int value, int maximum) {
                progress[1] << QStringLiteral("%1/%2").arg(value).arg(maximum);
            });
        QCOMPARE(result.recognised, expected.recognised);
        QCOMPARE(result.ended, expected.ended);
        QCOMPARE(result.damagedRecords, expected.damagedRecords);
        QCOMPARE(result.missingKeys, expected.missingKeys);
        QCOMPARE(progress[1], progress[0]);
        QCOMPARE(streamed.prompter.texts(), whole.prompter.texts());
        QCOMPARE(streamed.save(), whole.save());
    }

    void aTextLoadedEmptyIsAskedFor() {
        Fixture f;
        f.load(Start + "\"[TXT]\",\"\",1,2,0,#FALSE#,#FALSE#,\"Arial\",9,#FALSE#,#FALSE#\r\n" +
               End);
        QCOMPARE(f.ws.store().texts[1].Caption, QStringLiteral("Въведете текст"));
        QVERIFY(f.save().contains(
            "\"[TXT]\",\"\xc2\xfa\xe2\xe5\xe4\xe5\xf2\xe5 \xf2\xe5\xea\xf1\xf2\""));
    }

    void hostilePixelBlocksStayBounded() {
        Fixture f;
        QByteArray file = Start +
                          "\"[PIC]\",\"SKETCHPAD\",0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                          "2,3,45,30\r\n";
        // Runs painting over and over again the same row.
        for (int i = 0; i < 2000; ++i)
            file += "0,0,3," + QByteArray::number(i) + "\r\n";
        file += "1,1,2,255\r\n0,0,0,0\r\n" + End;
        QVERIFY(f.load(file).ended);
        const QImage& picture = f.ws.store().objects[1].picture;
        QCOMPARE(picture.size(), QSize(3, 2));
        QCOMPARE(picture.pixelColor(1, 1), QColor(Qt::white)); // past the painting budget
    }

    void unknownKeysGetThePlaceholderAndAreNamedOnce() {
        Fixture f;
        const QByteArray pic = "\"[PIC]\",\"GONE\",0,0,\"Стар\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        const DiaFile::ReadResult result = f.load(Start + pic + pic + End);
        QCOMPARE(result.missingKeys, QStringList{"GONE"});
        QCOMPARE(f.ws.store().objects[2].picture, ImageStore::placeholder());
        QCOMPARE(f.ws.store().objects[2].Tag, QStringLiteral("GONE"));
    }

    void fullBuffersAreToldOnce() {
        Fixture f;
        QByteArray file = Start;
        for (int i = 0; i < 300; ++i)
            file += "\"[TXT]\",\"x\",1,2,0,#FALSE#,#FALSE#,\"Arial\",9,#FALSE#,#FALSE#\r\n";
        for (int i = 0; i < 12; ++i)
            file += "\"[TABLICA]\",1,1,0,0,100,100,0,1,\"\",\"\"\r\n";
        f.load(file + End);
        QCOMPARE(f.ws.store().usedCount(ElementKind::Text), 255);
        QCOMPARE(f.ws.store().usedGridCount(), 10);
        QCOMPARE(f.prompter.texts(),
                 QStringList({"Паметта препълнена - не могат да се изведат повече обекти !",
                              "Грешка в паметта. Буфера за текст е претоварен !",
                              "Грешка в паметта. Буфера за таблици е претоварен !"}));
    }
};

QTEST_MAIN(TestDiaFile)
#include "tst_diafile.moc"
