#include "companions/TBMidi.h"
#include "support/FullFolder.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>
#include <limits>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// Everything of a file written by WriteMidiFile around its note track.
QByteArray midiFile(const QByteArray& noteTrack) {
    const qsizetype length = noteTrack.size();
    return hex("4D546864 00000006 0001 0003 0300") +
           hex("4D54726B 00000013 00FF5804 04021808 00FF5103 07A120 00FF2F00") + hex("4D54726B") +
           QByteArray(1, char(length >> 24)) + char(length >> 16) + char(length >> 8) + char(length) + noteTrack +
           hex("4D54726B 00000009 00FF200101 00FF2F00");
}

class Midi : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        TBMidi::ClearNotes();
    }
    void TearDown() override { TBMidi::ClearNotes(); }

    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    // Writes the melody and checks the note track length against CountBytes.
    QByteArray written(TBMidi& midi) {
        const QString file = path("song.mid");
        EXPECT_TRUE(midi.WriteMidiFile(file)) << midi.errorString().toStdString();
        QFile in(file);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        EXPECT_EQ(bytes.size(), 14 + 27 + 8 + midi.CountBytes() + 17);
        return bytes;
    }

    QTemporaryDir m_dir;
};

TEST_F(Midi, FilesHoldExactlyTheseBytes) {
    TBMidi midi;
    EXPECT_EQ(midi.CountBytes(), 4);
    EXPECT_EQ(written(midi), midiFile(hex("00FF2F00")));

    TBMidi::AddNote(QStringLiteral("60"), QStringLiteral("4"), QStringLiteral("100"));
    EXPECT_EQ(midi.CountBytes(), 13);
    EXPECT_EQ(written(midi), midiFile(hex("00903C64 8600 803C64 00FF2F00")));

    TBMidi::ClearNotes();
    TBMidi::AddNote(QStringLiteral("60,64,67"), QStringLiteral("1"), QStringLiteral("90"));
    EXPECT_EQ(midi.CountBytes(), 29);
    EXPECT_EQ(written(midi), midiFile(hex("00903C5A 0090405A 0090435A 9800 803C5A 0080405A 0080435A 00FF2F00")));
}

TEST_F(Midi, ReleaseDeltaOfEveryLengthCode) {
    struct LengthCase {
        const char* code;
        const char* exact;
        const char* rounded; // without ExactLengths
    };
    const LengthCase cases[] = {
        {"1", "9800", "9800"},   {"2", "8C00", "8C00"},   {"4", "8600", "8600"},   {"8", "8300", "8300"},
        {"16", "8140", "8100"},  {"32", "60", "60"},      {"T1", "9000", "9000"},  {"T2", "8800", "8800"},
        {"T4", "8400", "8400"},  {"T8", "8200", "8200"},  {"T16", "8100", "8100"}, {"T32", "40", "40"},
        {"P1", "A400", "A400"},  {"P2", "9200", "9200"},  {"P4", "8900", "8900"},  {"P8", "8440", "8400"},
        {"P16", "8220", "8200"}, {"P32", "8110", "8100"}, {"D1", "AA00", "AA00"},  {"D2", "9500", "9500"},
        {"D4", "8A40", "8A00"},  {"D8", "8520", "8500"},  {"D16", "8250", "8200"}, {"D32", "8128", "8100"},
        {"t4", "00", "00"},      {"", "00", "00"},
    };
    for (const LengthCase& c : cases) {
        for (const bool exact : {true, false}) {
            TBMidi midi;
            midi.setExactLengths(exact);
            QByteArray events;
            QBuffer buffer(&events);
            buffer.open(QIODevice::WriteOnly);
            ASSERT_TRUE(
                midi.NoteOnEvent(buffer, QString::fromLatin1(c.code), QStringLiteral("100"), QStringLiteral("60,62")));
            EXPECT_EQ(events.toHex(),
                      (hex("00903C64 00903E64") + hex(exact ? c.exact : c.rounded) + hex("803C64 00803E64")).toHex())
                << c.code << (exact ? " exact" : " rounded");

            // The track length always matches what is written.
            TBMidi::ClearNotes();
            TBMidi::AddNote(QStringLiteral("60,62"), QString::fromLatin1(c.code), QStringLiteral("100"));
            EXPECT_EQ(midi.CountBytes(), events.size() + 4) << c.code;
        }
    }
}

