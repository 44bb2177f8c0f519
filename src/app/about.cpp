// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about.h"

#include "core/credits.h"

namespace pelmora {

QString aboutText()
{
    return QStringLiteral("Pelmora %1\n"
                          "Calculator of Indian income tax on salary for %2.\n\n"
                          "%3, %4\n%5\n\n"
                          "Free software under the GNU General Public License, version 3 or any later version "
                          "(GPL-3.0-or-later).")
        .arg(QStringLiteral(PELMORA_VERSION), QString::fromUtf8(credits::taxYear), QString::fromUtf8(credits::author),
             QString::fromUtf8(credits::office), QString::fromUtf8(credits::webAddress));
}

} // namespace pelmora
