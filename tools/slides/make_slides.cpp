// Writes the twelve presentation slides (Slide1.dia ... Slide12.dia): a short guided tour of
// the program, each slide an ordinary diagram made through the document's own edits and
// written by the program's own .dia writer.
//
//     make_slides <program folder with Kartinki/> <output folder>
//
// Positions are given in pixels of a 1024 x 768 window's canvas (15 twips a pixel). The
// lower right corner is left free for the "<" and ">" buttons. Before a slide is written the
// tool checks that its texts and pictures lie on the canvas and do not overlap one another.

#include "common/SilentPrompter.h"
#include "common/Windows1251.h"
#include "files/DiaFile.h"
#include "grids/Grids.h"
#include "kinds/CoreKinds.h"
#include "library/CatalogueLoader.h"
#include "shapes/Shapes.h"
#include "text/TextFields.h"
#include "workspace/TextFieldGeometry.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// Every question is a fault of the tool: it is printed and answered as cancelled; every
// other dialog is cancelled, as the silent prompter does.
class PrintingPrompter : public SilentPrompter {
public:
    int questions = 0;
    Answer message(const QString& title, const QString& text, Icon, Buttons) override {
        ++questions;
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
        return Answer::Cancel;
    }
};

constexpr double Twips = 15; // a pixel
const QString Font = QStringLiteral("DejaVu Sans");

// The canvas of a 1024 x 768 window without its scroll bars, and the corner of the buttons.
constexpr int CanvasWidth = 985;
constexpr int CanvasHeight = 655;
const QRect ButtonCorner(880, 600, 105, 55);

constexpr int32_t rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}
constexpr int32_t Black = rgb(0, 0, 0);
constexpr int32_t White = rgb(255, 255, 255);
constexpr int32_t Navy = rgb(20, 50, 120);
constexpr int32_t Blue = rgb(40, 90, 190);
constexpr int32_t Sky = rgb(215, 230, 250);
constexpr int32_t Green = rgb(30, 130, 60);
constexpr int32_t Mint = rgb(215, 240, 220);
constexpr int32_t Red = rgb(190, 40, 40);
constexpr int32_t Rose = rgb(250, 220, 220);
constexpr int32_t Orange = rgb(220, 120, 20);
constexpr int32_t Sand = rgb(250, 238, 205);
constexpr int32_t Grey = rgb(110, 110, 110);
constexpr int32_t Silver = rgb(228, 228, 232);
constexpr int32_t Violet = rgb(110, 60, 160);

// One slide being made: everything goes through one edit of the document.
class Slide {
public:
    Slide(Workspace& ws, const QString& name)
        : m_ws(ws), m_edit(ws.edit(name, DiagramChange::Scope::Replaced)) {}

    ElementStore& store() { return m_edit.store(); }

    // A library picture with its top-left corner at (x, y) pixels.
    int16_t picture(const QString& key, int x, int y) {
        m_ws.DobaviNov(key);
        const int16_t slot = m_ws.diagram.Nomer;
        if (slot < 1 || !m_ws.kartinki.find(key))
            fail(QStringLiteral("no library picture %1").arg(key));
        PictureObject& object = store().objects[slot];
        object.Left = x * Twips;
        object.Top = y * Twips;
        return slot;
    }

    // A picture drawn here, kept in the diagram as a sketchpad picture is.
    int16_t drawing(const QImage& pixels, const QString& name, int x, int y) {
        const int16_t slot = picture(QStringLiteral("SKETCHPAD"), x, y);
        PictureObject& object = store().objects[slot];
        object.picture = pixels;
        object.Tag = QStringLiteral("SKETCHPAD");
        object.ToolTipText = name;
        object.Width = pixels.width() * Twips;
        object.Height = pixels.height() * Twips;
        return slot;
    }

    struct Style {
        double size = 11;
        int32_t colour = Black;
        bool bold = false;
        bool italic = false;
        bool underline = false;
    };

    int16_t text(const QString& caption, int x, int y, const Style& style) {
        const int16_t slot = TextFields::create(m_ws, caption, x * Twips, y * Twips);
        if (slot < 1)
            fail(QStringLiteral("text buffer full"));
        TextField& field = store().texts[slot];
        field.FontName = Font;
        field.FontSize = style.size;
        field.ForeColor = style.colour;
        field.FontBold = style.bold;
        field.FontItalic = style.italic;
        field.FontUnderline = style.underline;
        return slot;
    }
    // The same, its middle at x.
    int16_t centred(const QString& caption, int x, int y, const Style& style) {
        const int16_t slot = text(caption, x, y, style);
        TextField& field = store().texts[slot];
        field.Left = x * Twips - TextFieldGeometry::size(field).width() / 2;
        return slot;
    }
    int16_t title(const QString& caption, const QString& subtitle = QString()) {
        const int16_t slot = centred(caption, CanvasWidth / 2, 12, {22, Navy, true});
        if (!subtitle.isEmpty())
            centred(subtitle, CanvasWidth / 2, 52, {12, Grey, false, true});
        return slot;
    }
    // A label of a picture's name on one side, in the slides' typeface.
    int16_t label(int16_t object, int side, double size = 9, int32_t colour = Black) {
        const int16_t slot = store().lowestFree(ElementKind::Text);
        if (TextFields::makeLabel(m_ws, object, side) != TextFields::LabelResult::Made)
            fail(QStringLiteral("no label for object %1").arg(object));
        TextField& field = store().texts[slot];
        // The label stays centred on its side in the smaller type.
        const QSizeF before = TextFieldGeometry::size(field);
        field.FontName = Font;
        field.FontSize = size;
        field.ForeColor = colour;
        const QSizeF after = TextFieldGeometry::size(field);
        const QRectF box = m_ws.elementRect({ElementKind::Picture, object});
        const QPointF at = TextFields::labelPosition(box, after, side);
        field.Left = at.x();
        field.Top = at.y();
        Q_UNUSED(before);
        return slot;
    }

