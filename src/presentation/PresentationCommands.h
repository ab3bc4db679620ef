#pragma once

#include <QObject>
#include <QString>

class EditorContext;
class FileCommands;
class QPushButton;

// The presentation: twelve diagrams of the Samples folder shown one after another in the main
// window, stepped with "<" and ">". It has no menu entry; a phrase typed into a text field and
// a password start it, and it lasts until the program ends.
class PresentationCommands : public QObject {
    Q_OBJECT

public:
    static constexpr int SlideCount = 12;

    // `programFolder` holds Samples/Slide1.dia to Samples/Slide12.dia.
    PresentationCommands(EditorContext& context, FileCommands& files, const QString& programFolder);
    ~PresentationCommands() override;

    static QString password() { return QStringLiteral("QORVENT"); }
    static QString slidePath(const QString& programFolder, int slide);
    // The slide after and before `slide`, going round.
    static int nextSlide(int slide) { return slide >= SlideCount ? 1 : slide + 1; }
    static int previousSlide(int slide) { return slide <= 1 ? SlideCount : slide - 1; }

    QPushButton* cmdPrevSlide = nullptr;
    QPushButton* cmdNextSlide = nullptr;

    // The current slide, 1 to 12.
    int slide() const { return m_slide; }

    // Asks for the password; the right one, in any letter case, starts at slide 1.
    void enter();
    void start();
    void cmdNextSlide_Click();
    void cmdPrevSlide_Click();
    // Shows slide `n` as a loaded diagram; false when the user kept the diagram shown now.
    bool showSlide(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeButtons();

    EditorContext& m_context;
    FileCommands& m_files;
    QString m_programFolder;
    int m_slide = 1;
};
