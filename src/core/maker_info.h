#pragma once

#include <QString>
#include <QtGlobal>

// Who makes and distributes this program. Placeholders under the reserved
// example.org domain: a packager sets the real values here, in one place.
namespace orvane::maker {

// Web addresses without their scheme; the links put "https://" in front.
inline const QString kWebSite = QStringLiteral("www.orvane.example.org");
inline const QString kProgramPage = QStringLiteral("www.orvane.example.org/orvane/");
inline const QString kShopName = QStringLiteral("Orvane Bead Supplies");
inline const QString kDisplayName = QStringLiteral("Orvane Support");
inline const QString kMailAddress = QStringLiteral("support@orvane.example.org");
// The donation page carries its own scheme.
inline const QString kDonationUrl = QStringLiteral("https://donate.example.org/orvane");
// Shown translated (context "maker"); a notice changed here shows as written
// until its translations follow.
inline constexpr char kRightsNotice[] =
    QT_TRANSLATE_NOOP("maker", "Copyright © 2026 The Orvane developers. All rights reserved.");
inline const QString kMakerName = QStringLiteral("The Orvane developers");

}  // namespace orvane::maker