    void line(int16_t from, int16_t to, int type, int32_t colour = Black, int width = 1,
              int style = 0) {
        const int16_t slot = store().lowestFree(ElementKind::Line);
        LineRecord& l = store().lines[slot];
        l.Used = 1;
        l.FromObject = from;
        l.ToObject = to;
        l.LineType = type;
        l.Colour = colour;
        l.LineWidth = width;
        l.LineStyle = style;
    }

    void shape(int kind, QRect box, int32_t border, int width, int fill, int32_t fillColour,
               int style = 0) {
        const int16_t slot = store().lowestFree(ElementKind::Shape);
        ShapeRecord& s = store().shapes[slot];
        s.Kind = kind;
        s.X1 = int(box.left() * Twips);
        s.Y1 = int(box.top() * Twips);
        s.X2 = int((box.left() + box.width()) * Twips);
        s.Y2 = int((box.top() + box.height()) * Twips);
        s.BorderColour = border;
        s.LineWidth = width;
        s.FillStyle = kind == Shapes::Line ? int(Shapes::Transparent) : fill;
        s.FillColour = fillColour;
        s.LineStyle = style;
        store().shapeHandles[slot] = Shapes::handleTopLeft(s);
    }
    void box(QRect area, int32_t border, int fill, int32_t fillColour, int width = 1,
             int style = 0) {
        shape(Shapes::Rectangle, area, border, width, fill, fillColour, style);
    }
    void ellipse(QRect area, int32_t border, int fill, int32_t fillColour, int width = 1) {
        shape(Shapes::EllipseKind, area, border, width, fill, fillColour);
    }
    void stroke(QPoint a, QPoint b, int32_t colour, int width = 1, int style = 0) {
        // A line shape runs from (X1, Y1) to (X2, Y2) as given.
        const int16_t slot = store().lowestFree(ElementKind::Shape);
        ShapeRecord& s = store().shapes[slot];
        s.Kind = Shapes::Line;
        s.X1 = int(a.x() * Twips);
        s.Y1 = int(a.y() * Twips);
        s.X2 = int(b.x() * Twips);
        s.Y2 = int(b.y() * Twips);
        s.BorderColour = colour;
        s.LineWidth = width;
        s.FillStyle = Shapes::Transparent;
        s.LineStyle = style;
        store().shapeHandles[slot] = Shapes::handleTopLeft(s);
    }

    void grid(int rows, int columns, QRect area, int32_t colour, int width = 1) {
        const int16_t slot = store().lowestFreeGrid();
        GridRecord& g = store().grids[slot];
        g.Used = 1;
        g.Rows = rows;
        g.Columns = columns;
        g.Left = int(area.left() * Twips);
        g.Top = int(area.top() * Twips);
        g.Width = int(area.width() * Twips);
        g.Height = int(area.height() * Twips);
        g.Colour = colour;
        g.LineWidth = width;
        store().gridHandles[slot] = QPointF(g.Left, g.Top);
    }

    // The checks, then the end of the edit.
    void finish() {
        // Lines are painted with the shape of the same slot, line first: behind every shape of
        // a higher slot. They go after the last shape, so no filled shape hides one.
        int lastShape = 0;
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
            if (store().shapes[slot].Kind)
                lastShape = slot;
        std::vector<LineRecord> lines;
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
            if (store().lines[slot].Used)
                lines.push_back(store().lines[slot]);
            store().lines[slot] = LineRecord{};
        }
        if (lastShape + int(lines.size()) > ElementStore::Capacity)
            fail(QStringLiteral("too many lines"));
        for (size_t i = 0; i < lines.size(); ++i)
            store().lines[lastShape + 1 + int(i)] = lines[i];

