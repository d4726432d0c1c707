// SPDX-License-Identifier: MIT
#pragma once

// Qt's own texts, such as the code box's context menu and a scroll bar's menu,
// in Japanese like the rest of the window, whatever the user's locale.
namespace QtTexts {
// Call it before the window is made, so that no widget is told of a change of
// language. Without Qt's catalogue (Debian's qt6-translations-l10n) they stay in
// English.
void installJapanese();
} // namespace QtTexts
