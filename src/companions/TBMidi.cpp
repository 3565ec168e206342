#include "companions/TBMidi.h"

#include "companions/MidiLengths.h"
#include "components/core/WholeFileSave.h"

#include <QBuffer>
#include <initializer_list>
#include <optional>

namespace {

struct Melody {
    QStringList notes;
    QStringList lengthCodes;
    QStringList loudnesses;
};

Melody& melody() {
    static Melody theMelody;
    return theMelody;
}

// A data byte of a MIDI event: a whole number 0 .. 127, nothing else.
std::optional<char> dataByte(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < 0 || value > 127)
        return std::nullopt;
    return char(value);
}

// Why an entry cannot be written, or empty text.
QString entryProblem(const QStringList& noteTexts, const QString& loudness) {
    if (noteTexts.isEmpty())
        return QStringLiteral("it has no note");
    for (const QString& note : noteTexts) {
        if (!dataByte(note))
            return QStringLiteral("\"%1\" is not a note number from 0 to 127").arg(note);
    }
    if (!dataByte(loudness))
        return QStringLiteral("\"%1\" is not a loudness from 0 to 127").arg(loudness);
    return {};
}

QByteArray bytesOf(std::initializer_list<char> values) {
    return QByteArray(values.begin(), qsizetype(values.size()));
}

QByteArray bigEndian32(quint32 value) {
    return bytesOf({char(value >> 24), char(value >> 16), char(value >> 8), char(value)});
}

QByteArray chunk(const char* id, const QByteArray& data) {
    return QByteArray(id) + bigEndian32(data.size()) + data;
}

QByteArray fromHex(const char* hex) {
    return QByteArray::fromHex(hex);
}

// Time signatures the tempo track can carry: numerator and the power of two of the denominator.
QByteArray timeSignatureEvent(const QString& signature) {
    const char* data = signature == QLatin1String("6/8") ? "0603" : signature == QLatin1String("3/4") ? "0302" : "0402";
    return fromHex("00FF5804") + fromHex(data) + fromHex("1808");
}

const QByteArray endOfTrack = QByteArray::fromHex("00FF2F00");

} // namespace

TBMidi::TBMidi(QObject* parent)
    : QObject(parent) {}

const QStringList& TBMidi::notes() {
    return melody().notes;
}
const QStringList& TBMidi::lengthCodes() {
    return melody().lengthCodes;
}
const QStringList& TBMidi::loudnesses() {
    return melody().loudnesses;
}

void TBMidi::AddNote(const QString& notes, const QString& lengthCode, const QString& loudness) {
    melody().notes.append(notes);
    melody().lengthCodes.append(lengthCode);
    melody().loudnesses.append(loudness);
}

bool TBMidi::DeleteNote(int index) {
    if (index < 0 || index >= melody().notes.size())
        return false;
    melody().notes.removeAt(index);
    melody().lengthCodes.removeAt(index);
    melody().loudnesses.removeAt(index);
    return true;
}

void TBMidi::ClearNotes() {
    melody() = Melody();
}

void TBMidi::ExtractNotes(const QString& notes, QStringList& target) {
    target = notes.split(QLatin1Char(','));
    if (target.last().isEmpty())
        target.removeLast();
}

QByteArray TBMidi::releaseDelta(const QString& lengthCode) const {
    QByteArray delta = VariableLength(LengthTicks(lengthCode));
    // A one-byte delta is always written whole: a "00" after it would be read as an event.
    if (!m_exactLengths && delta.size() > 1)
        delta = delta.left(1) + QByteArray(delta.size() - 1, '\0');
    return delta;
}

bool TBMidi::NoteOnEvent(QIODevice& file, const QString& lengthCode, const QString& loudness,
                         const QString& notes) const {
    QStringList noteTexts;
    ExtractNotes(notes, noteTexts);
    if (!entryProblem(noteTexts, loudness).isEmpty())
        return false;
    const char velocity = *dataByte(loudness);
    QByteArray events;
    for (const QString& note : noteTexts)
        events += bytesOf({'\0', char(0x90), *dataByte(note), velocity});
    events += releaseDelta(lengthCode);
    for (qsizetype j = 0; j < noteTexts.size(); ++j) {
        if (j > 0)
            events += '\0';
        events += bytesOf({char(0x80), *dataByte(noteTexts[j]), velocity});
    }
    return file.write(events) == events.size();
}

int TBMidi::CountBytes() const {
    int total = endOfTrack.size();
    QStringList noteTexts;
    for (qsizetype i = 0; i < melody().notes.size(); ++i) {
        ExtractNotes(melody().notes[i], noteTexts);
        // Note on and note off of four bytes each, less the delta 0 of the first note off,
        // plus the release delta.
        total += 8 * int(noteTexts.size()) - 1 + int(releaseDelta(melody().lengthCodes[i]).size());
    }
    return total;
}

bool TBMidi::WriteMidiFile(const QString& fileName) {
    m_errorString.clear();
    QByteArray noteTrack;
    QBuffer trackBuffer(&noteTrack);
    trackBuffer.open(QIODevice::WriteOnly);
    QStringList noteTexts;
    for (qsizetype i = 0; i < melody().notes.size(); ++i) {
        ExtractNotes(melody().notes[i], noteTexts);
        const QString problem = entryProblem(noteTexts, melody().loudnesses[i]);
        if (!problem.isEmpty()) {
            m_errorString = QStringLiteral("%1 was not written: entry %2 of the melody cannot be written, %3.")
                                .arg(fileName)
                                .arg(i + 1)
                                .arg(problem);
            return false;
        }
        NoteOnEvent(trackBuffer, melody().lengthCodes[i], melody().loudnesses[i], melody().notes[i]);
    }
    noteTrack += endOfTrack;

    const QByteArray bytes =
        chunk("MThd", fromHex("000100030300")) +
        chunk("MTrk", timeSignatureEvent(QStringLiteral("4/4")) + fromHex("00FF510307A120") + endOfTrack) +
        chunk("MTrk", noteTrack) + chunk("MTrk", fromHex("00FF200101") + endOfTrack);

    QString reason;
    if (!saveWholeFile(fileName, bytes, reason)) {
        m_errorString = QStringLiteral("%1 could not be written: %2").arg(fileName, reason);
        return false;
    }
    return true;
}