        const ElementStore& s = store();
        // The file keeps texts in Windows-1251; a letter outside it would come back as "?".
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
            const QString& caption = s.texts[slot].Caption;
            if (s.textStatus[slot] == ElementStore::Used &&
                FromWindows1251(ToWindows1251(caption)) != caption)
                warn(QStringLiteral("text „%1“ cannot be stored").arg(caption));
        }
        std::vector<std::pair<QString, QRectF>> boxes;
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
            if (s.objectStatus[slot] == ElementStore::Used)
                boxes.push_back(
                    {QStringLiteral("picture %1 (%2)").arg(slot).arg(s.objects[slot].ToolTipText),
                     m_ws.elementRect({ElementKind::Picture, int16_t(slot)})});
            if (s.textStatus[slot] == ElementStore::Used)
                boxes.push_back(
                    {QStringLiteral("text %1 „%2“").arg(slot).arg(s.texts[slot].Caption),
                     m_ws.elementRect({ElementKind::Text, int16_t(slot)})});
        }
        const QRectF canvas(0, 0, CanvasWidth * Twips, CanvasHeight * Twips);
        const QRectF corner(ButtonCorner.x() * Twips, ButtonCorner.y() * Twips,
                            ButtonCorner.width() * Twips, ButtonCorner.height() * Twips);
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (!canvas.contains(boxes[i].second))
                warn(boxes[i].first + QStringLiteral(" leaves the canvas"));
            if (boxes[i].second.intersects(corner))
                warn(boxes[i].first + QStringLiteral(" lies under the buttons"));
            for (size_t j = i + 1; j < boxes.size(); ++j)
                if (boxes[i].second.intersects(boxes[j].second))
                    warn(boxes[i].first + QStringLiteral(" overlaps ") + boxes[j].first);
        }
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
            const ShapeRecord& shape = s.shapes[slot];
            if (shape.Kind && !(canvas.contains(QPointF(shape.X1, shape.Y1)) &&
                                canvas.contains(QPointF(shape.X2, shape.Y2))))
                warn(QStringLiteral("shape %1 leaves the canvas").arg(slot));
        }
    }

    int warnings = 0;

private:
    void warn(const QString& text) {
        ++warnings;
        std::fprintf(stderr, "  %s\n", qPrintable(text));
    }
    [[noreturn]] void fail(const QString& text) {
        std::fprintf(stderr, "make_slides: %s\n", qPrintable(text));
        std::exit(1);
    }

    Workspace& m_ws;
    Diagram::Edit m_edit;
};

using Style = Slide::Style;
const Style Body{12, Black};
const Style Small{10, Grey};
const Style Note{10, Navy, false, true};
const Style Head{13, Navy, true};

// ---- the slides ----

void slide1(Slide& s) {
    s.title(QStringLiteral("Вексилардо — редактор на диаграми"),
            QStringLiteral("Кратка обиколка на програмата в дванадесет слайда"));
    s.box(QRect(60, 95, 865, 190), Blue, Shapes::Transparent, 0, 2);
    const int16_t pc = s.picture(QStringLiteral("PCOMPUTER"), 120, 150);
    const int16_t router = s.picture(QStringLiteral("ROUTER"), 330, 150);
    const int16_t cloud = s.picture(QStringLiteral("CLOUD"), 540, 150);
    const int16_t server = s.picture(QStringLiteral("WWW_SERVER"), 750, 150);
    s.line(pc, router, 2, Navy, 2);
    s.line(router, cloud, 2, Navy, 2);
    s.line(cloud, server, 2, Navy, 2, 1);
    for (int16_t object : {pc, router, cloud, server})
        s.label(object, TextFields::Below, 10, Navy);
    s.text(QStringLiteral("Вексилардо чертае мрежови и електронни схеми:"), 60, 315, Head);
    const QStringList points{
        QStringLiteral("•  картинки от библиотека с категории, свързани с линии"),
        QStringLiteral("•  текстове и етикети, фигури с щриховки, таблични решетки"),
        QStringLiteral("•  запис във файл .dia, картинка BMP, GIF или JPEG, печат"),
        QStringLiteral("•  отмяна и повторение на всяка стъпка"),
    };
    for (int i = 0; i < points.size(); ++i)
        s.text(points[i], 80, 350 + i * 32, Body);
    s.stroke(QPoint(60, 500), QPoint(925, 500), Grey, 1, 2);
    s.text(QStringLiteral("Бутонът „>“ долу вдясно води към следващия слайд, „<“ — към предишния."),
           60, 520, Note);
}

void slide2(Slide& s) {
    s.title(QStringLiteral("Библиотеката с обекти"),
            QStringLiteral("Бутонът „Обекти“: главна категория, категория, картинка"));
    // A table of four categories: their names above, two pictures each below.
    const int left = 70, top = 100, cell = 210, head = 40, body = 120;
    s.grid(2, 4, QRect(left, top, 4 * cell, head + body), Navy, 2);
    // The grid divides its height evenly: the heading row is drawn as a band of its own.
    s.box(QRect(left, top, 4 * cell, 80), Navy, Shapes::Solid, Sky, 2);
    const struct {
        const char* name;
        const char* first;
        const char* second;
    } categories[] = {
        {"Мрежа", "ROUTER", "MULTILAYER_SWITCH"},
        {"Компютри", "PCOMPUTER", "LAPTOP"},
        {"Електроника", "RES", "TRNPN"},
        {"Хора и сгради", "WOMAN", "GENERAL_OFFICE"},
    };
    for (int i = 0; i < 4; ++i) {
        const int x = left + i * cell;
        s.centred(QString::fromUtf8(categories[i].name), x + cell / 2, top + 26, Head);
        const int16_t a = s.picture(QString::fromLatin1(categories[i].first), x + 25, top + 88);
        const int16_t b = s.picture(QString::fromLatin1(categories[i].second), x + 120, top + 88);
        Q_UNUSED(a);
        Q_UNUSED(b);
    }
    // The chosen picture stands out.
    s.box(QRect(left + cell + 20, top + 83, 74, 74), Red, Shapes::Transparent, 0, 3);
    s.text(QStringLiteral("Избраната картинка се поставя на паното с двойно щракване."), 70, 290,
           Body);
    s.text(QStringLiteral("„Последен“ добавя още една от последно избраната картинка."), 70, 325,
           Body);
    s.text(QStringLiteral("Всяка картинка носи име — то се търси и става етикет."), 70, 360, Body);
    s.box(QRect(70, 410, 560, 120), Green, Shapes::Solid, Mint, 1);
    s.text(QStringLiteral("Свои картинки:"), 90, 425, Head);
    s.text(QStringLiteral("„Добави от външен файл“ — BMP, GIF, JPEG, PNG"), 90, 460, Body);
    s.text(QStringLiteral("„Добави от Скицника“ — нарисувани на ръка"), 90, 490, Body);
    const int16_t disk = s.picture(QStringLiteral("DISKETTE"), 700, 420);
    const int16_t pc = s.picture(QStringLiteral("PC_SOFTWARE"), 820, 420);
    s.line(disk, pc, 2, Green, 2, 1);
}

