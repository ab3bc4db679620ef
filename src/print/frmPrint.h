#pragma once

#include "print/PrintLayout.h"
#include "settings/ProgramWindow.h"

#include <QImage>
#include <QMainWindow>
#include <functional>

class Prompter;
class QAction;
class QLabel;
class QMenu;
class QPainter;
class QPrinter;
class QScrollBar;
class QWidget;

// "Визуализация на печат": the page the diagram is printed on, zoomed to 25, 50 or 100 % in a
// holder with two scroll bars, and sent to the printer from its menu. Back to 25 % whenever it
// becomes the active window.
class frmPrint : public QMainWindow, public ProgramWindow {
    Q_OBJECT

public:
    frmPrint(const SettingsRecord& settings, Prompter& prompter, QWidget* parent = nullptr);
    ~frmPrint() override;

    // The page to show and print: the page picture (15 twips a pixel) and its layout.
    void setPage(const QImage& picture, const PrintLayout::Page& page);
    const QImage& pagePicture() const { return m_picture; }
    const PrintLayout::Page& page() const { return m_page; }
    int zoom() const { return m_zoom; }

    void mnuPrint_Click();
    void mnuClose_Click();
    // 25, 50 or 100.
    void setZoom(int percent);

    // Draws the page onto a sheet of paper: the whole page onto the whole sheet, through
    // `pagePainter` (the diagram itself at the printer's resolution) where one is given,
    // otherwise the page picture scaled.
    void paintPage(QPainter& painter, const QRectF& sheet) const;
    std::function<void(QPainter& painter, const QRectF& sheet)> pagePainter;

    // Runs the printer dialog on a printer set up for the page; true to print. Tests answer
    // it themselves.
    std::function<bool(QPrinter&)> runDialog;

    QAction* mnuPrint = nullptr;
    QMenu* mnuZoom = nullptr;
    QAction* mnu100 = nullptr;
    QAction* mnu50 = nullptr;
    QAction* mnu25 = nullptr;
    QAction* mnuClose = nullptr;
    QWidget* picHolder = nullptr;
    QLabel* picZoom = nullptr;
    QScrollBar* hbarScroller = nullptr;
    QScrollBar* vbarScroller = nullptr;

protected:
    const SettingsRecord& appearanceSettings() const override { return m_settings; }
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QSize pageSize() const;
    // The zoomed page placed (centred or at the corner) and the bars brought to match.
    void placeZoom(bool centred);
    void setRanges();
    void scrolled();

    const SettingsRecord& m_settings;
    Prompter& m_prompter;
    QImage m_picture;
    PrintLayout::Page m_page;
    int m_zoom = 25;
    bool m_placing = false;
};
