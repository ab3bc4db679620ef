// The search walk without a window: matching, the order of the walk, starting over, the
// searched kinds, the highlight and where the view must go to show it.
#include "search/Search.h"
#include "workspace/ElementStore.h"

#include <QTest>
#include <vector>

namespace {

void putObject(ElementStore& store, int slot, const QString& name) {
    store.objectStatus[slot] = ElementStore::Used;
    store.objects[slot].ToolTipText = name;
}

void putText(ElementStore& store, int slot, const QString& caption) {
    store.textStatus[slot] = ElementStore::Used;
    store.texts[slot].Caption = caption;
}

} // namespace

Q_DECLARE_METATYPE(ElementRef)

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void matchesIgnoringCase_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("found");
        QTest::newRow("lower-case key") << "Широколентов рутър"
                                        << "рут" << true;
        QTest::newRow("name in capitals") << "ШИРОКОЛЕНТОВ РУТЪР"
                                          << "рут" << true;
        QTest::newRow("key in capitals") << "Широколентов рутър"
                                         << "РУТЪР" << true;
        QTest::newRow("Latin, mixed") << "Hub 8 ports"
                                      << "hUB 8" << true;
        QTest::newRow("key longer than the name") << "рут"
                                                  << "рутър" << false;
        QTest::newRow("letters apart") << "Широколентов рутър"
                                       << "шр" << false;
    }

    void matchesIgnoringCase() {
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(bool, found);
        ElementStore store;
        putObject(store, 4, name);
        Search search;
        search.reset(store);
        QCOMPARE(search.next(store, key), found ? Search::Result::Found : Search::Result::NotFound);
        QCOMPARE(search.found(), (found ? ElementRef{ElementKind::Picture, 4} : ElementRef{}));
        QCOMPARE(search.examined(), 1);
    }

    // An object, then a text field in a higher slot, then all examined: the walk starts over.
    void objectThenTextThenStartOver() {
        ElementStore store;
        putObject(store, 2, QStringLiteral("Сървър"));
        putObject(store, 3, QStringLiteral("Рутер А"));
        putText(store, 9, QStringLiteral("до рутера"));
        Search search;
        search.reset(store);
        QCOMPARE(search.counterText(), QStringLiteral("Претърсени : 0 / 3"));

        const std::vector<std::pair<ElementRef, QString>> clicks = {
            {{ElementKind::Picture, 3}, QStringLiteral("Претърсени : 2 / 3")},
            {{ElementKind::Text, 9}, QStringLiteral("Претърсени : 3 / 3")},
            {{ElementKind::Picture, 3}, QStringLiteral("Претърсени : 2 / 3")},
        };
        for (const auto& [expected, counter] : clicks) {
            search.next(store, QStringLiteral("рутер"));
            QCOMPARE(search.found(), expected);
            QCOMPARE(search.counterText(), counter);
        }
    }

    // A click that ends the walk with elements unseen finds nothing; the next one starts over
    // instead of finding nothing for good.
    void startsOverAfterWalkWithUnseenElements_data() {
        QTest::addColumn<bool>("deleteOne");
        QTest::addColumn<int>("examinedAtEnd");
        QTest::newRow("an element deleted after the count") << true << 2;
        QTest::newRow("the text of a matched object's slot") << false << 2;
    }

    void startsOverAfterWalkWithUnseenElements() {
        QFETCH(bool, deleteOne);
        QFETCH(int, examinedAtEnd);
        ElementStore store;
        putObject(store, 5, QStringLiteral("Рутер"));
        putText(store, deleteOne ? 50 : 5, QStringLiteral("рутер"));
        putText(store, 40, QStringLiteral("бележка"));
        Search search;
        search.reset(store);
        QCOMPARE(search.total(), 3);
        const QString key = QStringLiteral("рутер");

        QCOMPARE(search.next(store, key), Search::Result::Found);
        QCOMPARE(search.found(), (ElementRef{ElementKind::Picture, 5}));
        if (deleteOne)
            store.textStatus[50] = ElementStore::Free;
        QCOMPARE(search.next(store, key), Search::Result::NotFound);
        QCOMPARE(search.examined(), examinedAtEnd);
        QCOMPARE(search.nextSlot(), 256);

        QCOMPARE(search.next(store, key), Search::Result::Found);
        QCOMPARE(search.found(), (ElementRef{ElementKind::Picture, 5}));
        QCOMPARE(search.total(), deleteOne ? 2 : 3);
    }

    void searchedKinds_data() {
        QTest::addColumn<bool>("objects");
        QTest::addColumn<bool>("texts");
        QTest::addColumn<int>("total");
        QTest::addColumn<ElementRef>("first");
        QTest::addColumn<int>("examined");
        QTest::newRow("both") << true << true << 4 << ElementRef{ElementKind::Picture, 6} << 2;
        QTest::newRow("objects only")
            << true << false << 2 << ElementRef{ElementKind::Picture, 6} << 1;
        QTest::newRow("texts only") << false << true << 2 << ElementRef{ElementKind::Text, 6} << 2;
        QTest::newRow("neither") << false << false << 0 << ElementRef{} << 0;
    }

    void searchedKinds() {
        QFETCH(bool, objects);
        QFETCH(bool, texts);
        QFETCH(int, total);
        QFETCH(ElementRef, first);
        QFETCH(int, examined);
        ElementStore store;
        putText(store, 1, QStringLiteral("заглавие"));
        putObject(store, 6, QStringLiteral("Комутатор"));
        putText(store, 6, QStringLiteral("комутатор 2"));
        putObject(store, 8, QStringLiteral("Модем"));
        Search search;
        search.next(store, QStringLiteral("модем"));
        search.setScope(store, objects, texts);
        QCOMPARE(search.examined(), 0);
        QCOMPARE(search.nextSlot(), 0);
        QCOMPARE(search.total(), total);
        search.next(store, QStringLiteral("КОМУТАТОР"));
        QCOMPARE(search.found(), first);
        QCOMPARE(search.examined(), examined);
    }

    void emptyKeyChangesNothing() {
        ElementStore store;
        putObject(store, 1, QStringLiteral("Рутер"));
        Search search;
        search.reset(store);
        QCOMPARE(search.next(store, QString()), Search::Result::EmptyKey);
        QCOMPARE(search.nextSlot(), 0);
        QCOMPARE(search.examined(), 0);
        QCOMPARE(search.found(), ElementRef{});
    }

    void highlightIsFortyTwipsOutside() {
        QCOMPARE(Search::highlight(QRectF(1000, 2000, 375, 375)), QRectF(960, 1960, 455, 455));
    }

    void originShowing_data() {
        QTest::addColumn<QRectF>("box");
        QTest::addColumn<QPoint>("origin");  // where the view stands
        QTest::addColumn<QPoint>("maximum"); // the scroll bars' maxima
        QTest::addColumn<QPoint>("expected");
        // The view is 6000 x 4000 twips; 300 twips along its edges count as out of it.
        QTest::newRow("in view") << QRectF(1000, 1000, 455, 455) << QPoint(0, 0)
                                 << QPoint(9000, 9000) << QPoint(0, 0);
        QTest::newRow("right of the view: centred") << QRectF(8000, 1000, 400, 400) << QPoint(0, 0)
                                                    << QPoint(9000, 9000) << QPoint(5200, 0);
        QTest::newRow("at the bottom edge") << QRectF(1000, 3500, 400, 400) << QPoint(0, 0)
                                            << QPoint(9000, 9000) << QPoint(0, 1700);
        QTest::newRow("above and left of a scrolled view")
            << QRectF(1000, 2000, 400, 400) << QPoint(5000, 3000) << QPoint(9000, 9000)
            << QPoint(0, 200);
        QTest::newRow("taller than the view: its top")
            << QRectF(1000, 5000, 400, 5000) << QPoint(0, 0) << QPoint(9000, 9000)
            << QPoint(0, 4700);
        QTest::newRow("held by the scroll range") << QRectF(12000, 9000, 400, 400) << QPoint(0, 0)
                                                  << QPoint(3000, 2000) << QPoint(3000, 2000);
        QTest::newRow("not before the start")
            << QRectF(-40, -40, 455, 455) << QPoint(600, 600) << QPoint(9000, 9000) << QPoint(0, 0);
    }

    void originShowing() {
        QFETCH(QRectF, box);
        QFETCH(QPoint, origin);
        QFETCH(QPoint, maximum);
        QFETCH(QPoint, expected);
        QCOMPARE(Search::originShowing(box, QRectF(origin, QSizeF(6000, 4000)), maximum), expected);
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