void slide3(Slide& s) {
    s.title(QStringLiteral("Малка офис мрежа"),
            QStringLiteral("Обекти, свързващи линии и етикети под обектите"));
    // The office, hatched lightly.
    s.box(QRect(215, 215, 720, 360), Blue, Shapes::Transparent, 0, 1, 1);
    s.text(QStringLiteral("Офис, етаж 2"), 230, 225, Head);
    const int16_t cloud = s.picture(QStringLiteral("CLOUD"), 60, 100);
    const int16_t firewall = s.picture(QStringLiteral("FIREWALL"), 250, 100);
    const int16_t router = s.picture(QStringLiteral("ROUTER"), 440, 100);
    const int16_t sw = s.picture(QStringLiteral("MULTILAYER_SWITCH"), 440, 290);
    const int16_t server = s.picture(QStringLiteral("FILE_SERVER"), 250, 290);
    const int16_t printer = s.picture(QStringLiteral("PRINTER"), 250, 450);
    const int16_t pc1 = s.picture(QStringLiteral("PCOMPUTER"), 440, 450);
    const int16_t pc2 = s.picture(QStringLiteral("WORKSTATION"), 620, 450);
    const int16_t wifi = s.picture(QStringLiteral("WIRELESS_ROUTER"), 800, 290);
    const int16_t laptop = s.picture(QStringLiteral("LAPTOP"), 800, 450);
    s.line(cloud, firewall, 2, Red, 2);
    s.line(firewall, router, 2, Red, 2);
    s.line(router, sw, 2, Navy, 3);
    s.line(sw, server, 2, Navy, 2);
    s.line(sw, printer, 1, Navy, 1);
    s.line(sw, pc1, 2, Navy, 1);
    s.line(sw, pc2, 1, Navy, 1);
    s.line(sw, wifi, 2, Navy, 2);
    s.line(wifi, laptop, 2, Green, 1, 2);
    for (int16_t object : {cloud, firewall, router, server, printer, pc1, pc2, laptop})
        s.label(object, TextFields::Below);
    s.text(QStringLiteral("Многослоен суич"), 512, 280, Style{9});
    s.label(wifi, TextFields::Above);
    s.text(QStringLiteral("Линиите следват обектите,"), 20, 330, Small);
    s.text(QStringLiteral("когато ги местите."), 20, 350, Small);
}

void slide4(Slide& s) {
    s.title(QStringLiteral("Свързващи линии от три типа"),
            QStringLiteral("„Свържи“: първо единият обект, после другият"));
    const struct {
        const char* heading;
        const char* first;
        const char* second;
        int type;
        int32_t colour;
        int width;
        int style;
    } columns[] = {
        {"отвесно, после встрани", "PCOMPUTER", "HUB", 1, Blue, 2, 0},
        {"по права линия", "LAPTOP", "WIRELESS_ROUTER", 2, Red, 3, 0},
        {"встрани, после отвесно", "TELEPHONE", "PBX_SWITCH", 3, Green, 2, 1},
    };
    for (int i = 0; i < 3; ++i) {
        const int x = 30 + i * 320;
        s.box(QRect(x, 90, 300, 330), columns[i].colour, Shapes::Transparent, 0, 1);
        s.centred(QStringLiteral("Тип %1").arg(i + 1), x + 150, 98, Head);
        s.centred(QString::fromUtf8(columns[i].heading), x + 150, 122, Small);
        const int16_t a = s.picture(QString::fromLatin1(columns[i].first), x + 30, 155);
        const int16_t b = s.picture(QString::fromLatin1(columns[i].second), x + 200, 310);
        s.line(a, b, columns[i].type, columns[i].colour, columns[i].width, columns[i].style);
        // The first line leaves its object downwards: that label goes beside it.
        s.label(a, columns[i].type == 1 ? TextFields::Right : TextFields::Below);
        s.label(b, TextFields::Below);
    }
    s.text(QStringLiteral("Менюто на линията сменя типа, цвета, дебелината и стила:"), 40, 450,
           Head);
    const struct {
        int style;
        const char* name;
    } styles[] = {{0, "плътна"}, {1, "пунктир"}, {2, "точки"}, {3, "тире-точка"}};
    for (int i = 0; i < 4; ++i) {
        const int x = 60 + i * 205;
        s.stroke(QPoint(x, 500), QPoint(x + 150, 500), Navy, 2, styles[i].style);
        s.centred(QString::fromUtf8(styles[i].name), x + 75, 512, Small);
    }
    s.text(QStringLiteral("Манипулаторът в средата на линията отваря нейното меню."), 40, 560,
           Note);
}