TEST_F(Midi, CountBytesFollowsTheNotesThatAreWritten) {
    TBMidi midi;
    TBMidi::AddNote(QStringLiteral("60,"), QStringLiteral("4"), QStringLiteral("100"));
    TBMidi::AddNote(QStringLiteral("62"), QStringLiteral("32"), QStringLiteral("100"));
    TBMidi::AddNote(QStringLiteral("64,67"), QStringLiteral("T32"), QStringLiteral("100"));
    EXPECT_EQ(midi.CountBytes(), 9 + 8 + 16 + 4);
    EXPECT_EQ(written(midi), midiFile(hex("00903C64 8600 803C64"
                                          "00903E64 60 803E64"
                                          "00904064 00904364 40 804064 00804364"
                                          "00FF2F00")));
}

TEST_F(Midi, InvalidEntriesAndUnwritableFilesAreReportedAndWriteNothing) {
    TBMidi midi;
    const QString existing = path("existing.mid");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();

    const std::tuple<const char*, const char*, const char*> entries[] = {
        {"60,,64", "100", "\"\" is not a note number"}, {"128", "100", "\"128\" is not a note number"},
        {"-1", "100", "\"-1\" is not a note number"},   {"60", "loud", "\"loud\" is not a loudness"},
        {"60", "200", "\"200\" is not a loudness"},     {"", "100", "it has no note"},
    };
    for (const auto& [notes, loudness, problem] : entries) {
        TBMidi::ClearNotes();
        TBMidi::AddNote(QStringLiteral("60"), QStringLiteral("4"), QStringLiteral("100"));
        TBMidi::AddNote(QString::fromLatin1(notes), QStringLiteral("4"), QString::fromLatin1(loudness));
        EXPECT_FALSE(midi.WriteMidiFile(existing)) << notes << " " << loudness;
        EXPECT_TRUE(midi.errorString().contains(QStringLiteral("entry 2"))) << midi.errorString().toStdString();
        EXPECT_TRUE(midi.errorString().contains(QString::fromLatin1(problem))) << midi.errorString().toStdString();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("keep me"));
        file.close();

        QByteArray events;
        QBuffer buffer(&events);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_FALSE(
            midi.NoteOnEvent(buffer, QStringLiteral("4"), QString::fromLatin1(loudness), QString::fromLatin1(notes)));
        EXPECT_TRUE(events.isEmpty());
    }

    TBMidi::ClearNotes();
    const QString unreachable = path("no such folder/song.mid");
    EXPECT_FALSE(midi.WriteMidiFile(unreachable));
    EXPECT_TRUE(midi.errorString().startsWith(unreachable + QStringLiteral(" could not be written: ")))
        << midi.errorString().toStdString();
    EXPECT_FALSE(QFile::exists(unreachable));
}

TEST_F(Midi, AFullDiskIsAFailureAndKeepsTheOldFile) {
    FullFolder full;
    const QString file = full.filePath(QStringLiteral("song.mid"));
    TBMidi midi;
    ASSERT_TRUE(midi.WriteMidiFile(file)) << midi.errorString().toStdString();
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray before = in.readAll();
    in.close();
    full.fill();

    TBMidi::AddNote(QStringLiteral("60"), QStringLiteral("4"), QStringLiteral("100"));
    EXPECT_FALSE(midi.WriteMidiFile(file));
    EXPECT_TRUE(midi.errorString().startsWith(file + QStringLiteral(" could not be written: ")))
        << midi.errorString().toStdString();
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), before);
}

