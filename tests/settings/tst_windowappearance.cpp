#include "settings/WindowAppearance.h"

#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

class TestWindowAppearance : public QObject {
    Q_OBJECT

private slots:
    void fontFamilyReachesChildrenAndMenus();
    void fontKeepsSizeAndStyle();
    void blankFamilyChangesNothing();
    void fontByWindowName();
    void transparencyLevels_data();
    void transparencyLevels();
    void transparencyNeedsATopLevelWindow();
    void opaqueSettingRestoresOpacity();
};

void TestWindowAppearance::fontFamilyReachesChildrenAndMenus() {
    QMainWindow window;
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    auto* label = new QLabel(QStringLiteral("Етикет"));
    auto* check = new QCheckBox(QStringLiteral("Отметка"));
    layout->addWidget(label);
    layout->addWidget(check);
    window.setCentralWidget(central);
    QMenu* fileMenu = window.menuBar()->addMenu(QStringLiteral("Файл"));
    // A parentless submenu is only reachable through its action.
    auto orphan = std::make_unique<QMenu>(QStringLiteral("Последни"));
    fileMenu->addMenu(orphan.get());
    auto* statusLabel = new QLabel(QStringLiteral("Готово"));
    window.statusBar()->addPermanentWidget(statusLabel);

    const QString family = QStringLiteral("DejaVu Serif");
    ApplyProgramFont(&window, family);

    const QList<QWidget*> widgets{&window,  label,        check,      window.menuBar(),
                                  fileMenu, orphan.get(), statusLabel};
    for (QWidget* widget : widgets)
        QCOMPARE(widget->font().family(), family);
}

void TestWindowAppearance::fontKeepsSizeAndStyle() {
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Бутон"), &window);
    QFont big = button->font();
    big.setPointSize(17);
    big.setBold(true);
    big.setItalic(true);
    button->setFont(big);
    auto* plain = new QLabel(QStringLiteral("Текст"), &window);
    const int plainSize = plain->font().pointSize();

    ApplyProgramFont(&window, QStringLiteral("DejaVu Sans Mono"));

    QCOMPARE(button->font().family(), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(button->font().pointSize(), 17);
    QVERIFY(button->font().bold());
    QVERIFY(button->font().italic());
    QCOMPARE(plain->font().pointSize(), plainSize);
    QVERIFY(!plain->font().bold());
}

void TestWindowAppearance::blankFamilyChangesNothing() {
    QWidget window;
    auto* label = new QLabel(QStringLiteral("Текст"), &window);
    ApplyProgramFont(&window, QStringLiteral("DejaVu Serif"));
    ApplyProgramFont(&window, QStringLiteral("  "));
    ApplyProgramFont(static_cast<QWidget*>(nullptr), QStringLiteral("DejaVu Sans"));
    QCOMPARE(label->font().family(), QStringLiteral("DejaVu Serif"));
}

void TestWindowAppearance::fontByWindowName() {
    QWidget main;
    main.setObjectName(QStringLiteral("frmMain"));
    auto* label = new QLabel(QStringLiteral("Текст"), &main);
    QWidget stranger;
    stranger.setObjectName(QStringLiteral("frmStranger"));

    QVERIFY(ApplyProgramFont(QStringLiteral("frmMain"), QStringLiteral("DejaVu Serif")));
    QCOMPARE(label->font().family(), QStringLiteral("DejaVu Serif"));

    // Not one of the program's windows, even though it is open.
    QVERIFY(!ApplyProgramFont(QStringLiteral("frmStranger"), QStringLiteral("DejaVu Serif")));
    QVERIFY(stranger.font().family() != QStringLiteral("DejaVu Serif"));
    // A program window that is not open.
    QVERIFY(!ApplyProgramFont(QStringLiteral("frmSettings"), QStringLiteral("DejaVu Serif")));
    // Names are matched exactly.
    QVERIFY(!ApplyProgramFont(QStringLiteral("frmmain"), QStringLiteral("DejaVu Serif")));
}

void TestWindowAppearance::transparencyLevels_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("opacity");
    QTest::newRow("opaque") << 255 << 1.0;
    QTest::newRow("one step") << 254 << 254 / 255.0;
    QTest::newRow("invisible") << 0 << 0.0;
    QTest::newRow("low byte of 300") << 300 << 44 / 255.0;
    QTest::newRow("negative wraps") << -1 << 1.0;
}

void TestWindowAppearance::transparencyLevels() {
    QFETCH(int, level);
    QFETCH(double, opacity);
    QWidget window;
    QVERIFY(SetWindowTransparency(&window, level));
    QCOMPARE(window.windowOpacity(), opacity);
}

void TestWindowAppearance::transparencyNeedsATopLevelWindow() {
    QWidget window;
    auto* child = new QWidget(&window);
    QVERIFY(!SetWindowTransparency(nullptr, 100));
    QVERIFY(!SetWindowTransparency(child, 100));
    QCOMPARE(window.windowOpacity(), 1.0);
    ApplyWindowTransparency(nullptr, 100);
}

void TestWindowAppearance::opaqueSettingRestoresOpacity() {
    QWidget window;
    ApplyWindowTransparency(&window, 255);
    QVERIFY(window.windowOpacity() == 1.0);
    ApplyWindowTransparency(&window, 1000);
    QVERIFY(window.windowOpacity() == 1.0);

    ApplyWindowTransparency(&window, 128);
    QCOMPARE(window.windowOpacity(), 128 / 255.0);
    // Switching the setting back to opaque must not leave the window translucent.
    ApplyWindowTransparency(&window, 255);
    QVERIFY(window.windowOpacity() == 1.0);
}

QTEST_MAIN(TestWindowAppearance)
#include "tst_windowappearance.moc"
