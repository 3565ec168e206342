#pragma once

#include <QIODevice>
#include <QObject>
#include <QString>
#include <QStringList>

// Collects a melody (entries of notes, a length code and a loudness) and writes it as a
// format-1 MIDI file: a tempo track, the note track and a channel track. The melody is one
// for the whole program, shared by every TBMidi. Note numbers and loudnesses are 0 to 127;
// several notes separated by "," sound together.
class TBMidi : public QObject {
    Q_OBJECT
    // With exact lengths every release carries the length's full delta time; without, a
    // two-byte delta keeps only its high byte (a multiple of 128 ticks).
    Q_PROPERTY(bool ExactLengths MEMBER m_exactLengths)
public:
    explicit TBMidi(QObject* parent = nullptr);

    bool exactLengths() const { return m_exactLengths; }
    void setExactLengths(bool exact) { m_exactLengths = exact; }

    // The melody: entry i is line i of each list.
    static const QStringList& notes();
    static const QStringList& lengthCodes();
    static const QStringList& loudnesses();

    static void AddNote(const QString& notes, const QString& lengthCode, const QString& loudness);
    // False when there is no entry at index.
    static bool DeleteNote(int index);
    static void ClearNotes();
    // Clears target and fills it with the parts of notes between ","s: "60,64,67" gives 60, 64,
    // 67, "60,,64" gives 60, an empty line and 64; an empty part at the end is left out.
    static void ExtractNotes(const QString& notes, QStringList& target);

    // Writes the whole file or nothing: false, with errorString() telling why, when an entry
    // holds no valid note or loudness or when the file cannot be written.
    bool WriteMidiFile(const QString& fileName);
    QString errorString() const { return m_errorString; }
    // The number of bytes of the note track: the events of every entry and the end of track.
    int CountBytes() const;
    // Writes the events of one entry: every note on at once, then every note off after the
    // length. False, with nothing written, when a note or the loudness is not 0 to 127.
    bool NoteOnEvent(QIODevice& file, const QString& lengthCode, const QString& loudness, const QString& notes) const;

    // Octave 0 to 10 of a note number (12 notes each).
    static int GetOctave(int note);
    // Frequency in Hz with three decimals after a ",": note 69 gives "440,000".
    static QString GetHz(int note);
    // Duration of a length when a whole note lasts whole; 0 for an unknown code.
    static long double GetSekundenOfLength(const QString& lengthCode, long double whole);
    // Three decimals after a ".": 1.5 gives "1.500", 0.05 gives "0.050".
    static QString LongToStr(long double value);
    // Appends the 80 instrument names in program number order.
    static void FillInstrumentList(QStringList& target);
    // Program number of an instrument name (exact match); 0 when there is none.
    static int GetHexInstrument(const QString& name);
    // Name of a program number; empty text outside 0 to 79.
    static QString GetStringInstrument(int index);

private:
    QByteArray releaseDelta(const QString& lengthCode) const;

    bool m_exactLengths = false;
    QString m_errorString;
};