TEST_F(Midi, AMidiReaderReadsTheMelodyBack) {
    const QString reader = QStandardPaths::findExecutable(QStringLiteral("midicsv"));
    if (reader.isEmpty())
        GTEST_SKIP() << "midicsv (Debian package midicsv) is not installed; the file is not read back";

    TBMidi midi;
    midi.setExactLengths(true);
    TBMidi::AddNote(QStringLiteral("60"), QStringLiteral("4"), QStringLiteral("100"));
    TBMidi::AddNote(QStringLiteral("62"), QStringLiteral("16"), QStringLiteral("80"));
    TBMidi::AddNote(QStringLiteral("64"), QStringLiteral("32"), QStringLiteral("70"));
    TBMidi::AddNote(QStringLiteral("60,64,67"), QStringLiteral("P2"), QStringLiteral("90"));
    const QString file = path("melody.mid");
    ASSERT_TRUE(midi.WriteMidiFile(file)) << midi.errorString().toStdString();

    QProcess process;
    process.start(reader, {file});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardError(), QByteArray());
    const QString csv = QString::fromLatin1(process.readAllStandardOutput()).replace(QStringLiteral("\r"), QString());
    const QString expected = QStringLiteral(R"(0, 0, Header, 1, 3, 768
1, 0, Start_track
1, 0, Time_signature, 4, 2, 24, 8
1, 0, Tempo, 500000
1, 0, End_track
2, 0, Start_track
2, 0, Note_on_c, 0, 60, 100
2, 768, Note_off_c, 0, 60, 100
2, 768, Note_on_c, 0, 62, 80
2, 960, Note_off_c, 0, 62, 80
2, 960, Note_on_c, 0, 64, 70
2, 1056, Note_off_c, 0, 64, 70
2, 1056, Note_on_c, 0, 60, 90
2, 1056, Note_on_c, 0, 64, 90
2, 1056, Note_on_c, 0, 67, 90
2, 3360, Note_off_c, 0, 60, 90
2, 3360, Note_off_c, 0, 64, 90
2, 3360, Note_off_c, 0, 67, 90
2, 3360, End_track
3, 0, Start_track
3, 0, Channel_prefix, 1
3, 0, End_track
0, 0, End_of_file
)");
    EXPECT_EQ(csv.toStdString(), expected.toStdString());
}

TEST_F(Midi, TheMelodyIsSharedAndEditedByEntry) {
    TBMidi first;
    TBMidi second;
    TBMidi::AddNote(QStringLiteral("60"), QStringLiteral("4"), QStringLiteral("100"));
    TBMidi::AddNote(QStringLiteral("62"), QStringLiteral("8"), QStringLiteral("90"));
    TBMidi::AddNote(QStringLiteral("64"), QStringLiteral("2"), QStringLiteral("80"));
    EXPECT_EQ(first.CountBytes(), second.CountBytes());
    EXPECT_TRUE(TBMidi::DeleteNote(1));
    EXPECT_FALSE(TBMidi::DeleteNote(2));
    EXPECT_FALSE(TBMidi::DeleteNote(-1));
    EXPECT_EQ(TBMidi::notes(), (QStringList{"60", "64"}));
    EXPECT_EQ(TBMidi::lengthCodes(), (QStringList{"4", "2"}));
    EXPECT_EQ(TBMidi::loudnesses(), (QStringList{"100", "80"}));
    TBMidi::ClearNotes();
    EXPECT_TRUE(TBMidi::notes().isEmpty());
    EXPECT_EQ(second.CountBytes(), 4);
}