void slide5(Slide& s) {
    s.title(QStringLiteral("Фигури и щриховки"),
            QStringLiteral("Квадрат, елипса, окръжност и линия — с плътен цвят или щриховка"));
    const struct {
        int fill;
        const char* name;
    } fills[] = {
        {Shapes::Solid, "плътно"},
        {Shapes::Transparent, "прозрачно"},
        {Shapes::Horizontal, "хоризонтално"},
        {Shapes::Vertical, "вертикално"},
        {Shapes::Rising, "възходящо"},
        {Shapes::Falling, "низходящо"},
        {Shapes::Cross, "кръстосано"},
        {Shapes::DiagonalCross, "диагонално"},
    };
    const int32_t colours[] = {Orange, Black, Blue, Green, Red, Violet, Navy, Orange};
    // The hatches are thin lines: dark colours keep them visible.
    for (int i = 0; i < 8; ++i) {
        const int x = 45 + (i % 4) * 235;
        const int y = 95 + (i / 4) * 150;
        s.box(QRect(x, y, 150, 95), Black, fills[i].fill, colours[i], 1);
        s.centred(QString::fromUtf8(fills[i].name), x + 75, y + 102, Body);
    }
    s.ellipse(QRect(45, 405, 200, 110), Navy, Shapes::Solid, Sand, 2);
    s.ellipse(QRect(280, 400, 120, 120), Red, Shapes::Cross, Red, 2);
    const int16_t bell = s.picture(QStringLiteral("BELL"), 640, 540);
    const int16_t button = s.picture(QStringLiteral("SWPUSH"), 790, 540);
    s.line(bell, button, 2, Black, 1, 1);
    s.stroke(QPoint(440, 405), QPoint(560, 515), Green, 3);
    s.stroke(QPoint(440, 515), QPoint(560, 405), Violet, 1, 1);
    s.text(QStringLiteral("Опции за чертане: цвят, пълнеж,"), 600, 410, Body);
    s.text(QStringLiteral("дебелина на линията."), 600, 435, Body);
    s.text(QStringLiteral("Менюто на фигурата: щриховка,"), 600, 475, Body);
    s.text(QStringLiteral("огледало, копиране, изтриване."), 600, 500, Body);
    s.text(QStringLiteral("Фигурите се влачат и оразмеряват с манипулаторите."), 45, 565, Note);
}

void slide6(Slide& s) {
    s.title(
        QStringLiteral("Решетка — таблица с легенда"),
        QStringLiteral("„Функции“ » „Решетка“: до 10 реда и 10 колони в отбелязан правоъгълник"));
    // One grid of five rows: the heading band, then a row per object.
    const int left = 40, top = 95, rowHeight = 70, cell = 150;
    s.box(QRect(left, top, 4 * cell, rowHeight), Navy, Shapes::Solid, Sky, 1);
    s.grid(5, 4, QRect(left, top, 4 * cell, 5 * rowHeight), Navy, 2);
    const char* headings[] = {"Обект", "Описание", "Брой", "Състояние"};
    for (int i = 0; i < 4; ++i)
        s.centred(QString::fromUtf8(headings[i]), left + i * cell + cell / 2, top + 24, Head);
    const struct {
        const char* key;
        const char* description;
        const char* count;
        int fill;
        int32_t colour;
    } rows[] = {
        {"ROUTER", "Маршрутизатор", "2", Shapes::Solid, Green},
        {"MULTILAYER_SWITCH", "Суич", "4", Shapes::Solid, Green},
        {"PCOMPUTER", "Работни места", "24", Shapes::Cross, Orange},
        {"PRINTER", "Принтери", "3", Shapes::DiagonalCross, Red},
    };
    for (int i = 0; i < 4; ++i) {
        const int y = top + (i + 1) * rowHeight;
        s.picture(QString::fromLatin1(rows[i].key), left + cell / 2 - 32, y + 3);
        s.centred(QString::fromUtf8(rows[i].description), left + cell + cell / 2, y + 25, Body);
        s.centred(QString::fromUtf8(rows[i].count), left + 2 * cell + cell / 2, y + 25, Body);
        s.box(QRect(left + 3 * cell + 35, y + 15, 80, 40), Black, rows[i].fill, rows[i].colour, 1);
    }
    // The legend.
    const int lx = 690;
    s.box(QRect(lx, 95, 255, 220), Grey, Shapes::Solid, Silver, 1);
    s.text(QStringLiteral("Легенда"), lx + 15, 105, Head);
    const struct {
        int fill;
        int32_t colour;
        const char* meaning;
    } legend[] = {
        {Shapes::Solid, Green, "в работа"},
        {Shapes::Cross, Orange, "частично заето"},
        {Shapes::DiagonalCross, Red, "в ремонт"},
    };
    for (int i = 0; i < 3; ++i) {
        const int y = 150 + i * 52;
        s.box(QRect(lx + 15, y, 60, 32), Black, legend[i].fill, legend[i].colour, 1);
        s.text(QString::fromUtf8(legend[i].meaning), lx + 90, y + 6, Body);
    }
    s.text(QStringLiteral("Манипулаторът в ъгъла"), lx, 350, Small);
    s.text(QStringLiteral("на решетката я мести и"), lx, 370, Small);
    s.text(QStringLiteral("отваря нейните свойства."), lx, 390, Small);
}

