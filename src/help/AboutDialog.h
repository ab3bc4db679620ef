#pragma once

#include <QDialog>
#include <QString>
#include <QVector>

// "Относно програмата": the program's name and version, and the libraries it is built on
// with their licences.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    struct Library {
        QString name;
        QString version; // may be empty
        QString licence;
    };

    explicit AboutDialog(QWidget* parent);

    // The version the build gives the program.
    static QString version();
    // The libraries the program itself uses when it runs.
    static QVector<Library> libraries();
};