TEST(MidiMusic, NotesOfAChord) {
    const std::pair<const char*, QStringList> cases[] = {
        {"60,64,67", {"60", "64", "67"}},
        {"60,,64", {"60", "", "64"}},
        {"60,", {"60"}},
        {"", {}},
        {",", {""}},
        {",60", {"", "60"}},
    };
    QStringList target{"left over"};
    for (const auto& [text, notes] : cases) {
        TBMidi::ExtractNotes(QString::fromLatin1(text), target);
        EXPECT_EQ(target, notes) << text;
    }
}

TEST(MidiMusic, PitchesDurationsAndInstruments) {
    const std::tuple<int, int, const char*> pitches[] = {
        {69, 5, "440,000"},
        {0, 0, "8,175"},
        {60, 5, "261,625"},
        {11, 0, "15,434"},
        {127, 10, "12543,855"},
        {-5, 0, "6,124"},
        {12, 1, "16,351"},
        {140, 10, "26579,499"},
        // Far outside the range of notes: no wrap, no undefined conversion.
        {2000, 10, nullptr},
        {INT_MAX, 10, "inf"},
        {INT_MIN, 0, "0,000"},
    };
    for (const auto& [note, octave, hz] : pitches) {
        EXPECT_EQ(TBMidi::GetOctave(note), octave) << note;
        if (hz) {
            EXPECT_EQ(TBMidi::GetHz(note), QString::fromLatin1(hz)) << note;
        } else {
            EXPECT_TRUE(TBMidi::GetHz(note).size() > 50 && !TBMidi::GetHz(note).startsWith(u'-'))
                << TBMidi::GetHz(note).toStdString();
        }
    }

    const std::pair<long double, const char*> texts[] = {
        {1.5L, "1.500"},
        {12.25L, "12.250"},
        {0.25L, "0.250"},
        {0.05L, "0.050"},
        {0, "0.000"},
        {-1.5L, "-1.500"},
        {1e16L, "10000000000000000.000"},
        {-1e16L, "-10000000000000000.000"},
        {9.5e18L, "9500000000000000000.000"},
        {std::numeric_limits<long double>::infinity(), "inf"},
        {-std::numeric_limits<long double>::infinity(), "-inf"},
        {std::numeric_limits<long double>::quiet_NaN(), "nan"},
    };
    for (const auto& [value, text] : texts)
        EXPECT_EQ(TBMidi::LongToStr(value), QString::fromLatin1(text)) << text;

    EXPECT_EQ(TBMidi::GetSekundenOfLength(QStringLiteral("P4"), 2.0L), 0.75L);
    EXPECT_EQ(TBMidi::GetSekundenOfLength(QStringLiteral("D32"), 128), 7);
    EXPECT_EQ(TBMidi::GetSekundenOfLength(QStringLiteral("p4"), 2.0L), 0);

    EXPECT_EQ(TBMidi::GetStringInstrument(11), QStringLiteral("Vibraphon"));
    EXPECT_EQ(TBMidi::GetStringInstrument(0), QStringLiteral("Acoustic Grand Piano"));
    EXPECT_EQ(TBMidi::GetStringInstrument(80), QString());
    EXPECT_EQ(TBMidi::GetStringInstrument(-1), QString());
    EXPECT_EQ(TBMidi::GetHexInstrument(QStringLiteral("Ocarina")), 79);
    EXPECT_EQ(TBMidi::GetHexInstrument(QStringLiteral("Acoustic Guitar (Jazz)")), 26);
    EXPECT_EQ(TBMidi::GetHexInstrument(QStringLiteral("ocarina")), 0);
    EXPECT_EQ(TBMidi::GetHexInstrument(QStringLiteral("Banjo")), 0);
    QStringList names{"first"};
    TBMidi::FillInstrumentList(names);
    ASSERT_EQ(names.size(), 81);
    EXPECT_EQ(names[1], QStringLiteral("Acoustic Grand Piano"));
    EXPECT_EQ(names[80], QStringLiteral("Ocarina"));
    for (int i = 0; i < 80; ++i)
        EXPECT_EQ(TBMidi::GetHexInstrument(names[i + 1]), i);
}

} // namespace
