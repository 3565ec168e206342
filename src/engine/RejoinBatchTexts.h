#pragma once

#include <string>
#include <string_view>

// The words of the rejoin batch file, in UTF-8; the writer converts them to code page 850.
// The lines that are commands already ("echo ...") are whole lines; the others are sentences the
// writer puts after "echo ".
struct RejoinBatchTexts {
    std::string bannerLine;  // line 4, e.g. "echo --  Brimvale Parcelon 1.4 --"
    std::string webLine;     // line 7, "echo WEB ... : " and the maker's web address
    std::string mailAddress; // line 8 is "echo E-Mail : " followed by this
    std::string keyLine1;    // lines 11 to 13: "press a key to rebuild the file"
    std::string keyLine2;
    std::string keyLine3;
    std::string missingPart; // sentence before the quoted name of each part the batch cannot find
    std::string nothingDone; // sentence after them: nothing was copied or deleted
    std::string stepFailed;  // a copy failed: "{step}" of "{steps}", "{file}" the quoted file it wrote
    std::string partsKept;   // sentence after it: no part was deleted, nor the batch file
};

enum class TextLanguage { English = 0, German = 1 };

// The program's own batch texts in one language, around the given addresses.
RejoinBatchTexts defaultRejoinBatchTexts(TextLanguage language, std::string_view webAddress,
                                         std::string_view mailAddress);
