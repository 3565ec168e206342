#include "engine/RejoinBatchTexts.h"

RejoinBatchTexts defaultRejoinBatchTexts(TextLanguage language, std::string_view webAddress,
                                         std::string_view mailAddress) {
    RejoinBatchTexts texts;
    texts.bannerLine = "echo --  Brimvale Parcelon 1.4 --";
    texts.mailAddress = mailAddress;
    if (language == TextLanguage::German) {
        texts.webLine = "echo WEB    : " + std::string(webAddress);
        texts.keyLine1 = "echo    Drücken Sie eine Taste, um";
        texts.keyLine2 = "echo    die Datei wieder zusammen-";
        texts.keyLine3 = "echo            zusetzen.";
        texts.missingPart = "Teildatei nicht gefunden:";
        texts.nothingDone = "Es wurde nichts zusammengesetzt und nichts gelöscht.";
        texts.stepFailed =
            "Schritt {step} von {steps} fehlgeschlagen: {file} konnte nicht vollständig geschrieben werden.";
        texts.partsKept = "Es wurde keine Teildatei gelöscht, auch nicht diese Batch-Datei.";
    } else {
        texts.webLine = "echo WEB   : " + std::string(webAddress);
        texts.keyLine1 = "echo      Hit any key to merge";
        texts.keyLine2 = "echo            the files";
        texts.keyLine3 = "echo";
        texts.missingPart = "Part file not found:";
        texts.nothingDone = "Nothing was merged and nothing was deleted.";
        texts.stepFailed = "Step {step} of {steps} failed: {file} could not be written completely.";
        texts.partsKept = "No part was deleted, nor this batch file.";
    }
    return texts;
}