void slide7(Slide& s) {
    s.title(QStringLiteral("Електронна схема"),
            QStringLiteral("Последователна верига — картинки от категорията „Електроника“"));
    // A loop: the round symbols stand at the corners, where the wires turn.
    const int16_t lamp1 = s.picture(QStringLiteral("LAMPIN"), 90, 140);
    const int16_t sw = s.picture(QStringLiteral("SWSPST"), 300, 140);
    const int16_t fuse = s.picture(QStringLiteral("FUSE"), 510, 140);
    const int16_t lamp2 = s.picture(QStringLiteral("LAMPLT"), 720, 140);
    const int16_t motor = s.picture(QStringLiteral("MOTOR"), 720, 390);
    const int16_t res = s.picture(QStringLiteral("RES"), 510, 390);
    const int16_t battery = s.picture(QStringLiteral("BATTRY"), 300, 390);
    const int16_t ammeter = s.picture(QStringLiteral("AMMETR"), 90, 390);
    const int16_t voltmeter = s.picture(QStringLiteral("VOLTM"), 880, 265);
    s.line(lamp1, sw, 2, Red, 2);
    s.line(sw, fuse, 2, Red, 2);
    s.line(fuse, lamp2, 2, Red, 2);
    s.line(lamp2, motor, 2, Red, 2);
    s.line(motor, res, 2, Black, 2);
    s.line(res, battery, 2, Black, 2);
    s.line(battery, ammeter, 2, Black, 2);
    s.line(ammeter, lamp1, 2, Black, 2);
    // The voltmeter across the motor.
    s.line(lamp2, voltmeter, 3, Blue, 1, 1);
    s.line(voltmeter, motor, 1, Blue, 1, 1);
    s.box(QRect(860, 240, 104, 115), Blue, Shapes::Transparent, 0, 1, 1);
    const Style part{11};
    s.centred(QStringLiteral("H1"), 122, 110, part);
    s.centred(QStringLiteral("S1"), 332, 110, part);
    s.centred(QStringLiteral("F1  2 A"), 542, 110, part);
    s.centred(QStringLiteral("H2  6 V"), 752, 110, part);
    s.centred(QStringLiteral("PA"), 122, 465, part);
    s.centred(QStringLiteral("GB  9 V"), 332, 465, part);
    s.centred(QStringLiteral("R1  10 Ом"), 542, 465, part);
    s.centred(QStringLiteral("M"), 752, 465, part);
    s.centred(QStringLiteral("PV"), 912, 365, part);
    // The direction of the current.
    s.stroke(QPoint(190, 215), QPoint(260, 215), Red, 2);
    s.stroke(QPoint(260, 215), QPoint(250, 209), Red, 2);
    s.stroke(QPoint(260, 215), QPoint(250, 221), Red, 2);
    s.text(QStringLiteral("I"), 220, 222, Style{11, Red, true});
    s.text(QStringLiteral("Червено — от ключа до товара, черно — обратният път,"), 40, 530, Note);
    s.text(QStringLiteral("синьо пунктирано — волтметърът, успоредно на двигателя."), 40, 555,
           Note);
}

void slide8(Slide& s) {
    s.title(QStringLiteral("Логическа схема"),
            QStringLiteral("Полусуматор: всеки вход отива към двата логически елемента"));
    const int16_t a = s.picture(QStringLiteral("SWSPDT"), 60, 140);
    const int16_t b = s.picture(QStringLiteral("SWSPDT"), 60, 340);
    const int16_t xorGate = s.picture(QStringLiteral("EXOR"), 420, 170);
    const int16_t andGate = s.picture(QStringLiteral("AND"), 420, 310);
    const int16_t sum = s.picture(QStringLiteral("LAMPIN"), 780, 170);
    const int16_t carry = s.picture(QStringLiteral("LAMPIN"), 780, 310);
    s.line(a, xorGate, 2, Blue, 2);
    s.line(a, andGate, 2, Blue, 2);
    s.line(b, xorGate, 2, Violet, 2, 1);
    s.line(b, andGate, 2, Violet, 2, 1);
    s.line(xorGate, sum, 2, Green, 2);
    s.line(andGate, carry, 2, Orange, 2);
    s.centred(QStringLiteral("Вход A"), 92, 112, Body);
    s.centred(QStringLiteral("Вход B"), 92, 412, Body);
    s.centred(QStringLiteral("Изключващо ИЛИ"), 452, 140, Body);
    s.centred(QStringLiteral("И"), 452, 382, Body);
    s.centred(QStringLiteral("Сума S"), 812, 140, Body);
    s.centred(QStringLiteral("Пренос C"), 812, 382, Body);
    // The truth table.
    const int left = 230, top = 460;
    s.grid(5, 4, QRect(left, top, 360, 140), Navy, 1);
    s.box(QRect(left, top, 360, 28), Navy, Shapes::Solid, Sky, 1);
    const char* cells[5][4] = {{"A", "B", "S", "C"},
                               {"0", "0", "0", "0"},
                               {"0", "1", "1", "0"},
                               {"1", "0", "1", "0"},
                               {"1", "1", "0", "1"}};
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 4; ++column)
            s.centred(QString::fromLatin1(cells[row][column]), left + 45 + column * 90,
                      top + 5 + row * 28, row == 0 ? Head : Style{11, Black});
    s.text(QStringLiteral("Таблица на истинност"), 620, 520, Note);
}

