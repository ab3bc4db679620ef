#pragma once

#include "settings/ProgramWindow.h"

#include <QDialog>
#include <QLocale>
#include <cstdint>
#include <optional>

class EditorContext;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct GridRecord;

// "Решетка": the parameters of one grid (size, rows, columns, line width and colour), shown
// modally from the grid menu. "Промени" writes them back and repaints the canvas.
class frmEditTable : public QDialog, public ProgramWindow {
    Q_OBJECT

public:
    explicit frmEditTable(EditorContext& context);
    ~frmEditTable() override;

    // The slot being edited.
    int16_t IndexTab = 0;
    // Writes "+50%" results with its decimal separator and reads it back.
    QLocale numberLocale = QLocale::system();

    QGroupBox* fraProperties = nullptr;
    QLineEdit* txtHeight = nullptr;
    QPushButton* AddHeight = nullptr;
    QLineEdit* txtWidth = nullptr;
    QPushButton* AddWidth = nullptr;
    QComboBox* txtRows = nullptr;
    QComboBox* txtColums = nullptr;
    QComboBox* cmbDebLinii = nullptr;
    QLabel* Color = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Fills the fields from the grid in `slot` and makes it the one edited.
    void load(int16_t slot, const GridRecord& grid);
    // The colour `Color` shows (0x00BBGGRR).
    int32_t colour() const { return m_colour; }
    void setColour(int32_t colour);

    void Color_Click();
    void AddHeight_Click();
    void AddWidth_Click();
    void cmdOk_Click();
    void cmdCancel_Click();

    // The value of a field as the dialog reads it: digits with at most one decimal comma (or
    // the locale's own separator), rounded half to even into 16 bits; nothing otherwise.
    static std::optional<int16_t> fieldValue(const QString& text, const QLocale& locale);
    // "+50%": v / 2 + v, with one decimal place when v is odd.
    static QString enlarged(int16_t v, const QLocale& locale);

public slots:
    // Escape and the close box count as "Отказ".
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    const SettingsRecord& appearanceSettings() const override;

private:
    void buildControls();
    void enlarge(QLineEdit* field);
    void warn();

    EditorContext& m_context;
    int32_t m_colour = 0;
    bool m_finished = false;
};
