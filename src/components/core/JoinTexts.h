#pragma once

#include "engine/JoinFiles.h"

#include <QString>
#include <string>

// What the window and the command-line tool say about a join beyond the numbered messages, in
// German for languageCode 1 and English otherwise; both sides show the same texts.

// A failed read (a part or a split's source): the file and the system's reason.
QString readFailureText(const OperationError& error, int languageCode);

// A join refused because the interrupted join into its output cannot be resumed safely.
QString notResumableText(const JoinResult& result, int languageCode);

// A join that did not complete after deleting parts: which parts now live only in `outputPath`.
// Empty when no part was deleted.
QString partsOnlyInOutputText(const JoinResult& result, const std::string& outputPath, int languageCode);

// A complete join whose delete option left parts: the join is complete, and which parts are left
// and why. Empty when none is left.
QString partsLeftText(const JoinResult& result, const std::string& outputPath, int languageCode);

// A resumed join that completed.
QString resumedText(const JoinResult& result, const std::string& outputPath, int languageCode);

// A join that the checksum file refused or found a damaged part or output in. Empty for other
// outcomes.
QString checksumProblemText(const JoinResult& result, int languageCode);

// The listed files a checksum file left out of the join. Empty when none was.
QString leftOutText(const JoinResult& result, int languageCode);

// One line: the join was checked against the checksum file and matched.
QString verifiedText(const std::string& outputPath, const std::string& checksumPath, int languageCode);
// For the status bar, short, with the output's file name only: that the join was verified or
// resumed (or both). Empty when it was neither.
QString joinNoticeText(const JoinResult& result, const std::string& outputPath, int languageCode);
