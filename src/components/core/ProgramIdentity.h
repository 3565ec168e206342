#pragma once

#include <QString>

// The program's name and the maker's addresses, kept in one place. The addresses are
// placeholders of the maker's own domain.
namespace ProgramIdentity {
inline const QString Name = QStringLiteral("Brimvale Parcelon");
inline const QString Version = QStringLiteral(" 1.4");
inline const QString MessageTitle = QStringLiteral("Brimvale Parcelon");
inline const QString SettingsCompany = QStringLiteral("Brimvale");
inline const QString SettingsProgram = QStringLiteral("Parcelon");
inline const QString WebAddressGerman = QStringLiteral("https://www.brimvale.example/de/");
inline const QString WebAddressEnglish = QStringLiteral("https://www.brimvale.example/en/");
inline const QString FeedbackMailGerman = QStringLiteral("mailto:feedback@brimvale.example?subject=Parcelon%201.4");
inline const QString FeedbackMailEnglish = QStringLiteral("mailto:feedback@brimvale.example?subject=Parcelon%201.4");
} // namespace ProgramIdentity