void slide9(Slide& s) {
    s.title(QStringLiteral("Етикети"),
            QStringLiteral("Името на обекта, изписано до него като текстово поле"));
    const int16_t center = s.picture(QStringLiteral("BROADBAND_ROUTER"), 200, 200);
    s.label(center, TextFields::Below, 10, Red);
    s.label(center, TextFields::Above, 10, Blue);
    s.label(center, TextFields::Left, 10, Green);
    s.label(center, TextFields::Right, 10, Violet);
    s.box(QRect(20, 140, 425, 180), Grey, Shapes::Transparent, 0, 1, 1);
    s.text(QStringLiteral("Менюто на обекта: етикет отдолу, отгоре,"), 470, 180, Body);
    s.text(QStringLiteral("отляво или отдясно."), 470, 205, Body);
    s.text(QStringLiteral("„Функции“ » „Добавяне на етикети“"), 470, 245, Body);
    s.text(QStringLiteral("надписва всички обекти наведнъж."), 470, 270, Body);
    s.box(QRect(40, 400, 905, 165), Green, Shapes::Transparent, 0, 2);
    s.text(QStringLiteral("Етикети отдолу за всички обекти:"), 55, 410, Head);
    const int16_t house = s.picture(QStringLiteral("HOUSE_WITH_ROUTER"), 100, 450);
    const int16_t tower = s.picture(QStringLiteral("RADIO_TOWER"), 330, 450);
    const int16_t dish = s.picture(QStringLiteral("SATELLITE_DISH"), 560, 450);
    const int16_t satellite = s.picture(QStringLiteral("SATELLITE"), 790, 450);
    s.line(house, tower, 2, Navy, 1, 2);
    s.line(tower, dish, 2, Navy, 1, 2);
    s.line(dish, satellite, 2, Navy, 1, 2);
    for (int16_t object : {house, tower, dish, satellite})
        s.label(object, TextFields::Below, 10, Navy);
    s.text(QStringLiteral("Името се сменя с „Редактирай“ в менюто на обекта."), 470, 320, Note);
}

QImage sketch() {
    QImage image(200, 140, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Sky, sun, a house and a tree, as a pencil and the fill tool would leave them.
    p.fillRect(0, 0, 200, 95, QColor(200, 225, 250));
    p.fillRect(0, 95, 200, 45, QColor(120, 190, 90));
    p.setPen(QPen(QColor(230, 160, 0), 2));
    p.setBrush(QColor(255, 210, 40));
    p.drawEllipse(QPoint(165, 28), 16, 16);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(230, 200, 150));
    p.drawRect(40, 60, 70, 50);
    p.setBrush(QColor(190, 50, 40));
    p.drawPolygon(QPolygon({QPoint(32, 60), QPoint(75, 28), QPoint(118, 60)}));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(66, 80, 16, 30);
    p.setBrush(QColor(170, 220, 250));
    p.drawRect(48, 70, 12, 12);
    p.drawRect(90, 70, 12, 12);
    p.setBrush(QColor(110, 70, 30));
    p.drawRect(145, 75, 8, 35);
    p.setBrush(QColor(40, 140, 50));
    p.drawEllipse(QPoint(149, 65), 20, 20);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 199, 139);
    return image;
}

void slide10(Slide& s) {
    s.title(QStringLiteral("Скицникът"),
            QStringLiteral("„Добави обект“ » „Добави от Скицника“: рисувате своя картинка"));
    s.box(QRect(50, 100, 240, 215), Navy, Shapes::Solid, Sand, 2);
    const int16_t drawing = s.drawing(sketch(), QStringLiteral("Моята рисунка"), 70, 125);
    s.label(drawing, TextFields::Below, 10, Navy);
    const int16_t pc = s.picture(QStringLiteral("PC_MAN"), 450, 160);
    s.label(pc, TextFields::Below);
    s.line(pc, drawing, 2, Orange, 2, 1);
    s.text(QStringLiteral("Инструменти на Скицника:"), 570, 110, Head);
    const QStringList tools{
        QStringLiteral("•  молив и гума"), QStringLiteral("•  линия и правоъгълник"),
        QStringLiteral("•  елипса"),       QStringLiteral("•  запълване с цвят"),
        QStringLiteral("•  текст"),
    };
    for (int i = 0; i < tools.size(); ++i)
        s.text(tools[i], 585, 145 + i * 30, Body);
    s.grid(1, 3, QRect(50, 370, 600, 130), Grey, 1);
    const struct {
        const char* line1;
        const char* line2;
    } steps[] = {{"1. Нарисувайте", "картинката"},
                 {"2. „Вмъкни“ я", "на паното"},
                 {"3. Тя се пази", "в самия .dia файл"}};
    for (int i = 0; i < 3; ++i) {
        s.centred(QString::fromUtf8(steps[i].line1), 150 + i * 200, 405, Body);
        s.centred(QString::fromUtf8(steps[i].line2), 150 + i * 200, 435, Body);
    }
    s.text(QStringLiteral("Рисунката се мести, оразмерява и копира като всеки обект."), 50, 540,
           Note);
}

