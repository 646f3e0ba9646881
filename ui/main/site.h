#pragma once

// The project's web site, opened from both windows.

#include <QString>

namespace site {

// "http://" + host + "/?from=livenor"
QString address();
// The address written out as the link label shows it: scheme and domain.
QString shownAddress();

// Hands the address to the desktop's default browser and returns at once;
// whatever happens, nothing is shown and nothing changes.
void OpenSite();

} // namespace site
