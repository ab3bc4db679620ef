#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class ElementStore;
class KindRegistry;
class Workspace;

// The .dia diagram file: one record of eleven values per line in the write notation,
// Windows-1251, CR LF. For every slot 1..255 its picture record ("[PIC]", or "[EMPIC]"
// for an empty slot, so picture slots keep their numbers), then its line, text, shape and
// (slots 1..10) grid records; the pixels of "SKETCHPAD" pictures follow their record as
// runs of one colour along each row.
class DiaFile {
public:
    // Told (value, maximum) as the work goes on.
    using Progress = std::function<void(int value, int maximum)>;

    static QString startMarker() { return QStringLiteral("[Vexilardo]"); }
    static QString endMarker() { return QStringLiteral("[/Vexilardo]"); }
    // Larger pictures in a file are not read (their runs are passed over).
    static constexpr int LargestPictureSide = 8192;
    // Elements placed or sized beyond this many twips (about 176 m) either way are left out.
    static constexpr double LargestCoordinate = 10'000'000;

    // Takes the bytes of a file piece by piece, in order; false when a piece could not be
    // written.
    using Sink = std::function<bool(const char* data, qsizetype size)>;

    // The whole diagram as the program writes it (SaveFile without the file).
    static QByteArray write(const Workspace& workspace, const Progress& progress = {});
    // The same bytes handed to `sink` a block at a time, so that a large diagram is never
    // held whole; stops, returning false, at the first block the sink refuses.
    static bool write(const Workspace& workspace, const Sink& sink, const Progress& progress = {});
    // The same for a copy of a diagram, away from its workspace: it reads nothing else, so it
    // may run on another thread while the copy is not changed.
    static bool write(const ElementStore& store, const KindRegistry& kinds, const Sink& sink,
                      const Progress& progress = {});

    struct ReadResult {
        bool recognised = false; // the start marker was there
        bool ended = false;      // the end marker was there
        // Library keys the diagram names that the library lacks (each once); their objects
        // show the placeholder picture.
        QStringList missingKeys;
        // Records left out or cut because they are not what the program writes; the user is
        // told once when there are any.
        int damagedRecords = 0;
    };
    // Reads a diagram into the workspace, which the caller has cleared (LoadFile without the
    // file). Damaged input never stops it: what cannot be read is passed over and counted.
    static ReadResult read(Workspace& workspace, const QByteArray& bytes,
                           const Progress& progress = {});
    // The same, the bytes taken from `source` as they are read (WriteNotationReader::Source):
    // a large file is never held whole.
    using Source = std::function<qsizetype(char* buffer, qsizetype capacity)>;
    static ReadResult read(Workspace& workspace, const Source& source,
                           const Progress& progress = {});
};
