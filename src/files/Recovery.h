#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>

class Prompter;
class QLockFile;
class Workspace;

// The autosave of the diagram and its recovery after a crash.
//
// Each running copy of the program keeps its own recovery file in a folder of the user's,
// never over the user's file: "autosave-<id>.dia", the diagram as the program writes it;
// "autosave-<id>.info", the name the diagram had and when it was written (small, JSON); and
// "autosave-<id>.lock", held while the other two exist. The copy of the diagram is taken
// here, on the thread of the window; the file is made and written, whole or not at all, on a
// worker thread of its own, one write after the other.
//
// The files go when the diagram is saved, replaced (New, Load) or the program ends cleanly
// (discard()). Files whose lock no running copy holds are what a copy that died left behind;
// at the next start offer() asks about each of them.
class Recovery : public QObject {
    Q_OBJECT

public:
    // The user's folder for recovery files.
    static QString defaultFolder();
    // How often the window asks for an autosave while there are changes.
    static constexpr int IntervalMs = 2 * 60 * 1000;
    // An info file is a few hundred bytes; a larger one is not read.
    static constexpr qint64 LargestInfoBytes = 16 * 1024;
    // What a name in an info file may be at most (characters).
    static constexpr int LongestFileName = 4096;
    // At most this many files left behind are looked at in one start.
    static constexpr int MostLeftBehind = 64;

    // Nothing is written to `folder` (created when needed) before the first autosave.
    Recovery(Workspace& workspace, const QString& folder, QObject* parent = nullptr);
    // Waits for a write in progress and lets the lock go; the files stay, as after a crash.
    ~Recovery() override;
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    const QString& folder() const { return m_folder; }
    QString diagramPath() const;
    QString infoPath() const;
    QString lockPath() const;

    // The file the diagram was last loaded from or saved as; empty for none. A diagram put
    // in place as a whole (New, Load) has none until it is given one.
    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    // Whether the diagram changed since the last autosave (or since it was put in place).
    bool hasChanges() const { return m_changes; }

    // Hands a copy of the diagram to the worker when it changed since the last autosave;
    // false when there was nothing to write or the folder could not be used (told once).
    bool autosave();
    // Waits until the worker has written what it was given.
    void wait();
    // The diagram was saved as `fileName`: the recovery files go.
    void saved(const QString& fileName);
    // Removes the recovery files and the lock, once a write in progress is done.
    void discard();

    // What a recovered diagram is opened with: the recovery file and the name the diagram
    // had (empty for none). True when the whole diagram was read.
    using Opener = std::function<bool(const QString& diagramPath, const QString& fileName)>;
    // Offers the diagrams that copies of the program left behind, newest first, until one is
    // taken: Yes opens it (and it becomes this copy's recovery file), No deletes it. Damaged
    // ones are set aside and named in one message. Files a running copy holds are left alone.
    void offer(Prompter& prompter, const Opener& open);

signals:
    // The recovery file could not be written; sent once per run, on the window's thread.
    void unavailable(const QString& message);

private:
    struct LeftBehind;
    // Takes the folder and the lock for this copy's files; false (told once) when it cannot.
    bool prepare();
    // Tells the user, once, that autosaving fails; `retry` keeps the changes to be written.
    void fail(const QString& reason, bool retry = true);
    // The bytes of the info file for this copy.
    QByteArray info(const QDateTime& saved) const;
    // The name and time of an info file, or false for one that is damaged or foreign.
    static bool readInfo(const QString& path, QString& fileName, QDateTime& saved);
    static bool looksLikeDiagram(const QString& path);
    // Renames a damaged file out of the way; the name it now has, or empty.
    static QString setAside(const QString& path);
    // Makes a recovered diagram's files this copy's own.
    void adopt(LeftBehind& found);

    Workspace& m_workspace;
    QString m_folder;
    QString m_id;
    QString m_fileName;
    bool m_changes = false;
    bool m_told = false;
    std::unique_ptr<QLockFile> m_lock;
    // A write given to the worker is skipped when this moved on before it started.
    std::atomic<quint64> m_generation{0};
    QThreadPool m_worker;
};
