#include "components/core/JoinTexts.h"

#include "components/core/MainTexts.h"
#include "components/core/TextPair.h"
#include "engine/FileHandle.h"

#include <QStringList>

namespace {

enum class JoinText {
    ReadFailed,
    PartsOnlyInOutput,
    NotResumable,
    JournalUnreadable,
    OtherParts,
    OutputChanged,
    PartChanged,
    Resumed,
    CompleteButPartsLeft,
    NotRegularFile,
    NotTheFileRead,
    DeletedPartDamaged,
    ChecksumUnreadable,
    NoChecksums,
    ChecksumPartsMissing,
    PartDamaged,
    OutputDamaged,
    LeftOut,
    Verified,
    VerifiedNotice,
    ResumedNotice,
    ResumedVerifiedNotice,
};

constexpr TextPair Texts[] = {
    {u"Die Datei '%1' konnte nicht gelesen werden:\n%2", u"The file '%1' could not be read:\n%2"},
    {u"Diese Teildateien wurden schon gelöscht; ihre Bytes stehen jetzt nur in '%1':\n%2\n"
     u"Wiederholen Sie dasselbe Verbinden mit denselben Teildateien, um es fortzusetzen.",
     u"These parts have been deleted already; their bytes are now only in '%1':\n%2\n"
     u"Repeat the same join with the same parts to resume it."},
    {u"Die Datei '%1' enthält die Bytes von Teildateien, die ein unterbrochenes Verbinden schon "
     u"gelöscht hat.\nDas Verbinden kann nicht sicher fortgesetzt werden: %2.\n"
     u"Es wurde nichts geschrieben und nichts gelöscht. Die Aufzeichnung des unterbrochenen Verbindens "
     u"ist '%3'.",
     u"The file '%1' holds the bytes of parts that an interrupted join has deleted already.\n"
     u"The join cannot be resumed safely: %2.\nNothing was written or deleted. The interrupted join's "
     u"record is '%3'."},
    {u"seine Aufzeichnung kann nicht gelesen werden", u"its record cannot be read"},
    {u"die angegebenen Teildateien sind nicht der Rest dieses Verbindens",
     u"the parts given are not the rest of that join"},
    {u"die Datei fehlt, wurde ersetzt oder ist kürzer als die gelöschten Teildateien",
     u"the file is missing, has been replaced or is shorter than the deleted parts"},
    {u"die Teildatei '%1' fehlt oder wurde verändert", u"the part '%1' is missing or has changed"},
    {u"Ein unterbrochenes Verbinden wurde fortgesetzt: %1 gelöschte Teildateien standen schon in '%2'.",
     u"An interrupted join was resumed: %1 deleted parts were in '%2' already."},
    {u"Das Verbinden ist vollständig: '%1'.\nDiese Teildateien wurden nicht gelöscht:\n%2",
     u"The join is complete: '%1'.\nThese parts were not deleted:\n%2"},
    {u"keine gewöhnliche Datei", u"not a regular file"},
    {u"nicht mehr die Datei, die gelesen wurde", u"no longer the file that was read"},
    {u"die Bytes der gelöschten Teildatei '%1' stimmen nicht mit ihrer Prüfsumme überein",
     u"the bytes of the deleted part '%1' do not match its checksum"},
    {u"Die Prüfsummendatei '%1' kann nicht gelesen werden:\n%2\nEs wurde nichts geschrieben.",
     u"The checksum file '%1' cannot be read:\n%2\nNothing was written."},
    {u"Die Datei '%1' ist keine Prüfsummendatei mit Teildateien.\nEs wurde nichts geschrieben.",
     u"The file '%1' is no checksum file that lists parts.\nNothing was written."},
    {u"Diese Teildateien aus der Prüfsummendatei '%1' fehlen:\n%2\nEs wurde nichts geschrieben.",
     u"These parts named in the checksum file '%1' are missing:\n%2\nNothing was written."},
    {u"Die Teildatei '%1' ist beschädigt: Sie stimmt nicht mit ihrer Prüfsumme in '%2' überein.\n"
     u"Das Verbinden wurde beendet; die Teildatei wurde nicht gelöscht.",
     u"The part '%1' is damaged: it does not match its checksum in '%2'.\n"
     u"The join was ended; the part was not deleted."},
    {u"Die verbundene Datei '%1' stimmt nicht mit der Prüfsumme des Originals in '%2' überein.\n"
     u"Die Teildateien wurden nicht gelöscht.",
     u"The joined file '%1' does not match the original's checksum in '%2'.\nThe parts were not deleted."},
    {u"Diese Dateien nennt die Prüfsummendatei '%1' nicht; sie wurden nicht verbunden:\n%2",
     u"The checksum file '%1' does not name these files; they were not joined:\n%2"},
    {u"Geprüft: '%1' stimmt mit '%2' überein.", u"Verified: '%1' matches '%2'."},
    {u"Geprüft: %1", u"Verified: %1"},
    {u"Fortgesetzt: %1", u"Resumed: %1"},
    {u"Fortgesetzt und geprüft: %1", u"Resumed and verified: %1"},
};

QString text(JoinText id, int languageCode) {
    const TextPair& pair = Texts[static_cast<int>(id)];
    return inLanguage(pair, languageCode);
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QString lines(const std::vector<std::string>& paths) {
    QStringList list;
    for (const std::string& path : paths)
        list.append(q(path));
    return list.join(u'\n');
}

QString resumeProblemText(const JoinResult& result, int languageCode) {
    switch (result.resumeProblem) {
    case ResumeProblem::OtherParts:
        return text(JoinText::OtherParts, languageCode);
    case ResumeProblem::OutputChanged:
        return text(JoinText::OutputChanged, languageCode);
    case ResumeProblem::PartChanged:
        return text(JoinText::PartChanged, languageCode).arg(q(result.resumeProblemPath));
    case ResumeProblem::DeletedPartDamaged:
        return text(JoinText::DeletedPartDamaged, languageCode).arg(q(result.resumeProblemPath));
    case ResumeProblem::JournalUnreadable:
    case ResumeProblem::None:
        break;
    }
    return text(JoinText::JournalUnreadable, languageCode);
}

QString whyLeft(const PartLeft& part, int languageCode) {
    switch (part.why) {
    case PartLeft::Why::NotRegularFile:
        return text(JoinText::NotRegularFile, languageCode);
    case PartLeft::Why::NotTheFileRead:
        return text(JoinText::NotTheFileRead, languageCode);
    case PartLeft::Why::SystemError:
        break;
    }
    return q(OperationError{OperationError::Kind::System, part.path, {}, part.systemError}.reason());
}

} // namespace

QString readFailureText(const OperationError& error, int languageCode) {
    return text(JoinText::ReadFailed, languageCode).arg(q(error.path), q(error.reason()));
}

QString notResumableText(const JoinResult& result, int languageCode) {
    return text(JoinText::NotResumable, languageCode)
        .arg(q(result.error.path), resumeProblemText(result, languageCode), q(result.error.inputPath));
}

QString partsOnlyInOutputText(const JoinResult& result, const std::string& outputPath, int languageCode) {
    std::vector<std::string> deleted = result.deletedEarlier;
    deleted.insert(deleted.end(), result.deletedParts.begin(), result.deletedParts.end());
    if (deleted.empty())
        return {};
    return text(JoinText::PartsOnlyInOutput, languageCode).arg(q(outputPath), lines(deleted));
}

QString partsLeftText(const JoinResult& result, const std::string& outputPath, int languageCode) {
    if (result.partsLeft.empty())
        return {};
    QStringList left;
    for (const PartLeft& part : result.partsLeft)
        left.append(q(part.path) + QStringLiteral(": ") + whyLeft(part, languageCode));
    return text(JoinText::CompleteButPartsLeft, languageCode).arg(q(outputPath), left.join(u'\n'));
}

QString resumedText(const JoinResult& result, const std::string& outputPath, int languageCode) {
    return text(JoinText::Resumed, languageCode).arg(QString::number(result.deletedEarlier.size()), q(outputPath));
}

QString checksumProblemText(const JoinResult& result, int languageCode) {
    const OperationError& error = result.error;
    switch (error.kind) {
    case OperationError::Kind::ChecksumFileUnusable:
        if (error.systemError != 0)
            return text(JoinText::ChecksumUnreadable, languageCode).arg(q(error.path), q(error.reason()));
        return text(JoinText::NoChecksums, languageCode).arg(q(error.path));
    case OperationError::Kind::ChecksumPartsMissing:
        return text(JoinText::ChecksumPartsMissing, languageCode)
            .arg(q(error.inputPath), lines(result.checksumMissing));
    case OperationError::Kind::ChecksumMismatch:
        return text(result.outputDamaged ? JoinText::OutputDamaged : JoinText::PartDamaged, languageCode)
            .arg(q(error.path), q(error.inputPath));
    default:
        break;
    }
    return {};
}

QString leftOutText(const JoinResult& result, int languageCode) {
    if (result.leftOut.empty())
        return {};
    return text(JoinText::LeftOut, languageCode).arg(q(result.checksumPath), lines(result.leftOut));
}

QString verifiedText(const std::string& outputPath, const std::string& checksumPath, int languageCode) {
    return text(JoinText::Verified, languageCode).arg(q(outputPath), q(checksumPath));
}

QString joinNoticeText(const JoinResult& result, const std::string& outputPath, int languageCode) {
    const bool resumed = result.resumed && result.outcome == OperationOutcome::Completed;
    if (!resumed && !result.verified)
        return {};
    const JoinText id = !resumed          ? JoinText::VerifiedNotice
                        : result.verified ? JoinText::ResumedVerifiedNotice
                                          : JoinText::ResumedNotice;
    return text(id, languageCode).arg(q(fileNameOf(outputPath)));
}
