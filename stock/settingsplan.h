// SPDX-License-Identifier: MIT
#pragma once

#include "stock/stockstore.h"

#include <QByteArray>

#include <optional>

// The settings file's new bytes when a save sets keys of its group [Settings].
// QSettings, the one reader and writer of the file's form, rewrites copies of
// the original in the temporary folder; the plan holds those bytes only once
// they came out whole and a fresh reading of them finds the new texts. The
// original's lines that the rewrite changes or drops (a comment, a line
// QSettings cannot parse, text that is not UTF-8) are what a copy of the
// original must keep.
class SettingsPlan
{
public:
    SettingsPlan(const QByteArray &original, const StockStore::Texts &keyTexts);

    // Whether the rewrite came out whole; when it did not, the temporary folder
    // failed (it is full or cannot be written), and nothing else holds.
    bool isReady() const { return m_ready; }
    const QByteArray &rewritten() const { return m_rewritten; }
    bool needsCopy() const { return m_needsCopy; }

    // A file's bytes, or nothing when it cannot be read whole.
    static std::optional<QByteArray> readWhole(const QString &fileName);

private:
    // Whether every line of `original` but the keys' own in [Settings] is still
    // in `rewritten`; blank lines, a byte order mark and carriage returns do not
    // count, and a group's heading need stand there only once.
    static bool keepsLines(const QByteArray &original, const QByteArray &rewritten,
                           const QStringList &keys);

    bool m_ready = false;
    QByteArray m_rewritten;
    bool m_needsCopy = false;
};