void slide11(Slide& s) {
    s.title(QStringLiteral("Запис, картинки и печат"),
            QStringLiteral("Диаграмата като файл, като картинка и на хартия"));
    const int16_t diagram = s.picture(QStringLiteral("PCOMPUTER"), 90, 260);
    s.label(diagram, TextFields::Below);
    const int16_t disk = s.picture(QStringLiteral("DISKETTE"), 420, 110);
    const int16_t picture = s.picture(QStringLiteral("TV"), 420, 260);
    const int16_t printer = s.picture(QStringLiteral("PRINTER"), 420, 410);
    s.line(diagram, disk, 3, Navy, 2);
    s.line(diagram, picture, 2, Green, 2);
    s.line(diagram, printer, 1, Red, 2);
    s.text(QStringLiteral("„Запази“ — файл .dia"), 510, 130, Head);
    s.text(QStringLiteral("Картинка BMP, GIF или JPEG"), 510, 270, Head);
    s.text(QStringLiteral("на цялата диаграма или на част от нея"), 510, 295, Small);
    s.text(QStringLiteral("„Превю“ и „Печат“"), 510, 430, Head);
    s.text(QStringLiteral("на лист Letter, в мащаб 25, 50 или 100 %"), 510, 455, Small);
    s.box(QRect(40, 90, 930, 460), Grey, Shapes::Transparent, 0, 1, 1);
    s.box(QRect(60, 230, 124, 150), Navy, Shapes::Transparent, 0, 2);
    s.text(QStringLiteral("Без прозорец:  vexilardo --export диаграма.dia картинка.png"), 60, 570,
           Note);
}

void slide12(Slide& s) {
    s.title(QStringLiteral("Благодарим за вниманието!"),
            QStringLiteral("Приятна работа с Вексилардо"));
    s.ellipse(QRect(250, 100, 485, 250), Blue, Shapes::Transparent, 0, 3);
    const int16_t man = s.picture(QStringLiteral("PC_MAN"), 330, 190);
    const int16_t woman = s.picture(QStringLiteral("MAC_WOMAN"), 590, 190);
    const int16_t cloud = s.picture(QStringLiteral("CLOUD"), 460, 120);
    s.line(man, cloud, 3, Navy, 2);
    s.line(woman, cloud, 1, Navy, 2);
    s.line(man, woman, 2, Green, 1, 1);
    s.label(man, TextFields::Below);
    s.label(woman, TextFields::Below);
    s.grid(3, 2, QRect(190, 390, 600, 150), Navy, 1);
    const char* keys[3][2] = {{"Ctrl+Z / Ctrl+Y", "отмяна / повторение"},
                              {"Ctrl+C / Ctrl+V", "копиране / поставяне"},
                              {"Ctrl+F", "търсене"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column)
            s.centred(QString::fromUtf8(keys[row][column]), 340 + column * 300, 403 + row * 50,
                      column == 0 ? Head : Body);
    s.text(QStringLiteral("„<“ и „>“ обикалят слайдовете отначало."), 190, 570, Note);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_slides <program folder> <output folder>\n");
        return 2;
    }
    const QString programFolder = QString::fromLocal8Bit(argv[1]);
    const QString outFolder = QString::fromLocal8Bit(argv[2]);

    PrintingPrompter prompter;
    Workspace ws(prompter, CoreKinds());
    ws.settings.ProgramFont = Font;
    ws.setCanvasSize(CanvasWidth, CanvasHeight);
    CatalogueLoader loader(QDir(programFolder).filePath(CatalogueLoader::folderName()),
                           ws.kartinki);
    loader.loadAll();
    if (!loader.faults().isEmpty()) {
        std::fprintf(stderr, "make_slides: the library is incomplete:\n%s\n",
                     qPrintable(loader.faults().join(QLatin1Char('\n'))));
        return 1;
    }
    if (!QDir().mkpath(outFolder)) {
        std::fprintf(stderr, "make_slides: cannot make %s\n", qPrintable(outFolder));
        return 1;
    }

    const std::function<void(Slide&)> slides[] = {slide1, slide2,  slide3,  slide4,
                                                  slide5, slide6,  slide7,  slide8,
                                                  slide9, slide10, slide11, slide12};
    int warnings = 0;
    for (int n = 1; n <= 12; ++n) {
        ws.Iz4isti();
        std::fprintf(stderr, "Slide%d\n", n);
        {
            Slide slide(ws, QStringLiteral("Слайд %1").arg(n));
            slides[n - 1](slide);
            slide.finish();
            warnings += slide.warnings;
        }
        const QString path = QDir(outFolder).filePath(QStringLiteral("Slide%1.dia").arg(n));
        QFile file(path);
        const QByteArray bytes = DiaFile::write(ws);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "make_slides: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (prompter.questions)
        return 1;
    std::fprintf(stderr, "%d warnings\n", warnings);
    return warnings ? 3 : 0;
}
